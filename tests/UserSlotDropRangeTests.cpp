// The ends of every range of a model's program numbers dropped on a user
// slot of each family: the first and the last preset, user program and
// program of each of the three file tabs are taken and copied whole; the
// number just past the last file program is refused and copies nothing.
#include "DataCenter/DataCenter.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/ProgramDataDragItem.h"
#include "GUI/Editor/RSUserProgButton.h"
#include "GUI/Editor/WriteConfirmation.h"
#include "GUI/HMQ/HMQUserProgButton.h"
#include "GUI/Orva/OKXUserProgButton.h"
#include "GUI/Orva/OPWUserProgButton.h"
#include "support/FileTabTestSupport.h"

#include <cstring>

namespace
{
using Record = std::vector<unsigned char>;

struct UserSlotDropRanges : testing_support::FileTabFixture
{
    UserSlotDropRanges()
    {
        WriteConfirmation::setPrompt([](const juce::String&, const juce::String&, bool&) { return true; });
    }
    ~UserSlotDropRanges() override { WriteConfirmation::setPrompt({}); }

    static juce::DragAndDropTarget::SourceDetails drag(int program)
    {
        return { ProgramDataDragItem(ProgramDataDragID, program), nullptr, {} };
    }

    // Opens all three file tabs and gives every user and file program
    // a record of its own, so that each copy shows where it came from.
    void fillSources()
    {
        auto* d = dc();
        const auto& n = d->getNumbering();
        d->setFileCount(3);
        auto fill = [&](unsigned char* record, int seed) {
            for (int i = 0; i < n.recordSize; ++i)
                record[i] = (unsigned char) ((seed * 3 + i) & 0x7F);
        };
        for (int k = 0; k < DataCenter::ProgramNumbering::numUser; ++k)
            fill(d->getRAMProgPtr(k), k + 1);
        for (int tab = 0; tab < 3; ++tab)
            for (int k = 0; k < n.programsPerTab; ++k)
                fill(d->getFileProgPtr(tab, k), 10 + tab * 11 + k);
    }

    // The first and the last number of every range of the model's space.
    std::vector<int> rangeEnds()
    {
        const auto& n = dc()->getNumbering();
        std::vector<int> ends;
        if (n.numPresets > 0)
            ends.insert(ends.end(), { 0, n.numPresets - 1 });
        ends.insert(ends.end(), { n.firstUser, n.firstFile() - 1 });
        for (int tab = 0; tab < 3; ++tab)
            ends.insert(ends.end(), { n.firstFile() + tab * n.programsPerTab, n.firstFile() + (tab + 1) * n.programsPerTab - 1 });
        return ends;
    }

    Record recordOf(int program)
    {
        auto* d = dc();
        Record out((size_t) d->getNumbering().recordSize);
        EXPECT_TRUE(d->copyProgramRecord(program, out.data())) << program;
        return out;
    }

    // Drops each range end on the slot (user index `slot`) after marking the
    // slot, and checks that the whole record arrived; then the number past
    // the last file program, which the slot refuses and which copies nothing.
    void dropEveryRangeEnd(juce::DragAndDropTarget& target, int slot)
    {
        auto* d = dc();
        const auto& n = d->getNumbering();
        const Record marker((size_t) n.recordSize, 0x7F);
        ASSERT_EQ(rangeEnds().back(), n.end() - 1);
        for (const int program : rangeEnds())
        {
            ASSERT_NE(program, n.firstUser + slot);
            std::memcpy(d->getRAMProgPtr(slot), marker.data(), marker.size());
            EXPECT_TRUE(target.isInterestedInDragSource(drag(program))) << "program " << program;
            target.itemDropped(drag(program));
            EXPECT_EQ(Record(d->getRAMProgPtr(slot), d->getRAMProgPtr(slot) + n.recordSize), recordOf(program))
                << "program " << program;
        }
        std::memcpy(d->getRAMProgPtr(slot), marker.data(), marker.size());
        EXPECT_FALSE(target.isInterestedInDragSource(drag(n.end())));
        target.itemDropped(drag(n.end()));
        EXPECT_EQ(Record(d->getRAMProgPtr(slot), d->getRAMProgPtr(slot) + n.recordSize), marker);
    }
};
} // namespace

TEST_F(UserSlotDropRanges, DWQTakesPresetsUserAndFilePrograms0To51)
{
    start(0, true);
    fillSources();
    juce::Component owner;
    RSUserProgButton a3(&owner, 4098, 0, 13, "A3");
    dropEveryRangeEnd(a3, 2);
}

TEST_F(UserSlotDropRanges, HMQTakesPresetsUserAndFilePrograms0To100)
{
    start(1, true);
    fillSources();
    juce::Component owner;
    HMQUserProgButton a3(&owner, 4098, 0, 62, "A3");
    dropEveryRangeEnd(a3, 2);
}

TEST_F(UserSlotDropRanges, OrvaTakesUserAndFilePrograms0To31)
{
    for (const int model : { 2, 3 })
    {
        SCOPED_TRACE(model);
        start(model);
        fillSources();
        juce::Component owner;
        if (model == 2)
        {
            OKXUserProgButton a3(&owner, 4098, 0, 2, "A3");
            dropEveryRangeEnd(a3, 2);
        }
        else
        {
            OPWUserProgButton a3(&owner, 4098, 0, 2, "A3");
            dropEveryRangeEnd(a3, 2);
        }
        host->getActionManager()->setFileTabView(nullptr);
        Host::destroyInstance();
        host = nullptr;
    }
}
