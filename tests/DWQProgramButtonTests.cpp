// The DWQ librarian's program buttons: a drop on a user slot copies the 30
// bytes of a preset, a user program, a file program or the edited program
// after the write question; a drop on a file slot copies without asking and
// marks only that slot; sources outside the model's numbers copy nothing.
#include "DataCenter/DataCenter.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/ProgramDataDragItem.h"
#include "GUI/Editor/RSFileProgButton.h"
#include "GUI/Editor/RSPresetProgButton.h"
#include "GUI/Editor/RSUserProgButton.h"
#include "GUI/Editor/WriteConfirmation.h"
#include "support/FileTabTestSupport.h"

namespace
{
using Record = std::vector<unsigned char>;

struct DWQButtons : testing_support::FileTabFixture
{
    DWQButtons()
    {
        WriteConfirmation::setPrompt([this](const juce::String& message, const juce::String&, bool&) {
            questions.add(message);
            return answer;
        });
    }
    ~DWQButtons() override { WriteConfirmation::setPrompt({}); }

    static juce::DragAndDropTarget::SourceDetails drag(const juce::String& id, int value)
    {
        return { ProgramDataDragItem(id, value), nullptr, {} };
    }
    static Record record(const unsigned char* p, int n = 62) { return Record(p, p + n); }
    void fill(unsigned char* p, int seed)
    {
        for (int i = 0; i < 30; ++i)
            p[i] = (unsigned char) ((seed + i * 5) & 0x7F);
    }

    bool answer = true;
    juce::StringArray questions;
};
} // namespace

TEST_F(DWQButtons, DropsCopyThirtyBytesFromEverySource)
{
    start(0, true);
    auto* d = dc();
    juce::Component owner;
    RSUserProgButton a1(&owner, 4098, 0, 11, "A1");
    EXPECT_EQ(a1.getUserIndex(), 0);
    fill(d->getRAMProgPtr(1), 7);
    const auto after = record(d->getRAMProgPtr(0) + 30, 32);

    // Cancel writes nothing.
    answer = false;
    const auto before = record(d->getRAMProgPtr(0), 30);
    a1.itemDropped(drag(ProgramDataDragID, 12));
    EXPECT_EQ(questions, juce::StringArray("Write to DWQ R's User Program ?"));
    EXPECT_EQ(record(d->getRAMProgPtr(0), 30), before);

    answer = true;
    a1.itemDropped(drag(ProgramDataDragID, 12)); // user A2
    EXPECT_EQ(record(d->getRAMProgPtr(0), 30), record(d->getRAMProgPtr(1), 30));
    a1.itemDropped(drag(ProgramDataDragID, 3)); // preset 4
    EXPECT_EQ(record(d->getRAMProgPtr(0), 30), record(d->getROMProgPtr(3), 30));
    EXPECT_EQ(record(d->getRAMProgPtr(0) + 30, 32), after); // 30 bytes only

    // A file program while its tab holds a file; none after 51.
    fill(d->getFileProgPtr(0, 2), 40);
    a1.itemDropped(drag(ProgramDataDragID, 21)); // tab 0 has no file yet
    EXPECT_EQ(record(d->getRAMProgPtr(0), 30), record(d->getROMProgPtr(3), 30));
    d->setFileCount(2);
    a1.itemDropped(drag(ProgramDataDragID, 21));
    EXPECT_EQ(record(d->getRAMProgPtr(0), 30), record(d->getFileProgPtr(0, 2), 30));
    a1.itemDropped(drag(ProgramDataDragID, 52));
    EXPECT_EQ(record(d->getRAMProgPtr(0), 30), record(d->getFileProgPtr(0, 2), 30));

    // A file slot of tab 1 (program 34 = tab 1, slot 4): no question, its bit only.
    RSFileProgButton slot(&owner, 4098, 0, 34, ":5");
    EXPECT_EQ(slot.getFileTab(), 1);
    EXPECT_EQ(slot.getIndexInTab(), 4);
    const int asked = questions.size();
    slot.itemDropped(drag(ProgramDataDragID, 12));
    EXPECT_EQ(record(d->getFileProgPtr(1, 4), 30), record(d->getRAMProgPtr(1), 30));
    EXPECT_EQ(d->getModifiedMask(1), 1 << 4);
    EXPECT_EQ(d->getModifiedMask(0), 0);
    EXPECT_EQ(questions.size(), asked);
    slot.itemDropped(drag(CurrentProgramDataDragID, -1));
    EXPECT_EQ(record(d->getFileProgPtr(1, 4), 30), record(d->getEditBuf(), 30));

    // A preset button shows its preset's name.
    RSPresetProgButton preset(&owner, 4098, 2, 2, "P3");
    preset.RenewButtonSetting();
    EXPECT_EQ(preset.getButtonText(), juce::String(juce::CharPointer_ASCII((const char*) d->getROMProgPtr(2)), 16));
}
