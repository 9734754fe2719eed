#include "ParamTable/orvaPW/CAudioEQSectionImpl.h"

#include "ParamTable/orvaPW/OPWGlobalTables.h"

namespace orvaPW
{
void CAudioEQSectionImpl::Init(Host* hostToUse, sAudioEQBuf* block)
{
    initSection(hostToUse, block, TABLEDESC_AUDIOEQPARAM, INITCHUNK_AUDIOEQPARAM);
}
} // namespace orvaPW
