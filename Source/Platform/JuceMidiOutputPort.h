#pragma once

#include "Platform/MidiOutputPort.h"

#include <juce_audio_devices/juce_audio_devices.h>

// A JUCE MIDI output seen as our output port.
class JuceMidiOutputPort : public MidiOutputPort
{
public:
    JuceMidiOutputPort(const juce::String& name, std::unique_ptr<juce::MidiOutput> output);

    juce::String getName() const override { return name; }
    void sendMessageNow(const juce::MidiMessage& message) override;

private:
    const juce::String name;
    std::unique_ptr<juce::MidiOutput> output;
};
