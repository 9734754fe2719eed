#pragma once

#include "ParamTable/COrvaFX2FXSectionBase.h"

namespace orvaKX
{
// The FX2 (delay/reverb) module of an Orva KX program.
class COKXFX2FXSectionImpl : public COrvaFX2FXSectionBase
{
public:
    explicit COKXFX2FXSectionImpl(COrvaUserEditSectionBase& program);
};
} // namespace orvaKX
