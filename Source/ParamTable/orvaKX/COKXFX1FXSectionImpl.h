#pragma once

#include "ParamTable/CFXSectionImpl.h"

class COrvaUserEditSectionBase;

namespace orvaKX
{
// The FX1 (modulation) module of a program, per FX1 type.
class COKXFX1FXSectionImpl : public CFXSectionImpl
{
public:
    explicit COKXFX1FXSectionImpl(COrvaUserEditSectionBase& program);
};
} // namespace orvaKX
