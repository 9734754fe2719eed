#pragma once

#include "ParamTable/HMQ/CHMQFXSectionBase.h"

namespace HMQ
{
// The Reverb module of an HMQ program (ids 0x800-0x804); every reverb type
// has the same rows.
class CHMQRevFXSectionImpl : public CHMQFXSectionBase
{
public:
    explicit CHMQRevFXSectionImpl(CHMQUserEditSectionImpl& program);
};
} // namespace HMQ
