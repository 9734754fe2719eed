// Program drops and file-page clicks of the Orva librarian against a
// simulated amplifier, through the real buttons and the write question: what
// reaches the amplifier byte by byte, what lands in the file tabs and their
// modified marks, and the guarded cases (a tab without a file, a program
// dropped on its own slot, numbers past the file programs).
#include "Application/StateHolder.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/ProgramDataDragItem.h"
#include "GUI/Editor/ProgramRecordCopy.h"
#include "GUI/Orva/OKXLibFileComponent.h"
#include "GUI/Orva/OKXUserProgButton.h"
#include "GUI/Orva/OPWFileProgButton.h"
#include "GUI/Orva/OPWLibFileComponent.h"
#include "GUI/Orva/OPWLibFileSubTab.h"
#include "GUI/Orva/OPWUserButtonContainerComponent.h"
#include "GUI/Orva/OPWUserProgButton.h"
#include "ParamTable/CSectionEventPoster.h"
#include "support/LibrarianTestSupport.h"

#include <thread>

using Bytes = SimulatedAmplifier::Bytes;
using testing_support::bytes;
using testing_support::pumpFor;
using testing_support::pumpUntil;

namespace
{
using SourceDetails = juce::DragAndDropTarget::SourceDetails;

SourceDetails drag(const juce::String& id, int value)
{
    return SourceDetails(ProgramDataDragItem(id, value), nullptr, {});
}

struct OrvaDrops : testing_support::LibrarianFixture
{
    // Waits until the amplifier's user program holds the record.
    bool ampHolds(SimulatedAmplifier& amp, int slot, const Bytes& record)
    {
        return pumpUntil([&] { return amp.getUserProgram(slot) == record; });
    }
};
} // namespace

TEST_F(OrvaDrops, DropsOnUserSlotsAskWriteAndSendOnce)
{
    SimulatedAmplifier amp(ports, 3);
    auto* dc = bootSynchronised(amp);
    ASSERT_NE(dc, nullptr);
    openFileTab(*dc, 0, 3);

    juce::Component panel;
    OPWUserProgButton a3(&panel, 4098, 0, 2, "A3");
    const auto fileRecord = bytes(dc->getFileProgPtr(0, 1), 62);
    const auto before = amp.getUserProgram(2);

    // Cancel: nothing written, nothing sent, the preference untouched.
    answers.push_back({ false, true });
    a3.itemDropped(drag(ProgramDataDragID, 9));
    pumpFor(50);
    EXPECT_EQ(questions,
              juce::StringArray("Write to Orva PW's User Program ?|Always pop-up and confirm when writing program|on"));
    EXPECT_EQ(bytes(dc->getRAMProgPtr(2), 62), before);
    EXPECT_EQ(amp.getNumReceived(), 0);
    EXPECT_EQ(preference(), -1);

    // OK, still asking: file program 9 (tab 0, slot 1) goes to A3, one dump.
    answers.push_back({ true, true });
    a3.itemDropped(drag(ProgramDataDragID, 9));
    ASSERT_TRUE(ampHolds(amp, 2, fileRecord));
    EXPECT_EQ(bytes(dc->getRAMProgPtr(2), 62), fileRecord);
    EXPECT_EQ(functionsOf(amp), std::vector<int> { 0x4C });
    EXPECT_EQ(preference(), 1);
    EXPECT_FALSE(a3.isDragOver());

    // OK with the toggle off: stored 0, later drops ask nothing.
    amp.clearRecords();
    answers.push_back({ true, false });
    a3.itemDropped(drag(ProgramDataDragID, 0));
    ASSERT_TRUE(ampHolds(amp, 2, amp.getUserProgram(0)));
    EXPECT_EQ(preference(), 0);
    const int asked = questions.size();
    amp.clearRecords();
    a3.itemDropped(drag(CurrentProgramDataDragID, -1));
    ASSERT_TRUE(ampHolds(amp, 2, bytes(dc->getEditBuf(), 62)));
    EXPECT_EQ(questions.size(), asked);
    EXPECT_EQ(functionsOf(amp), std::vector<int> { 0x4C });

    // A program dropped on its own slot: the record stays, one dump.
    amp.clearRecords();
    const auto own = bytes(dc->getRAMProgPtr(2), 62);
    juce::String id = ProgramDataDragID;
    OPWUserProgButton::afterDropExecute(2, 2, id);
    ASSERT_TRUE(amp.waitForReceived(1));
    pumpFor(50);
    EXPECT_EQ(bytes(dc->getRAMProgPtr(2), 62), own);
    EXPECT_EQ(functionsOf(amp), std::vector<int> { 0x4C });

    // A slot of a tab that holds no file, and numbers past 31: nothing.
    amp.clearRecords();
    a3.itemDropped(drag(ProgramDataDragID, 17)); // tab 1 is not open
    a3.itemDropped(drag(ProgramDataDragID, 32));
    OPWUserProgButton::afterDropExecute(8, 0, id); // no user slot 8
    pumpFor(100);
    EXPECT_EQ(bytes(dc->getRAMProgPtr(2), 62), own);
    EXPECT_EQ(amp.getNumReceived(), 0);
}

