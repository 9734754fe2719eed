// The Orva decoder on its own: messages too short for their function,
// foreign makers and other models change nothing; unsolicited parameter,
// mode and program changes; program changes outside the number space or
// into closed file tabs; the global dump's decoded length; the constant
// progress text of the synchronisation.

#include "Action/MidiManager.h"
#include "Action/midiutils.h"
#include "Application/StateHolder.h"
#include "Core/MasterConnectionManager.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "OrvaKX/OKXDataCenter.h"
#include "ParamTable/COrvaGlobalSectionBase.h"
#include "support/RecordingClock.h"
#include "support/SectionTestSupport.h"
#include "support/SimulatedAmplifier.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using Bytes = SimulatedAmplifier::Bytes;
using testing_support::foreign;
using testing_support::LogCapture;
using testing_support::RecordingHost;
using testing_support::shortened;

namespace
{
struct DecoderFixture : ::testing::Test
{
    DecoderFixture()
    {
        dc.Init(rig.host);
        dc.setConnected(true);
        std::memset(OKXDataCenter::m_sGlobalBuf.bytes, 0, 19);
        rig.takeParamChanges();
    }

    void receive(const juce::MidiMessage& m) { dc.OnRSMidiListenerRcvSysExMessage(midi(), nullptr, m); }
    MidiManager* midi() { return rig.host->getMidiManager(); }
    static juce::MidiMessage frame(int function, const Bytes& args, const Bytes& data = {}, int model = 0x41)
    {
        return SimulatedAmplifier::makeFrame(model, function, args, data);
    }

    // Everything a message could change.
    std::vector<Bytes> snapshot()
    {
        std::vector<Bytes> s;
        s.push_back(Bytes(dc.getEditBuf(), dc.getEditBuf() + 62));
        s.push_back(Bytes(dc.getRAMProgPtr(0), dc.getRAMProgPtr(0) + 8 * 62));
        s.push_back(Bytes(dc.getGlobalBuf(), dc.getGlobalBuf() + 19));
        s.push_back(Bytes(dc.getCurAudioEQBuf(), dc.getCurAudioEQBuf() + 18));
        s.push_back(Bytes(dc.getAudioEQBuf(0), dc.getAudioEQBuf(0) + 72));
        s.push_back({ (juce::uint8) DataCenter::iCurProgNo, (juce::uint8) midi()->getSequenceCounter(),
                      (juce::uint8) midi()->isBulkReceive(), (juce::uint8) rig.host->getStateHolder()->mode });
        std::lock_guard<std::mutex> lock(rig.mutex);
        s.push_back({ (juce::uint8) rig.sent.size() });
        return s;
    }

    LogCapture log;
    RecordingClock clock;
    RecordingHost rig;
    OKXDataCenter dc;
};

Bytes record(juce::uint8 fill)
{
    return Bytes(62, fill);
}
} // namespace

TEST_F(DecoderFixture, ShortForeignAndOtherModelMessagesChangeNothing)
{
    midi()->setSyncRunning(true);
    midi()->setBulkReceive(true);
    midi()->setAudioEQBulkReceive(true);
    const juce::MidiMessage full[] = {
        frame(0x40, {}, record(0x11)),    frame(0x41, { 0x04, 0x00, 0x05, 0x00 }),   frame(0x42, { 0x00, 0x03 }),
        frame(0x49, {}, Bytes(18, 0x22)), frame(0x4C, { 0x00, 0x02 }, record(0x33)), frame(0x4D, { 0x00, 0x02 }, Bytes(18, 0x44)),
        frame(0x4E, { 0x00, 0x04 }),      frame(0x51, {}, Bytes(16, 0x55)),          frame(0x21, { 0x00, 0x03 }),
    };
    for (const auto& m : full)
    {
        const auto before = snapshot();
        receive(shortened(m));
        EXPECT_EQ(snapshot(), before) << "function 0x" << std::hex << (int) m.getRawData()[6];
        receive(foreign(m));
        receive(frame(m.getRawData()[6], {}, {}, 0x34));
        EXPECT_EQ(snapshot(), before);
    }
    // A full message of the same kind is taken.
    receive(frame(0x4D, { 0x00, 0x02 }, Bytes(18, 0x44)));
    EXPECT_EQ(dc.getAudioEQBuf(1)[0], 0x44);
    EXPECT_EQ(midi()->getAudioEQCounter(), 1);
}

TEST_F(DecoderFixture, AudioEQSlotOutsideOneToFourIsIgnored)
{
    midi()->setAudioEQBulkReceive(true);
    const auto before = snapshot();
    receive(frame(0x4D, { 0x00, 0x00 }, Bytes(18, 0x66)));
    receive(frame(0x4D, { 0x00, 0x05 }, Bytes(18, 0x66)));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(midi()->getAudioEQCounter(), 0);
}

