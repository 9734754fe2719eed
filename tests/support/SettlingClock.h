#pragma once

#include "Platform/VirtualMidiPortSystem.h"
#include "support/RecordingClock.h"

// Records the pauses and returns after a short real pause once the virtual
// ports have delivered what was queued, so that simulated amplifiers' replies
// are parsed within the pause that waits for them.
struct SettlingClock : RecordingClock
{
    explicit SettlingClock(VirtualMidiPortSystem& p) : ports(p) {}
    void sleep(int ms) override
    {
        RecordingClock::sleep(ms);
        juce::Thread::sleep(juce::jmin(ms, 15));
        ports.waitUntilDelivered();
    }
    VirtualMidiPortSystem& ports;
};
