#include "ParamTable/orvaPW/CGlobalSectionImpl.h"

#include "ParamTable/orvaPW/OPWGlobalTables.h"

namespace orvaPW
{
void CGlobalSectionImpl::Init(Host* hostToUse, sGlobalBuf* block)
{
    initSection(hostToUse, block, TABLEDESC_GLOBALPARAM, INITCHUNK_GLOBALPARAM);
}
} // namespace orvaPW
