// The open tabs across runs: the backup at quit and the restore at start-up,
// command-line files and dropped files.
#include "support/FileTabTestSupport.h"

#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MasterGuiController.h"

using testing_support::FileTabFixture;

namespace
{
struct FileTabPersistence : FileTabFixture
{
    juce::File backupFolder() const { return folder.getChildFile("Preferences/Rig Smith"); }
    PreferencesData& prefs() { return *PreferencesData::getInstance(); }
};
} // namespace

TEST_F(FileTabPersistence, BackupAtQuitIsRestoredAtTheNextStart)
{
    start(1, true);
    ASSERT_EQ(openTab(makeFile("live.set.hmqprog", 11)), 11);
    ASSERT_EQ(openTab(makeFile("two.hmqprog", 2)), 2);
    dc()->setModifiedMask(1, 6);
    view.current = 1;
    const auto stale = backupFolder().getChildFile("TABFile3.hmqprog");
    stale.replaceWithText("old run");

    testing_support::LogCapture log;
    EXPECT_TRUE(actions().executeTabFileBackup());
    EXPECT_TRUE(log.mentions("ActionManager::executeTabFileBackup() preferences.XML update."));
    EXPECT_EQ(backupFolder().getChildFile("TABFile1.hmqprog").getSize(), 714);
    EXPECT_EQ(backupFolder().getChildFile("TABFile2.hmqprog").getSize(), 714);
    EXPECT_EQ(stale.loadFileAsString(), "old run");
    EXPECT_EQ(prefs().getStringValue("HMQ_TAB1FileName", "?"), "live.set.hmqprog");
    EXPECT_EQ(prefs().getStringValue("HMQ_TAB3FileName", "?"), "");
    EXPECT_EQ(prefs().getIntValue("HMQ_TAB2DirtyData", -1), 6);
    EXPECT_EQ(prefs().getIntValue("HMQ_CurrentTabIndex", -1), 1);
    EXPECT_TRUE(backupFolder().getChildFile("PreferencesData.xml").existsAsFile());

    // Next start: the same tabs, names, flags and current tab.
    Host::destroyInstance();
    start(1, true);
    actions().fileShouldOpen_restore(nullptr);
    EXPECT_EQ(dc()->getFileCount(), 2);
    EXPECT_EQ(view.titles, (juce::StringArray { "PRESET", "live.set", "two" }));
    EXPECT_EQ(dc()->getModifiedMask(1), 6);
    EXPECT_EQ(view.current, 1);
    EXPECT_EQ(tabProgramName(1, 1).substring(0, 1), "B");
    EXPECT_TRUE(isInitRecord(dc()->getFileProgPtr(1, 2)));

    // A view that already shows file tabs is left alone.
    actions().fileShouldOpen_restore(nullptr);
    EXPECT_EQ(dc()->getFileCount(), 2);
}

TEST_F(FileTabPersistence, RestoreFollowsTheChainOfNamesAndSkipsMissingCopies)
{
    start(2);
    makeFile("Preferences/Rig Smith/TABFile2.okxprog", 8);
    prefs().setValue("OKX_TAB1FileName", "");
    prefs().setValue("OKX_TAB2FileName", "second.okxprog");
    actions().fileShouldOpen_restore(nullptr);
    EXPECT_EQ(dc()->getFileCount(), 0); // empty first name ends the chain
    EXPECT_EQ(view.current, -1);

    prefs().setValue("OKX_TAB1FileName", "first.okxprog"); // its copy is missing
    prefs().setValue("OKX_TAB1DirtyData", 1);
    prefs().setValue("OKX_TAB2DirtyData", 8);
    actions().fileShouldOpen_restore(nullptr);
    EXPECT_EQ(dc()->getFileCount(), 1);
    EXPECT_EQ(view.titles, juce::StringArray { "second" });
    EXPECT_EQ(dc()->getModifiedMask(0), 8);
    EXPECT_EQ(dc()->getModifiedMask(1), 0);
}

TEST_F(FileTabPersistence, WithoutAViewOrDeviceNothingIsBackedUp)
{
    start(3);
    actions().setFileTabView(nullptr);
    EXPECT_FALSE(actions().executeTabFileBackup());
    EXPECT_FALSE(actions().fileShouldOpen_restore(nullptr));
    EXPECT_FALSE(backupFolder().getChildFile("TABFile1.opwprog").exists());
}