TEST_F(DecoderFixture, GlobalDumpKeepsWhatWasNotSent)
{
    std::memset(OKXDataCenter::m_sGlobalBuf.bytes, 0x7A, 19);
    Bytes sixteen(16);
    for (int i = 0; i < 16; ++i)
        sixteen[(size_t) i] = (juce::uint8)(0x80 + i);
    receive(frame(0x51, {}, sixteen));
    EXPECT_EQ(Bytes(dc.getGlobalBuf(), dc.getGlobalBuf() + 16), sixteen);
    EXPECT_EQ(Bytes(dc.getGlobalBuf() + 16, dc.getGlobalBuf() + 19), Bytes(3, 0x7A));

    Bytes whole(19, 0x12);
    receive(frame(0x51, {}, whole));
    EXPECT_EQ(Bytes(dc.getGlobalBuf(), dc.getGlobalBuf() + 19), whole);

    // A whole block that lost (or gained) a byte on the way is refused,
    // whatever the count: nothing is stored, and the log says why.
    Bytes next(19);
    for (int i = 0; i < 19; ++i)
        next[(size_t) i] = (juce::uint8)(0x30 + 7 * i);
    Bytes packed(22);
    encode8to7buffer(packed.data(), next.data(), 19);
    for (int length = 17; length <= 24; ++length)
    {
        if (length == 19 || length == 22)
            continue;
        Bytes damaged(packed);
        if (length < 22)
            damaged.erase(damaged.begin() + 10, damaged.begin() + 10 + (22 - length));
        else
            damaged.insert(damaged.begin() + 10, (size_t) (length - 22), (juce::uint8) 0x05);
        testing_support::LogCapture log;
        receive(frame(0x51, damaged));
        EXPECT_EQ(Bytes(dc.getGlobalBuf(), dc.getGlobalBuf() + 19), whole) << length;
        EXPECT_TRUE(log.mentions("global dump of " + juce::String(length) + " bytes")) << length;
    }
    receive(frame(0x51, packed));
    EXPECT_EQ(Bytes(dc.getGlobalBuf(), dc.getGlobalBuf() + 19), next);
}

TEST_F(DecoderFixture, UnsolicitedChangesRouteByGroup)
{
    // The OKX program section stores received changes only while the
    // connection manager has an amplifier's ports open.
    const juce::String port = "ZUL 2ch Audio Device";
    rig.virtualPorts.ports.addInputDevice(port);
    auto* connection = rig.host->getMasterConnectionManager();
    receive(frame(0x41, { 0x04, 0x00, 0x07, 0x00 }));
    EXPECT_NE(dc.getEditBuf()[19], 0x07);
    ASSERT_TRUE(connection->connect(DeviceInfo(kProductModelOKX, true, 0, port, 0, port, 0, 0, 0x141, kMediaTypeUSB)));

    // One byte short, to each group, now that whole ones are taken: refused
    // and logged, nothing changes.
    for (const juce::uint8 group : { 0x04, 0x42, 0x60 })
    {
        const auto before = snapshot();
        const int logged = log.lines.size();
        receive(shortened(frame(0x41, { group, 0x00, 0x21, 0x00 })));
        EXPECT_EQ(snapshot(), before) << "group 0x" << std::hex << (int) group;
        EXPECT_EQ(log.lines.size(), logged + 1);
        EXPECT_TRUE(log.mentions("function 0x41 too short"));
    }

    receive(frame(0x41, { 0x42, 0x00, 0x01, 0x00 }));
    EXPECT_EQ(dc.getGlobalBuf()[2], 1);
    receive(frame(0x41, { 0x60, 0x00, 0x64, 0x00 }));
    EXPECT_EQ(dc.getCurAudioEQBuf()[0], 100);
    receive(frame(0x41, { 0x62, 0x00, 0x30, 0x07 })); // 14-bit value 944
    EXPECT_EQ(dc.getCurAudioEQBuf()[2] | (dc.getCurAudioEQBuf()[3] << 8), 0x30 + 7 * 128);
    receive(frame(0x41, { 0x04, 0x00, 0x21, 0x00 }));
    EXPECT_EQ(dc.getEditBuf()[19], 0x21);

    // Not while a transfer runs, nor when not connected.
    midi()->setBulkTransmit(true);
    receive(frame(0x41, { 0x04, 0x00, 0x05, 0x00 }));
    midi()->setBulkTransmit(false);
    dc.setConnected(false);
    receive(frame(0x41, { 0x04, 0x00, 0x05, 0x00 }));
    EXPECT_EQ(dc.getEditBuf()[19], 0x21);

    // Connected data centre, ports closed: the OKX section drops it.
    dc.setConnected(true);
    connection->disconnect();
    receive(frame(0x41, { 0x04, 0x00, 0x05, 0x00 }));
    EXPECT_EQ(dc.getEditBuf()[19], 0x21);
}

