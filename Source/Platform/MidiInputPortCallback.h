#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

class MidiInputPort;

// Receives the messages of an open input, on the port system's MIDI input
// thread.
class MidiInputPortCallback
{
public:
    virtual ~MidiInputPortCallback() = default;

    virtual void handleIncomingMidiMessage(MidiInputPort* source, const juce::MidiMessage& message) = 0;
};
