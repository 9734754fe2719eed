#include "ParamTable/DWQ/CDWQModFXSectionImpl.h"

#include "ParamTable/DWQ/CDWQUserEditSectionImpl.h"
#include "ParamTable/DWQ/DWQModuleTables.h"

namespace DWQ
{
namespace
{
constexpr int idType = 0x400;
constexpr int idSpeed = 0x401;
// Row flag of a control whose module is off.
constexpr uint32_t moduleOffFlag = 0x4;
} // namespace

const int32_t CDWQModFXSectionImpl::m_SpeedAdjustTable[5] = { 0, 300, 100, 150, 2500 };

CDWQModFXSectionImpl::CDWQModFXSectionImpl(CDWQUserEditSectionImpl& programSection)
    : CFXSectionImpl(programSection, Module { TABLEARRAY_ModFX, 5, idType, -1, { idSpeed }, m_InitProgData, false }),
      program(programSection)
{}

void CDWQModFXSectionImpl::OnReinitialized()
{
    FireOnSectionReinitialized();
    FireOnSectionParamPropsChanged(idSpeed);
}

void CDWQModFXSectionImpl::OnParamChanged(int id, eChgSource source)
{
    if (id == idType)
    {
        InitFXType(readTypeFromOwner());
        // Notify only: the amplifier sets the speed itself on a type change.
        // The write is clamped to the new type's row (OFF stores 300).
        program.PutParamIEx(idSpeed, m_SpeedAdjustTable[GetFXType()], PutFlags::announce, CHGSRC_DEVICE);
        FireOnSectionParamChanged(idSpeed, source);
        FireOnSectionParamPropsChanged(idSpeed);
    }
    FireOnSectionParamChanged(id, source);
}

bool CDWQModFXSectionImpl::PrepareParamDesc(unsigned index, SParamDesc* desc) const
{
    if (! CFXSectionImpl::PrepareParamDesc(index, desc))
        return false;
    if (desc->id == idSpeed && GetFXType() == 0)
        desc->flags |= moduleOffFlag;
    return true;
}
} // namespace DWQ
