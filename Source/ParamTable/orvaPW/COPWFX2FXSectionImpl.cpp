#include "ParamTable/orvaPW/COPWFX2FXSectionImpl.h"

#include "ParamTable/orvaPW/COPWUserEditSectionImpl.h"
#include "ParamTable/orvaPW/OPWModuleTables.h"

namespace orvaPW
{
COPWFX2FXSectionImpl::COPWFX2FXSectionImpl(COrvaUserEditSectionBase& programSection)
    : COrvaFX2FXSectionBase(programSection, Module { TABLEARRAY_FX2FX,
                                                     8,
                                                     0x302,
                                                     0x202,
                                                     { 0x600, 0x601, 0x602, 0x603, 0x604, 0x605 },
                                                     COPWUserEditSectionImpl::m_InitProgData,
                                                     true })
{}
} // namespace orvaPW
