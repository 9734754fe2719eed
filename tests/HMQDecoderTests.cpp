// The HMQ decoder on its own: messages too short for their function, foreign
// makers and other models change nothing; program changes outside the number
// space, into closed file tabs or from mode messages with no such program;
// the current-program rule; custom slot and preset dumps out of range; the
// factory presets after construction.

#include "Action/MidiManager.h"
#include "Application/StateHolder.h"
#include "HMQ/HMQDataCenter.h"
#include "HMQ/HMQPresetROMProgData.h"
#include "ParamTable/CSectionEventPoster.h"
#include "ParamTable/HMQ/CHMQUserEditSectionImpl.h"
#include "ParamTable/HMQ/HMQParamEditTable.h"
#include "ParamTable/IAccessorI.h"
#include "support/RecordingClock.h"
#include "support/SectionTestSupport.h"
#include "support/SimulatedAmplifier.h"

#include <gtest/gtest.h>

using Bytes = SimulatedAmplifier::Bytes;
using testing_support::foreign;
using testing_support::RecordingHost;
using testing_support::shortened;

using testing_support::LogCapture;

namespace
{
struct HMQDecoderFixture : ::testing::Test
{
    HMQDecoderFixture()
    {
        midi()->setModel(1);
        dc.Init(rig.host);
        dc.setConnected(true);
        DataCenter::iCurProgNo = 0;
        midi()->setSyncRunning(false);
        rig.takeParamChanges();
    }

    void receive(const juce::MidiMessage& m) { dc.OnRSMidiListenerRcvSysExMessage(midi(), nullptr, m); }
    MidiManager* midi() { return rig.host->getMidiManager(); }
    static juce::MidiMessage frame(int function, const Bytes& args, const Bytes& data = {}, int model = 0x34)
    {
        return SimulatedAmplifier::makeFrame(model, function, args, data);
    }

    std::vector<Bytes> snapshot()
    {
        std::vector<Bytes> s;
        s.push_back(Bytes(dc.getEditBuf(), dc.getEditBuf() + 62));
        s.push_back(Bytes(dc.getRAMProgPtr(0), dc.getRAMProgPtr(0) + 8 * 62));
        s.push_back(Bytes(dc.getROMProgPtr(0), dc.getROMProgPtr(0) + 60 * 62));
        s.push_back(Bytes(dc.getCustomBuf(0), dc.getCustomBuf(0) + 4 * 62));
        s.push_back({ (juce::uint8) DataCenter::iCurProgNo, (juce::uint8) midi()->getSequenceCounter(),
                      (juce::uint8) midi()->getCustomCounter(), (juce::uint8) midi()->isBulkReceive(),
                      (juce::uint8) midi()->isSyncRunning(), (juce::uint8) rig.host->getStateHolder()->mode });
        std::lock_guard<std::mutex> lock(rig.mutex);
        s.push_back({ (juce::uint8) rig.sent.size() });
        return s;
    }

    Bytes edit() { return Bytes(dc.getEditBuf(), dc.getEditBuf() + 62); }

    LogCapture log;
    RecordingClock clock;
    RecordingHost rig;
    HMQDataCenter dc;
};

Bytes record(juce::uint8 fill)
{
    return Bytes(62, fill);
}
} // namespace

