#include "ParamTable/HMQ/CHMQPedal2FXSectionImpl.h"

#include "ParamTable/HMQ/CHMQUserEditSectionImpl.h"
#include "ParamTable/HMQ/HMQModuleTables.h"
#include "ParamTable/HMQ/HMQParamEditTable.h"

namespace HMQ
{
const uint32_t CHMQPedal2FXSectionImpl::m_SpeedAdjustTable[7] = { 100, 100, 100, 100, 1650, 30, 30 };

CHMQPedal2FXSectionImpl::CHMQPedal2FXSectionImpl(CHMQUserEditSectionImpl& programSection)
    : CHMQFXSectionBase(
        programSection,
        Module { TABLEARRAY_Pedal2FX, 7, 0x302, 0x202, { 0x600, 0x601, 0x602, 0x603, 0x604, 0x605 }, m_InitProgData, false })
{}

void CHMQPedal2FXSectionImpl::OnParamChanged(int id, eChgSource source)
{
    if (id == module.typeId)
    {
        InitFXType(readTypeFromOwner());
        // Written locally and announced, never sent: the amplifier sets the
        // value itself on a type change.
        program.PutParamIEx(0x600, (int) m_SpeedAdjustTable[fxType], PutFlags::announce, CHGSRC_DEVICE);
        FireOnSectionParamChanged(0x600, source);
    }
    if (id == module.typeId || id == module.onId)
        firePropsForRows();
    FireOnSectionParamChanged(id, source);
}

bool CHMQPedal2FXSectionImpl::PrepareParamDesc(unsigned index, SParamDesc* desc) const
{
    if (! CFXSectionImpl::PrepareParamDesc(index, desc))
        return false;
    if ((desc->id == 0x605 && fxType >= 1 && fxType <= 4) || (desc->id == 0x604 && fxType >= 1 && fxType <= 3))
        desc->flags |= ParamFlags::hidden;
    return true;
}
} // namespace HMQ
