#pragma once

#include <juce_core/juce_core.h>

// Type indices and display names of the DWQ amp models and effect types.
namespace DWQ
{
enum eAmpType : int
{
    AMP_DELUXE_CL = 0,
    AMP_TWEED_4X10 = 1,
    AMP_BOUTIQUE_CL = 2,
    AMP_BOUTIQUE_OD = 3,
    AMP_ZUL_QT50 = 4,
    AMP_ZUL_QT50HB = 5,
    AMP_BRIT_1959 = 6,
    AMP_BRIT_800 = 7,
    AMP_BRIT_VM = 8,
    AMP_SL_OD = 9,
    AMP_DOUBLE_REC = 10,
};
constexpr int kNumAmpTypes = 11;

enum eModType : int
{
    MOD_OFF = 0,
    MOD_CHORUS = 1,
    MOD_FLANGER = 2,
    MOD_ORG_PHASE = 3,
    MOD_TWIN_TREM = 4,
};
constexpr int kNumModTypes = 5;

enum eDlyRevType : int
{
    DLYREV_OFF = 0,
    DLYREV_A_DELAY = 1,
    DLYREV_TAPE_ECHO = 2,
    DLYREV_SPRING = 3,
    DLYREV_HALL = 4,
};
constexpr int kNumDlyRevTypes = 5;

// Every name of eAmpType, in type order.
const juce::StringArray& getAmpTypeNames();
// Name of one type; an index below 0 gives the first name, above the last the last.
juce::String getAmpTypeName(eAmpType type);

// Every name of eModType, in type order.
const juce::StringArray& getModTypeNames();
// Name of one type; an index below 0 gives the first name, above the last the last.
juce::String getModTypeName(eModType type);

// Every name of eDlyRevType, in type order.
const juce::StringArray& getDlyRevTypeNames();
// Name of one type; an index below 0 gives the first name, above the last the last.
juce::String getDlyRevTypeName(eDlyRevType type);

} // namespace DWQ
