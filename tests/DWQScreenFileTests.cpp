// The file commands through the DWQR screen's real tabs, after its fixed
// "Preset" tab: new, open (by the command, a drop on the window and the
// command line), save as, close with and without changes (by the command
// and by a tab's close button), and the backup at quit restored into the
// same tabs at the next start; with screenshots with no file and three.
#include "Action/ActionManager.h"
#include "GUI/DWQ/CDWQEditorLibrarianComponent.h"
#include "GUI/DWQ/DWQEditorComponent.h"
#include "GUI/DWQ/DWQLibFileComponent.h"
#include "GUI/DWQ/DWQTabbedComponent.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/PGNameEditComponent.h"
#include "GUI/Editor/ProgramDataDragItem.h"
#include "GUI/Editor/RSFileProgButton.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "GUI/Widgets/RSCloseButton.h"
#include "support/FileTabTestSupport.h"

using testing_support::pumpFor;
using testing_support::pumpUntil;

namespace
{
struct DWQScreenFiles : testing_support::FileTabFixture
{
    // A Host with the DWQR's environment (no amplifier) and its screen.
    void startScreen() { startScreenOf(0); }

    MainComponent* main() const { return host->getMasterGuiManager()->getMainWindow()->getMainComponent(); }
    CDWQEditorLibrarianComponent* screen() const { return dynamic_cast<CDWQEditorLibrarianComponent*>(main()->getView()); }
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
    juce::MemoryBlock bytes(int t) { return juce::MemoryBlock(dc()->getFileProgPtr(t, 0), 11 * 30); }
    // The program numbers of the buttons of the page in tab t.
    juce::Array<int> numbersOfTab(int t) const
    {
        juce::Array<int> numbers;
        if (auto* page = screen()->getFilePageOfTab(t))
            for (int k = 0; k < 11; ++k)
                numbers.add(dynamic_cast<RSProgSelectButton*>(page->getFileButtonComponent(k))->getProgramNumber());
        return numbers;
    }
    static juce::Array<int> range(int first)
    {
        juce::Array<int> r;
        for (int k = 0; k < 11; ++k)
            r.add(first + k);
        return r;
    }
};
} // namespace

