// The HMQ custom section over the four custom slots, and the part copies
// between a custom slot and a program record: which bytes move, how the amp
// switches are masked, and which bytes stay.

#include "ParamTable/HMQ/CHMQCustomSectionImpl.h"
#include "ParamTable/HMQ/HMQCustomTables.h"
#include "ParamTable/HMQ/sCustomAmpFXBuf.h"
#include "ParamTable/HMQ/sEditBuf.h"
#include "support/SectionTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

using testing_support::RecordingHost;
using testing_support::SectionEvent;
using testing_support::SectionEventRecorder;

namespace
{
struct CustomFixture : ::testing::Test
{
    CustomFixture()
    {
        rig.host->getMidiManager()->setModel(1);
        std::memcpy(slots, HMQ::INITCHUNK_CUSTOMPARAM, sizeof(slots));
        section.Init(rig.host, slots);
        events.take();
    }
    unsigned char* bytes() { return slots[0].bytes; }

    RecordingHost rig;
    SectionEventRecorder events;
    HMQ::sCustomAmpFXBuf slots[4] {};
    HMQ::CHMQCustomSectionImpl section;
};
} // namespace

TEST_F(CustomFixture, WritesStayWithinTheirSlotsVariantAndSendNothing)
{
    section.PutParamIEx((int) 0x90000005, 7, 3, CHGSRC_CONTROL);
    EXPECT_EQ(bytes()[155], 5);
    section.PutParamIEx((int) 0x90000005, 0, 3, CHGSRC_CONTROL);
    EXPECT_EQ(bytes()[155], 2);

    bytes()[29] = 0xFC;
    section.PutParamIEx((int) 0x90000016, 3, 3, CHGSRC_CONTROL);
    EXPECT_EQ(bytes()[29], 0xFE);

    section.PutParamIEx((int) 0x9000004D, 10, 3, CHGSRC_CONTROL);
    EXPECT_EQ(bytes()[226], 30);
    EXPECT_EQ(bytes()[227], 0);

    events.take();
    section.PutParamIEx((int) 0x90000066, 55, 3, CHGSRC_CONTROL);
    EXPECT_EQ(bytes()[246], 55);
    EXPECT_EQ(events.take(), (std::vector<SectionEvent> { { 3, 0, (int) 0x90000066, 0, 0, 0 } }));
    EXPECT_TRUE(rig.takeParamChanges().empty());

    section.FireOnCustomTabOpen(2, true);
    section.RawPut(slots[1].bytes, 62, 62);
    EXPECT_EQ(events.take(), (std::vector<SectionEvent> { { 12, 0, 2, 1, 0, 0 }, { 1, 0, 0, 0, 0, 0 } }));
}

TEST_F(CustomFixture, OnlyTheCustomIdsHaveRows)
{
    SParamDesc desc {};
    EXPECT_FALSE(section.GetParamDesc((int) 0x9000000F, &desc));
    EXPECT_FALSE(section.GetParamDesc(0x400, &desc));
    EXPECT_EQ(section.GetParamI((int) 0x90000067), 0);
    EXPECT_EQ(section.PutParamIEx(0x400, 5, 3, CHGSRC_CONTROL), 0);

    // 102 distinct ids, each inside the four slots, read back by index.
    std::set<int> ids;
    ASSERT_EQ(section.GetParamCount(), 102u);
    for (unsigned i = 0; i < section.GetParamCount(); ++i)
    {
        ASSERT_TRUE(section.GetParamDescByIndex(i, &desc));
        ids.insert(desc.id);
        EXPECT_EQ(section.GetIndexByParamID(desc.id), (int) i);
        EXPECT_LT(desc.offset + (desc.atype == ATYPE_UBF16L ? 1u : 0u), 248u);
    }
    EXPECT_EQ(ids.size(), 102u);
    EXPECT_EQ(*ids.begin(), (int) 0x90000000);
    EXPECT_EQ(*ids.rbegin(), (int) 0x90000066);

    // Initial values come from the initial slots; values out of a row's range read clamped.
    ASSERT_TRUE(section.GetParamDesc((int) 0x90000000, &desc));
    EXPECT_EQ(desc.initValue, 0x0C);
    EXPECT_EQ(section.GetParamI((int) 0x9000002C), 100); // slot 1 SPEED holds 0x0030
}

TEST(HMQPartCopies, AmpPartMasksTheSwitchesAndKeepsTheKnobs)
{
    HMQ::sEditBuf edit {};
    HMQ::sCustomAmpFXBuf custom {};
    for (int i = 0; i < 62; ++i)
    {
        edit.bytes[i] = (unsigned char) (0x80 + i);
        custom.bytes[i] = (unsigned char) (0x07 + i);
    }
    custom.bytes[29] = 7;
    const auto before = edit;
    edit.CopyAmpPart_fromCustomBuf(&custom);
    for (int i = 0; i < 62; ++i)
    {
        int expected = before.bytes[i];
        if (i == 16 || i == 18 || i == 24 || i == 25)
            expected = custom.bytes[i];
        else if (i == 26 || i == 27 || i == 28 || i == 30)
            expected = custom.bytes[i] & 1;
        else if (i == 29)
            expected = 3;
        EXPECT_EQ(edit.bytes[i], expected) << "byte " << i;
    }

    const auto customBefore = custom;
    custom.CopyAmpPart_fromEditBuf(&before);
    for (int i = 0; i < 62; ++i)
    {
        int expected = customBefore.bytes[i];
        if (i == 16 || i == 18 || (i >= 24 && i <= 30))
            expected = before.bytes[i];
        else if (i >= 19 && i <= 23)
            expected = 0;
        EXPECT_EQ(custom.bytes[i], expected) << "byte " << i;
    }
}

TEST(HMQPartCopies, EffectPartsMoveTheirBytesBothWays)
{
    using ToEdit = void (HMQ::sEditBuf::*)(const HMQ::sCustomAmpFXBuf*);
    using ToCustom = void (HMQ::sCustomAmpFXBuf::*)(const HMQ::sEditBuf*);
    struct Part
    {
        ToEdit toEdit;
        ToCustom toCustom;
        int first, last;
    };
    const Part parts[] = {
        { &HMQ::sEditBuf::CopyPedal1Part_fromCustomBuf, &HMQ::sCustomAmpFXBuf::CopyPedal1Part_fromEditBuf, 31, 38 },
        { &HMQ::sEditBuf::CopyPedal2Part_fromCustomBuf, &HMQ::sCustomAmpFXBuf::CopyPedal2Part_fromEditBuf, 39, 46 },
        { &HMQ::sEditBuf::CopyReverbPart_fromCustomBuf, &HMQ::sCustomAmpFXBuf::CopyReverbPart_fromEditBuf, 55, 61 },
    };
    for (const auto& part : parts)
    {
        HMQ::sEditBuf edit {};
        HMQ::sCustomAmpFXBuf custom {};
        std::memset(edit.bytes, 0x11, 62);
        std::memset(custom.bytes, 0x22, 62);
        (edit.*part.toEdit)(&custom);
        for (int i = 0; i < 62; ++i)
            EXPECT_EQ(edit.bytes[i], i >= part.first && i <= part.last ? 0x22 : 0x11) << part.first << " byte " << i;

        std::memset(edit.bytes, 0x33, 62);
        (custom.*part.toCustom)(&edit);
        for (int i = 0; i < 62; ++i)
            EXPECT_EQ(custom.bytes[i], i >= part.first && i <= part.last ? 0x33 : 0x22) << part.first << " byte " << i;
    }
}
