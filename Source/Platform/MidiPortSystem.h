#pragma once

#include "Platform/MidiInputPort.h"
#include "Platform/MidiInputPortCallback.h"
#include "Platform/MidiOutputPort.h"

#include <functional>
#include <memory>

// The MIDI devices of the system: the names of the input and output ports in
// the system's order, and opening a port by its index in that order. The
// whole program uses one current port system: JUCE's devices in production,
// the in-process virtual ports in tests.
class MidiPortSystem
{
public:
    virtual ~MidiPortSystem() = default;

    virtual juce::StringArray getInputNames() = 0;
    virtual juce::StringArray getOutputNames() = 0;

    // Opens input index with the callback (not started yet); null on failure.
    virtual std::unique_ptr<MidiInputPort> openInput(int index, MidiInputPortCallback* callback) = 0;

    // Opens output index; null on failure.
    virtual std::unique_ptr<MidiOutputPort> openOutput(int index) = 0;

    // Tells of changes to the port lists for as long as it lives.
    class Watch
    {
    public:
        virtual ~Watch() = default;
    };

    // Calls onChange, on any thread, whenever the port lists may have changed,
    // until the returned watch is destroyed. Null when the system cannot tell
    // (the caller then has to poll the lists).
    virtual std::unique_ptr<Watch> watchPorts(std::function<void()> onChange);

    // The port system in use: the installed one, else JUCE's devices.
    static MidiPortSystem& current();

    // Installs a port system (not owned); null goes back to JUCE's devices.
    static void setCurrent(MidiPortSystem* system) noexcept;
};
