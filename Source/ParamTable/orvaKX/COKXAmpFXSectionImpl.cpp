#include "ParamTable/orvaKX/COKXAmpFXSectionImpl.h"

#include "ParamTable/COrvaUserEditSectionBase.h"
#include "ParamTable/orvaKX/COKXUserEditSectionImpl.h"
#include "ParamTable/orvaKX/OKXModuleTables.h"

namespace orvaKX
{
COKXAmpFXSectionImpl::COKXAmpFXSectionImpl(COrvaUserEditSectionBase& program)
    : CFXSectionImpl(program, Module { TABLEARRAY_AmpFX,
                                       23,
                                       0x300,
                                       -1,
                                       { 0x400, 0x401, 0x402, 0x403, 0x404, 0x405, 0x406, 0x407, 0x408, 0x409, 0x100 },
                                       COKXUserEditSectionImpl::m_InitProgData,
                                       false })
{}

void COKXAmpFXSectionImpl::OnReinitialized()
{
    FireOnSectionReinitialized();
    for (int id : module.ids)
        FireOnSectionParamPropsChanged(id);
}

std::vector<int> COKXAmpFXSectionImpl::propsOrder() const
{
    return { 0x400, 0x401, 0x402, 0x403, 0x404, 0x407, 0x409, 0x408, 0x405, 0x406, 0x100 };
}

bool COKXAmpFXSectionImpl::PrepareParamDesc(unsigned index, SParamDesc* desc) const
{
    if (! CFXSectionImpl::PrepareParamDesc(index, desc))
        return false;

    // Rows the current amp type does not use are hidden.
    const unsigned type = fxType;
    bool hide = false;
    switch (desc->id)
    {
        case 0x405: hide = type == 22; break;
        case 0x406:
        case 0x408:
        case 0x409: hide = type == 21 || type == 22; break;
        case 0x407: hide = ((0x62810Au >> type) & 1u) != 0; break;
        default: break;
    }
    if (hide)
        desc->flags |= ParamFlags::hidden;
    return true;
}
} // namespace orvaKX
