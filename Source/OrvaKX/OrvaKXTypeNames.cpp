#include "OrvaKX/OrvaKXTypeNames.h"
#include "ParamTable/TypeIndex.h"

// clang-format off

namespace orvaKX
{
const juce::StringArray& getAmpTypeNames()
{
    static const juce::StringArray names {
        "DELUXE CL VIBRATO",
        "DELUXE CL NORMAL",
        "TWEED 4x10 BRIGHT",
        "TWEED 4x10 NORMAL",
        "BOUTIQUE CL",
        "BOUTIQUE OD",
        "QT50",
        "QT50HB",
        "BRIT 1959 TREBLE",
        "BRIT 1959 NORMAL",
        "BRIT 800",
        "BRIT VM",
        "SL-OD",
        "DOUBLE REC",
        "CALI ELATION",
        "ERUPT III CH2",
        "ERUPT III CH3",
        "BOUTIQUE METAL",
        "BRIT VERB",
        "ORIGINAL CL",
        "TEXAS LEAD",
        "ACOUSTIC SIMULATOR",
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
        "CE CHORUS",
        "STEREO CHORUS",
        "BLACK FLANGER",
        "STEREO FLANGER",
        "ORG PHASER 1",
        "ORG PHASER 2",
        "SMALL PHASE",
        "DUO PHASE(FREE)",
        "DUO PHASE(SYNC)",
        "TWIN TREM",
        "HARMONIC TREM",
    };
    return names;
}

juce::String getFX1TypeName(eFX1Type type)
{
    return getFX1TypeNames()[clampTypeIndex(type, kNumFX1Types)];
}

const juce::StringArray& getFX2TypeNames()
{
    static const juce::StringArray names {
        "TAPE",
        "A.DLY",
        "WIDE DLY",
        "CROSS DELAY",
        "ROOM",
        "HALL",
        "SPRING",
        "PLATE",
    };
    return names;
}

juce::String getFX2TypeName(eFX2Type type)
{
    return getFX2TypeNames()[clampTypeIndex(type, kNumFX2Types)];
}

namespace
{
constexpr int flatType = 22;
constexpr int flatValue = 38;
} // namespace

unsigned char getAmpTypeValue(eAmpType type)
{
    const int index = clampTypeIndex(type, kNumAmpTypes);
    return (unsigned char) (index == flatType ? flatValue : index);
}

int getAmpType(unsigned char value)
{
    if (value < flatType)
        return value;
    if (value == flatValue)
        return flatType;
    return -1;
}

int getFX1TypeValue(eFX1Type type)
{
    return clampTypeIndex(type, kNumFX1Types) + 3;
}

int getFX1Type(eMIDIFX1Type value)
{
    if ((int) value >= 3 && (int) value <= 3 + kNumFX1Types - 1)
        return (int) value - 3;
    return -1;
}
} // namespace orvaKX
// clang-format on
