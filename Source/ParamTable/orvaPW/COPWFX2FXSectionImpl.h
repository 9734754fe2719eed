#pragma once

#include "ParamTable/COrvaFX2FXSectionBase.h"

namespace orvaPW
{
// The FX2 (delay/reverb) module of an Orva PW program.
class COPWFX2FXSectionImpl : public COrvaFX2FXSectionBase
{
public:
    explicit COPWFX2FXSectionImpl(COrvaUserEditSectionBase& program);
};
} // namespace orvaPW
