#pragma once

#include "ParamTable/SParamDesc.h"

#include <juce_gui_basics/juce_gui_basics.h>

class RSComboBox;

// The form-widget work that the HMQ parameter area and its value pages share:
// linking a knob to its value display and labels by their "TEXT", filling a
// choice box from its parameter's row, and bringing a widget up to date with
// the HMQ program edit section by its "ID".
class HMQFormWiring
{
public:
    static int getParamId(const juce::Component& widget);
    static int getControlId(const juce::Component& widget);

    // The row of a parameter of the HMQ program edit section; false without
    // a section or row.
    static bool getDesc(int paramId, SParamDesc& desc);
    // The current value, 0 without a section.
    static int getValue(int paramId);
    // The row's text of a value; empty without a row or converter.
    static juce::String formatValue(int paramId, int value);

    // The first direct child whose "PARAMID" is the id (ids below 0 find none
    // unless they are pseudo ids with the top bit set).
    static juce::Component* findByParamId(juce::Component& parent, int paramId);

    // Knob to value display, title label and unit label; both ways.
    static void linkByText(juce::Component& parent);

    // Items value + 1 with the row's text, from its minimum to its maximum.
    static void fillComboBox(RSComboBox& box, int paramId, bool withPictures);

    // The full refresh of one widget by its "ID".
    static void refresh(juce::Component& widget);

    // Section events for a widget: shown, enabled (codes 1 and 2); the new
    // value (code 3); the new range (code 4); the tooltip (code 10).
    static void applyProps(juce::Component& widget, int paramId);
    static void applyValue(juce::Component& widget, int paramId, int source);
    static void applyRange(juce::Component& widget, int paramId, int minimum, int maximum);
    static void applyTooltip(juce::Component& widget, int paramId);
};
