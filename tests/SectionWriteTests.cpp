// Write, read, receive and raw-copy semantics of sections: clamping, read-only rows and the
// override bit, the announce and send flags with their sources, text rows, values received from
// the amplifier, unknown received type values, raw copies cut at the section's size, and
// descriptor reads by index and by id.

#include "ParamTable/CSectionImplBaseT.h"
#include "ParamTable/ISoundSection.h"
#include "ParamTable/orvaKX/COKXUserEditSectionImpl.h"
#include "ParamTable/orvaPW/COPWUserEditSectionImpl.h"
#include "support/SectionTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using testing_support::RecordingHost;
using testing_support::SectionEvent;
using testing_support::SectionEventRecorder;

namespace
{
// A whole section over a small table that exercises the template alone.
const SParamDesc testRows[] = {
    { "INVERTED", "", "", 0x10, PTYPE_CONT, ATYPE_UBF8, 0, 0, 7, 0, 10, 5, 0, 0x0, "%.0f,v" },
    { "LOCKED", "", "", 0x11, PTYPE_CONT, ATYPE_UBF8, 1, 0, 7, 0, 0, 100, 0, 0x2, "%.0f,v" },
    { "FIXED", "", "", 0x12, PTYPE_CONT, ATYPE_UBF8, 2, 0, 7, 0, 0, 100, 0, 0x1, "%.0f,v" },
    { "PLAIN", "", "", 0x13, PTYPE_CONT, ATYPE_UBF8, 3, 0, 7, 0, 0, 100, 0, 0x0, "%.0f,v" },
};
const TABLEDESC testTable { testRows, 4 };

struct TestSection : CSectionImplBaseT<TestSection, ISoundSection>
{
    explicit TestSection(unsigned char* data)
    {
        table = CParamTable::GetInstance(testTable, 0);
        buffer = data;
        size = 4;
        sectionId = 7;
    }
    bool FindSectionByPID(int, ISection** out) override
    {
        *out = this;
        return true;
    }
    ISection* GetFX1FX() override { return nullptr; }
    ISection* GetAmpFX() override { return nullptr; }
    ISection* GetRevFX() override { return nullptr; }

    void AnnouncePut(int id, eChgSource source) { announced.push_back({ id, (int) source }); }
    void SendPut(const SParamDesc& desc) { sentIds.push_back(desc.id); }
    void OnParamChanged(int id, eChgSource source) { AnnouncePut(id, source); }
    void AnnounceRawPut() {}

    std::vector<std::pair<int, int>> announced;
    std::vector<int> sentIds;
};
} // namespace