// The router's message 16 reopens the saved tabs, then the command-line
// files, as a model change does but without its pause; the blank-program
// check follows after 300 ms only when no tab is open.
TEST_F(FileTabPersistence, ReloadingTheSavedInstanceReopensTabsAndCommandLineFiles)
{
    const auto reload = [this] {
        host->getMasterGuiController()->showMainWindow();
        auto* message = MyMessage::create(MessageId::ReloadSavedInstance);
        host->getMasterGuiController()->handleMessage(*message);
        delete message;
    };

    start(2);
    makeFile("Preferences/Rig Smith/TABFile1.okxprog", 8);
    prefs().setValue("OKX_TAB1FileName", "kept.okxprog");
    host->commandLineFile(0) = makeFile("given.okxprog", 8);
    {
        testing_support::LogCapture log;
        reload();
        EXPECT_TRUE(log.contains("MainComponent::handleMessage(MSG_RELOAD_SAVEDINSTANCE)"));
        EXPECT_FALSE(log.mentions("sleep("));
    }
    EXPECT_EQ(view.titles, (juce::StringArray { "kept", "given" }));
    EXPECT_FALSE(host->hasCommandLineFile());
    EXPECT_FALSE(actions().isTimerRunning(ActionManager::eREQID_BLANKPROG_CHECK));

    Host::destroyInstance();
    start(2);
    prefs().setValue("OKX_TAB1FileName", "");
    reload();
    EXPECT_EQ(dc()->getFileCount(), 0);
    EXPECT_TRUE(actions().isTimerRunning(ActionManager::eREQID_BLANKPROG_CHECK));
    EXPECT_EQ(actions().getTimerInterval(ActionManager::eREQID_BLANKPROG_CHECK), 300);
    actions().stopAllTimers();
}

TEST_F(FileTabPersistence, CommandLineFilesOpenAsTabsUpToThree)
{
    start(0, true);
    ASSERT_EQ(openTab(makeFile("open.dwqprog", 11)), 11);
    // 62 + 15 bytes: record 0 and half of record 1, which is left out.
    host->commandLineFile(0) = makeFile("half.dwqprog", 1, nullptr, 15);
    host->commandLineFile(1) = makeFile("wrong.okxprog", 8);
    host->commandLineFile(2) = makeFile("good.dwqprog", 2);
    EXPECT_TRUE(actions().fileShouldOpen_commandline(nullptr, false));
    EXPECT_EQ(view.titles, (juce::StringArray { "PRESET", "open", "half", "good" }));
    EXPECT_FALSE(host->hasCommandLineFile());
    EXPECT_EQ(tabProgramName(1, 0).substring(0, 1), "A");
    for (int i = 1; i < 11; ++i)
        EXPECT_TRUE(isInitRecord(dc()->getFileProgPtr(1, i))) << i;
    EXPECT_EQ(prompts->boxes, juce::StringArray { "async File Open Error:|This is not a .dwqprog file.|  OK  " });

    prompts->boxes.clear();
    host->commandLineFile(0) = makeFile("c.dwqprog", 11);
    host->commandLineFile(1) = makeFile("d.dwqprog", 11);
    host->commandLineFile(2) = makeFile("e.dwqprog", 11);
    actions().fileShouldOpen_commandline(nullptr, true);
    EXPECT_EQ(dc()->getFileCount(), 3);
    EXPECT_EQ(prompts->boxes, juce::StringArray { "async File Open Error:|Can't open more than 3 files.|  OK  " });
    EXPECT_FALSE(host->hasCommandLineFile());
}

TEST_F(FileTabPersistence, DroppedFilesOpenUntilAWrongExtension)
{
    start(2);
    const auto a = makeFile("a.okxprog", 8);
    const auto text = makeFile("notes.txt", 8);
    const auto b = makeFile("b.okxprog", 8);
    actions().filesDropped_delegate({ a.getFullPathName(), text.getFullPathName(), b.getFullPathName() }, 0, 0);
    EXPECT_EQ(view.titles, juce::StringArray { "a" });
    EXPECT_EQ(prompts->boxes, juce::StringArray { "File Open Error:|This is not a .okxprog file.|  OK  " });

    prompts->boxes.clear();
    actions().filesDropped_delegate({ makeFile("SONG.OKXPROG", 8).getFullPathName() }, 0, 0);
    EXPECT_EQ(dc()->getFileCount(), 1);

    prompts->boxes.clear();
    ASSERT_EQ(openTab(b), 8);
    actions().filesDropped_delegate({ a.getFullPathName(), b.getFullPathName() }, 0, 0);
    EXPECT_EQ(dc()->getFileCount(), 2);
    EXPECT_EQ(prompts->boxes, juce::StringArray { "File Open Error:|Can't open more than 3 files.|  OK  " });
}
