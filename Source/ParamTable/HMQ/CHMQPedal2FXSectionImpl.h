#pragma once

#include "ParamTable/HMQ/CHMQFXSectionBase.h"

#include <cstdint>

namespace HMQ
{
// The Pedal2 module of an HMQ program (ids 0x600-0x605), per Pedal2 type. A
// type change sets the first value (speed or time) to the new type's lowest.
class CHMQPedal2FXSectionImpl : public CHMQFXSectionBase
{
public:
    explicit CHMQPedal2FXSectionImpl(CHMQUserEditSectionImpl& program);

    void OnParamChanged(int id, eChgSource source) override;
    // The phasers have no fifth and sixth value, the tremolo no sixth.
    bool PrepareParamDesc(unsigned index, SParamDesc* desc) const override;

    // The first value written on a change to each Pedal2 type.
    static const uint32_t m_SpeedAdjustTable[7];
};
} // namespace HMQ