TEST(SectionWrite, ClampingReadOnlyRowsAndFlags)
{
    unsigned char data[4] {};
    TestSection s(data);

    // min wins when min > max, whatever is written.
    EXPECT_EQ(s.PutParamI(0x10, 7), 10);
    EXPECT_EQ(data[0], 10);
    EXPECT_EQ(s.PutParamI(0x10, 0), 10);

    EXPECT_EQ(s.PutParamI(0x13, 250), 100);
    EXPECT_EQ(s.PutParamI(0x13, -3), 0);

    // Row flag bits 0 and 1 make a row read-only unless bit 15 is set.
    s.announced.clear();
    s.sentIds.clear();
    EXPECT_EQ(s.PutParamIEx(0x11, 40, 0xFF, CHGSRC_CONTROL), 0);
    EXPECT_EQ(s.PutParamIEx(0x12, 40, 0xFF, CHGSRC_CONTROL), 0);
    EXPECT_EQ(data[1], 0);
    EXPECT_EQ(data[2], 0);
    EXPECT_TRUE(s.announced.empty());
    EXPECT_EQ(s.PutParamSEx(0x11, "40", 0xFF, CHGSRC_CONTROL), "");

    EXPECT_EQ(s.PutParamIEx(0x11, 40, 0x8001, CHGSRC_CATALOG), 40);
    EXPECT_EQ(data[1], 40);
    EXPECT_EQ(s.announced, (std::vector<std::pair<int, int>> { { 0x11, 1 } }));
    EXPECT_TRUE(s.sentIds.empty());

    // Flags 1 announce only, 2 send only, 3 both; other bits do nothing.
    s.announced.clear();
    s.PutParamIEx(0x13, 5, 1, CHGSRC_DEVICE);
    EXPECT_EQ(s.announced, (std::vector<std::pair<int, int>> { { 0x13, 2 } }));
    EXPECT_TRUE(s.sentIds.empty());
    s.announced.clear();
    s.PutParamIEx(0x13, 6, 2, CHGSRC_CONTROL);
    EXPECT_TRUE(s.announced.empty());
    EXPECT_EQ(s.sentIds, std::vector<int> { 0x13 });
    s.sentIds.clear();
    s.PutParamIEx(0x13, 7, 3, CHGSRC_CONTROL);
    EXPECT_EQ(s.announced.size(), 1u);
    EXPECT_EQ(s.sentIds.size(), 1u);
    s.PutParamIEx(0x13, 8, 0x7F0C, CHGSRC_CONTROL);
    EXPECT_EQ(data[3], 8);
    EXPECT_EQ(s.announced.size(), 1u);
    EXPECT_EQ(s.sentIds.size(), 1u);

    // Text writes clamp the same way.
    EXPECT_EQ(s.PutParamSEx(0x13, "300", 0, CHGSRC_CONTROL), "100");

    // Unknown ids and indices.
    EXPECT_EQ(s.PutParamI(0x99, 1), 0);
    EXPECT_EQ(s.GetParamI(0x99), 0);
    EXPECT_EQ(s.GetParamS(0x99), "");
    EXPECT_EQ(s.GetParamIDByIndex(4), -1);
    EXPECT_EQ(s.GetIndexByParamID(-1), -1);
}

TEST(SectionWrite, ProgramNameIsTextAndNeverSent)
{
    RecordingHost rig;
    orvaKX::sEditBuf record {};
    orvaKX::COKXUserEditSectionImpl section;
    section.Init(rig.host, &record);

    // Texts come back as the accessor's display multi-string; the first text is the name.
    EXPECT_STREQ(section.PutParamSEx((int) 0xFFFF0000, "Clean Lead", 0xFF, CHGSRC_CONTROL).c_str(), "Clean Lead      ");
    EXPECT_STREQ(section.GetParamS((int) 0xFFFF0000).c_str(), "Clean Lead      ");
    EXPECT_EQ(std::memcmp(record.bytes, "Clean Lead      ", 16), 0);
    section.PutParamIEx((int) 0xFFFF0000, 3, 0xFFFF, CHGSRC_CONTROL);
    section.PutParamIEx(0x400, 42, 0xFF, CHGSRC_CONTROL);
    EXPECT_EQ(rig.takeParamChanges(), (std::vector<std::pair<int, int>> { { 0x400, 42 } }));
}

TEST(SectionWrite, ReceivedValuesAreStoredUnclampedAndClampedOnRead)
{
    SectionEventRecorder events;
    RecordingHost rig;
    orvaPW::sEditBuf record {};
    orvaPW::COPWUserEditSectionImpl section;
    section.Init(rig.host, &record);

    section.OnRcvMIDIParam(0x400, 120, CHGSRC_DEVICE);
    EXPECT_EQ(record.bytes[19], 120);
    EXPECT_EQ(section.GetParamI(0x400), 100);
    EXPECT_EQ(section.GetParamS(0x400), "120"); // the stored value, outside the display rules
    section.OnRcvMIDIParam(0x100, 9, CHGSRC_DEVICE);
    EXPECT_EQ(record.bytes[16], 9);
    EXPECT_EQ(section.GetParamI(0x100), 4);
    EXPECT_TRUE(rig.takeParamChanges().empty());
    const auto posted = events.take();
    ASSERT_FALSE(posted.empty());
    EXPECT_EQ(posted.back(), (SectionEvent { 3, 1, 0x100, 2, 0, 0 }));
}

