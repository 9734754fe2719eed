#pragma once

#include "ParamTable/CFXSectionImpl.h"

#include <cstdint>

class COrvaUserEditSectionBase;

namespace orvaPW
{
// The FX2 (delay/reverb) module of a program, per FX2 type. A type change
// sets TIME to the type's usual value.
class COPWFX2FXSectionImpl : public CFXSectionImpl
{
public:
    explicit COPWFX2FXSectionImpl(COrvaUserEditSectionBase& program);

    void OnParamChanged(int id, eChgSource source) override;

    // TIME written on a change to each FX2 type (clamped to its range).
    static const uint32_t m_SpeedAdjustTable[8];

private:
    COrvaUserEditSectionBase& program;
};
} // namespace orvaPW
