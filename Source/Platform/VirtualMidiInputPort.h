#pragma once

#include "Platform/MidiInputPort.h"

class VirtualMidiPortSystem;

// An open input on a virtual device.
class VirtualMidiInputPort : public MidiInputPort
{
public:
    VirtualMidiInputPort(VirtualMidiPortSystem& system, int portId, const juce::String& name);
    ~VirtualMidiInputPort() override;

    juce::String getName() const override { return name; }
    void start() override;
    void stop() override;

private:
    VirtualMidiPortSystem& system;
    const int portId;
    const juce::String name;
};
