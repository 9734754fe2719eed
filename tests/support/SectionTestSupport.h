#pragma once

#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Core/MyMessage.h"
#include "ParamTable/CSectionEventPoster.h"
#include "ParamTable/ISection.h"
#include "ParamTable/SParamDesc.h"
#include "support/MidiTestSupport.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>
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
    return os << "{" << e.kind << "," << e.sender << ",0x" << std::hex << e.a << std::dec << "," << e.b << "," << e.c << ","
              << e.d << "}";
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
// Every row's descriptor read by index equals the one read by its id and
// points into the given record; with indexOfId, the section's index of the
// id leads back to the row (sections that index their modules' rows).
inline void expectDescriptorsAgree(const ISection& section, const void* record, const std::string& context,
                                   bool indexOfId = false)
{
    for (unsigned i = 0; i < section.GetParamCount(); ++i)
    {
        SCOPED_TRACE(context + " row " + std::to_string(i));
        SParamDesc byIndex {}, byId {}, again {};
        ASSERT_TRUE(section.GetParamDescByIndex(i, &byIndex));
        ASSERT_TRUE(section.GetParamDesc(byIndex.id, &byId));
        EXPECT_EQ(byIndex.flags, byId.flags);
        EXPECT_EQ(byIndex.minValue, byId.minValue);
        EXPECT_EQ(byIndex.maxValue, byId.maxValue);
        EXPECT_EQ(byIndex.offset, byId.offset);
        EXPECT_EQ(byIndex.data, byId.data);
        EXPECT_STREQ(byIndex.name, byId.name);
        EXPECT_STREQ(byIndex.format, byId.format);
        if (record != nullptr)
        {
            EXPECT_EQ(byIndex.data, record);
        }
        if (! indexOfId)
            continue;
        ASSERT_TRUE(section.GetParamDescByIndex((unsigned) section.GetIndexByParamID(byIndex.id), &again));
        EXPECT_EQ(again.id, byIndex.id);
    }
}
// The same message without its last data byte.
inline juce::MidiMessage shortened(const juce::MidiMessage& m)
{
    std::vector<juce::uint8> raw(m.getRawData(), m.getRawData() + m.getRawDataSize());
    raw.erase(raw.end() - 2);
    return juce::MidiMessage(raw.data(), (int) raw.size());
}

// The same message from another maker.
inline juce::MidiMessage foreign(const juce::MidiMessage& m)
{
    std::vector<juce::uint8> raw(m.getRawData(), m.getRawData() + m.getRawDataSize());
    raw[1] = 0x43;
    return juce::MidiMessage(raw.data(), (int) raw.size());
}
} // namespace testing_support