TEST_F(DecoderFixture, ProgramChangesSelectOnlyExistingPrograms)
{
    for (int i = 0; i < 8; ++i)
    {
        auto r = record((juce::uint8)(0x40 + i));
        dc.setRAMProgram(i, r.data());
    }
    receive(juce::MidiMessage::programChange(1, 105));
    EXPECT_EQ(DataCenter::iCurProgNo, 5);
    EXPECT_EQ(DataCenter::iUserDestProg, 5);
    EXPECT_EQ(dc.getEditBuf()[30], 0x45);
    EXPECT_EQ(rig.host->getStateHolder()->currentProgram, 5);

    // 40 is past the file tabs; 12 names a tab that is not open.
    const auto before = snapshot();
    receive(juce::MidiMessage::programChange(1, 40));
    receive(juce::MidiMessage::programChange(1, 12));
    EXPECT_EQ(snapshot(), before);

    // With two tabs open, 20 is program 4 of tab 1.
    dc.setFileCount(2);
    std::memset(dc.getFileProgPtr(1, 4), 0x5C, 62);
    receive(juce::MidiMessage::programChange(1, 20));
    EXPECT_EQ(DataCenter::iCurProgNo, 20);
    EXPECT_EQ(dc.getEditBuf()[40], 0x5C);
    EXPECT_EQ(DataCenter::iUserDestProg, 5);

    receive(juce::MidiMessage::controllerEvent(1, 0, 6));
    EXPECT_EQ(dc.getCurBank(), 2);
}

TEST_F(DecoderFixture, ModeNoticesAndStoredNotice)
{
    auto r = record(0x61);
    dc.setRAMProgram(3, r.data());
    receive(frame(0x4E, { 0x00, 0x03 }));
    EXPECT_EQ(rig.host->getStateHolder()->mode, 1);
    EXPECT_EQ(dc.getEditBuf()[20], 0x61);

    {
        std::lock_guard<std::mutex> lock(rig.mutex);
        rig.sent.clear();
    }
    clock.clear();
    receive(frame(0x4E, { 0x02, 0x00 }));
    EXPECT_EQ(rig.host->getStateHolder()->mode, 2);
    EXPECT_EQ(clock.getPauses(), (std::vector<int> { 5 }));
    receive(frame(0x21, { 0x00, 0x0B }));
    std::lock_guard<std::mutex> lock(rig.mutex);
    ASSERT_EQ(rig.sent.size(), 2u);
    EXPECT_EQ(rig.sent[0].getRawData()[6], 0x10); // current program request
    EXPECT_EQ(rig.sent[1].getRawData()[6], 0x1C); // program 11 & 7 = 3
    EXPECT_EQ(rig.sent[1].getRawData()[8], 3);
}

TEST_F(DecoderFixture, ProgramDumpOutsideAReceiveAllEndsTheChainState)
{
    midi()->setSynchronised(true);
    dc.setSynchronised(true);
    midi()->setBulkTransmit(true);
    receive(frame(0x4C, { 0x00, 0x03 }, record(0x71)));
    EXPECT_EQ(dc.getRAMProgPtr(3)[0], 0x71);
    EXPECT_FALSE(midi()->isSynchronised());
    EXPECT_FALSE(dc.isSynchronised());
    EXPECT_FALSE(midi()->isBulkTransmit());
    EXPECT_EQ(midi()->getSequenceCounter(), 0);

    // A preset bank has no record here.
    const auto before = snapshot();
    receive(frame(0x4C, { 0x01, 0x03 }, record(0x72)));
    EXPECT_EQ(snapshot(), before);

    midi()->setBulkReceive(true);
    receive(frame(0x24, {}));
    EXPECT_FALSE(midi()->isBulkReceive());
}

TEST_F(DecoderFixture, ProgressNoticeCarriesAConstantText)
{
    struct BusListener : juce::MessageListener
    {
        void handleMessage(const juce::Message& m) override
        {
            if (auto* mm = dynamic_cast<const MyMessage*>(&m))
                if (mm->getId() == MessageId::Progress)
                    texts.push_back(mm->getRecord()->ptr);
        }
        std::vector<void*> texts;
    } listener;
    MessageEngine::instance()->addListener(&listener);

    midi()->setSyncRunning(true);
    receive(frame(0x42, { 0x00, 0x00 }));
    midi()->setBulkReceive(false);
    receive(frame(0x42, { 0x00, 0x00 }));
    testing_support::pumpFor(30);
    MessageEngine::instance()->removeListener(&listener);

    ASSERT_EQ(listener.texts.size(), 2u);
    EXPECT_EQ(listener.texts[0], (void*) OrvaDataCenter::receivingText);
    EXPECT_EQ(listener.texts[1], listener.texts[0]);
    EXPECT_STREQ(static_cast<const char*>(listener.texts[0]), "RECEIVED...");
    EXPECT_EQ(dc.getSavedMode().kind, 0);
}
