#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The question asked before a drop writes into a stored slot of the
// amplifier: a modal box without title or icon, grey on dark grey, with a
// tick box that keeps asking, and the buttons "OK" (Return) and "Cancel"
// (Escape). A preference under the given key governs it: absent (-1) or 1
// asks, any other value writes without asking. "OK" stores the tick box.
class RSWriteConfirmDialog
{
public:
    // Whether the write may go ahead.
    static bool confirmWrite(const juce::String& question, const juce::String& toggleText, const juce::String& preferenceKey);

    // The box alone: true for "OK", with the tick box's state in alwaysAsk
    // (which also gives its initial state).
    static bool ask(const juce::String& question, const juce::String& toggleText, bool& alwaysAsk);

    static constexpr juce::uint32 backgroundColour = 0xFF4F4F4F;
    static constexpr juce::uint32 textColour = 0xFFD4D4D4;
};
