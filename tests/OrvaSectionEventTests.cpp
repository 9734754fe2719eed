// Orva program sections: the event records of each module's type change, FX2 TIME ranges and
// the speed adjustment, the OKX amp rows hidden per type, the wire values sent for the type
// rows, the reinitialisation sequence and which section owns NR SENS.

#include "OrvaPW/OrvaPWTypeNames.h"
#include "ParamTable/CParamTable.h"
#include "ParamTable/orvaKX/COKXUserEditSectionImpl.h"
#include "ParamTable/orvaKX/OKXModuleTables.h"
#include "ParamTable/orvaPW/COPWUserEditSectionImpl.h"
#include "ParamTable/orvaPW/OPWModuleTables.h"
#include "support/SectionTestSupport.h"

#include <gtest/gtest.h>

using testing_support::RecordingHost;
using testing_support::SectionEvent;
using testing_support::SectionEventRecorder;

namespace
{
using Events = std::vector<SectionEvent>;

Events rangeEvents(const TABLEDESC& table, const std::vector<int>& ids, bool withFlags)
{
    Events out;
    auto* working = CParamTable::GetInstance(table, 0);
    for (size_t k = 0; k < ids.size(); ++k)
    {
        const auto& row = working->GetEntry(k);
        out.push_back({ 4, 1, ids[k], row.minValue, row.maxValue, withFlags ? (int) row.flags : 0 });
    }
    return out;
}

void append(Events& to, const Events& more)
{
    to.insert(to.end(), more.begin(), more.end());
}

Events props(const std::vector<int>& ids)
{
    Events out;
    for (int id : ids)
        out.push_back({ 2, 1, id, 0, 0, 0 });
    return out;
}

const std::vector<int> ampIds { 0x400, 0x401, 0x402, 0x403, 0x404, 0x405, 0x406, 0x407, 0x408, 0x409, 0x100 };
const std::vector<int> fx1Ids { 0x500, 0x501, 0x502, 0x503, 0x504, 0x505 };
const std::vector<int> fx2Ids { 0x600, 0x601, 0x602, 0x603, 0x604, 0x605 };
} // namespace

TEST(OrvaSectionEvents, AmpTypeChangeSequences)
{
    SectionEventRecorder events;
    {
        orvaKX::sEditBuf record {};
        orvaKX::COKXUserEditSectionImpl kx;
        kx.Init(nullptr, &record);
        kx.PutParamIEx(0x300, 5, 1, CHGSRC_CATALOG);
        Events expected = rangeEvents(orvaKX::TABLEARRAY_AmpFX[5], ampIds, false);
        append(expected, props({ 0x400, 0x401, 0x402, 0x403, 0x404, 0x407, 0x409, 0x408, 0x405, 0x406, 0x100 }));
        expected.push_back({ 3, 1, 0x300, 1, 0, 0 });
        EXPECT_EQ(events.take(), expected);
    }
    {
        orvaPW::sEditBuf record {};
        orvaPW::COPWUserEditSectionImpl pw;
        pw.Init(nullptr, &record);
        pw.PutParamIEx(0x300, 7, 1, CHGSRC_CONTROL);
        Events expected = rangeEvents(orvaPW::TABLEARRAY_AmpFX[7], ampIds, true);
        append(expected, props(ampIds));
        expected.push_back({ 3, 1, 0x300, 0, 0, 0 });
        EXPECT_EQ(events.take(), expected);
        EXPECT_EQ(expected[6], (SectionEvent { 4, 1, 0x406, 0, 100, 0x600 }));
    }
}

TEST(OrvaSectionEvents, FX1TypeChangeAndSwitchSequences)
{
    SectionEventRecorder events;
    orvaKX::sEditBuf record {};
    orvaKX::COKXUserEditSectionImpl kx;
    kx.Init(nullptr, &record);

    kx.PutParamIEx(0x301, 9, 1, CHGSRC_CONTROL);
    Events expected = rangeEvents(orvaKX::TABLEARRAY_FX1FX[9], fx1Ids, false);
    append(expected, props(fx1Ids));
    expected.push_back({ 3, 1, 0x301, 0, 0, 0 });
    EXPECT_EQ(events.take(), expected);
    EXPECT_EQ(expected[0].b, 50); // TWIN TREM raises the SPEED minimum

    kx.PutParamIEx(0x201, 1, 1, CHGSRC_CONTROL);
    expected = props(fx1Ids);
    expected.push_back({ 3, 1, 0x201, 0, 0, 0 });
    EXPECT_EQ(events.take(), expected);

    // A stored SPEED below the new minimum reads back as the minimum.
    record.bytes[32] = 10;
    EXPECT_EQ(kx.GetParamI(0x500), 50);
}

