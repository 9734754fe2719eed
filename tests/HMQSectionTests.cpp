// The HMQ program section and its Pedal1, Pedal2, Amp and Reverb modules:
// clamped writes and what is sent, received values, the events of a type
// change, re-tabling on a replaced record, descriptors by index and by id,
// and modules that follow their own program section whatever device the host
// has open.

#include "ParamTable/CFXSectionImpl.h"
#include "ParamTable/HMQ/CHMQUserEditSectionImpl.h"
#include "ParamTable/HMQ/HMQModuleTables.h"
#include "ParamTable/HMQ/HMQParamEditTable.h"
#include "support/SectionTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using testing_support::RecordingHost;
using testing_support::SectionEvent;
using testing_support::SectionEventRecorder;

namespace
{
struct HMQSectionFixture : ::testing::Test
{
    HMQSectionFixture()
    {
        rig.host->getMidiManager()->setModel(1);
        std::memcpy(record.bytes, HMQ::m_InitProgData, 62);
        section.Init(rig.host, &record);
        events.take();
        rig.takeParamChanges();
    }

    int word(int offset) const { return record.bytes[offset] | (record.bytes[offset + 1] << 8); }

    RecordingHost rig;
    SectionEventRecorder events;
    HMQ::sEditBuf record {};
    HMQ::CHMQUserEditSectionImpl section;
};

using Events = std::vector<SectionEvent>;
} // namespace

TEST_F(HMQSectionFixture, WritesAreClampedToTheCurrentRowAndSentUnmapped)
{
    EXPECT_EQ(section.PutParamIEx(0x400, 150, 3, CHGSRC_CONTROL), 100);
    EXPECT_EQ(record.bytes[19], 100);
    section.PutParamIEx(0x40A, 5, 3, CHGSRC_CONTROL);
    EXPECT_EQ(record.bytes[29], 2);

    // The switches of byte 17 are single bits.
    record.bytes[17] = 0x10;
    section.PutParamIEx(0x201, 1, 3, CHGSRC_CONTROL);
    EXPECT_EQ(record.bytes[17], 0x12);
    EXPECT_EQ(section.GetParamI(0x202), 0);

    // Types go out as stored; a 16-bit value as its low seven bits and the rest.
    section.PutParamIEx(0x301, 1, 3, CHGSRC_CONTROL);
    section.PutParamIEx(0x500, 3000, 3, CHGSRC_CONTROL);
    EXPECT_EQ(word(32), 3000);
    EXPECT_EQ(rig.takeParamChanges(),
              (std::vector<std::pair<int, int>> { { 0x400, 100 }, { 0x40A, 2 }, { 0x201, 1 }, { 0x301, 1 }, { 0x500, 3000 } }));

    // The mirrors of BIAS SHIFT and CLASS read the bytes but refuse writes;
    // forced writes are stored and never sent. Names are never sent.
    EXPECT_EQ(section.GetParamI((int) 0x8000001E), 2);
    EXPECT_EQ(section.PutParamIEx((int) 0x8000001E, 0, 3, CHGSRC_CONTROL), 0);
    EXPECT_EQ(record.bytes[29], 2);
    section.PutParamIEx((int) 0x8000001F, 1, 0x8003, CHGSRC_CONTROL);
    EXPECT_EQ(record.bytes[30], 1);
    section.PutParamSEx((int) 0xFFFF0000, "Clean", 3, CHGSRC_CONTROL);
    EXPECT_EQ(std::string((const char*) record.bytes, 16), "Clean           ");
    EXPECT_TRUE(rig.takeParamChanges().empty());

    // Unknown ids: nothing stored, sent or posted.
    events.take();
    EXPECT_EQ(section.PutParamIEx(0x700, 5, 3, CHGSRC_CONTROL), 0);
    EXPECT_EQ(section.GetParamI(0x805), 0);
    EXPECT_TRUE(events.take().empty());
}

