#pragma once

#include <juce_core/juce_core.h>

// Type indices and display names of the HMQ amp models and effect types.
namespace HMQ
{
enum eAmpType : int
{
    AMP_DELUXE_CL_VIBRATO = 0,
    AMP_DELUXE_CL_NORMAL = 1,
    AMP_TWEED_4X10_BRIGHT = 2,
    AMP_TWEED_4X10_NORMAL = 3,
    AMP_BOUTIQUE_CL = 4,
    AMP_BOUTIQUE_OD = 5,
    AMP_ZUL_QT50 = 6,
    AMP_ZUL_QT50HB = 7,
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
    AMP_BRIT_OR_MKII = 18,
    AMP_ORIGINAL_CL = 19,
};
constexpr int kNumAmpTypes = 20;

enum ePedal1Type : int
{
    PEDAL1_COMP = 0,
    PEDAL1_CHORUS = 1,
    PEDAL1_TUBE_OD = 2,
    PEDAL1_GOLD_DRIVE = 3,
    PEDAL1_TREBLE_BOOST = 4,
    PEDAL1_RC_TURBO = 5,
    PEDAL1_ORANGE_DIST = 6,
    PEDAL1_FAT_DIST = 7,
    PEDAL1_BRIT_LEAD = 8,
    PEDAL1_FUZZ = 9,
};
constexpr int kNumPedal1Types = 10;

enum ePedal2Type : int
{
    PEDAL2_FLANGER = 0,
    PEDAL2_BLK_PHASER = 1,
    PEDAL2_ORG_PHASER_1 = 2,
    PEDAL2_ORG_PHASER_2 = 3,
    PEDAL2_TREMOLO = 4,
    PEDAL2_TAPE_ECHO = 5,
    PEDAL2_ANALOG_DELAY = 6,
};
constexpr int kNumPedal2Types = 7;

enum eRevType : int
{
    REV_ROOM = 0,
    REV_SPRING = 1,
    REV_HALL = 2,
    REV_PLATE = 3,
};
constexpr int kNumRevTypes = 4;

// Every name of eAmpType, in type order.
const juce::StringArray& getAmpTypeNames();
// Name of one type; an index below 0 gives the first name, above the last the last.
juce::String getAmpTypeName(eAmpType type);

// Every name of ePedal1Type, in type order.
const juce::StringArray& getPedal1TypeNames();
// Name of one type; an index below 0 gives the first name, above the last the last.
juce::String getPedal1TypeName(ePedal1Type type);

// Every name of ePedal2Type, in type order.
const juce::StringArray& getPedal2TypeNames();
// Name of one type; an index below 0 gives the first name, above the last the last.
juce::String getPedal2TypeName(ePedal2Type type);

// Every name of eRevType, in type order.
const juce::StringArray& getRevTypeNames();
// Name of one type; an index below 0 gives the first name, above the last the last.
juce::String getRevTypeName(eRevType type);

// Whether the amp type has a BRIGHT switch. The index is clamped to the list.
bool hasBRIGHTparam(eAmpType type);
} // namespace HMQ
