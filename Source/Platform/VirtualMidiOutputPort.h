#pragma once

#include "Platform/MidiOutputPort.h"

class VirtualMidiPortSystem;

// An open output on a virtual device.
class VirtualMidiOutputPort : public MidiOutputPort
{
public:
    VirtualMidiOutputPort(VirtualMidiPortSystem& system, int deviceId, const juce::String& name);

    juce::String getName() const override { return name; }
    void sendMessageNow(const juce::MidiMessage& message) override;

private:
    VirtualMidiPortSystem& system;
    const int deviceId;
    const juce::String name;
};
