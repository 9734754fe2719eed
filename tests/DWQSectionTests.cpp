// The DWQ program section over the data centre's edit record: type changes
// and their follow-up writes, what is sent, the zone switches and remembered
// types of the editor page, received values, reads by index and by id, and
// sub-sections that follow their own record whatever device the host has.

#include "DWQ/DWQDataCenter.h"
#include "ParamTable/DWQ/DWQModuleTables.h"
#include "ParamTable/DWQ/DWQParamEditTable.h"
#include "support/SectionTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using testing_support::RecordingHost;
using testing_support::SectionEvent;
using testing_support::SectionEventRecorder;

namespace
{
constexpr int idModOn = (int) 0x80000011;
constexpr int idDlyRevOn = (int) 0x80000012;
constexpr int idLastMod = (int) 0x80000013;
constexpr int idLastDlyRev = (int) 0x80000014;

struct DWQSectionFixture : ::testing::Test
{
    DWQSectionFixture()
    {
        std::memcpy(DWQDataCenter::m_sEditBuf.bytes, DWQ::m_InitProgData, 30);
        dc.Init(rig.host);
        rig.takeParamChanges();
    }

    unsigned char* edit() { return DWQDataCenter::m_sEditBuf.bytes; }
    int flagsOf(int id)
    {
        SParamDesc d {};
        EXPECT_TRUE(section.GetParamDesc(id, &d));
        return (int) d.flags;
    }
    static bool hasValueChanged(const std::vector<SectionEvent>& events, int id, int source)
    {
        return std::find(events.begin(), events.end(), SectionEvent { 3, 1, id, source, 0, 0 }) != events.end();
    }

    RecordingHost rig;
    SectionEventRecorder events;
    DWQDataCenter dc;
    DWQ::CDWQUserEditSectionImpl& section = dc.getUserEditSection();
};
} // namespace

TEST_F(DWQSectionFixture, InitialProgramAndStateValues)
{
    EXPECT_EQ(section.GetParamCount(), 17u);
    // SPEED of the initial program (0 stored, type OFF) reads as the OFF row's minimum.
    EXPECT_EQ(section.GetParamI(0x401), 300);
    EXPECT_EQ(section.GetParamI(0x502), 40);
    EXPECT_EQ(section.GetParamI(0x300), 4);
    EXPECT_EQ(section.GetParamS(0x300), "ZUL QT50");
    EXPECT_EQ(section.GetParamI(idModOn), 0);
    EXPECT_EQ(section.GetParamI(idDlyRevOn), 0);
    EXPECT_EQ(section.GetParamI(idLastMod), 1);
    EXPECT_EQ(section.GetParamI(idLastDlyRev), 1);
    // The OFF types disable their knobs.
    EXPECT_EQ(flagsOf(0x401) & 4, 4);
    EXPECT_EQ(flagsOf(0x501) & 4, 4);
    EXPECT_EQ(flagsOf(0x502) & 4, 4);
    EXPECT_EQ(flagsOf(0x301) & 4, 0);
}

TEST_F(DWQSectionFixture, AmpTypeSetsNoiseReductionAndMiddleAndSendsOnlyTheType)
{
    section.PutParamIEx(0x300, 8, PutFlags::normalEdit, CHGSRC_CONTROL); // BRIT VM
    EXPECT_EQ(edit()[18], 8);
    EXPECT_EQ(edit()[16], 46);
    EXPECT_EQ(edit()[21], 50);
    EXPECT_EQ(rig.takeParamChanges(), (std::vector<std::pair<int, int>> { { 0x300, 8 } }));
    const auto posted = events.take();
    EXPECT_TRUE(hasValueChanged(posted, 0x100, 0));
    EXPECT_TRUE(hasValueChanged(posted, 0x303, 0));
    EXPECT_TRUE(hasValueChanged(posted, 0x300, 0));

    // Every amp type takes its own pair.
    for (int type = 0; type < 11; ++type)
    {
        section.PutParamIEx(0x300, type, PutFlags::normalEdit, CHGSRC_CONTROL);
        EXPECT_EQ(edit()[16], DWQ::CDWQAmpFXSectionImpl::m_NRadjustTable[type]) << type;
        EXPECT_EQ(edit()[21], DWQ::CDWQAmpFXSectionImpl::m_MIDadjustTable[type]) << type;
    }
}