TEST_F(HMQDecoderFixture, ShortForeignAndOtherModelMessagesChangeNothing)
{
    midi()->setSyncRunning(true);
    midi()->setBulkReceive(true);
    midi()->setCustomBulkReceive(true);
    midi()->setSequenceCounter(62);
    const juce::MidiMessage full[] = {
        frame(0x40, {}, record(0x11)), frame(0x41, { 0x04, 0x00, 0x05, 0x00 }),
        frame(0x42, { 0x00, 0x03 }),   frame(0x4C, { 0x00, 0x02 }, record(0x33)),
        frame(0x4E, { 0x01, 0x04 }),   frame(0x65, { 0x00, 0x02 }, record(0x44)),
        frame(0x21, { 0x00, 0x02 }),
    };
    const auto before = snapshot();
    for (const auto& m : full)
    {
        const int logged = log.lines.size();
        receive(shortened(m));
        EXPECT_EQ(snapshot(), before) << "short function 0x" << std::hex << (int) m.getRawData()[6];
        EXPECT_GT(log.lines.size(), logged);
        receive(foreign(m));
        receive(SimulatedAmplifier::makeFrame(0x41, m.getRawData()[6], {}, record(0x55)));
        EXPECT_EQ(snapshot(), before) << "foreign function 0x" << std::hex << (int) m.getRawData()[6];
    }
    // A truncated frame with nothing after the function byte, and one cut inside the header.
    const juce::uint8 tiny[] = { 0xF0, 0x42, 0x30, 0x00, 0x01, 0x34, 0x4C, 0xF7 };
    receive(juce::MidiMessage(tiny, (int) sizeof(tiny)));
    const juce::uint8 header[] = { 0xF0, 0x42, 0x30, 0xF7 };
    receive(juce::MidiMessage(header, (int) sizeof(header)));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HMQDecoderFixture, ProgramChangesOnlyReachProgramsThatExist)
{
    const auto start = edit();
    dc.OnRcvProgramChange(midi(), 101, 0, 0);
    dc.OnRcvProgramChange(midi(), -1, 0, 0);
    dc.setFileCount(1);
    dc.OnRcvProgramChange(midi(), 68 + 11, 0, 0); // the first program of the closed tab 1
    EXPECT_EQ(edit(), start);
    EXPECT_EQ(DataCenter::iCurProgNo, 0);

    std::memset(dc.getFileProgPtr(0, 3), 0x5A, 62);
    dc.OnRcvProgramChange(midi(), 68 + 3, 0, 0);
    EXPECT_EQ(edit(), record(0x5A));

    dc.OnRcvProgramChange(midi(), 5, 0, 0);
    EXPECT_EQ(edit(), Bytes(dc.getROMProgPtr(5), dc.getROMProgPtr(5) + 62));
    EXPECT_EQ(rig.host->getStateHolder()->currentProgram, 5);

    dc.setRAMProgram(2, record(0x21).data());
    dc.OnRcvProgramChange(midi(), 62, 1, 1);
    EXPECT_EQ(edit(), record(0x21));
    EXPECT_EQ(DataCenter::iUserDestProg, 62);

    // The current program again: reloaded only when leaving mode 2.
    dc.setRAMProgram(2, record(0x22).data());
    dc.OnRcvProgramChange(midi(), 62, 1, 0);
    EXPECT_EQ(edit(), record(0x21));
    dc.OnRcvProgramChange(midi(), 62, 1, 2);
    EXPECT_EQ(edit(), record(0x22));

    // A mode message or notice naming no program of its bank selects nothing.
    receive(frame(0x42, { 0x00, 0x09 }));
    receive(frame(0x42, { 0x01, 0x3C }));
    receive(frame(0x4E, { 0x00, 0x08 }));
    EXPECT_EQ(DataCenter::iCurProgNo, 62);
    EXPECT_EQ(edit(), record(0x22));
    receive(frame(0x4E, { 0x00, 0x07 }));
    EXPECT_EQ(DataCenter::iCurProgNo, 67);

    // Short program changes: data1 mod 100, only while connected and idle.
    receive(juce::MidiMessage::programChange(1, 3));
    EXPECT_EQ(DataCenter::iCurProgNo, 3);
    dc.setConnected(false);
    receive(juce::MidiMessage::programChange(1, 4));
    EXPECT_EQ(DataCenter::iCurProgNo, 3);
}

TEST_F(HMQDecoderFixture, AProgramChangeClosesTheFirstCustomTab)
{
    // Whatever the custom page shows, a new program closes custom tab 0;
    // a change that selects nothing does not.
    testing_support::SectionEventRecorder events;
    auto customTabEvents = [&] {
        std::vector<testing_support::SectionEvent> out;
        for (const auto& e : events.take())
            if (e.kind == CSectionEventPoster::customTabOpen)
                out.push_back(e);
        return out;
    };
    customTabEvents();

    receive(frame(0x4E, { 0x00, 0x04 })); // user program 4
    ASSERT_EQ(DataCenter::iCurProgNo, 64);
    auto posted = customTabEvents();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].a, 0);
    EXPECT_EQ(posted[0].b, 0);

    dc.OnRcvProgramChange(midi(), 7, 0, 0); // a preset
    posted = customTabEvents();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].a, 0);
    EXPECT_EQ(posted[0].b, 0);

    dc.OnRcvProgramChange(midi(), 7, 0, 0); // the same program again: nothing
    dc.OnRcvProgramChange(midi(), 200, 0, 0);
    EXPECT_TRUE(customTabEvents().empty());
}

