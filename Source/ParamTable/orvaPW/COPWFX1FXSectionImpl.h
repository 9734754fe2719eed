#pragma once

#include "ParamTable/CFXSectionImpl.h"

class COrvaUserEditSectionBase;

namespace orvaPW
{
// The FX1 (modulation) module of a program, per FX1 type.
class COPWFX1FXSectionImpl : public CFXSectionImpl
{
public:
    explicit COPWFX1FXSectionImpl(COrvaUserEditSectionBase& program);
};
} // namespace orvaPW
