#include "HMQ/HMQTypeNames.h"
#include "ParamTable/TypeIndex.h"

// clang-format off

namespace HMQ
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
        "ZUL QT50",
        "ZUL QT50HB",
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
        "BRIT OR MKII",
        "ORIGINAL CL",
    };
    return names;
}

juce::String getAmpTypeName(eAmpType type)
{
    return getAmpTypeNames()[clampTypeIndex(type, kNumAmpTypes)];
}

const juce::StringArray& getPedal1TypeNames()
{
    static const juce::StringArray names {
        "COMP",
        "CHORUS",
        "TUBE OD",
        "GOLD DRIVE",
        "TREBLE BOOST",
        "RC TURBO",
        "ORANGE DIST",
        "FAT DIST",
        "BRIT LEAD",
        "FUZZ",
    };
    return names;
}

juce::String getPedal1TypeName(ePedal1Type type)
{
    return getPedal1TypeNames()[clampTypeIndex(type, kNumPedal1Types)];
}

const juce::StringArray& getPedal2TypeNames()
{
    static const juce::StringArray names {
        "FLANGER",
        "BLK PHASER",
        "ORG PHASER 1",
        "ORG PHASER 2",
        "TREMOLO",
        "TAPE ECHO",
        "ANALOG DELAY",
    };
    return names;
}

juce::String getPedal2TypeName(ePedal2Type type)
{
    return getPedal2TypeNames()[clampTypeIndex(type, kNumPedal2Types)];
}

const juce::StringArray& getRevTypeNames()
{
    static const juce::StringArray names {
        "ROOM",
        "SPRING",
        "HALL",
        "PLATE",
    };
    return names;
}

juce::String getRevTypeName(eRevType type)
{
    return getRevTypeNames()[clampTypeIndex(type, kNumRevTypes)];
}

bool hasBRIGHTparam(eAmpType type)
{
    // One bit per amp type: 0, 2, 4-8, 10-14, 16, 18 and 19 have the switch.
    constexpr unsigned brightMask = 0xD7DF5;
    return ((brightMask >> clampTypeIndex(type, kNumAmpTypes)) & 1u) != 0;
}
} // namespace HMQ
// clang-format on
