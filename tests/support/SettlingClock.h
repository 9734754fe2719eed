#pragma once

#include "Platform/VirtualMidiPortSystem.h"
#include "support/RecordingClock.h"

// Records the pauses and returns after a short real pause once the virtual
// ports have delivered what was queued, so that simulated amplifiers' replies
// are parsed within the pause that waits for them. On the MIDI input thread
// (a data centre's chain) it only records and pauses briefly.
struct SettlingClock : RecordingClock
{
    explicit SettlingClock(VirtualMidiPortSystem& p) : ports(p) {}
    void sleep(int ms) override
    {
        RecordingClock::sleep(ms);
        juce::Thread::sleep(juce::jmin(ms, 15));
        // A pause of a chain that runs in a MIDI callback only records.
        if (! ports.isDeliveryThread())
            ports.waitUntilDelivered();
    }
    VirtualMidiPortSystem& ports;
};