TEST_F(HMQSectionFixture, Pedal2TypeChangeSetsTheSpeedWithoutSendingIt)
{
    section.PutParamIEx(0x302, 4, 3, CHGSRC_CONTROL);
    EXPECT_EQ(record.bytes[40], 0x72);
    EXPECT_EQ(record.bytes[41], 0x06);
    EXPECT_EQ(rig.takeParamChanges(), (std::vector<std::pair<int, int>> { { 0x302, 4 } }));

    SParamDesc desc {};
    ASSERT_TRUE(section.GetParamDesc(0x600, &desc));
    EXPECT_EQ(desc.minValue, 1650);
    EXPECT_EQ(desc.maxValue, 10000);

    Events expected;
    const std::pair<int, int> ranges[] = { { 1650, 10000 }, { 0, 100 }, { 0, 100 }, { 0, 100 }, { 0, 100 }, { 0, 0 } };
    for (int k = 0; k < 6; ++k)
        expected.push_back({ 4, 1, 0x600 + k, ranges[k].first, ranges[k].second, 0 });
    for (int k = 0; k < 6; ++k)
        expected.push_back({ 10, 1, 0x600 + k, 0, 0, 0 });
    expected.push_back({ 3, 1, 0x600, 2, 0, 0 }); // the section's own write
    expected.push_back({ 3, 1, 0x600, 0, 0, 0 }); // with the caller's source
    for (int k = 0; k < 6; ++k)
        expected.push_back({ 2, 1, 0x600 + k, 0, 0, 0 });
    expected.push_back({ 3, 1, 0x302, 0, 0, 0 });
    EXPECT_EQ(events.take(), expected);

    // A type received from the amplifier re-tables too and sends nothing back.
    section.OnRcvMIDIParam(0x302, 5, CHGSRC_DEVICE);
    EXPECT_EQ(word(40), 30);
    EXPECT_TRUE(rig.takeParamChanges().empty());
    ASSERT_TRUE(section.GetParamDesc(0x600, &desc));
    EXPECT_STREQ(desc.name, "TIME");
}

TEST_F(HMQSectionFixture, AmpTypeChangeAnnouncesBrightAndPresence)
{
    section.PutParamIEx(0x300, 1, 1, CHGSRC_CONTROL);
    auto posted = events.take();
    ASSERT_GE(posted.size(), 3u);
    EXPECT_EQ(posted[posted.size() - 3], (SectionEvent { 2, 1, 0x407, 0, 0, 0 }));
    EXPECT_EQ(posted[posted.size() - 2], (SectionEvent { 2, 1, 0x405, 0, 0, 0 }));
    EXPECT_EQ(posted.back(), (SectionEvent { 3, 1, 0x300, 0, 0, 0 }));
    // Twelve ranges, then thirteen tooltips ending with NR SENS.
    EXPECT_EQ(std::count_if(posted.begin(), posted.end(), [](const SectionEvent& e) { return e.kind == 4; }), 12);
    EXPECT_EQ(std::count_if(posted.begin(), posted.end(), [](const SectionEvent& e) { return e.kind == 10; }), 13);
    ASSERT_GT(posted.size(), 24u);
    EXPECT_EQ(posted[24], (SectionEvent { 10, 1, 0x100, 0, 0, 0 }));

    SParamDesc desc {};
    ASSERT_TRUE(section.GetParamDesc(0x407, &desc));
    EXPECT_EQ(desc.flags & ParamFlags::hidden, ParamFlags::hidden);
    section.PutParamIEx(0x300, 6, 1, CHGSRC_CONTROL);
    ASSERT_TRUE(section.GetParamDesc(0x405, &desc));
    EXPECT_STREQ(desc.name, "TONE");
    ASSERT_TRUE(section.GetParamDesc(0x407, &desc));
    EXPECT_EQ(desc.flags & ParamFlags::hidden, 0u);

    // BRIT VM: one-bit switches and a two-bit BIAS SHIFT leave the other bits alone.
    section.PutParamIEx(0x300, 11, 1, CHGSRC_CONTROL);
    record.bytes[27] = 0xF0;
    record.bytes[29] = 0xF0;
    section.PutParamIEx(0x408, 1, 1, CHGSRC_CONTROL);
    section.PutParamIEx(0x40A, 2, 1, CHGSRC_CONTROL);
    EXPECT_EQ(record.bytes[27], 0xF1);
    EXPECT_EQ(record.bytes[29], 0xF2);
}

TEST_F(HMQSectionFixture, ReceivedValuesAreStoredUnclampedAndReadClamped)
{
    section.OnRcvMIDIParam(0x404, 120, CHGSRC_DEVICE);
    EXPECT_EQ(record.bytes[23], 120);
    EXPECT_EQ(section.GetParamI(0x404), 100);
    EXPECT_EQ(events.take(), (Events { { 3, 1, 0x404, 2, 0, 0 } }));
    // Read-only mirrors and unknown ids drop what arrives.
    section.OnRcvMIDIParam((int) 0x8000001E, 1, CHGSRC_DEVICE);
    section.OnRcvMIDIParam(0x806, 1, CHGSRC_DEVICE);
    EXPECT_EQ(record.bytes[29], 0);
    EXPECT_TRUE(events.take().empty());
    EXPECT_TRUE(rig.takeParamChanges().empty());
}

