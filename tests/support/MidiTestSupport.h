#pragma once

#include "Action/CRSMidiListener.h"
#include "Platform/MidiPortSystem.h"
#include "Platform/VirtualMidiPortSystem.h"

#include <functional>
#include <mutex>
#include <vector>

namespace testing_support
{
// Virtual MIDI ports installed as the current port system for a scope.
struct ScopedVirtualPorts
{
    ScopedVirtualPorts() { MidiPortSystem::setCurrent(&ports); }
    ~ScopedVirtualPorts() { MidiPortSystem::setCurrent(nullptr); }
    VirtualMidiPortSystem ports;
};

// A MIDI listener that records what reaches it and may run an action.
struct RecordingMidiListener : CRSMidiListener
{
    void OnRSMidiListenerRcvSysExMessage(MidiManager*, MidiInputPort* source, const juce::MidiMessage& m) override
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            messages.push_back(m);
            sources.push_back(source != nullptr ? source->getName() : juce::String());
        }
        if (onMessage)
            onMessage(m);
    }

    std::vector<juce::MidiMessage> get() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return messages;
    }

    size_t count() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return messages.size();
    }

    bool waitFor(size_t n, int timeoutMs = 2000) const
    {
        const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
        while (count() < n)
        {
            if (juce::Time::getMillisecondCounter() >= end)
                return false;
            juce::Thread::sleep(1);
        }
        return true;
    }

    std::function<void(const juce::MidiMessage&)> onMessage;
    mutable std::mutex mutex;
    std::vector<juce::MidiMessage> messages;
    std::vector<juce::String> sources;
};

// The bytes of a message, F0 and F7 included.
inline std::vector<int> bytesOf(const juce::MidiMessage& m)
{
    return std::vector<int>(m.getRawData(), m.getRawData() + m.getRawDataSize());
}
} // namespace testing_support
