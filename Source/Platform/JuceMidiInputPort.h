#pragma once

#include "Platform/MidiInputPort.h"
#include "Platform/MidiInputPortCallback.h"

#include <juce_audio_devices/juce_audio_devices.h>

// A JUCE MIDI input seen as our input port: JUCE's callback is forwarded with
// this port as the source.
class JuceMidiInputPort : public MidiInputPort,
                          private juce::MidiInputCallback
{
public:
    JuceMidiInputPort(const juce::String& name, MidiInputPortCallback& callback);
    ~JuceMidiInputPort() override;

    bool open(const juce::String& identifier);

    juce::String getName() const override { return name; }
    void start() override;
    void stop() override;

private:
    void handleIncomingMidiMessage(juce::MidiInput*, const juce::MidiMessage& message) override;

    const juce::String name;
    MidiInputPortCallback& target;
    std::unique_ptr<juce::MidiInput> input;
};
