#include "ParamTable/DWQ/CDWQDlyRevFXSectionImpl.h"

#include "ParamTable/DWQ/CDWQUserEditSectionImpl.h"
#include "ParamTable/DWQ/DWQModuleTables.h"

namespace DWQ
{
namespace
{
constexpr int idType = 0x500;
constexpr int idMix = 0x501;
constexpr int idTime = 0x502;
// Row flag of a control whose module is off.
constexpr uint32_t moduleOffFlag = 0x4;
} // namespace

CDWQDlyRevFXSectionImpl::CDWQDlyRevFXSectionImpl(CDWQUserEditSectionImpl& programSection)
    : CFXSectionImpl(programSection, Module { TABLEARRAY_DlyRevFX, 5, idType, -1, { idMix, idTime }, m_InitProgData, false })
{}

void CDWQDlyRevFXSectionImpl::OnReinitialized()
{
    FireOnSectionReinitialized();
    FireOnSectionParamPropsChanged(idMix);
    FireOnSectionParamPropsChanged(idTime);
}

void CDWQDlyRevFXSectionImpl::OnParamChanged(int id, eChgSource source)
{
    if (id == idType)
    {
        InitFXType(readTypeFromOwner());
        FireOnSectionParamPropsChanged(idMix);
        FireOnSectionParamPropsChanged(idTime);
    }
    FireOnSectionParamChanged(id, source);
}

bool CDWQDlyRevFXSectionImpl::PrepareParamDesc(unsigned index, SParamDesc* desc) const
{
    if (! CFXSectionImpl::PrepareParamDesc(index, desc))
        return false;
    if ((desc->id == idMix || desc->id == idTime) && GetFXType() == 0)
        desc->flags |= moduleOffFlag;
    return true;
}
} // namespace DWQ
