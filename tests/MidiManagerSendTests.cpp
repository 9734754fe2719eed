#include "Action/MidiManager.h"
#include "support/MidiTestSupport.h"
#include "support/RecordingClock.h"

#include <gtest/gtest.h>

using testing_support::bytesOf;

namespace
{
// A virtual output device that records what MidiManager sends.
struct SendFixture : ::testing::Test
{
    void SetUp() override
    {
        outId = virtualPorts.ports.addOutputDevice("Other", [](const juce::MidiMessage&) {});
        outId = virtualPorts.ports.addOutputDevice("ZUL 2ch Audio Device", [this](const juce::MidiMessage& m) {
            std::lock_guard<std::mutex> lock(mutex);
            sent.push_back(m);
        });
        midi.setModel(2);
    }

    std::vector<juce::MidiMessage> takeSent()
    {
        std::lock_guard<std::mutex> lock(mutex);
        auto result = sent;
        sent.clear();
        return result;
    }

    testing_support::ScopedVirtualPorts virtualPorts;
    RecordingClock clock;
    MidiManager midi;
    int outId = 0;
    std::mutex mutex;
    std::vector<juce::MidiMessage> sent;
};
} // namespace

TEST_F(SendFixture, WithoutAnOutputNothingIsSentAndNothingSleeps)
{
    for (int model = 0; model < 6; ++model)
    {
        midi.setModel(model);
        midi.sendCurProgDumpRequest();
        midi.sendCurProgWrite(1);
        midi.sendModeRequest();
        midi.sendProgDumpRequest(1, 0);
        midi.sendGlobalDumpRequest();
        midi.sendCurEQDumpRequest();
        midi.sendAudioEQDumpRequest(0);
        midi.sendCustomAmpFXDumpRequest(0);
        midi.sendCurProgDump();
        midi.sendParamChange16(1, 2, 3, 50);
        midi.sendProgDumpOut(0);
        midi.sendAudioEQDump(0);
        midi.sendModeChange(1, 0, 50);
        midi.sendCustomBufDump(0);
    }
    EXPECT_TRUE(takeSent().empty());
    EXPECT_TRUE(clock.getPauses().empty());
}

TEST_F(SendFixture, PortsByNameIndexAndReopen)
{
    EXPECT_EQ(midi.getMIDIOutPortFromName(""), -1);
    EXPECT_EQ(midi.getMIDIOutPortFromName("ZUL 2ch Audio"), -1); // exact names only
    EXPECT_EQ(midi.getMIDIOutPortFromName("ZUL 2ch Audio Device"), 1);
    EXPECT_EQ(midi.getMIDIInPortFromName("ZUL 2ch Audio Device"), -1);

    EXPECT_FALSE(midi.openMIDIOutPort(5));
    EXPECT_EQ(midi.getMIDIOutPortIndex(), -1);
    EXPECT_FALSE(midi.openMIDIInPort(0));
    EXPECT_EQ(midi.getMIDIInPortIndex(), -1);

    ASSERT_TRUE(midi.openMIDIOutPort(1));
    EXPECT_EQ(midi.getMIDIOutPortIndex(), 1);
    EXPECT_TRUE(midi.reopenMIDIOutPort(0)); // already open: stays on port 1
    EXPECT_EQ(midi.getMIDIOutPortIndex(), 1);
    midi.sendModeRequest();
    ASSERT_EQ(takeSent().size(), 1u);
}

TEST_F(SendFixture, ParamChangeValueBytesAndPauses)
{
    ASSERT_TRUE(midi.openMIDIOutPort(1));

    midi.sendParamChange16(0x04, 0x00, 200, 0);
    auto sent1 = takeSent();
    ASSERT_EQ(sent1.size(), 1u);
    EXPECT_EQ(bytesOf(sent1[0]), (std::vector<int> { 0xF0, 0x42, 0x30, 0x00, 0x01, 0x41, 0x41, 0x04, 0x00, 0x48, 0x01, 0xF7 }));
    EXPECT_TRUE(clock.getPauses().empty());

    // Values beyond 14 bits are clamped; no byte of 0x80 or more is sent.
    midi.sendParamChange16(0x10, 0x05, 0xFFFF, 7);
    auto sent2 = takeSent();
    ASSERT_EQ(sent2.size(), 1u);
    EXPECT_EQ(bytesOf(sent2[0])[9], 0x7F);
    EXPECT_EQ(bytesOf(sent2[0])[10], 0x7F);
    EXPECT_EQ(clock.getPauses(), std::vector<int> { 7 });

    // An id byte that is no data byte: nothing is sent, nothing sleeps.
    clock.clear();
    midi.sendParamChange16(0x80, 0x00, 1, 9);
    EXPECT_TRUE(takeSent().empty());
    EXPECT_TRUE(clock.getPauses().empty());
}

