// The simulated amplifier answers as the real one does: the identity reply,
// the dumps of every model family, what it applies and acknowledges, and its
// unsolicited messages.
#include "Action/MidiManager.h"
#include "Action/midiutils.h"
#include "support/MidiTestSupport.h"
#include "support/RecordingClock.h"
#include "support/SimulatedAmplifier.h"

#include "DWQ/DWQPresetROMProg.h"
#include "HMQ/HMQPresetROMProgData.h"
#include "OrvaKX/OrvaKXTypeNames.h"
#include "OrvaPW/OrvaPWTypeNames.h"
#include "ParamTable/DWQ/DWQParamEditTable.h"
#include "ParamTable/HMQ/HMQCustomTables.h"
#include "ParamTable/HMQ/HMQParamEditTable.h"
#include "ParamTable/orvaKX/OKXGlobalTables.h"
#include "ParamTable/orvaKX/OKXParamEditTable.h"
#include "ParamTable/orvaPW/OPWGlobalTables.h"
#include "ParamTable/orvaPW/OPWParamEditTable.h"

#include <gtest/gtest.h>

#include <set>

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
    juce::MidiMessage ask(const std::function<void()>& request, int timeoutMs = testing_support::patienceMs)
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

    // A message is applied before it shows in the records: whoever sees
    // the record reads the state it brought.
    std::vector<int> seenParam, seenProgram;
    rig.amp.setReceiveObserver([&](const juce::MidiMessage&) {
        seenParam.push_back(rig.amp.getParam(0x0402));
        seenProgram.push_back(rig.amp.getProgram());
    });
    midi.sendParamChange16(0x04, 0x02, 300, 0);
    midi.sendModeChange(0, 12, 0); // preset 12
    ASSERT_TRUE(rig.amp.waitForReceived(2));
    rig.amp.setReceiveObserver(nullptr);
    EXPECT_EQ(seenParam, (std::vector<int> { 300, 300 }));
    EXPECT_EQ(seenProgram.back(), 12);
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

namespace
{
// Every numeric and list row of the table whose field lies in the record
// holds a value its control can show: within the row's range, a list row on
// one of its entries (the Orva amp and FX1 types through their wire values).
// Editor-side rows (top bit set) keep their values elsewhere; where the
// module tables give the ranges (DWQ), only the list rows are looked at.
void expectRowsInRange(const TABLEDESC& table, const Bytes& record, const juce::String& what, bool listsOnly = false)
{
    for (uint64_t r = 0; r < table.count; ++r)
    {
        const auto& row = table.rows[r];
        const bool wide = row.atype == ATYPE_UBF16L;
        if (row.ptype == PTYPE_STR || row.id < 0 || row.offset + (wide ? 2u : 1u) > record.size()
            || (listsOnly && row.ptype != PTYPE_ENUM))
            continue;
        int raw = record[row.offset] | (wide ? record[row.offset + 1] << 8 : 0);
        raw = (raw >> row.firstBit) & ((1 << (row.lastBit - row.firstBit + 1)) - 1);
        const auto where = what + " row " + juce::String::toHexString(row.id) + " = " + juce::String(raw);
        if (row.ptype == PTYPE_ENUM)
        {
            int index = raw;
            switch (row.atype)
            {
                case ATYPE_UBF8OKXAMP: index = orvaKX::getAmpType((unsigned char) raw); break;
                case ATYPE_UBF8OPWAMP: index = orvaPW::getAmpType((unsigned char) raw); break;
                case ATYPE_UBF8OKXFX1: index = orvaKX::getFX1Type((orvaKX::eMIDIFX1Type) raw); break;
                case ATYPE_UBF8OPWFX1: index = orvaPW::getFX1Type((orvaPW::eMIDIFX1Type) raw); break;
                default: break;
            }
            EXPECT_TRUE(juce::isPositiveAndBelow(index, juce::StringArray::fromLines(row.format).size())) << where;
        }
        else
        {
            EXPECT_GE(raw, row.minValue) << where;
            EXPECT_LE(raw, row.maxValue) << where;
        }
    }
}

Bytes bytesOf(const unsigned char* data, int size)
{
    return Bytes(data, data + size);
}
} // namespace

