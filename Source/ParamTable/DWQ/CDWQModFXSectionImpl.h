#pragma once

#include "ParamTable/CFXSectionImpl.h"

#include <cstdint>

namespace DWQ
{
class CDWQUserEditSectionImpl;

// The modulation module of a DWQ program: SPEED per modulation type. A type
// change resets SPEED to the new type's slowest value.
class CDWQModFXSectionImpl : public CFXSectionImpl
{
public:
    explicit CDWQModFXSectionImpl(CDWQUserEditSectionImpl& program);

    void OnReinitialized() override;
    void OnParamChanged(int id, eChgSource source) override;
    bool PrepareParamDesc(unsigned index, SParamDesc* desc) const override;

    // SPEED written after a type change, by modulation type.
    static const int32_t m_SpeedAdjustTable[5];

private:
    CDWQUserEditSectionImpl& program;
};
} // namespace DWQ
