#include "ParamTable/orvaKX/COKXFX2FXSectionImpl.h"

#include "ParamTable/COrvaUserEditSectionBase.h"
#include "ParamTable/orvaKX/OKXModuleTables.h"
#include "ParamTable/orvaKX/COKXUserEditSectionImpl.h"

namespace orvaKX
{
const uint32_t COKXFX2FXSectionImpl::m_SpeedAdjustTable[8] = { 100, 100, 100, 100, 1650, 30, 30, 0 };

COKXFX2FXSectionImpl::COKXFX2FXSectionImpl(COrvaUserEditSectionBase& programSection)
    : CFXSectionImpl(programSection, Module { TABLEARRAY_FX2FX, 8, 0x302, 0x202,
                                              { 0x600, 0x601, 0x602, 0x603, 0x604, 0x605 },
                                              COKXUserEditSectionImpl::m_InitProgData, false }),
      program(programSection)
{
}

void COKXFX2FXSectionImpl::OnParamChanged(int id, eChgSource source)
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
} // namespace orvaKX
