#pragma once

#include "ParamTable/CFXSectionImpl.h"

class COrvaUserEditSectionBase;

namespace orvaPW
{
// The amp module of a program: GAIN to MID BOOST and NR SENS, per amp type.
class COPWAmpFXSectionImpl : public CFXSectionImpl
{
public:
    explicit COPWAmpFXSectionImpl(COrvaUserEditSectionBase& program);

    void OnReinitialized() override;
};
} // namespace orvaPW
