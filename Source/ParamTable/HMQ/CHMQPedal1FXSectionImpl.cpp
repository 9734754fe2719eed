#include "ParamTable/HMQ/CHMQPedal1FXSectionImpl.h"

#include "ParamTable/HMQ/HMQModuleTables.h"
#include "ParamTable/HMQ/HMQParamEditTable.h"

namespace HMQ
{
CHMQPedal1FXSectionImpl::CHMQPedal1FXSectionImpl(CHMQUserEditSectionImpl& programSection)
    : CHMQFXSectionBase(
        programSection,
        Module { TABLEARRAY_Pedal1FX, 10, 0x301, 0x201, { 0x500, 0x501, 0x502, 0x503, 0x504, 0x505 }, m_InitProgData, false })
{}

bool CHMQPedal1FXSectionImpl::PrepareParamDesc(unsigned index, SParamDesc* desc) const
{
    if (! CFXSectionImpl::PrepareParamDesc(index, desc))
        return false;
    if (fxType == 0 && (desc->id == 0x504 || desc->id == 0x505))
        desc->flags |= ParamFlags::hidden;
    return true;
}
} // namespace HMQ
