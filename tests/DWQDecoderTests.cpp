// The DWQ decoder on its own: messages too short for their function,
// foreign makers and other models change nothing; mode notices and program
// changes select only programs that exist (presets, user programs, programs
// of open file tabs); dumps of records the model lacks are not stored; the
// factory presets after construction.

#include "Action/MidiManager.h"
#include "Application/StateHolder.h"
#include "DWQ/DWQDataCenter.h"
#include "DWQ/DWQPresetROMProg.h"
#include "ParamTable/DWQ/DWQParamEditTable.h"
#include "support/RecordingClock.h"
#include "support/SectionTestSupport.h"
#include "support/SimulatedAmplifier.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#include <cstring>

using Bytes = SimulatedAmplifier::Bytes;
using testing_support::foreign;
using testing_support::LogCapture;
using testing_support::RecordingHost;
using testing_support::shortened;

namespace
{
struct DWQDecoderFixture : ::testing::Test
{
    DWQDecoderFixture()
    {
        std::memcpy(DWQDataCenter::m_sEditBuf.bytes, DWQ::m_InitProgData, 30);
        for (auto& r : DWQ::m_sRAMProgDataN)
            std::memcpy(r.bytes, DWQ::m_InitProgData, 30);
        DataCenter::iCurProgNo = 0;
        dc.Init(rig.host);
        dc.setConnected(true);
        rig.takeParamChanges();
    }

    void receive(const juce::MidiMessage& m) { dc.OnRSMidiListenerRcvSysExMessage(midi(), nullptr, m); }
    MidiManager* midi() { return rig.host->getMidiManager(); }
    int mode() { return rig.host->getStateHolder()->mode; }
    static juce::MidiMessage frame(int function, const Bytes& args, const Bytes& data = {}, int model = 0x32)
    {
        return SimulatedAmplifier::makeFrame(model, function, args, data);
    }
    static Bytes record(juce::uint8 fill)
    {
        Bytes r(30, fill);
        r[23] = 1; // a modulation type that exists
        return r;
    }
    Bytes edit() { return Bytes(dc.getEditBuf(), dc.getEditBuf() + 30); }

    // Everything a message could change.
    std::vector<Bytes> snapshot()
    {
        std::vector<Bytes> s;
        s.push_back(edit());
        s.push_back(Bytes(dc.getRAMProgPtr(0), dc.getRAMProgPtr(0) + 8 * 30));
        s.push_back(Bytes(dc.getROMProgPtr(0), dc.getROMProgPtr(0) + 11 * 30));
        s.push_back({ (juce::uint8) DataCenter::iCurProgNo, (juce::uint8) midi()->getSequenceCounter(),
                      (juce::uint8) midi()->isBulkReceive(), (juce::uint8) mode() });
        std::lock_guard<std::mutex> lock(rig.mutex);
        s.push_back({ (juce::uint8) rig.sent.size() });
        return s;
    }

    LogCapture log;
    RecordingClock clock;
    RecordingHost rig;
    DWQDataCenter dc;
};
} // namespace

TEST_F(DWQDecoderFixture, ShortForeignAndOtherModelMessagesChangeNothing)
{
    midi()->setSyncRunning(true);
    midi()->setBulkReceive(true);
    midi()->setSequenceCounter(11);
    const juce::MidiMessage full[] = {
        frame(0x40, {}, record(0x11)), frame(0x41, { 0x01, 0x00, 0x05, 0x00 }),
        frame(0x42, { 0x00, 0x03 }),   frame(0x4C, { 0x00, 0x02 }, record(0x33)),
        frame(0x4E, { 0x00, 0x04 }),   frame(0x21, { 0x00, 0x03 }),
    };
    for (const auto& m : full)
    {
        const auto before = snapshot();
        receive(shortened(m));
        EXPECT_EQ(snapshot(), before) << "function 0x" << std::hex << (int) m.getRawData()[6];
        receive(foreign(m));
        receive(frame(m.getRawData()[6], m.getRawDataSize() > 9 ? Bytes { 0x00, 0x02 } : Bytes {}, record(0x44), 0x41));
        EXPECT_EQ(snapshot(), before);
    }
    // A whole message of the same kind is taken and moves the chain on.
    receive(frame(0x4C, { 0x00, 0x02 }, record(0x33)));
    EXPECT_EQ(Bytes(dc.getRAMProgPtr(2), dc.getRAMProgPtr(2) + 30), record(0x33));
    EXPECT_EQ(midi()->getSequenceCounter(), 12);
}

TEST_F(DWQDecoderFixture, ModeNoticeSelectsUserPresetAndOtherPrograms)
{
    receive(frame(0x4E, { 0x00, 0x02 }));
    EXPECT_EQ(DataCenter::iCurProgNo, 13);
    EXPECT_EQ(mode(), 1);
    receive(frame(0x4E, { 0x01, 0x02 }));
    EXPECT_EQ(DataCenter::iCurProgNo, 2);
    EXPECT_EQ(mode(), 0);
    EXPECT_EQ(edit(), Bytes(DWQ::m_sPresetROMProgData[2], DWQ::m_sPresetROMProgData[2] + 30));
    receive(frame(0x4E, { 0x00, 0x00 }));
    receive(frame(0x4E, { 0x02, 0x02 }));
    EXPECT_EQ(DataCenter::iCurProgNo, 2);
    EXPECT_EQ(mode(), 1);
}

