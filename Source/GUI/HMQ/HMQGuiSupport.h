#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class HMQDataCenter;
class MidiManager;

// What the HMQ librarian's pages share: the connected HMQ data centre (null
// while no HMQ environment exists, and then the pages do nothing), the MIDI
// manager, the events they raise on the program section, and the question
// before a custom slot is written.
class HMQGuiSupport
{
public:
    static HMQDataCenter* getDataCenter();
    static MidiManager* getMidiManager();

    // A named font of the font library (its default font without one).
    static juce::Font getFont(const juce::String& key);

    // Every registered view refreshes (later, on the message thread).
    static void sendChangeMessage();

    // The program section's events; nothing without a data centre.
    static void postROMSubTabMove(bool show);
    static void postUICtrlSelectValid(bool valid);
    static void postCustomTabOpen(int kind, bool open);

    // The parameter area of the current HMQ editor forgets its pending
    // touch-down; nothing when there is none.
    static void resetParamAreaTouchDown();

    // Asks a write question that no preference suppresses (the custom slot
    // writes); true for OK.
    static bool confirm(const juce::String& message);
};