TEST_F(OrvaDrops, DropsOnFileSlotsChangeOnlyTheTabAndItsMark)
{
    SimulatedAmplifier amp(ports, 2);
    auto* dc = bootSynchronised(amp);
    ASSERT_NE(dc, nullptr);
    openFileTab(*dc, 0, 1);
    openFileTab(*dc, 1, 40);

    OKXLibFileComponent page0(0, 0, 256, 505, 0), page1(0, 0, 256, 505, 1);
    page0.initialise();
    page1.initialise();
    auto* five = dynamic_cast<OKXFileProgButton*>(page1.getFileButtonComponent(4)); // program 20
    ASSERT_NE(five, nullptr);
    ASSERT_EQ(five->getProgramNumber(), 20);

    // ":3" of file 0 (program 10) onto ":5" of file 1: copied, bit 4 set, nothing sent,
    // and the slot becomes the current program (sent as the current program).
    const auto source = bytes(dc->getFileProgPtr(0, 2), 62);
    five->itemDropped(drag(ProgramDataDragID, 10));
    EXPECT_EQ(bytes(dc->getFileProgPtr(1, 4), 62), source);
    EXPECT_EQ(dc->getModifiedMask(1), 1 << 4);
    EXPECT_EQ(dc->getModifiedMask(0), 0);
    EXPECT_EQ(DataCenter::iCurProgNo, 20);
    EXPECT_TRUE(five->getToggleState());
    ASSERT_TRUE(amp.waitForReceived(1));
    pumpFor(50);
    EXPECT_EQ(functionsOf(amp), std::vector<int> { 0x40 }); // the click's current-program dump, no write
    EXPECT_EQ(amp.getEditBuffer(), source);

    // A user program and the edit buffer land the same way.
    five->itemDropped(drag(ProgramDataDragID, 6));
    EXPECT_EQ(bytes(dc->getFileProgPtr(1, 4), 62), bytes(dc->getRAMProgPtr(6), 62));
    auto* one = dynamic_cast<OKXFileProgButton*>(page0.getFileButtonComponent(0));
    one->itemDropped(drag(CurrentProgramDataDragID, -1));
    EXPECT_EQ(bytes(dc->getFileProgPtr(0, 0), 62), bytes(dc->getEditBuf(), 62));
    EXPECT_EQ(dc->getModifiedMask(0), 1);

    // A slot of a tab without a file is no source; past 31 nothing: no bit set.
    dc->setModifiedMask(1, 0);
    const auto kept = bytes(dc->getFileProgPtr(1, 4), 62);
    five->itemDropped(drag(ProgramDataDragID, 24));
    five->itemDropped(drag(ProgramDataDragID, 40));
    EXPECT_EQ(bytes(dc->getFileProgPtr(1, 4), 62), kept);
    EXPECT_EQ(dc->getModifiedMask(1), 0);

    // A file slot of a tab that holds no file takes nothing.
    OKXLibFileComponent page2(0, 0, 256, 505, 2);
    page2.initialise();
    auto* closed = dynamic_cast<OKXFileProgButton*>(page2.getFileButtonComponent(0));
    closed->itemDropped(drag(ProgramDataDragID, 0));
    EXPECT_EQ(dc->getModifiedMask(2), 0);
}

