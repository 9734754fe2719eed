#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

class HMQDataCenter;
class MidiManager;

// What the HMQ librarian's pages share: the connected HMQ data centre (null
// while no HMQ environment exists, and then the pages do nothing), the MIDI
// manager, the events they raise on the program section, and the write
// confirmations.
class HMQGuiSupport
{
public:
    static HMQDataCenter* getDataCenter();
    static MidiManager* getMidiManager();

    // A named font of the font library (its default font without one).
    static juce::Font getFont(const juce::String& key);

    // Every registered view refreshes (later, on the message thread).
    static void sendChangeMessage();
    // Edits store without sending while a bulk transfer runs.
    static bool isBulkTransfer();

    // The program section's events; nothing without a data centre.
    static void postROMSubTabMove(bool show);
    static void postUICtrlSelectValid(bool valid);
    static void postCustomTabOpen(int kind, bool open);

    // The parameter area of the current HMQ editor forgets its pending
    // touch-down; nothing when there is none.
    static void resetParamAreaTouchDown();

    // Asks a write question: a modal alert with the message, "OK" (Return)
    // and "Cancel" (Escape). With `alwaysAsk` the alert carries the ticked
    // toggle "Always pop-up and confirm when writing program", whose state
    // is stored there on OK. True for OK.
    using Confirmation = std::function<bool(const juce::String& message, bool* alwaysAsk)>;
    static bool confirm(const juce::String& message, bool* alwaysAsk);
    // Replaces the alert (tests); an empty function restores it.
    static void setConfirmation(Confirmation c);

    // The colours of the write confirmations.
    static constexpr juce::uint32 alertBackground = 0xFF4F4F4F;
    static constexpr juce::uint32 alertText = 0xFFD4D4D4;
};
