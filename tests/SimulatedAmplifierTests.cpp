// The simulated amplifier answers as the real one does: the identity reply,
// the dumps of every model family, what it applies and acknowledges, and its
// unsolicited messages.
#include "Action/MidiManager.h"
#include "Action/midiutils.h"
#include "support/MidiTestSupport.h"
#include "support/RecordingClock.h"
#include "support/SimulatedAmplifier.h"

#include <gtest/gtest.h>

using testing_support::bytesOf;
using testing_support::RecordingMidiListener;
using Bytes = SimulatedAmplifier::Bytes;

namespace
{
// MidiManager connected to one simulated amplifier through virtual ports.
struct AmpRig
{
    AmpRig(VirtualMidiPortSystem& ports, int model) : amp(ports, model)
    {
        midi.setModel(model);
        EXPECT_TRUE(midi.openMIDIInPort(midi.getMIDIInPortFromName(amp.getPortName())));
        EXPECT_TRUE(midi.openMIDIOutPort(midi.getMIDIOutPortFromName(amp.getPortName())));
        midi.AddListener(&listener);
    }

    // Sends a request and returns the one reply (an empty message when none).
    juce::MidiMessage ask(const std::function<void()>& request, int timeoutMs = 1000)
    {
        const auto before = listener.count();
        request();
        if (! listener.waitFor(before + 1, timeoutMs))
            return juce::MidiMessage(0x80, 0, 0).withTimeStamp(-1);
        return listener.get()[before];
    }

    static bool isNoReply(const juce::MidiMessage& m) { return m.getTimeStamp() < 0; }

    SimulatedAmplifier amp;
    MidiManager midi;
    RecordingMidiListener listener;
};

Bytes payloadOf(const juce::MidiMessage& m, int offset, int packedLength)
{
    const auto* d = m.getSysExData();
    Bytes out((size_t) packedLength);
    out.resize((size_t) decode7to8buffer(out.data(), d + offset, packedLength));
    return out;
}

struct AmpFixture : ::testing::Test
{
    testing_support::ScopedVirtualPorts virtualPorts;
    RecordingClock clock;
};
} // namespace

TEST_F(AmpFixture, IdentityReplyForEveryModel)
{
    const int families[6] = { 0x132, 0x134, 0x141, 0x141, 0x141, 0x141 };
    const int members[6] = { 0, 0, 0, 8, 16, 24 };
    for (int model = 0; model < 6; ++model)
    {
        AmpRig rig(virtualPorts.ports, model);
        rig.amp.setVersions(0x0203, 0x0105);
        auto* out = &rig;
        const auto reply = rig.ask([out] {
            const juce::uint8 request[] = { 0x7E, 0x7F, 0x06, 0x01 };
            // Straight to the output, as the scanner does.
            MidiPortSystem::current()
                .openOutput(out->midi.getMIDIOutPortIndex())
                ->sendMessageNow(juce::MidiMessage::createSysExMessage(request, 4));
        });
        const auto b = bytesOf(reply);
        ASSERT_EQ(b.size(), 15u) << model;
        EXPECT_EQ(std::vector<int>(b.begin(), b.begin() + 2), (std::vector<int> { 0xF0, 0x7E }));
        EXPECT_EQ(std::vector<int>(b.begin() + 3, b.begin() + 6), (std::vector<int> { 0x06, 0x02, 0x42 }));
        auto pair = [&](int i) { return ((b[(size_t) i + 1] & 0x7F) << 8) | (b[(size_t) i] & 0x7F); };
        EXPECT_EQ(pair(6), families[model]);
        EXPECT_EQ(pair(8), members[model]);
        EXPECT_EQ(pair(10), 0x0105); // version 2
        EXPECT_EQ(pair(12), 0x0203); // version 1
        EXPECT_EQ(b[14], 0xF7);
    }
}

