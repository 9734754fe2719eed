#include "ParamTable/COrvaFX2FXSectionBase.h"

#include "ParamTable/COrvaUserEditSectionBase.h"

const uint32_t COrvaFX2FXSectionBase::m_SpeedAdjustTable[8] = { 100, 100, 100, 100, 1650, 30, 30, 0 };

COrvaFX2FXSectionBase::COrvaFX2FXSectionBase(COrvaUserEditSectionBase& programSection, Module module)
    : CFXSectionImpl(programSection, std::move(module)), program(programSection)
{}

void COrvaFX2FXSectionBase::OnParamChanged(int id, eChgSource source)
{
    if (id == module.typeId)
    {
        InitFXType(readTypeFromOwner());
        // Written locally and announced, never sent: the amplifier adjusts
        // TIME itself on a type change.
        program.PutParamIEx(0x600, (int) m_SpeedAdjustTable[fxType], PutFlags::announce, CHGSRC_DEVICE);
        FireOnSectionParamChanged(0x600, source);
    }
    if (id == module.typeId || id == module.onId)
        firePropsForRows();
    FireOnSectionParamChanged(id, source);
}