TEST_F(DWQSectionFixture, ModulationTypeResetsSpeedAndIsRemembered)
{
    section.PutParamIEx(0x400, 4, PutFlags::normalEdit, CHGSRC_CONTROL); // TWIN TREM
    EXPECT_EQ(edit()[24] | (edit()[25] << 8), 2500);
    EXPECT_EQ(section.GetParamI(idLastMod), 4);
    SParamDesc d {};
    ASSERT_TRUE(section.GetParamDesc(0x401, &d));
    EXPECT_EQ(d.minValue, 2500);
    EXPECT_EQ(d.maxValue, 10000);
    EXPECT_EQ(d.flags & 4u, 0u);
    const auto posted = events.take();
    EXPECT_NE(std::find(posted.begin(), posted.end(), SectionEvent { 4, 1, 0x401, 2500, 10000, 0 }), posted.end());
    EXPECT_TRUE(hasValueChanged(posted, 0x401, 0));
    EXPECT_EQ(rig.takeParamChanges(), (std::vector<std::pair<int, int>> { { 0x400, 4 } }));

    // OFF stores the OFF row's minimum, disables SPEED and keeps the remembered type.
    section.PutParamIEx(0x400, 0, PutFlags::normalEdit, CHGSRC_CONTROL);
    EXPECT_EQ(edit()[24], 0x2C);
    EXPECT_EQ(edit()[25], 0x01);
    EXPECT_EQ(flagsOf(0x401) & 4, 4);
    EXPECT_EQ(section.GetParamI(idLastMod), 4);
}

TEST_F(DWQSectionFixture, DelayReverbTypeIsRememberedAndOffDisablesItsKnobs)
{
    section.PutParamIEx(0x500, 2, PutFlags::normalEdit, CHGSRC_CONTROL);
    EXPECT_EQ(section.GetParamI(idLastDlyRev), 2);
    EXPECT_EQ(flagsOf(0x501) & 4, 0);
    SParamDesc time {};
    ASSERT_TRUE(section.GetParamDesc(0x502, &time));
    EXPECT_STREQ(time.unit, "[ms]");
    section.PutParamIEx(0x500, 0, PutFlags::normalEdit, CHGSRC_CONTROL);
    EXPECT_EQ(section.GetParamI(idLastDlyRev), 2);
    EXPECT_EQ(flagsOf(0x502) & 4, 4);
}

// The editor page's click on a zone switch: invert the switch (not sent),
// then send type 0 when it was on, else the remembered type.
TEST_F(DWQSectionFixture, ZoneSwitchesSendZeroOffAndTheRememberedTypeOn)
{
    const auto click = [this](int switchId, int typeId, int rememberedId) {
        const int on = section.GetParamI(switchId);
        section.PutParamIEx(switchId, on ? 0 : 1, 0xFF, CHGSRC_CONTROL);
        section.PutParamIEx(typeId, on ? 0 : section.GetParamI(rememberedId), 0xFF, CHGSRC_CONTROL);
    };

    section.PutParamIEx(0x400, 3, PutFlags::normalEdit, CHGSRC_CONTROL);
    section.PutParamIEx(idModOn, 1, 3, CHGSRC_CONTROL);
    rig.takeParamChanges();
    click(idModOn, 0x400, idLastMod);
    EXPECT_EQ(section.GetParamI(idModOn), 0);
    EXPECT_EQ(rig.takeParamChanges(), (std::vector<std::pair<int, int>> { { 0x400, 0 } }));
    click(idModOn, 0x400, idLastMod);
    EXPECT_EQ(section.GetParamI(idModOn), 1);
    EXPECT_EQ(rig.takeParamChanges(), (std::vector<std::pair<int, int>> { { 0x400, 3 } }));
    EXPECT_EQ(edit()[23], 3);

    // The delay/reverb zone starts off with the remembered type 1.
    click(idDlyRevOn, 0x500, idLastDlyRev);
    EXPECT_EQ(rig.takeParamChanges(), (std::vector<std::pair<int, int>> { { 0x500, 1 } }));
    EXPECT_EQ(section.GetParamI(idDlyRevOn), 1);
    // The state values never touch the record.
    EXPECT_EQ(std::memcmp(edit(), DWQ::m_InitProgData, 16), 0);
}

