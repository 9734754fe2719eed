// The file commands of the Orva screens through their real tab column: new,
// open (by the command, by a drop on the window and from the command line),
// save as, close with and without changes (by the command and by a tab's
// close button), the commands' activity, and the backup at quit restored
// into the same tabs at the next start; with screenshots of the screen with
// no file and with three.
#include "Action/ActionManager.h"
#include "DataCenter/OrvaDataCenter.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/EditorComponent.h"
#include "GUI/Editor/PGNameEditComponent.h"
#include "GUI/Editor/ProgramDataDragItem.h"
#include "GUI/Editor/RSLibFileComponentBase.h"
#include "GUI/Editor/RSProgSelectButton.h"
#include "GUI/Orva/COrvaEditorLibrarianComponent.h"
#include "GUI/Orva/OrvaTabbedComponent.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "GUI/Widgets/RSCloseButton.h"
#include "ParamTable/COrvaUserEditSectionBase.h"
#include "support/FileTabTestSupport.h"

using testing_support::pumpFor;
using testing_support::pumpUntil;

namespace
{
struct OrvaScreenFiles : testing_support::FileTabFixture,
                         ::testing::WithParamInterface<int>
{
    // A Host with the model's environment (no amplifier) and its screen.
    void startScreen(bool keepEmpty) { startScreenOf(GetParam(), keepEmpty); }

    MainComponent* main() const { return host->getMasterGuiManager()->getMainWindow()->getMainComponent(); }
    COrvaEditorLibrarianComponent* screen() const { return dynamic_cast<COrvaEditorLibrarianComponent*>(main()->getView()); }
    juce::StringArray titles() const
    {
        juce::StringArray t;
        for (int i = 0; i < screen()->getNumTabs(); ++i)
            t.add(screen()->getTabTitle(i));
        return t;
    }
    bool active(int command)
    {
        juce::ApplicationCommandInfo info(command);
        actions().getCommandInfo(command, info);
        return (info.flags & juce::ApplicationCommandInfo::isDisabled) == 0;
    }
    void run(int command)
    {
        actions().invokeDirectly(command, false);
        pumpFor(20);
    }
    juce::String ext() const { return format().getExtension(); }
    // The eight records of file tab t.
    juce::MemoryBlock bytes(int t) { return juce::MemoryBlock(dc()->getFileProgPtr(t, 0), 8 * 62); }
    // The program numbers of the buttons of the page in tab t.
    juce::Array<int> numbersOfTab(int t) const
    {
        juce::Array<int> numbers;
        if (auto* page = screen()->getFilePageOfTab(t))
            for (int k = 0; k < 8; ++k)
                numbers.add(dynamic_cast<RSProgSelectButton*>(page->getFileButtonComponent(k))->getProgramNumber());
        return numbers;
    }
};
} // namespace

