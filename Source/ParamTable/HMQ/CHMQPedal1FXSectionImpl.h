#pragma once

#include "ParamTable/HMQ/CHMQFXSectionBase.h"

namespace HMQ
{
// The Pedal1 module of an HMQ program (ids 0x500-0x505), per Pedal1 type.
class CHMQPedal1FXSectionImpl : public CHMQFXSectionBase
{
public:
    explicit CHMQPedal1FXSectionImpl(CHMQUserEditSectionImpl& program);

    // COMP has no fifth and sixth value: those rows are disabled.
    bool PrepareParamDesc(unsigned index, SParamDesc* desc) const override;
};
} // namespace HMQ
