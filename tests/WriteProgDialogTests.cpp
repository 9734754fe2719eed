// The write-program dialog against a simulated Orva amplifier: every slot
// written byte by byte with exactly one dump, the preselected slot, Cancel,
// Escape and the close-overlays message, and the guarded cases (no slot
// selected, no model, an id outside the list).
#include "Action/ActionManager.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Editor/WriteProgDialogComponent.h"
#include "GUI/Shell/MasterGuiController.h"
#include "support/LibrarianTestSupport.h"

using Bytes = SimulatedAmplifier::Bytes;
using testing_support::bytes;
using testing_support::pumpFor;
using testing_support::pumpUntil;

namespace
{
struct WriteDialog : testing_support::LibrarianFixture
{
    void build()
    {
        host->getMasterGuiController()->windowBounds = { 0, 0, 1024, 768 };
        main.setBounds(0, 0, 1024, 768);
        dialog = std::make_unique<WriteProgDialogComponent>();
        main.addChildComponent(*dialog);
    }
    juce::Component main;
    std::unique_ptr<WriteProgDialogComponent> dialog;
};
} // namespace

TEST_F(WriteDialog, OkWritesTheEditedProgramIntoTheChosenSlotOnce)
{
    SimulatedAmplifier amp(ports, 3);
    auto* dc = bootSynchronised(amp);
    ASSERT_NE(dc, nullptr);
    build();
    EXPECT_EQ(dialog->getBounds(), juce::Rectangle<int>(1024, 768, 350, 152)); // parked outside
    EXPECT_FALSE(dialog->isVisible());

    // The slot of the next write is preselected: user program 7 is "USER B4".
    DataCenter::iUserDestProg = 7;
    dialog->open(3, ActionManager::getWriteProgItemId(3, DataCenter::iUserDestProg));
    EXPECT_EQ(dialog->getSlotList()->getText(), "USER B4");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->getBounds(), juce::Rectangle<int>(337, 308, 350, 152));
    EXPECT_TRUE((juce::Component::getCurrentlyModalComponent() == dialog.get()));
    dialog->cancelButtonPressed();

    for (int slot = 0; slot < 8; ++slot)
    {
        unsigned char record[62];
        for (int i = 0; i < 62; ++i)
            record[i] = (unsigned char) ((slot * 11 + i * 3) & 0x7F);
        dc->UpdateEditBuf(record);
        amp.clearRecords();

        dialog->open(3, 1);
        dialog->getSlotList()->setSelectedItemIndex(slot, juce::dontSendNotification);
        dialog->getOkButton()->triggerClick();
        ASSERT_TRUE(pumpUntil([&] { return amp.getUserProgram(slot) == Bytes(record, record + 62); })) << "slot " << slot;
        pumpFor(30);
        EXPECT_EQ(functionsOf(amp), std::vector<int> { 0x4C }) << "slot " << slot;
        EXPECT_EQ(bytes(dc->getRAMProgPtr(slot), 62), Bytes(record, record + 62));
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_FALSE((juce::Component::getCurrentlyModalComponent() == dialog.get()));
    }
}

TEST_F(WriteDialog, CancelAndTheGuardedCasesWriteNothing)
{
    SimulatedAmplifier amp(ports, 2);
    auto* dc = bootSynchronised(amp);
    ASSERT_NE(dc, nullptr);
    build();
    const auto before = bytes(dc->getRAMProgPtr(0), 62);
    auto expectParked = [&] {
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->getPosition(), juce::Point<int>(1024, 768));
    };

    dialog->open(2, 1);
    dialog->getCancelButton()->triggerClick();
    pumpFor(30);
    expectParked();

    dialog->open(2, 1);
    EXPECT_FALSE(dialog->keyPressed(juce::KeyPress(juce::KeyPress::escapeKey)));
    expectParked();

    dialog->open(2, 1);
    broadcastMessageId(MessageId::CloseOverlays); // the bus's close-overlays message
    ASSERT_TRUE(pumpUntil([&] { return ! dialog->isVisible(); }));
    expectParked();

    // An id outside 1-8 (a DWQ number that is a preset, say) selects no slot,
    // and OK then writes nothing.
    EXPECT_EQ(ActionManager::getWriteProgItemId(0, 10), 0);
    for (const int id : { 0, 9, -3 })
    {
        dialog->open(2, id);
        EXPECT_EQ(dialog->getSlotList()->getSelectedItemIndex(), -1) << id;
        dialog->okButtonPressed();
    }
    // No model: OK only closes.
    dialog->open(-1, 1);
    dialog->okButtonPressed();
    EXPECT_FALSE(dialog->isVisible());

    pumpFor(100);
    EXPECT_EQ(amp.getNumReceived(), 0);
    EXPECT_EQ(bytes(dc->getRAMProgPtr(0), 62), before);
}