TEST_F(SendFixture, PausesAndModelGates)
{
    ASSERT_TRUE(midi.openMIDIOutPort(1));

    midi.sendCurProgWrite(3);
    midi.sendModeChange(1, 2, 40);
    midi.sendModeChange(1, 2, 0);
    EXPECT_EQ(clock.getPauses(), (std::vector<int> { 150, 40 }));
    auto sent1 = takeSent();
    ASSERT_EQ(sent1.size(), 3u);
    EXPECT_EQ(bytesOf(sent1[0]), (std::vector<int> { 0xF0, 0x42, 0x30, 0x00, 0x01, 0x41, 0x11, 0x00, 0x03, 0xF7 }));

    // Orva-only and HMQ-only requests follow the send model.
    midi.setModel(1);
    midi.sendGlobalDumpRequest();
    midi.sendCurEQDumpRequest();
    midi.sendAudioEQDumpRequest(0);
    EXPECT_TRUE(takeSent().empty());
    midi.sendCustomAmpFXDumpRequest(2);
    midi.sendCustomAmpFXDumpRequest(4);
    auto sent2 = takeSent();
    ASSERT_EQ(sent2.size(), 1u);
    EXPECT_EQ(bytesOf(sent2[0]), (std::vector<int> { 0xF0, 0x42, 0x30, 0x00, 0x01, 0x34, 0x31, 0x00, 0x02, 0xF7 }));

    // A wrong slot or program sends nothing and does not pause.
    clock.clear();
    midi.sendCurProgWrite(-1);
    midi.sendModeChange(1, 200, 40);
    EXPECT_TRUE(takeSent().empty());
    EXPECT_TRUE(clock.getPauses().empty());
}

TEST(MidiManagerPrograms, ProgDumpOutRangesPerModel)
{
    // Orva: user programs 0..7 only. HMQ: 60.. are user programs 0..7, below
    // are presets. DWQ: 11.. are user programs, 30-byte records.
    const struct
    {
        int model, index;
        bool ok;
        int bank, prog, size;
        bool preset;
    } cases[] = {
        { 2, 0, true, 1, 0, 62, false },  { 3, 7, true, 1, 7, 62, false },  { 4, 7, true, 1, 7, 62, false },
        { 5, 7, true, 1, 7, 62, false },  { 2, 8, false, 0, 0, 0, false },  { 5, -1, false, 0, 0, 0, false },
        { 1, 60, true, 1, 0, 62, false }, { 1, 59, true, 0, 59, 62, true }, { 1, 67, true, 1, 7, 62, false },
        { 1, 68, false, 0, 0, 0, false }, { 0, 11, true, 1, 0, 30, false }, { 0, 10, true, 0, 10, 30, true },
        { 0, 19, false, 0, 0, 0, false }, { -1, 0, false, 0, 0, 0, false }, { 6, 0, false, 0, 0, 0, false },
    };
    for (const auto& c : cases)
    {
        MidiManager::ProgDumpSource s;
        ASSERT_EQ(MidiManager::getProgDumpSource(c.model, c.index, s), c.ok) << c.model << "/" << c.index;
        if (c.ok)
        {
            EXPECT_EQ(s.bank, c.bank) << c.model << "/" << c.index;
            EXPECT_EQ(s.prog, c.prog) << c.model << "/" << c.index;
            EXPECT_EQ(s.size, c.size) << c.model << "/" << c.index;
            EXPECT_EQ(s.preset, c.preset) << c.model << "/" << c.index;
        }
    }

    EXPECT_EQ(MidiManager::getCurProgSize(0), 30);
    EXPECT_EQ(MidiManager::getCurProgSize(4), 62);
    EXPECT_EQ(MidiManager::getCurProgSize(-1), 0);
}