TEST_F(DWQScreenFiles, TheFileCommandsWorkOnTheRealTabs)
{
    startScreen();
    ASSERT_NE(screen(), nullptr);
    EXPECT_EQ(titles().joinIntoString("|"), "Preset");
    EXPECT_FALSE(active(ActionManager::cmdFileSaveFile));
    EXPECT_FALSE(active(ActionManager::cmdFileClose));
    testing_support::saveScreenshot(*main(), "dwq_screen_no_files");

    // New, by the tab bar's button (asynchronous, as a click).
    const int newButtonX = screen()->getNewFileButton()->getX();
    screen()->getNewFileButton()->triggerClick();
    ASSERT_TRUE(pumpUntil([this] { return screen()->getNumTabs() == 2; }));
    EXPECT_EQ(titles().joinIntoString("|"), "Preset|NEW FILE");
    EXPECT_EQ(screen()->getCurrentTabIndex(), 1);
    EXPECT_TRUE(active(ActionManager::cmdFileSaveFile));
    EXPECT_TRUE(active(ActionManager::cmdFileClose));
    EXPECT_GT(screen()->getNewFileButton()->getX(), newButtonX);
    EXPECT_EQ(numbersOfTab(1), range(19));

    // Open by the command.
    prompts->files.push_back(makeFile("gig.dwqprog", 11));
    run(ActionManager::cmdFileOpen);
    EXPECT_EQ(titles().joinIntoString("|"), "Preset|NEW FILE|gig");
    EXPECT_EQ(screen()->getCurrentTabIndex(), 2);
    EXPECT_EQ(numbersOfTab(2), range(30));
    EXPECT_EQ(tabProgramName(1, 2).substring(0, 1), "C");

    // Open by a drop on the window: only DWQR files are wanted.
    const auto dropped = makeFile("live.dwqprog", 11);
    EXPECT_TRUE(screen()->isInterestedInFileDrag({ dropped.getFullPathName().toUpperCase() }));
    EXPECT_FALSE(screen()->isInterestedInFileDrag({ "/tmp/x.hmqprog", dropped.getFullPathName() }));
    screen()->filesDropped({ dropped.getFullPathName() }, 10, 10);
    EXPECT_EQ(titles().joinIntoString("|"), "Preset|NEW FILE|gig|live");
    EXPECT_EQ(dc()->getFileCount(), 3);
    EXPECT_EQ(screen()->getFileSubTabComponent(3), nullptr);
    EXPECT_EQ(screen()->getFileSubTabComponent(-1), nullptr);
    int index = -1;
    EXPECT_EQ(screen()->getFirstFileSubTabComponent(&index), nullptr);
    EXPECT_EQ(index, 3);
    // A page told of a fourth file keeps its programs.
    screen()->getFilePageOfTab(3)->RenewFileIndex(3);
    EXPECT_EQ(numbersOfTab(3), range(41));
    EXPECT_EQ(screen()->getFilePageOfTab(3)->getFileButtonComponent(11), nullptr);
    testing_support::saveScreenshot(*main(), "dwq_screen_three_files");

    // Save As of the current tab ("live"), whose fourth program is the
    // current one: the tab and the name strip take the new name at once.
    auto* live4 = screen()->getFilePageOfTab(3)->getFileButtonComponent(3);
    live4->triggerClick();
    auto* label = screen()->getEditorPage()->getNameEdit()->getProgramLabel();
    ASSERT_TRUE(pumpUntil([label] { return label->getText() == "live:4"; })) << label->getText();
    const auto saved = folder.getChildFile("kept.dwqprog");
    prompts->files.push_back(saved);
    run(ActionManager::cmdFileSaveFile);
    EXPECT_TRUE(saved.existsAsFile());
    EXPECT_EQ(titles().joinIntoString("|"), "Preset|NEW FILE|gig|kept");
    EXPECT_TRUE(pumpUntil([label] { return label->getText() == "kept:4"; })) << label->getText();

    // A change in "gig" (file 1): Close File asks; Cancel keeps the tab.
    auto* target = dynamic_cast<RSProgSelectButton*>(screen()->getFilePageOfTab(2)->getFileButtonComponent(0));
    target->itemDropped(juce::DragAndDropTarget::SourceDetails(ProgramDataDragItem(ProgramDataDragID, 1), nullptr, {}));
    EXPECT_EQ(dc()->getModifiedMask(1), 1);
    screen()->setCurrentTabIndex(2);
    prompts->answers.push_back(false);
    run(ActionManager::cmdFileClose);
    EXPECT_EQ(screen()->getNumTabs(), 4);
    prompts->answers.push_back(true);
    run(ActionManager::cmdFileClose);
    EXPECT_EQ(titles().joinIntoString("|"), "Preset|NEW FILE|kept");
    EXPECT_EQ(screen()->getCurrentTabIndex(), 1);
    // "kept" moved down to file 1 and shows its own programs.
    EXPECT_EQ(numbersOfTab(2), range(30));
    EXPECT_EQ(tabProgramName(1, 0).substring(0, 1), "A");
    EXPECT_EQ(dc()->getModifiedMask(1), 0);

    // A tab's close button closes its file; the preset tab has none.
    auto& bar = screen()->getTabPanel()->getTabbedButtonBar();
    EXPECT_EQ(bar.getTabButton(0)->getExtraComponent(), nullptr);
    auto* close = dynamic_cast<RSCloseButton*>(bar.getTabButton(1)->getExtraComponent());
    ASSERT_NE(close, nullptr);
    close->triggerClick();
    ASSERT_TRUE(pumpUntil([this] { return screen()->getNumTabs() == 2; }));
    EXPECT_EQ(titles().joinIntoString("|"), "Preset|kept");
    EXPECT_EQ(numbersOfTab(1), range(19));

    // Command line: opened into the next tab.
    host->commandLineFile(0) = makeFile("cli.dwqprog", 11);
    EXPECT_TRUE(actions().fileShouldOpen_commandline(main(), false));
    EXPECT_EQ(titles().joinIntoString("|"), "Preset|kept|cli");

    // The backup at quit lands the same files in the same tabs next time.
    dc()->setModifiedMask(1, 0x24);
    screen()->setCurrentTabIndex(1);
    EXPECT_TRUE(actions().executeTabFileBackup());
    const auto kept = bytes(0), cli = bytes(1);
    Host::destroyInstance();
    host = nullptr;
    startScreen();
    EXPECT_EQ(titles().joinIntoString("|"), "Preset|kept|cli");
    EXPECT_EQ(dc()->getFileCount(), 2);
    EXPECT_EQ(dc()->getModifiedMask(1), 0x24);
    EXPECT_EQ(screen()->getCurrentTabIndex(), 1);
    EXPECT_EQ(bytes(0), kept);
    EXPECT_EQ(bytes(1), cli);
}