TEST(OrvaSectionEvents, FX2TypeChangeAdjustsTimeWithinTheNewRange)
{
    SectionEventRecorder events;
    orvaPW::sEditBuf record {};
    orvaPW::COPWUserEditSectionImpl pw;
    pw.Init(nullptr, &record);

    pw.PutParamIEx(0x302, 4, 1, CHGSRC_CONTROL); // ROOM
    Events expected = rangeEvents(orvaPW::TABLEARRAY_FX2FX[4], fx2Ids, true);
    expected.push_back({ 3, 1, 0x600, 2, 0, 0 });
    expected.push_back({ 3, 1, 0x600, 0, 0, 0 });
    append(expected, props(fx2Ids));
    expected.push_back({ 3, 1, 0x302, 0, 0, 0 });
    EXPECT_EQ(events.take(), expected);
    EXPECT_EQ(expected[0], (SectionEvent { 4, 1, 0x600, 130, 1200, 0x1000 }));
    EXPECT_EQ(pw.GetParamI(0x600), 1200);

    const std::pair<int, int> timeAfter[] = { { 5, 320 }, { 6, 460 }, { 7, 250 }, { 0, 100 }, { 2, 100 } };
    for (const auto& [type, time] : timeAfter)
    {
        pw.PutParamIEx(0x302, type, 1, CHGSRC_CONTROL);
        EXPECT_EQ(pw.GetParamI(0x600), time) << "type " << type;
        EXPECT_EQ(record.bytes[40] | (record.bytes[41] << 8), time);
    }

    SParamDesc hall {};
    pw.PutParamIEx(0x302, 5, 1, CHGSRC_CONTROL);
    ASSERT_TRUE(pw.GetParamDesc(0x600, &hall));
    EXPECT_EQ(hall.minValue, 320);
    EXPECT_EQ(hall.maxValue, 2500);
    EXPECT_EQ(hall.defValue, 320);

    // The on switch re-announces the rows' properties.
    events.take();
    pw.PutParamIEx(0x202, 1, 1, CHGSRC_CONTROL);
    expected = props(fx2Ids);
    expected.push_back({ 3, 1, 0x202, 0, 0, 0 });
    EXPECT_EQ(events.take(), expected);

    // The KX's ROOM has the same range; a write below it is clamped.
    orvaKX::sEditBuf kxRecord {};
    orvaKX::COKXUserEditSectionImpl kx;
    kx.Init(nullptr, &kxRecord);
    kx.PutParamIEx(0x302, 4, 1, CHGSRC_CONTROL);
    EXPECT_EQ(kx.GetParamI(0x600), 1200);
    EXPECT_EQ(kx.PutParamI(0x600, 100), 130);
}

TEST(OrvaSectionEvents, OKXHidesTheRowsATypeDoesNotUse)
{
    orvaKX::sEditBuf record {};
    orvaKX::COKXUserEditSectionImpl kx;
    kx.Init(nullptr, &record);

    auto hidden = [&](int id) {
        SParamDesc desc {};
        EXPECT_TRUE(kx.GetParamDesc(id, &desc));
        return (desc.flags & ParamFlags::hidden) != 0;
    };

    kx.PutParamI(0x300, 22); // FLAT
    for (int id : { 0x405, 0x406, 0x407, 0x408, 0x409 })
        EXPECT_TRUE(hidden(id)) << std::hex << id;
    EXPECT_FALSE(hidden(0x400));
    SParamDesc gain {};
    kx.GetParamDesc(0x400, &gain);
    EXPECT_EQ((gain.flags >> 8) & 31, 2u);

    kx.PutParamI(0x300, 8); // stored flags show BRIGHT CAP; the type does not use it
    EXPECT_TRUE(hidden(0x407));
    EXPECT_FALSE(hidden(0x405));
    EXPECT_FALSE(hidden(0x408));

    kx.PutParamI(0x300, 21);
    EXPECT_FALSE(hidden(0x405));
    EXPECT_TRUE(hidden(0x406));
}