// A new simulated amplifier holds what a new amplifier of its model would,
// so the screens start from values their controls can show: the factory
// presets, user programs made of them (Orva: of the initial program, with
// amp types that differ), the initial global block and custom slots, and
// audio-EQ slots within range. Its programs answer the dump requests. The
// pattern contents stay available for the robustness tests.
TEST_F(AmpFixture, StartsWithFactoryProgramsAndInRangeSettings)
{
    for (int model = 0; model <= 5; ++model)
    {
        SCOPED_TRACE("model " + std::to_string(model));
        AmpRig rig(virtualPorts.ports, model);
        auto& amp = rig.amp;
        const bool orva = model >= 2;
        const bool kx = model == 2 || model == 4;
        const auto& table = model == 0   ? DWQ::TABLEDESC_PARAMEDIT
                            : model == 1 ? HMQ::TABLEDESC_PARAMEDIT
                            : kx         ? orvaKX::TABLEDESC_PARAMEDIT
                                         : orvaPW::TABLEDESC_PARAMEDIT;

        for (int p = 0; p < amp.getNumPresets(); ++p)
            EXPECT_EQ(amp.getPreset(p),
                      model == 0 ? bytesOf(DWQ::m_sPresetROMProgData[p], 30) : bytesOf(HMQ::m_sPresetROMProgData + p * 62, 62))
                << "preset " << p;

        std::set<int> ampTypes;
        for (int u = 0; u < 8; ++u)
        {
            const auto program = amp.getUserProgram(u);
            ASSERT_EQ((int) program.size(), amp.getProgramSize());
            expectRowsInRange(table, program, "user " + juce::String(u), model == 0);
            const auto name = juce::String::fromUTF8((const char*) program.data(), 16).trim();
            EXPECT_TRUE(name.isNotEmpty()
                        && name.containsOnly("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 -.'/&()!"))
                << name;
            ampTypes.insert(program[18]);
            if (! orva)
            {
                bool isPreset = false;
                for (int p = 0; p < amp.getNumPresets(); ++p)
                    isPreset = isPreset || amp.getPreset(p) == program;
                EXPECT_TRUE(isPreset) << "user " << u;
            }
        }
        EXPECT_GE(ampTypes.size(), 4u);
        EXPECT_EQ(amp.getEditBuffer(), amp.getUserProgram(0));

        // What the amplifier sends is what it holds.
        const auto dump = rig.ask([&] { rig.midi.sendProgDumpRequest(1, 3); });
        ASSERT_TRUE(dump.isSysEx());
        EXPECT_EQ(payloadOf(dump, 8, dump.getSysExDataSize() - 8), amp.getUserProgram(3));

        if (orva)
        {
            const auto& global = kx ? orvaKX::TABLEDESC_GLOBALPARAM : orvaPW::TABLEDESC_GLOBALPARAM;
            const auto& eq = kx ? orvaKX::TABLEDESC_AUDIOEQPARAM : orvaPW::TABLEDESC_AUDIOEQPARAM;
            expectRowsInRange(global, amp.getGlobal(), "global");
            expectRowsInRange(eq, amp.getCurrentEQ(), "current EQ");
            std::set<Bytes> slots;
            for (int s = 0; s < 4; ++s)
            {
                expectRowsInRange(eq, amp.getEQSlot(s), "EQ slot " + juce::String(s + 1));
                slots.insert(amp.getEQSlot(s));
            }
            EXPECT_EQ(slots.size(), 4u) << "the stored EQs differ";
        }
        if (model == 1)
            for (int s = 0; s < 4; ++s)
                EXPECT_EQ(amp.getCustom(s), bytesOf(HMQ::INITCHUNK_CUSTOMPARAM + s * 62, 62)) << "custom " << s;

        // The pattern on request: named slots and bytes that use all eight
        // bits, out of range where the robustness tests need them to be.
        amp.fill(SimulatedAmplifier::Contents::pattern);
        EXPECT_EQ(juce::String::fromUTF8((const char*) amp.getUserProgram(1).data(), 6), "User 2");
        EXPECT_EQ(amp.getEditBuffer(), amp.getUserProgram(0));
        EXPECT_GE(amp.getUserProgram(0)[18], 0x80);
        if (orva)
            EXPECT_GE(amp.getGlobal()[2], 0x80);
    }
}
