#pragma once

#include <array>
#include <juce_core/juce_core.h>

// Type indices and display names of the Orva PW amp models and effect types.
namespace orvaPW
{
enum eAmpType : int
{
    AMP_CLASSIC_BRIGHT = 0,
    AMP_CLASSIC_NORMAL = 1,
    AMP_SLAP = 2,
    AMP_ROCK_1 = 3,
    AMP_ROCK_2 = 4,
    AMP_MODERN = 5,
    AMP_DEEP = 6,
    AMP_TIGHT_SYNTH = 7,
    AMP_DIRTY_SYNTH = 8,
    AMP_PUNCHY_SYNTH = 9,
    AMP_DELUXE_CL = 10,
    AMP_QT50 = 11,
    AMP_QT50HB = 12,
    AMP_BRIT_800 = 13,
    AMP_DOUBLE_REC = 14,
    AMP_ERUPT_III_CH3 = 15,
    AMP_FLAT = 16,
};
constexpr int kNumAmpTypes = 17;

enum eFX1Type : int
{
    FX1_COMP = 0,
    FX1_T_WAH = 1,
    FX1_FUZZ = 2,
    FX1_CE_CHORUS = 3,
    FX1_STEREO_CHORUS = 4,
    FX1_BLACK_FLANGER = 5,
    FX1_STEREO_FLANGER = 6,
    FX1_ORG_PHASER = 7,
    FX1_SMALL_PHASE = 8,
    FX1_TWIN_TREM = 9,
    FX1_HARMONIC_TREM = 10,
};
constexpr int kNumFX1Types = 11;

// Every name of eAmpType, in type order.
const juce::StringArray& getAmpTypeNames();
// Name of one type; an index below 0 gives the first name, above the last the last.
juce::String getAmpTypeName(eAmpType type);

// Every name of eFX1Type, in type order.
const juce::StringArray& getFX1TypeNames();
// Name of one type; an index below 0 gives the first name, above the last the last.
juce::String getFX1TypeName(eFX1Type type);

// FX1 type value as sent to and received from the amplifier, 0 to 13.
enum eMIDIFX1Type : int
{
    MIDIFX1_MIN = 0,
    MIDIFX1_MAX = 13
};

// Wire value of an amp type: type + 22. The index is clamped to the list.
unsigned char getAmpTypeValue(eAmpType type);
// Amp type of a wire value 22 to 38; -1 for any other value.
int getAmpType(unsigned char value);

// Wire values of the FX1 types, in type order.
const std::array<int, kNumFX1Types>& getFX1TypeValues();
// Wire value of an FX1 type. The index is clamped to the list.
int getFX1TypeValue(eFX1Type type);
// FX1 type of a wire value; -1 for a value that is no FX1 type.
int getFX1Type(eMIDIFX1Type value);
} // namespace orvaPW