TEST_F(HMQDecoderFixture, CustomAndPresetDumpsOutOfRange)
{
    // Custom slots are 0 to 3: a dump for slot 4 or 5 is stored nowhere (slot
    // 4 is not slot 0), and the slot operations refuse such a slot too.
    receive(frame(0x65, { 0x00, 0x03 }, record(0x61)));
    EXPECT_EQ(Bytes(dc.getCustomBuf(3), dc.getCustomBuf(3) + 62), record(0x61));
    const auto before = snapshot();
    receive(frame(0x65, { 0x00, 0x04 }, record(0x62)));
    receive(frame(0x65, { 0x00, 0x05 }, record(0x62)));
    EXPECT_EQ(snapshot(), before);
    auto foreignSlot = record(0x66);
    for (const int slot : { 4, -1, -4 })
    {
        SCOPED_TRACE(slot);
        EXPECT_EQ(dc.getCustomBuf(slot), nullptr);
        dc.setCustomBuf(foreignSlot.data(), slot);
        dc.UpdateCustomBuf(foreignSlot.data(), slot);
        EXPECT_FALSE(dc.storeEditPartInCustomSlot(HMQDataCenter::customAmp, slot));
        EXPECT_FALSE(dc.loadCustomPartIntoEditBuf(HMQDataCenter::customReverb, slot));
        midi()->sendCustomBufDump(slot);
    }
    dc.OnRcvCustomAMPFXDump(midi(), foreignSlot.data(), 4);
    EXPECT_EQ(snapshot(), before);

    // Preset dumps land in existing preset records only; user dumps in user records only.
    receive(frame(0x4C, { 0x01, 0x03 }, record(0x63)));
    EXPECT_EQ(Bytes(dc.getROMProgPtr(3), dc.getROMProgPtr(3) + 62), record(0x63));
    const auto after = snapshot();
    receive(frame(0x4C, { 0x01, 60 }, record(0x64)));
    receive(frame(0x4C, { 0x00, 8 }, record(0x64)));
    receive(frame(0x4C, { 0x02, 1 }, record(0x64)));
    EXPECT_EQ(snapshot(), after);

    // Outside a receive-all a program dump leaves the synchronised flag alone.
    dc.setSynchronised(true);
    receive(frame(0x4C, { 0x00, 0x01 }, record(0x65)));
    EXPECT_TRUE(dc.isSynchronised());
    EXPECT_EQ(Bytes(dc.getRAMProgPtr(1), dc.getRAMProgPtr(1) + 62), record(0x65));

    // A received parameter change reaches the edit record unclamped.
    receive(frame(0x41, { 0x04, 0x04, 0x78, 0x00 }));
    EXPECT_EQ(dc.getEditBuf()[23], 0x78);
}

TEST_F(HMQDecoderFixture, PresetsAreReloadedAndValidAfterConstruction)
{
    dc.getROMProgPtr(0)[20] = 0x7F;
    HMQDataCenter fresh;
    fresh.Init(rig.host);
    const char* const names[] = { "Standard Clean 1", "Orangish Rock", "Crazy Train", "Have A Cigar" };
    const int indices[] = { 0, 18, 51, 59 };
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(fresh.getProgName(indices[k]).trimEnd(), juce::String(names[k]));

    const Bytes preset0 { 0x18, 0x10, 0x00, 0x23, 0x3d, 0x47, 0x3c, 0x4f, 0x00, 0x3c, 0x01, 0x00, 0x00, 0x00, 0x01, 0x01,
                          0x00, 0x03, 0x30, 0x24, 0x32, 0x00, 0x00, 0x05, 0x75, 0x00, 0x21, 0x32, 0x00, 0x00, 0x05, 0x00,
                          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x26, 0x2d, 0x00, 0x24, 0x19, 0x00 };
    EXPECT_EQ(Bytes(fresh.getROMProgPtr(0) + 16, fresh.getROMProgPtr(0) + 62), preset0);

    // Every value of every preset lies within its row's range for the preset's types.
    HMQ::sEditBuf work {};
    HMQ::CHMQUserEditSectionImpl section;
    section.Init(nullptr, &work);
    for (int p = 0; p < 60; ++p)
    {
        std::memcpy(work.bytes, fresh.getROMProgPtr(p), 62);
        EXPECT_EQ(work.bytes[18], p % 20) << p;
        section.OnReinitialized();
        for (int id : { 0x100, 0x201, 0x202, 0x204, 0x300, 0x301, 0x302, 0x304, 0x400, 0x401, 0x402, 0x403, 0x404,
                        0x405, 0x406, 0x407, 0x408, 0x409, 0x40A, 0x40B, 0x500, 0x501, 0x502, 0x503, 0x504, 0x505,
                        0x600, 0x601, 0x602, 0x603, 0x604, 0x605, 0x800, 0x801, 0x802, 0x803, 0x804 })
        {
            SParamDesc desc {};
            ASSERT_TRUE(section.GetParamDesc(id, &desc));
            const int raw = static_cast<IAccessorI*>(desc.accessor)->GetRaw(desc.data, desc.offset);
            EXPECT_GE(raw, desc.minValue) << "preset " << p << " id 0x" << std::hex << id;
            EXPECT_LE(raw, desc.maxValue) << "preset " << p << " id 0x" << std::hex << id;
        }
    }
}