TEST_F(AmpFixture, RequestsOfEveryModelFamilyGetTheirDumps)
{
    for (int model : { 0, 1, 2, 5 })
    {
        AmpRig rig(virtualPorts.ports, model);
        auto& midi = rig.midi;
        const int mb = rig.amp.getModelByte();
        const int size = rig.amp.getProgramSize();
        const int packed = size + (size + 6) / 7;
        SCOPED_TRACE(model);

        rig.amp.setMode(SimulatedAmplifier::modeUser, 5);
        auto mode = rig.ask([&] { midi.sendModeRequest(); });
        EXPECT_EQ(bytesOf(mode), (std::vector<int> { 0xF0, 0x42, 0x30, 0x00, 0x01, mb, 0x42, 0x00, 0x05, 0xF7 }));

        auto current = rig.ask([&] { midi.sendCurProgDumpRequest(); });
        ASSERT_EQ(current.getRawDataSize(), 6 + packed + 2);
        EXPECT_EQ(current.getSysExData()[5], 0x40);
        EXPECT_EQ(payloadOf(current, 6, packed), rig.amp.getUserProgram(5));

        auto user = rig.ask([&] { midi.sendProgDumpRequest(1, 3); });
        ASSERT_EQ(user.getRawDataSize(), 8 + packed + 2);
        EXPECT_EQ(user.getSysExData()[5], 0x4C);
        EXPECT_EQ(user.getSysExData()[6], 0x00);
        EXPECT_EQ(user.getSysExData()[7], 0x03);
        EXPECT_EQ(payloadOf(user, 8, packed), rig.amp.getUserProgram(3));

        if (model <= 1)
        {
            auto preset = rig.ask([&] { midi.sendProgDumpRequest(0, 10); });
            EXPECT_EQ(preset.getSysExData()[6], 0x01);
            EXPECT_EQ(payloadOf(preset, 8, packed), rig.amp.getPreset(10));
        }

        if (model >= 2)
        {
            auto global = rig.ask([&] { midi.sendGlobalDumpRequest(); });
            EXPECT_EQ(global.getSysExData()[5], 0x51);
            const auto block = rig.amp.getGlobal();
            ASSERT_EQ(global.getRawDataSize(), 6 + 22 + 2); // the whole 19-byte block
            EXPECT_EQ(payloadOf(global, 6, 19), Bytes(block.begin(), block.begin() + 16));

            auto eq = rig.ask([&] { midi.sendCurEQDumpRequest(); });
            EXPECT_EQ(eq.getSysExData()[5], 0x49);
            EXPECT_EQ(payloadOf(eq, 6, 21), rig.amp.getCurrentEQ());

            auto slot = rig.ask([&] { midi.sendAudioEQDumpRequest(2); });
            ASSERT_EQ(slot.getRawDataSize(), 31);
            EXPECT_EQ(slot.getSysExData()[5], 0x4D);
            EXPECT_EQ(slot.getSysExData()[7], 3);
            EXPECT_EQ(payloadOf(slot, 8, 21), rig.amp.getEQSlot(2));
        }

        if (model == 1)
        {
            auto custom = rig.ask([&] { midi.sendCustomAmpFXDumpRequest(3); });
            ASSERT_EQ(custom.getRawDataSize(), 81);
            EXPECT_EQ(custom.getSysExData()[5], 0x65);
            EXPECT_EQ(custom.getSysExData()[7], 3);
            EXPECT_EQ(payloadOf(custom, 8, 71), rig.amp.getCustom(3));
        }
    }
}

