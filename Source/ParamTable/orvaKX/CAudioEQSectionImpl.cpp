#include "ParamTable/orvaKX/CAudioEQSectionImpl.h"

#include "ParamTable/orvaKX/OKXGlobalTables.h"

namespace orvaKX
{
void CAudioEQSectionImpl::Init(Host* hostToUse, sAudioEQBuf* block)
{
    initSection(hostToUse, block, TABLEDESC_AUDIOEQPARAM, INITCHUNK_AUDIOEQPARAM);
}
} // namespace orvaKX