TEST_F(DWQDecoderFixture, ProgramChangesSelectOnlyProgramsThatExist)
{
    receive(frame(0x4E, { 0x00, 0x01 }));
    ASSERT_EQ(DataCenter::iCurProgNo, 12);
    const auto before = snapshot();
    dc.OnRcvProgramChange(midi(), 52, 0, 0);
    dc.OnRcvProgramChange(midi(), -1, 0, 0);
    dc.OnRcvProgramChange(midi(), 19, 0, 0); // no file tab is open
    receive(juce::MidiMessage::programChange(1, 60));
    receive(frame(0x4E, { 0x00, 0x08 })); // user program 8
    receive(frame(0x4E, { 0x01, 0x0B })); // preset 11
    EXPECT_EQ(snapshot(), before);

    // An open tab's program is loaded; the next tab is still closed.
    dc.setFileCount(1);
    std::memcpy(dc.getFileProgPtr(0, 3), record(0x55).data(), 30);
    dc.OnRcvProgramChange(midi(), 22, 0, 0);
    EXPECT_EQ(DataCenter::iCurProgNo, 22);
    EXPECT_EQ(edit(), record(0x55));
    dc.OnRcvProgramChange(midi(), 30, 0, 0);
    EXPECT_EQ(DataCenter::iCurProgNo, 22);

    // The current program is not loaded again.
    dc.getEditBuf()[20] = 0x7E;
    dc.OnRcvProgramChange(midi(), 22, 1, 0);
    EXPECT_EQ(dc.getEditBuf()[20], 0x7E);
}

TEST_F(DWQDecoderFixture, DumpsOfRecordsTheModelLacksAreNotStored)
{
    const auto before = snapshot();
    receive(frame(0x4C, { 0x01, 0x0B }, record(0x66)));
    receive(frame(0x4C, { 0x00, 0x08 }, record(0x66)));
    receive(frame(0x4C, { 0x02, 0x00 }, record(0x66)));
    EXPECT_EQ(snapshot(), before);
    receive(frame(0x4C, { 0x01, 0x03 }, record(0x66)));
    EXPECT_EQ(Bytes(dc.getROMProgPtr(3), dc.getROMProgPtr(3) + 30), record(0x66));
    DWQ::Load_DWQPresetROMProg();
}

TEST_F(DWQDecoderFixture, ParameterChangesOnlyWhileConnectedAndIdle)
{
    // One byte short, in the state in which a whole one is taken: refused
    // and logged, nothing changes.
    const auto before = snapshot();
    receive(shortened(frame(0x41, { 0x02, 0x00, 0x21, 0x00 })));
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(log.mentions("function 0x41 too short"));

    receive(frame(0x41, { 0x02, 0x00, 0x21, 0x00 }));
    EXPECT_EQ(dc.getEditBuf()[17], 0x21);
    midi()->setBulkTransmit(true);
    receive(frame(0x41, { 0x02, 0x00, 0x22, 0x00 }));
    midi()->setBulkTransmit(false);
    dc.setConnected(false);
    receive(frame(0x41, { 0x02, 0x00, 0x23, 0x00 }));
    EXPECT_EQ(dc.getEditBuf()[17], 0x21);
}

TEST_F(DWQDecoderFixture, PresetsAfterConstruction)
{
    std::memset(DWQ::m_sROMProgDataN, 0, sizeof(DWQ::m_sROMProgDataN));
    DWQDataCenter another;
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(std::memcmp(another.getROMProgPtr(i), DWQ::m_sPresetROMProgData[i], 30), 0) << i;
    EXPECT_EQ(another.getROMProgPtr(11), nullptr);
    EXPECT_EQ(another.getProgName(10), "Enter Sandman   ");
    EXPECT_EQ(another.getProgName(4), "Message Bottle  ");

    // Loaded into the edit record, every value of every preset is in its row's
    // range (SPEED only counts while modulation is on), and the name shows whole.
    DataCenter::iCurProgNo = 11;
    for (int i = 0; i < 11; ++i)
    {
        dc.OnRcvProgramChange(midi(), i, 0, 0);
        const auto* r = DWQ::m_sPresetROMProgData[i];
        auto& section = dc.getUserEditSection();
        const int ids[] = { 0x100, 0x200, 0x300, 0x301, 0x302, 0x303, 0x304, 0x400, 0x500, 0x501, 0x502 };
        const int raw[] = { r[16], r[17], r[18], r[19], r[20], r[21], r[22], r[23], r[26], r[27], r[28] | (r[29] << 8) };
        for (int k = 0; k < 11; ++k)
            EXPECT_EQ(section.GetParamI(ids[k]), raw[k]) << "preset " << i << " id 0x" << std::hex << ids[k];
        if (r[23] != 0)
        {
            EXPECT_EQ(section.GetParamI(0x401), r[24] | (r[25] << 8)) << i;
        }
    }
    EXPECT_EQ(juce::String(dc.getUserEditSection().GetParamS((int) 0xFFFF0000)).trimEnd(), "Enter Sandman");
}
