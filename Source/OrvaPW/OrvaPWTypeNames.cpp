#include "OrvaPW/OrvaPWTypeNames.h"
#include "ParamTable/TypeIndex.h"

// clang-format off

namespace orvaPW
{
const juce::StringArray& getAmpTypeNames()
{
    static const juce::StringArray names {
        "CLASSIC BRIGHT",
        "CLASSIC NORMAL",
        "SLAP",
        "ROCK 1",
        "ROCK 2",
        "MODERN",
        "DEEP",
        "TIGHT SYNTH",
        "DIRTY SYNTH",
        "PUNCHY SYNTH",
        "DELUXE CL",
        "QT50",
        "QT50HB",
        "BRIT 800",
        "DOUBLE REC",
        "ERUPT III CH3",
        "FLAT",
    };
    return names;
}

juce::String getAmpTypeName(eAmpType type)
{
    return getAmpTypeNames()[clampTypeIndex(type, kNumAmpTypes)];
}

const juce::StringArray& getFX1TypeNames()
{
    static const juce::StringArray names {
        "COMP",
        "T.WAH",
        "FUZZ",
        "CE CHORUS",
        "STEREO CHORUS",
        "BLACK FLANGER",
        "STEREO FLANGER",
        "ORG PHASER",
        "SMALL PHASE",
        "TWIN TREM",
        "HARMONIC TREM",
    };
    return names;
}

juce::String getFX1TypeName(eFX1Type type)
{
    return getFX1TypeNames()[clampTypeIndex(type, kNumFX1Types)];
}

unsigned char getAmpTypeValue(eAmpType type)
{
    return (unsigned char) (clampTypeIndex(type, kNumAmpTypes) + 22);
}

int getAmpType(unsigned char value)
{
    if (value >= 22 && value <= 22 + kNumAmpTypes - 1)
        return value - 22;
    return -1;
}

const std::array<int, kNumFX1Types>& getFX1TypeValues()
{
    static const std::array<int, kNumFX1Types> values { 0, 1, 2, 3, 4, 5, 6, 7, 9, 12, 13 };
    return values;
}

int getFX1TypeValue(eFX1Type type)
{
    return getFX1TypeValues()[(size_t) clampTypeIndex(type, kNumFX1Types)];
}

int getFX1Type(eMIDIFX1Type value)
{
    const auto& values = getFX1TypeValues();
    for (size_t i = 0; i < values.size(); ++i)
        if (values[i] == (int) value)
            return (int) i;
    return -1;
}
} // namespace orvaPW
// clang-format on
