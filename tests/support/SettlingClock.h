#pragma once

#include "Platform/VirtualMidiPortSystem.h"
#include "support/RecordingClock.h"
#include "support/SimulatedAmplifier.h"

// Records the pauses and returns after a short real pause once the simulated
// amplifiers have answered what they received and the virtual ports have
// delivered what was queued, so that the replies are parsed within the pause
// that waits for them, however busy the machine. On the MIDI input thread (a
// data centre's chain) it only records and pauses briefly.
struct SettlingClock : RecordingClock
{
    explicit SettlingClock(VirtualMidiPortSystem& p) : ports(p) {}
    void sleep(int ms) override
    {
        RecordingClock::sleep(ms);
        juce::Thread::sleep(juce::jmin(ms, 15));
        // A pause of a chain that runs in a MIDI callback only records.
        if (ports.isDeliveryThread())
            return;
        // A delivered message may draw another answer, and that one another
        // delivery.
        const auto end = juce::Time::getMillisecondCounter() + 5000;
        do
        {
            while (SimulatedAmplifier::getNumUnanswered() > 0 && juce::Time::getMillisecondCounter() < end)
                juce::Thread::sleep(1);
            ports.waitUntilDelivered();
        } while (SimulatedAmplifier::getNumUnanswered() > 0 && juce::Time::getMillisecondCounter() < end);
    }
    VirtualMidiPortSystem& ports;
};
