#pragma once

#include "Platform/MidiPortSystem.h"

// The port system over JUCE's MIDI devices (ALSA on Linux, CoreMIDI on
// macOS). It never creates virtual devices of its own.
class JuceMidiPortSystem : public MidiPortSystem
{
public:
    juce::StringArray getInputNames() override;
    juce::StringArray getOutputNames() override;
    std::unique_ptr<MidiInputPort> openInput(int index, MidiInputPortCallback* callback) override;
    std::unique_ptr<MidiOutputPort> openOutput(int index) override;

    // On Linux, the ALSA sequencer's announcements; elsewhere null (polled).
    std::unique_ptr<Watch> watchPorts(std::function<void()> onChange) override;
};
