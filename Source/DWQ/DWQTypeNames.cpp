#include "DWQ/DWQTypeNames.h"
#include "ParamTable/TypeIndex.h"

// clang-format off

namespace DWQ
{
const juce::StringArray& getAmpTypeNames()
{
    static const juce::StringArray names {
        "DELUXE CL",
        "TWEED 4x10",
        "BOUTIQUE CL",
        "BOUTIQUE OD",
        "ZUL QT50",
        "ZUL QT50HB",
        "BRIT 1959",
        "BRIT 800",
        "BRIT VM",
        "SL-OD",
        "DOUBLE REC",
    };
    return names;
}

juce::String getAmpTypeName(eAmpType type)
{
    return getAmpTypeNames()[clampTypeIndex(type, kNumAmpTypes)];
}

const juce::StringArray& getModTypeNames()
{
    static const juce::StringArray names {
        "OFF",
        "CHORUS",
        "FLANGER",
        "ORG PHASE",
        "TWIN TREM",
    };
    return names;
}

juce::String getModTypeName(eModType type)
{
    return getModTypeNames()[clampTypeIndex(type, kNumModTypes)];
}

const juce::StringArray& getDlyRevTypeNames()
{
    static const juce::StringArray names {
        "OFF",
        "A.DELAY",
        "TAPE ECHO",
        "SPRING",
        "HALL",
    };
    return names;
}

juce::String getDlyRevTypeName(eDlyRevType type)
{
    return getDlyRevTypeNames()[clampTypeIndex(type, kNumDlyRevTypes)];
}

} // namespace DWQ
// clang-format on
