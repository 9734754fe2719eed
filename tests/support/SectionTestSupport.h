#pragma once

#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Core/MyMessage.h"
#include "ParamTable/CSectionEventPoster.h"
#include "support/MidiTestSupport.h"
#include "support/TestHelpers.h"

#include <juce_audio_basics/juce_audio_basics.h>

#include <mutex>
#include <vector>

namespace testing_support
{
// One section event record as posted.
struct SectionEvent
{
    int kind, sender, a, b, c, d;
    bool operator==(const SectionEvent& o) const
    {
        return kind == o.kind && sender == o.sender && a == o.a && b == o.b && c == o.c && d == o.d;
    }
};

inline std::ostream& operator<<(std::ostream& os, const SectionEvent& e)
{
    return os << "{" << e.kind << "," << e.sender << ",0x" << std::hex << e.a << std::dec << "," << e.b << ","
              << e.c << "," << e.d << "}";
}

// Receives every section event record while it lives.
struct SectionEventRecorder : juce::MessageListener
{
    SectionEventRecorder() { CSectionEventPoster::setTargetOverride(this); }
    ~SectionEventRecorder() override { CSectionEventPoster::setTargetOverride(nullptr); }

    void handleMessage(const juce::Message& m) override
    {
        if (auto* mm = dynamic_cast<const MyMessage*>(&m))
            if (auto* r = mm->getRecord())
                events.push_back({ r->id, r->source, r->a, r->b, r->c, r->d });
    }

    // Delivers what is queued and hands it over.
    std::vector<SectionEvent> take()
    {
        pumpFor(30);
        auto result = events;
        events.clear();
        return result;
    }

    std::vector<SectionEvent> events;
};

// A host whose MIDI manager sends to a recording virtual output.
struct RecordingHost
{
    RecordingHost()
    {
        host = Host::createInstance();
        virtualPorts.ports.addOutputDevice("ZUL 2ch Audio Device", [this](const juce::MidiMessage& m) {
            std::lock_guard<std::mutex> lock(mutex);
            sent.push_back(m);
        });
        host->getMidiManager()->setModel(2);
        host->getMidiManager()->openMIDIOutPort(0);
    }
    ~RecordingHost() { Host::destroyInstance(); }

    // The (id, value) of every parameter change sent so far; clears the record.
    std::vector<std::pair<int, int>> takeParamChanges()
    {
        std::lock_guard<std::mutex> lock(mutex);
        std::vector<std::pair<int, int>> result;
        for (const auto& m : sent)
        {
            const auto* data = m.getSysExData();
            const int n = m.getSysExDataSize();
            if (n >= 4)
                result.push_back({ (data[n - 4] << 8) | data[n - 3], data[n - 2] | (data[n - 1] << 7) });
        }
        sent.clear();
        return result;
    }

    ScopedVirtualPorts virtualPorts;
    Host* host = nullptr;
    std::mutex mutex;
    std::vector<juce::MidiMessage> sent;
};
} // namespace testing_support
