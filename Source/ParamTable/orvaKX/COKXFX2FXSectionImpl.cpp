#include "ParamTable/orvaKX/COKXFX2FXSectionImpl.h"

#include "ParamTable/orvaKX/COKXUserEditSectionImpl.h"
#include "ParamTable/orvaKX/OKXModuleTables.h"

namespace orvaKX
{
COKXFX2FXSectionImpl::COKXFX2FXSectionImpl(COrvaUserEditSectionBase& programSection)
    : COrvaFX2FXSectionBase(programSection, Module { TABLEARRAY_FX2FX,
                                                     8,
                                                     0x302,
                                                     0x202,
                                                     { 0x600, 0x601, 0x602, 0x603, 0x604, 0x605 },
                                                     COKXUserEditSectionImpl::m_InitProgData,
                                                     false })
{}
} // namespace orvaKX