TEST_F(OrvaDrops, FilePageClicksLoadTheProgramAndFollowTheCurrentOne)
{
    SimulatedAmplifier amp(ports, 3);
    auto* dc = bootSynchronised(amp);
    ASSERT_NE(dc, nullptr);
    openFileTab(*dc, 0, 5);
    openFileTab(*dc, 1, 60);

    OPWLibFileSubTab tab(0, 36, 256, 505, 0);
    auto* page = tab.getFilePage();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(tab.getContentComponent(), page);

    // A page 505 high: buttons 62 high from y 4, as wide as the page.
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(page->getFileButtonComponent(k)->getBounds(), juce::Rectangle<int>(4, 4 + 62 * k, 256, 62));
    EXPECT_EQ(page->getFileButtonComponent(8), nullptr);

    // Renumbered for file 1, ":3" is program 18 of file 1; the click sends it
    // as the current program, with no mode change.
    page->RenewFileIndex(1);
    auto* three = dynamic_cast<OPWFileProgButton*>(page->getFileButtonComponent(2));
    EXPECT_EQ(three->getProgramNumber(), 18);
    EXPECT_EQ((int) three->getProperties()["PROGID"], 10); // the property keeps its number
    three->setToggleState(true, juce::dontSendNotification);
    page->buttonClicked(three);
    EXPECT_EQ(DataCenter::iCurProgNo, 18);
    EXPECT_EQ(host->getStateHolder()->currentProgram, 18);
    EXPECT_EQ(host->getStateHolder()->deselectedProgram, -1);
    EXPECT_EQ(bytes(dc->getEditBuf(), 62), bytes(dc->getFileProgPtr(1, 2), 62));
    ASSERT_TRUE(amp.waitForReceived(1));
    pumpFor(50);
    EXPECT_EQ(functionsOf(amp), std::vector<int> { 0x40 });
    EXPECT_EQ(amp.getEditBuffer(), bytes(dc->getFileProgPtr(1, 2), 62));

    // Only three files exist: index 3 changes nothing.
    page->RenewFileIndex(3);
    EXPECT_EQ(page->getFileIndex(), 1);
    EXPECT_EQ(three->getProgramNumber(), 18);

    // The page follows the current program; a program of another file
    // switches all of its buttons off.
    page->changeListenerCallback(nullptr);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(page->getFileButtonComponent(k)->getToggleState(), k == 2);
    DataCenter::iCurProgNo = 9;
    page->changeListenerCallback(nullptr);
    for (int k = 0; k < 8; ++k)
        EXPECT_FALSE(page->getFileButtonComponent(k)->getToggleState());

    // Switching all off remembers the current program when it is on the page.
    host->getStateHolder()->currentProgram = 20;
    page->SetToggleStateAll(false);
    EXPECT_EQ(host->getStateHolder()->deselectedProgram, 20);

    // A click on a page whose tab holds no file loads nothing.
    amp.clearRecords();
    page->RenewFileIndex(2);
    auto* empty = page->getFileButtonComponent(0);
    empty->setToggleState(true, juce::dontSendNotification);
    page->buttonClicked(empty);
    pumpFor(50);
    EXPECT_EQ(DataCenter::iCurProgNo, 9);
    EXPECT_EQ(amp.getNumReceived(), 0);
}