TEST_F(AmpFixture, AppliesWhatIsSentToItAndAcknowledgesDumps)
{
    AmpRig rig(virtualPorts.ports, 1);
    auto& midi = rig.midi;

    midi.sendParamChange16(0x04, 0x02, 300, 0);
    midi.sendModeChange(0, 12, 0); // preset 12
    ASSERT_TRUE(rig.amp.waitForReceived(2));
    // Applied on the amplifier's own thread, a moment after the bytes arrived.
    for (int i = 0; i < 200 && rig.amp.getProgram() != 12; ++i)
        juce::Thread::sleep(10);
    EXPECT_EQ(rig.amp.getParam(0x0402), 300);
    EXPECT_EQ(rig.amp.getMode(), SimulatedAmplifier::modePreset);
    EXPECT_EQ(rig.amp.getProgram(), 12);
    EXPECT_EQ(rig.amp.getEditBuffer(), rig.amp.getPreset(12));

    // A program dump is stored and acknowledged with 0x23.
    Bytes record(62, 0x41);
    record[20] = 0xF7;
    auto frame = SimulatedAmplifier::makeFrame(0x34, 0x4C, { 0x00, 0x06 }, record);
    auto reply = rig.ask([&] { MidiPortSystem::current().openOutput(midi.getMIDIOutPortIndex())->sendMessageNow(frame); });
    EXPECT_EQ(bytesOf(reply), (std::vector<int> { 0xF0, 0x42, 0x30, 0x00, 0x01, 0x34, 0x23, 0xF7 }));
    EXPECT_EQ(rig.amp.getUserProgram(6), record);

    // A message for another model is ignored.
    const auto before = rig.amp.getNumSent();
    MidiPortSystem::current()
        .openOutput(midi.getMIDIOutPortIndex())
        ->sendMessageNow(SimulatedAmplifier::makeFrame(0x41, 0x12, {}));
    juce::Thread::sleep(20);
    EXPECT_EQ(rig.amp.getNumSent(), before);
}

TEST_F(AmpFixture, UnsolicitedMessages)
{
    AmpRig rig(virtualPorts.ports, 2);
    rig.amp.sendParamChange(0x01, 0x02, 200);
    rig.amp.sendModeChange(SimulatedAmplifier::modeOther, 4);
    rig.amp.sendProgramChange(1, 5);
    rig.amp.sendTransferStopped();
    ASSERT_TRUE(rig.listener.waitFor(4));
    auto got = rig.listener.get();
    EXPECT_EQ(bytesOf(got[0]), (std::vector<int> { 0xF0, 0x42, 0x30, 0x00, 0x01, 0x41, 0x41, 0x01, 0x02, 0x48, 0x01, 0xF7 }));
    EXPECT_EQ(bytesOf(got[1]), (std::vector<int> { 0xF0, 0x42, 0x30, 0x00, 0x01, 0x41, 0x4E, 0x02, 0x04, 0xF7 }));
    EXPECT_TRUE(got[2].isProgramChange());
    EXPECT_EQ(got[3].getSysExData()[5], 0x24);
}

// The fault switches other tests rely on.
TEST_F(AmpFixture, FaultSwitches)
{
    AmpRig rig(virtualPorts.ports, 3);
    auto& midi = rig.midi;

    rig.amp.setSilent(true);
    EXPECT_TRUE(AmpRig::isNoReply(rig.ask([&] { midi.sendModeRequest(); }, 100)));
    rig.amp.setSilent(false);

    rig.amp.setTruncateReplies(10);
    EXPECT_EQ(rig.ask([&] { midi.sendCurProgDumpRequest(); }).getRawDataSize(), 79 - 10);
    rig.amp.setTruncateReplies(0);

    rig.amp.setReplyDelayMs(30);
    const auto start = juce::Time::getMillisecondCounterHiRes();
    ASSERT_FALSE(AmpRig::isNoReply(rig.ask([&] { midi.sendModeRequest(); })));
    EXPECT_GE(juce::Time::getMillisecondCounterHiRes() - start, 25.0);
    rig.amp.setReplyDelayMs(0);

    // Unplugged in the middle of a transfer: two replies, then the ports vanish.
    rig.amp.unplugAfterReplies(2);
    for (int p = 0; p < 5; ++p)
        midi.sendProgDumpRequest(1, p);
    juce::Thread::sleep(50);
    virtualPorts.ports.waitUntilDelivered();
    EXPECT_FALSE(rig.amp.isPluggedIn());
    EXPECT_EQ(midi.getMIDIOutPortFromName(rig.amp.getPortName()), -1);
    EXPECT_LE(rig.amp.getNumReceived(), 5 + 6);
    const auto replies = rig.listener.count();
    midi.sendModeRequest(); // to a dead port: goes nowhere
    juce::Thread::sleep(20);
    EXPECT_EQ(rig.listener.count(), replies);
}
