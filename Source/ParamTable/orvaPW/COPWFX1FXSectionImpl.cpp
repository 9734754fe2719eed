#include "ParamTable/orvaPW/COPWFX1FXSectionImpl.h"

#include "ParamTable/COrvaUserEditSectionBase.h"
#include "ParamTable/orvaPW/COPWUserEditSectionImpl.h"
#include "ParamTable/orvaPW/OPWModuleTables.h"

namespace orvaPW
{
COPWFX1FXSectionImpl::COPWFX1FXSectionImpl(COrvaUserEditSectionBase& program)
    : CFXSectionImpl(program, Module { TABLEARRAY_FX1FX,
                                       11,
                                       0x301,
                                       0x201,
                                       { 0x500, 0x501, 0x502, 0x503, 0x504, 0x505 },
                                       COPWUserEditSectionImpl::m_InitProgData,
                                       true })
{}
} // namespace orvaPW