TEST_P(OrvaScreenFiles, TheFileCommandsWorkOnTheRealTabs)
{
    startScreen(true);
    ASSERT_NE(screen(), nullptr);
    const juce::String prefix = model == 3 ? "orvapw" : "orvakx";
    EXPECT_EQ(screen()->getNumTabs(), 0);
    EXPECT_EQ(screen()->getNewFileButton()->getBounds(), juce::Rectangle<int>(5, 12, 20, 20));
    EXPECT_FALSE(active(ActionManager::cmdFileSaveFile));
    EXPECT_FALSE(active(ActionManager::cmdFileClose));
    testing_support::saveScreenshot(*main(), prefix + "_screen_no_files");

    // New, by the tab bar's button (asynchronous, as a click).
    screen()->getNewFileButton()->triggerClick();
    ASSERT_TRUE(pumpUntil([this] { return screen()->getNumTabs() == 1; }));
    EXPECT_EQ(titles().joinIntoString("|"), "NEW FILE");
    EXPECT_TRUE(active(ActionManager::cmdFileSaveFile));
    EXPECT_FALSE(active(ActionManager::cmdFileClose)); // the last tab stays
    EXPECT_GT(screen()->getNewFileButton()->getX(), 5);

    // Open by the header's open button.
    EXPECT_EQ(screen()->getOpenButton()->getBounds(), juce::Rectangle<int>(10, 7, 25, 25));
    EXPECT_EQ(screen()->getSaveButton()->getBounds(), juce::Rectangle<int>(50, 7, 25, 25));
    prompts->files.push_back(makeFile("gig" + ext(), 8));
    screen()->getOpenButton()->triggerClick();
    ASSERT_TRUE(pumpUntil([this] { return screen()->getNumTabs() == 2; }));
    EXPECT_EQ(titles().joinIntoString("|"), "NEW FILE|gig");
    EXPECT_EQ(screen()->getCurrentTabIndex(), 1);
    EXPECT_EQ(numbersOfTab(1), juce::Array<int>({ 16, 17, 18, 19, 20, 21, 22, 23 }));
    EXPECT_EQ(tabProgramName(1, 2).substring(0, 1), "C");
    for (int k = 0; k < 8; ++k) // no program of the new file is current
        EXPECT_FALSE(screen()->getFilePageOfTab(1)->getFileButtonComponent(k)->getToggleState());
    EXPECT_TRUE(active(ActionManager::cmdFileClose));

    // Open by a drop on the window: only the model's files are wanted.
    const auto dropped = makeFile("live" + ext(), 8);
    EXPECT_TRUE(screen()->isInterestedInFileDrag({ dropped.getFullPathName().toUpperCase() }));
    EXPECT_FALSE(screen()->isInterestedInFileDrag({ "/tmp/x" + juce::String(model == 3 ? ".okxprog" : ".opwprog") }));
    screen()->filesDropped({ dropped.getFullPathName() }, 10, 10);
    EXPECT_EQ(titles().joinIntoString("|"), "NEW FILE|gig|live");
    EXPECT_EQ(dc()->getFileCount(), 3);
    EXPECT_EQ(screen()->getFileSubTabComponent(3), nullptr);
    int index = -1;
    EXPECT_EQ(screen()->getFirstFileSubTabComponent(&index), nullptr);
    EXPECT_EQ(index, 3);

    // A fourth file is refused.
    prompts->files.push_back(makeFile("more" + ext(), 8));
    run(ActionManager::cmdFileOpen);
    EXPECT_EQ(screen()->getNumTabs(), 3);
    EXPECT_TRUE(prompts->boxes.joinIntoString("\n").contains("Can't open more than 3 files."));
    EXPECT_EQ(prompts->files.size(), 1u); // refused before its dialog
    prompts->files.clear();
    testing_support::saveScreenshot(*main(), prefix + "_screen_three_files");

    // Save As of the current tab ("live") by the header's save button, with
    // a program of "live" current: the tab and the name strip take the new
    // name at once.
    screen()->getFilePageOfTab(2)->getFileButtonComponent(3)->triggerClick();
    auto* label = screen()->getEditorComponent()->getNameEdit()->getProgramLabel();
    ASSERT_TRUE(pumpUntil([label] { return label->getText() == "live"; })) << label->getText();
    const auto saved = folder.getChildFile("kept" + ext());
    prompts->files.push_back(saved);
    screen()->getSaveButton()->triggerClick();
    ASSERT_TRUE(pumpUntil([&] { return saved.existsAsFile(); }));
    pumpFor(20);
    EXPECT_EQ(titles().joinIntoString("|"), "NEW FILE|gig|kept");
    EXPECT_TRUE(pumpUntil([label] { return label->getText() == "kept"; })) << label->getText();

    // A change in "gig" (tab 1): Close File asks; Cancel keeps the tab.
    auto* target = dynamic_cast<RSProgSelectButton*>(screen()->getFilePageOfTab(1)->getFileButtonComponent(0));
    target->itemDropped(juce::DragAndDropTarget::SourceDetails(ProgramDataDragItem(ProgramDataDragID, 1), nullptr, {}));
    EXPECT_EQ(dc()->getModifiedMask(1), 1);
    screen()->setCurrentTabIndex(1);
    prompts->answers.push_back(false);
    run(ActionManager::cmdFileClose);
    EXPECT_EQ(screen()->getNumTabs(), 3);
    prompts->answers.push_back(true);
    run(ActionManager::cmdFileClose);
    EXPECT_EQ(titles().joinIntoString("|"), "NEW FILE|kept");
    EXPECT_EQ(screen()->getCurrentTabIndex(), 0);
    // "kept" moved down to file 1 and shows its own programs.
    EXPECT_EQ(numbersOfTab(1), juce::Array<int>({ 16, 17, 18, 19, 20, 21, 22, 23 }));
    EXPECT_EQ(tabProgramName(1, 0).substring(0, 1), "A");
    EXPECT_EQ(dc()->getModifiedMask(1), 0);

    // A tab's close button closes its file; the last one cannot be closed so
    // and is drawn disabled, the first one of several works.
    const auto firstCloseEnabled = [this] {
        auto* tab = screen()->getTabPanel()->getTabbedButtonBar().getTabButton(0);
        auto* close = tab != nullptr ? dynamic_cast<RSCloseButton*>(tab->getExtraComponent()) : nullptr;
        return close != nullptr && close->isEnabled();
    };
    auto& bar = screen()->getTabPanel()->getTabbedButtonBar();
    auto* close = dynamic_cast<RSCloseButton*>(bar.getTabButton(0)->getExtraComponent());
    ASSERT_NE(close, nullptr);
    EXPECT_TRUE(firstCloseEnabled());
    close->triggerClick();
    ASSERT_TRUE(pumpUntil([this] { return screen()->getNumTabs() == 1; }));
    EXPECT_EQ(titles().joinIntoString("|"), "kept");
    EXPECT_EQ(numbersOfTab(0), juce::Array<int>({ 8, 9, 10, 11, 12, 13, 14, 15 }));
    EXPECT_FALSE(firstCloseEnabled());
    dynamic_cast<RSCloseButton*>(bar.getTabButton(0)->getExtraComponent())->triggerClick();
    pumpFor(50);
    EXPECT_EQ(screen()->getNumTabs(), 1);

    // Command line: opened into the next tab.
    host->commandLineFile(0) = makeFile("cli" + ext(), 8);
    EXPECT_TRUE(actions().fileShouldOpen_commandline(main(), false));
    EXPECT_EQ(titles().joinIntoString("|"), "kept|cli");
    EXPECT_TRUE(firstCloseEnabled());

    // The backup at quit lands the same files in the same tabs next time.
    dc()->setModifiedMask(1, 0x24);
    screen()->setCurrentTabIndex(0);
    EXPECT_TRUE(actions().executeTabFileBackup());
    const auto kept = bytes(0), cli = bytes(1);
    Host::destroyInstance();
    host = nullptr;
    startScreen(true);
    EXPECT_EQ(titles().joinIntoString("|"), "kept|cli");
    EXPECT_TRUE(firstCloseEnabled());
    EXPECT_EQ(dc()->getFileCount(), 2);
    EXPECT_EQ(dc()->getModifiedMask(1), 0x24);
    EXPECT_EQ(screen()->getCurrentTabIndex(), 0);
    EXPECT_EQ(bytes(0), kept);
    EXPECT_EQ(bytes(1), cli);
}