TEST(OrvaSectionEvents, TypeRowsAreSentAsWireValues)
{
    SectionEventRecorder events;
    RecordingHost rig;
    orvaKX::sEditBuf kxRecord {};
    orvaKX::COKXUserEditSectionImpl kx;
    kx.Init(rig.host, &kxRecord);

    kx.PutParamIEx(0x300, 22, 0xFF, CHGSRC_CONTROL);
    kx.PutParamIEx(0x300, 4, 0xFF, CHGSRC_CONTROL);
    kx.PutParamIEx(0x301, 2, 0xFF, CHGSRC_CONTROL);
    EXPECT_EQ(rig.takeParamChanges(), (std::vector<std::pair<int, int>> { { 0x300, 38 }, { 0x300, 4 }, { 0x301, 5 } }));
    EXPECT_EQ(kxRecord.bytes[18], 4);

    // Flags 2 send and post nothing; flags 1 post and send nothing.
    events.take();
    kx.PutParamIEx(0x401, 33, 2, CHGSRC_CONTROL);
    EXPECT_EQ(rig.takeParamChanges(), (std::vector<std::pair<int, int>> { { 0x401, 33 } }));
    EXPECT_TRUE(events.take().empty());
    kx.PutParamIEx(0x401, 34, 1, CHGSRC_CONTROL);
    EXPECT_TRUE(rig.takeParamChanges().empty());
    EXPECT_EQ(events.take(), (std::vector<SectionEvent> { { 3, 1, 0x401, 0, 0, 0 } }));

    // A read-only override with flags 0x8001 writes and announces but does not send.
    kx.PutParamIEx(0x402, 12, 0x8001, CHGSRC_CONTROL);
    EXPECT_TRUE(rig.takeParamChanges().empty());

    // ROOM: only the type is sent; TIME is adjusted locally.
    kx.PutParamIEx(0x302, 4, 0xFF, CHGSRC_CONTROL);
    EXPECT_EQ(rig.takeParamChanges(), (std::vector<std::pair<int, int>> { { 0x302, 4 } }));

    orvaPW::sEditBuf pwRecord {};
    orvaPW::COPWUserEditSectionImpl pw;
    pw.Init(rig.host, &pwRecord);
    std::vector<std::pair<int, int>> expected;
    for (int type = 0; type < orvaPW::kNumAmpTypes; ++type)
    {
        pw.PutParamI(0x300, type);
        expected.push_back({ 0x300, type + 22 });
    }
    for (int type = 0; type < orvaPW::kNumFX1Types; ++type)
    {
        pw.PutParamI(0x301, type);
        expected.push_back({ 0x301, orvaPW::getFX1TypeValue((orvaPW::eFX1Type) type) });
    }
    EXPECT_EQ(rig.takeParamChanges(), expected);
}

TEST(OrvaSectionEvents, ReinitialisationSequence)
{
    SectionEventRecorder events;
    orvaKX::sEditBuf record {};
    orvaKX::COKXUserEditSectionImpl kx;
    kx.Init(nullptr, &record);

    kx.RawPut(orvaKX::COKXUserEditSectionImpl::m_InitProgData, 0, 62);
    Events expected { { 1, 1, 0, 0, 0, 0 } };
    append(expected, rangeEvents(orvaKX::TABLEARRAY_FX1FX[1], fx1Ids, false));
    append(expected, rangeEvents(orvaKX::TABLEARRAY_FX2FX[1], fx2Ids, false));
    append(expected, rangeEvents(orvaKX::TABLEARRAY_AmpFX[7], ampIds, false));
    expected.push_back({ 1, 1, 0, 0, 0, 0 });
    append(expected, props({ 0x301, 0x201 }));
    append(expected, props(fx1Ids));
    expected.push_back({ 1, 1, 0, 0, 0, 0 });
    append(expected, props({ 0x302, 0x202 }));
    append(expected, props(fx2Ids));
    expected.push_back({ 1, 1, 0, 0, 0, 0 });
    append(expected, props(ampIds));
    EXPECT_EQ(events.take(), expected);
    EXPECT_EQ(kx.GetParamI(0x600), 320);
}

TEST(OrvaSectionEvents, NRSensBelongsToTheAmpOnlyOnTheOKX)
{
    orvaKX::sEditBuf kxRecord {};
    orvaKX::COKXUserEditSectionImpl kx;
    kx.Init(nullptr, &kxRecord);
    orvaPW::sEditBuf pwRecord {};
    orvaPW::COPWUserEditSectionImpl pw;
    pw.Init(nullptr, &pwRecord);

    ISection* out = nullptr;
    EXPECT_TRUE(pw.FindSectionByPID(0x100, &out));
    EXPECT_EQ(out, &pw);
    EXPECT_TRUE(pw.FindSectionByPID(0x400, &out));
    EXPECT_EQ(out, pw.GetAmpFX());
    EXPECT_TRUE(kx.FindSectionByPID(0x100, &out));
    EXPECT_EQ(out, kx.GetAmpFX());
    EXPECT_TRUE(kx.FindSectionByPID(0x601, &out));
    EXPECT_EQ(out, kx.GetFX2FX());
    EXPECT_TRUE(kx.FindSectionByPID(0x302, &out));
    EXPECT_EQ(out, &kx);
    EXPECT_EQ(kx.GetRevFX(), nullptr);
}