TEST_F(HMQSectionFixture, ReplacedRecordRetablesEveryModuleBeforeAnyPropertyEvent)
{
    HMQ::sEditBuf other = record;
    other.bytes[31] = 7;  // FAT DIST
    other.bytes[39] = 2;  // ORG PHASER 1
    other.bytes[18] = 15; // no BRIGHT CAP
    other.bytes[55] = 3;  // PLATE
    section.RawPut(other.bytes, 0, 62);

    const auto posted = events.take();
    ASSERT_FALSE(posted.empty());
    EXPECT_EQ(posted.front(), (SectionEvent { 1, 1, 0, 0, 0, 0 }));
    size_t lastRange = 0, firstProps = posted.size();
    for (size_t i = 0; i < posted.size(); ++i)
    {
        if (posted[i].kind == 4)
            lastRange = i;
        if (posted[i].kind == 2)
            firstProps = std::min(firstProps, i);
    }
    EXPECT_LT(lastRange, firstProps);

    EXPECT_EQ(static_cast<CFXSectionImpl*>(section.GetFX1FX())->GetFXType(), 7u);
    SParamDesc desc {};
    ASSERT_TRUE(section.GetParamDesc(0x500, &desc));
    EXPECT_STREQ(desc.name, "DRIVE");
    EXPECT_STREQ(desc.tooltip, "TT_DIST_DRIVE");
    ASSERT_TRUE(section.GetParamDesc(0x604, &desc));
    EXPECT_NE(desc.flags & ParamFlags::hidden, 0u);
    ASSERT_TRUE(section.GetParamDesc(0x407, &desc));
    EXPECT_NE(desc.flags & ParamFlags::hidden, 0u);

    // Every reverb type has the same five rows.
    for (int id = 0x800; id <= 0x804; ++id)
    {
        SParamDesc plate {};
        ASSERT_TRUE(section.GetParamDesc(id, &plate));
        EXPECT_STREQ(plate.name, HMQ::TABLEARRAY_RevFX[0].rows[id - 0x800].name);
        EXPECT_EQ(plate.maxValue, id == 0x802 ? 70 : 100);
    }
}

TEST_F(HMQSectionFixture, DescriptorsByIndexAndByIdAgree)
{
    for (int amp : { 0, 1, 6, 11, 15, 19 })
        for (int pedal1 : { 0, 1, 9 })
            for (int pedal2 : { 0, 2, 4, 6 })
            {
                section.PutParamIEx(0x300, amp, 1, CHGSRC_CONTROL);
                section.PutParamIEx(0x301, pedal1, 1, CHGSRC_CONTROL);
                section.PutParamIEx(0x302, pedal2, 1, CHGSRC_CONTROL);
                testing_support::expectDescriptorsAgree(
                    section, record.bytes,
                    "types " + std::to_string(amp) + "/" + std::to_string(pedal1) + "/" + std::to_string(pedal2), true);
            }

    SParamDesc mirror {};
    ASSERT_TRUE(section.GetParamDescByIndex(21, &mirror));
    EXPECT_EQ(mirror.id, (int) 0x8000001E);
    EXPECT_NE(mirror.flags & ParamFlags::notWritable, 0u);

    // The module that owns an id.
    ISection* owner = nullptr;
    ASSERT_TRUE(section.FindSectionByPID(0x803, &owner));
    EXPECT_EQ(owner, section.GetRevFX());
    ASSERT_TRUE(section.FindSectionByPID(0x40B, &owner));
    EXPECT_EQ(owner, section.GetAmpFX());
    ASSERT_TRUE(section.FindSectionByPID(0x304, &owner));
    EXPECT_EQ(owner, static_cast<ISection*>(&section));
}

TEST_F(HMQSectionFixture, ModulesFollowTheirOwnProgramSection)
{
    // A second program over another record, on the same host (which has no
    // device environment open): each module reads the type of its own record.
    HMQ::sEditBuf otherRecord = record;
    HMQ::CHMQUserEditSectionImpl other;
    other.Init(rig.host, &otherRecord);

    section.PutParamIEx(0x301, 7, 1, CHGSRC_CONTROL);
    other.PutParamIEx(0x301, 1, 1, CHGSRC_CONTROL);
    section.OnReinitialized();
    other.OnReinitialized();

    SParamDesc mine {}, theirs {};
    ASSERT_TRUE(section.GetParamDesc(0x500, &mine));
    ASSERT_TRUE(other.GetParamDesc(0x500, &theirs));
    EXPECT_STREQ(mine.name, "DRIVE");
    EXPECT_STREQ(theirs.name, "SPEED");
    EXPECT_EQ(theirs.data, (void*) otherRecord.bytes);
}
