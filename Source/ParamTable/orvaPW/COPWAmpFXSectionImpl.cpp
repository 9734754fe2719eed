#include "ParamTable/orvaPW/COPWAmpFXSectionImpl.h"

#include "ParamTable/COrvaUserEditSectionBase.h"
#include "ParamTable/orvaPW/COPWUserEditSectionImpl.h"
#include "ParamTable/orvaPW/OPWModuleTables.h"

namespace orvaPW
{
COPWAmpFXSectionImpl::COPWAmpFXSectionImpl(COrvaUserEditSectionBase& program)
    : CFXSectionImpl(program, Module { TABLEARRAY_AmpFX,
                                       17,
                                       0x300,
                                       -1,
                                       { 0x400, 0x401, 0x402, 0x403, 0x404, 0x405, 0x406, 0x407, 0x408, 0x409, 0x100 },
                                       COPWUserEditSectionImpl::m_InitProgData,
                                       true })
{}

void COPWAmpFXSectionImpl::OnReinitialized()
{
    FireOnSectionReinitialized();
    for (int id : module.ids)
        FireOnSectionParamPropsChanged(id);
}
} // namespace orvaPW