TEST_F(DWQSectionFixture, StateValuesAreClampedAnnouncedAndNeverSent)
{
    events.take();
    section.PutParamIEx(idModOn, 1, 3, CHGSRC_CONTROL);
    EXPECT_EQ(section.getStateByte(1), 1);
    EXPECT_EQ(events.take(), (std::vector<SectionEvent> { { 3, 1, idModOn, 0, 0, 0 } }));
    section.PutParamIEx(idLastMod, 0, 3, CHGSRC_CONTROL);
    EXPECT_EQ(section.getStateByte(3), 1);
    section.PutParamIEx(idLastDlyRev, 9, 3, CHGSRC_CONTROL);
    EXPECT_EQ(section.getStateByte(4), 4);
    EXPECT_TRUE(rig.takeParamChanges().empty());
    // Received changes for the pseudo ids go nowhere either.
    dc.setConnected(true);
    dc.OnRcvParamChange(rig.host->getMidiManager(), 0x80, 0x11, 0);
    EXPECT_EQ(section.getStateByte(1), 1);
}

TEST_F(DWQSectionFixture, ReceivedValuesAreStoredRawAndReadClamped)
{
    dc.setConnected(true);
    section.PutParamIEx(0x500, 1, PutFlags::normalEdit, CHGSRC_CONTROL);
    events.take();
    rig.takeParamChanges();
    dc.OnRcvParamChange(rig.host->getMidiManager(), 0x05, 0x02, 20);
    EXPECT_EQ(edit()[28], 20);
    EXPECT_EQ(section.GetParamI(0x502), 40);
    EXPECT_TRUE(hasValueChanged(events.take(), 0x502, 2));
    EXPECT_TRUE(rig.takeParamChanges().empty());

    // A received modulation type re-tables the module and remembers the type.
    dc.OnRcvParamChange(rig.host->getMidiManager(), 0x04, 0x00, 2);
    EXPECT_EQ(section.GetParamI(idLastMod), 2);
    EXPECT_EQ(edit()[24] | (edit()[25] << 8), 100);
}

TEST_F(DWQSectionFixture, ReadsByIndexAndByIdAgree)
{
    section.PutParamIEx(0x400, 2, PutFlags::normalEdit, CHGSRC_CONTROL);
    testing_support::expectDescriptorsAgree(section, nullptr, "flanger");
    // The pseudo rows address the state bytes, not the record.
    SParamDesc d {};
    ASSERT_TRUE(section.GetParamDesc(idModOn, &d));
    EXPECT_NE(d.data, (void*) edit());
}

TEST_F(DWQSectionFixture, SubSectionsFollowTheirOwnRecordWithoutAHostEnvironment)
{
    // A record with FLANGER loaded before the section is built: the module's
    // rows are FLANGER's from the start.
    DWQDataCenter::m_sEditBuf.bytes[23] = 2;
    DWQ::CDWQUserEditSectionImpl fresh;
    fresh.Init(nullptr, &DWQDataCenter::m_sEditBuf);
    SParamDesc d {};
    ASSERT_TRUE(fresh.GetParamDesc(0x401, &d));
    EXPECT_EQ(d.minValue, 100);
    EXPECT_EQ(d.maxValue, 5000);

    // A type change reads the type from this section's record.
    fresh.PutParamIEx(0x400, 3, PutFlags::announce, CHGSRC_CONTROL);
    ASSERT_TRUE(fresh.GetParamDesc(0x401, &d));
    EXPECT_EQ(d.minValue, 150);
    EXPECT_EQ(fresh.GetParamI(0x401), 150);
    ISection* owner = nullptr;
    ASSERT_TRUE(fresh.FindSectionByPID(0x401, &owner));
    EXPECT_EQ(owner, fresh.GetFX1FX());
    ASSERT_TRUE(fresh.FindSectionByPID(0x100, &owner));
    EXPECT_EQ(owner, &fresh);
}

TEST_F(DWQSectionFixture, UpdateEditBufSetsTheZoneStates)
{
    section.setStateByte(3, 3);
    unsigned char record[30];
    std::memcpy(record, DWQ::m_InitProgData, 30);
    record[26] = 4;
    dc.UpdateEditBuf(record);
    EXPECT_EQ(section.getStateByte(1), 0);
    EXPECT_EQ(section.getStateByte(2), 1);
    EXPECT_EQ(section.getStateByte(3), 3);
    EXPECT_EQ(section.getStateByte(4), 4);
    EXPECT_EQ(flagsOf(0x501) & 4, 0);
}
