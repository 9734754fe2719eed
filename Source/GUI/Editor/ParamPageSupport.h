#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class ISection;
class RSComboBox;
struct SParamDesc;

// What the parameter area and its value pages share: linking each knob to
// its value display and labels, filling a combo box from a descriptor, and
// refreshing one widget from the edit buffer.
class ParamPageSupport
{
public:
    // Each knob with a "TEXT" gets the first other child that is a value
    // display with that "TEXT", the first label with that "TEXT" and no
    // "UNIT" (name label) and the first label whose "UNIT" is that "TEXT"
    // (unit label), each linked back to the knob. Each picture with a
    // "TEXT" becomes the linked picture of the first combo box with it.
    static void linkChildren(juce::Component& parent);

    // One item per value of the descriptor's range, id value + 1.
    static void fillCombo(RSComboBox& combo, const SParamDesc* desc, bool withPictures);

    // The whole-program refresh of one widget by its "ID".
    static void refreshChild(juce::Component& child, ISection& section);

    // The row's text for a value of the parameter, empty without a row.
    static juce::String formatValue(ISection& section, int paramId, int value);

    // Whether the parameter is a list whose stored raw value is none of the
    // list's (a byte received out of range, which reads as position 0).
    static bool storedOutsideList(const ISection& section, int paramId);

    // The parameter as the section reads it, taken from another record of the
    // same layout (a program slot's); -1 without the row or the record.
    static int readFromRecord(const ISection& section, int paramId, const void* record);

    static int paramIdOf(const juce::Component& c);
    static int kindOf(const juce::Component& c);
};
