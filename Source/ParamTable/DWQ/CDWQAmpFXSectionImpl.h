#pragma once

#include "ParamTable/CFXSectionImpl.h"

#include <cstdint>

namespace DWQ
{
class CDWQUserEditSectionImpl;

// The amp module of a DWQ program: GAIN, TREBLE, MIDDLE, BASS. An amp type
// change sets NR and MIDDLE to the new type's values.
class CDWQAmpFXSectionImpl : public CFXSectionImpl
{
public:
    explicit CDWQAmpFXSectionImpl(CDWQUserEditSectionImpl& program);

    void OnReinitialized() override;
    void OnParamChanged(int id, eChgSource source) override;

    // NR (0x100) and MIDDLE (0x303) written after an amp type change, by type.
    static const int32_t m_NRadjustTable[11];
    static const int32_t m_MIDadjustTable[11];

private:
    CDWQUserEditSectionImpl& program;
};
} // namespace DWQ
