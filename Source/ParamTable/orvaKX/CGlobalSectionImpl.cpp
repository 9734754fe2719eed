#include "ParamTable/orvaKX/CGlobalSectionImpl.h"

#include "ParamTable/orvaKX/OKXGlobalTables.h"

namespace orvaKX
{
void CGlobalSectionImpl::Init(Host* hostToUse, sGlobalBuf* block)
{
    initSection(hostToUse, block, TABLEDESC_GLOBALPARAM, INITCHUNK_GLOBALPARAM);
}
} // namespace orvaKX