TEST(SectionWrite, UnknownReceivedTypeValuesAreDropped)
{
    SectionEventRecorder events;
    orvaKX::sEditBuf kxRecord {};
    orvaKX::COKXUserEditSectionImpl kx;
    kx.Init(nullptr, &kxRecord);
    kxRecord.bytes[18] = 5;
    kxRecord.bytes[31] = 7;

    kx.OnRcvMIDIParam(0x300, 30, CHGSRC_DEVICE); // no amp type has wire value 30
    kx.OnRcvMIDIParam(0x301, 0, CHGSRC_DEVICE);  // FX1 wire values start at 3
    EXPECT_EQ(kxRecord.bytes[18], 5);
    EXPECT_EQ(kxRecord.bytes[31], 7);
    EXPECT_TRUE(events.take().empty());

    // A known value is still dropped here: the OKX section stores received
    // changes only while the connection manager is connected (covered with
    // a connected amplifier in the connection tests).
    kx.OnRcvMIDIParam(0x300, 38, CHGSRC_DEVICE);
    EXPECT_EQ(kxRecord.bytes[18], 5);
    EXPECT_TRUE(events.take().empty());

    orvaPW::sEditBuf pwRecord {};
    orvaPW::COPWUserEditSectionImpl pw;
    pw.Init(nullptr, &pwRecord);
    pwRecord.bytes[18] = 30;
    pw.OnRcvMIDIParam(0x300, 5, CHGSRC_DEVICE); // OPW amp wire values are 22-38
    EXPECT_EQ(pwRecord.bytes[18], 30);
    pw.OnRcvMIDIParam(0x300, 25, CHGSRC_DEVICE);
    EXPECT_EQ(pw.GetParamI(0x300), 3);
}

TEST(SectionWrite, RawCopiesAreCutAtTheSectionSize)
{
    SectionEventRecorder events;
    orvaKX::sEditBuf record {};
    orvaKX::COKXUserEditSectionImpl section;
    section.Init(nullptr, &record);

    const unsigned char src[10] = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 };
    EXPECT_EQ(section.RawSize(), 62u);
    EXPECT_EQ(section.RawPut(src, 60, 10), 2u);
    EXPECT_EQ(record.bytes[60], 1);
    EXPECT_EQ(record.bytes[61], 2);
    const auto posted = events.take();
    ASSERT_FALSE(posted.empty());
    EXPECT_EQ(posted.front().kind, 1);

    EXPECT_EQ(section.RawPut(src, 62, 10), 0u);
    EXPECT_TRUE(events.take().empty());

    unsigned char dst[10] {};
    EXPECT_EQ(section.RawGet(dst, 59, 10), 3u);
    EXPECT_EQ(dst[1], 1);
    EXPECT_EQ(section.RawGet(dst, 62, 1), 0u);

    // A sub-section's raw size is one byte and it posts only its own reinitialised event.
    auto* amp = section.GetAmpFX();
    EXPECT_EQ(amp->RawSize(), 1u);
    EXPECT_EQ(amp->RawPut(src, 0, 5), 1u);
    EXPECT_EQ(events.take(), (std::vector<SectionEvent> { { 1, 1, 0, 0, 0, 0 } }));
}

TEST(SectionWrite, DescriptorsByIndexAndByIdAgree)
{
    orvaKX::sEditBuf record {};
    orvaKX::COKXUserEditSectionImpl section;
    section.Init(nullptr, &record);

    for (int type : { 0, 8, 21, 22 })
    {
        section.PutParamIEx(0x300, type, 1, CHGSRC_CONTROL);
        testing_support::expectDescriptorsAgree(section, record.bytes, "type " + std::to_string(type));
    }
}
