#pragma once

#include "ParamTable/CFXSectionImpl.h"

#include <cstdint>

class COrvaUserEditSectionBase;

// The FX2 (delay/reverb) module of an Orva program, per FX2 type; the two
// Orva models differ only in their tables. A type change sets TIME to the
// type's usual value.
class COrvaFX2FXSectionBase : public CFXSectionImpl
{
public:
    COrvaFX2FXSectionBase(COrvaUserEditSectionBase& program, Module module);

    void OnParamChanged(int id, eChgSource source) override;

    // TIME written on a change to each FX2 type (clamped to its range).
    static const uint32_t m_SpeedAdjustTable[8];

private:
    COrvaUserEditSectionBase& program;
};
