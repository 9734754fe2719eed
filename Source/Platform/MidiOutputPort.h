#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

// An open MIDI output of the current port system.
class MidiOutputPort
{
public:
    virtual ~MidiOutputPort() = default;

    virtual juce::String getName() const = 0;

    // Sends at once (nothing is queued behind a time stamp).
    virtual void sendMessageNow(const juce::MidiMessage& message) = 0;
};