TEST_F(OrvaDrops, CopiesWaitForTheDataCentresLock)
{
    SimulatedAmplifier amp(ports, 3);
    auto* dc = bootSynchronised(amp);
    ASSERT_NE(dc, nullptr);
    openFileTab(*dc, 0, 9);

    // Another thread reads the buffers for a while: a copy into a user slot
    // (whatever its source) waits until it is done.
    juce::WaitableEvent holding;
    std::thread reader([&] {
        const juce::ScopedReadLock lock(dc->getFileTabLock());
        holding.signal();
        juce::Thread::sleep(150);
    });
    holding.wait();
    const auto start = juce::Time::getMillisecondCounterHiRes();
    EXPECT_TRUE(ProgramRecordCopy::intoUserSlot(*dc, 1, 0, false));
    EXPECT_GE(juce::Time::getMillisecondCounterHiRes() - start, 100.0);
    reader.join();
    EXPECT_EQ(bytes(dc->getRAMProgPtr(1), 62), bytes(dc->getRAMProgPtr(0), 62));
}

TEST_F(OrvaDrops, ButtonsPaintWithoutRecordsAndWithForeignNameBytes)
{
    SimulatedAmplifier amp(ports, 2);
    auto* dc = bootSynchronised(amp);
    ASSERT_NE(dc, nullptr);
    openFileTab(*dc, 0, 0);
    std::memcpy(dc->getRAMProgPtr(3), "\xC3\xA9t\xE9\x09\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8A", 16);
    std::memcpy(dc->getFileProgPtr(0, 0), "\xFF\xFE", 2);

    juce::Component owner;
    OKXUserProgButton user(&owner, 4098, 0, 3, "A4");
    OKXFileProgButton file(&owner, 4098, 0, 8, ":1");
    OKXFileProgButton closedTab(&owner, 4098, 0, 20, ":5");
    juce::Image image(juce::Image::ARGB, 240, 70, true);
    for (auto* button : std::initializer_list<juce::Button*> { &user, &file, &closedTab })
    {
        button->setBounds(0, 0, 240, 70);
        juce::Graphics g(image);
        button->paintEntireComponent(g, false);
    }
    EXPECT_EQ(file.getButtonText(), "");      // a name byte of 0x80 or more: no name
    EXPECT_EQ(closedTab.getButtonText(), ""); // a tab without a file: no record
}

TEST_F(OrvaDrops, TheUserPanelLightsTheCurrentProgramFromTheStart)
{
    SimulatedAmplifier amp(ports, 3);
    ASSERT_NE(bootSynchronised(amp), nullptr);
    for (const int current : { 2, 12, -1 })
    {
        DataCenter::iCurProgNo = current;
        OPWUserButtonContainerComponent panel(768, 195, 0);
        panel.initialise();
        for (int k = 0; k < 8; ++k)
            EXPECT_EQ(panel.getUserButtonComponent(k)->getToggleState(), k == current) << current << " " << k;
        EXPECT_EQ(panel.getUserButtonComponent(8), nullptr);
        EXPECT_EQ(panel.getLoadButton()->getBounds(), juce::Rectangle<int>(693, 7, 25, 25));
        EXPECT_EQ(panel.getSaveButton()->getBounds(), juce::Rectangle<int>(733, 7, 25, 25));
        EXPECT_EQ(panel.getTitle(), "USER PROGRAMS (Synchronized with Orva PW)");
    }

    // A press released without a drag asks the tab column to fold; after a
    // drag it does not.
    struct Tap : juce::MessageListener
    {
        Tap() { CSectionEventPoster::setTargetOverride(this); }
        ~Tap() override { CSectionEventPoster::setTargetOverride(nullptr); }
        void handleMessage(const juce::Message& m) override
        {
            if (auto* my = dynamic_cast<const MyMessage*>(&m))
                if (my->getId() == MessageId::ROMSubTabMove)
                    moves.add(my->getRecord()->a);
        }
        juce::Array<int> moves;
    } tap;
    OPWUserButtonContainerComponent panel(768, 195, 0);
    panel.initialise();
    panel.mouseUpByOtherComponent(panel.getUserButtonComponent(3), true);
    panel.mouseUpByOtherComponent(&panel, false);
    panel.mouseUpByOtherComponent(panel.getUserButtonComponent(3), false);
    pumpFor(50);
    EXPECT_EQ(tap.moves, juce::Array<int>({ 0 }));
}