INSTANTIATE_TEST_SUITE_P(Models, OrvaScreenFiles, ::testing::Values(3, 2));

TEST_P(OrvaScreenFiles, TheTabColumnFoldsAsideWhereTheDisplayIsNarrow)
{
    startScreen(false);
    ASSERT_TRUE(pumpUntil([this] { return screen()->getNumTabs() == 1; })); // the blank tab
    auto* panel = screen()->getTabPanel();
    auto* orva = dynamic_cast<OrvaDataCenter*>(dc());
    ASSERT_NE(orva, nullptr);

    // Wide enough for the whole screen: folding moves nothing.
    EXPECT_EQ(screen()->getFoldedRectangle(), screen()->getHomeRectangle());

    // 900 pixels: 132 of the column stay in view when folded.
    host->getMasterGuiController()->displayUserArea = { 0, 0, 900, 700 };
    EXPECT_EQ(screen()->getFoldedRectangle(), juce::Rectangle<int>(-124, 36, 256, 537));
    auto settled = [panel](int x) { return pumpUntil([panel, x] { return panel->getX() == x; }); };

    // The section's slide requests, through the router.
    orva->getUserEditSection().FireOnROMSubTabMove(false);
    EXPECT_TRUE(settled(-124));
    EXPECT_TRUE(screen()->isCollapsed());
    orva->getUserEditSection().FireOnROMSubTabMove(true);
    EXPECT_TRUE(settled(0));
    EXPECT_FALSE(screen()->isCollapsed());

    // A click on the current tab toggles the fold; a click that switches
    // tabs while the column is at home leaves it there.
    auto& bar = panel->getTabbedButtonBar();
    bar.getTabButton(0)->triggerClick();
    EXPECT_TRUE(settled(-124));
    bar.getTabButton(0)->triggerClick();
    EXPECT_TRUE(settled(0));
    screen()->getNewFileButton()->triggerClick();
    ASSERT_TRUE(pumpUntil([this] { return screen()->getNumTabs() == 2; }));
    bar.getTabButton(0)->triggerClick();
    pumpFor(600);
    EXPECT_EQ(panel->getX(), 0);
    EXPECT_EQ(screen()->getCurrentTabIndex(), 0);
}
