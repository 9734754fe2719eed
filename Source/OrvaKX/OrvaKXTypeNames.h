#pragma once

#include <array>
#include <juce_core/juce_core.h>

// Type indices and display names of the Orva KX amp models and effect types.
namespace orvaKX
{
enum eAmpType : int
{
    AMP_DELUXE_CL_VIBRATO = 0,
    AMP_DELUXE_CL_NORMAL = 1,
    AMP_TWEED_4X10_BRIGHT = 2,
    AMP_TWEED_4X10_NORMAL = 3,
    AMP_BOUTIQUE_CL = 4,
    AMP_BOUTIQUE_OD = 5,
    AMP_QT50 = 6,
    AMP_QT50HB = 7,
    AMP_BRIT_1959_TREBLE = 8,
    AMP_BRIT_1959_NORMAL = 9,
    AMP_BRIT_800 = 10,
    AMP_BRIT_VM = 11,
    AMP_SL_OD = 12,
    AMP_DOUBLE_REC = 13,
    AMP_CALI_ELATION = 14,
    AMP_ERUPT_III_CH2 = 15,
    AMP_ERUPT_III_CH3 = 16,
    AMP_BOUTIQUE_METAL = 17,
    AMP_BRIT_VERB = 18,
    AMP_ORIGINAL_CL = 19,
    AMP_TEXAS_LEAD = 20,
    AMP_ACOUSTIC_SIMULATOR = 21,
    AMP_FLAT = 22,
};
constexpr int kNumAmpTypes = 23;

enum eFX1Type : int
{
    FX1_CE_CHORUS = 0,
    FX1_STEREO_CHORUS = 1,
    FX1_BLACK_FLANGER = 2,
    FX1_STEREO_FLANGER = 3,
    FX1_ORG_PHASER_1 = 4,
    FX1_ORG_PHASER_2 = 5,
    FX1_SMALL_PHASE = 6,
    FX1_DUO_PHASE_FREE = 7,
    FX1_DUO_PHASE_SYNC = 8,
    FX1_TWIN_TREM = 9,
    FX1_HARMONIC_TREM = 10,
};
constexpr int kNumFX1Types = 11;

enum eFX2Type : int
{
    FX2_TAPE = 0,
    FX2_A_DLY = 1,
    FX2_WIDE_DLY = 2,
    FX2_CROSS_DELAY = 3,
    FX2_ROOM = 4,
    FX2_HALL = 5,
    FX2_SPRING = 6,
    FX2_PLATE = 7,
};
constexpr int kNumFX2Types = 8;

// Every name of eAmpType, in type order.
const juce::StringArray& getAmpTypeNames();
// Name of one type; an index below 0 gives the first name, above the last the last.
juce::String getAmpTypeName(eAmpType type);

// Every name of eFX1Type, in type order.
const juce::StringArray& getFX1TypeNames();
// Name of one type; an index below 0 gives the first name, above the last the last.
juce::String getFX1TypeName(eFX1Type type);

// Every name of eFX2Type, in type order.
const juce::StringArray& getFX2TypeNames();
// Name of one type; an index below 0 gives the first name, above the last the last.
juce::String getFX2TypeName(eFX2Type type);

// FX1 type value as sent to and received from the amplifier, 0 to 13.
enum eMIDIFX1Type : int
{
    MIDIFX1_MIN = 0,
    MIDIFX1_MAX = 13
};

// Wire value of an amp type: 0 to 21 as they are, FLAT (22) as 38.
// The index is clamped to the list.
unsigned char getAmpTypeValue(eAmpType type);
// Amp type of a wire value: 0 to 21 as they are, 38 as 22; -1 otherwise.
int getAmpType(unsigned char value);

// Wire value of an FX1 type: type + 3. The index is clamped to the list.
int getFX1TypeValue(eFX1Type type);
// FX1 type of a wire value 3 to 13; -1 for any other value.
int getFX1Type(eMIDIFX1Type value);
} // namespace orvaKX
