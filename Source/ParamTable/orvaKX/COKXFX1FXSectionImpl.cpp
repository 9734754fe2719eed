#include "ParamTable/orvaKX/COKXFX1FXSectionImpl.h"

#include "ParamTable/COrvaUserEditSectionBase.h"
#include "ParamTable/orvaKX/COKXUserEditSectionImpl.h"
#include "ParamTable/orvaKX/OKXModuleTables.h"

namespace orvaKX
{
COKXFX1FXSectionImpl::COKXFX1FXSectionImpl(COrvaUserEditSectionBase& program)
    : CFXSectionImpl(program, Module { TABLEARRAY_FX1FX,
                                       11,
                                       0x301,
                                       0x201,
                                       { 0x500, 0x501, 0x502, 0x503, 0x504, 0x505 },
                                       COKXUserEditSectionImpl::m_InitProgData,
                                       false })
{}
} // namespace orvaKX
