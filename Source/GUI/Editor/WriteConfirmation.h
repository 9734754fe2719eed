#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// The question asked before a program (or an audio-EQ setting) is written
// into one of the amplifier's slots: a modal alert window with no title and
// no icon, the message, a ticked toggle ("always ask") and the buttons "OK"
// (Return) and "Cancel" (Escape). A preference decides whether it is asked:
// absent (-1) or 1 asks, 0 writes without asking; OK stores the toggle.
class WriteConfirmation
{
public:
    static constexpr const char* programToggleText = "Always pop-up and confirm when writing program";
    static constexpr const char* programPreferenceKey = "UserProgWriteConfirm";
    static constexpr const char* eqToggleText = "Always pop-up and confirm when writing EQ";

    // Shows the question; true on OK, with the toggle's state in `toggle`
    // (ticked when called).
    using Prompt = std::function<bool(const juce::String& message, const juce::String& toggleText, bool& toggle)>;

    // Replaces the alert window (tests answer here); an empty prompt
    // restores it.
    static void setPrompt(Prompt prompt);

    // True when the write may go on: asked and answered OK, or not to be
    // asked. Cancel leaves the preference as it was.
    static bool confirm(const juce::String& message, const juce::String& toggleText = programToggleText,
                        const juce::String& preferenceKey = programPreferenceKey);

    // Asks the question always, without a toggle or a preference (the
    // prompt sees an empty toggle text); true on OK.
    static bool ask(const juce::String& message);

private:
    static bool showAlert(const juce::String& message, const juce::String& toggleText, bool& toggle);
};
