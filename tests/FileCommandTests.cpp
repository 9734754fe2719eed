// The File commands: new, open, save as, close, and the user programs from
// and to a file, with their dialogs, alerts and modified masks.
#include "support/FileTabTestSupport.h"

using testing_support::FileTabFixture;

namespace
{
struct FileCommands : FileTabFixture
{
    bool newTab()
    {
        if (! actions().executeNewFile(model))
            return false;
        actions().afterNewFileUI(model);
        return true;
    }
};
} // namespace

TEST_F(FileCommands, NewFilesHaveInitialProgramsAndAtMostThreeOpen)
{
    start(2);
    ASSERT_TRUE(newTab());
    EXPECT_EQ(dc()->getFileName(0), "NEW FILE");
    EXPECT_EQ(tabProgramName(0, 0), "NO NAME 1       ");
    EXPECT_EQ(tabProgramName(0, 7), "NO NAME 8       ");
    EXPECT_EQ(view.titles, juce::StringArray { "NEW FILE" });
    ASSERT_TRUE(newTab());
    ASSERT_TRUE(newTab());
    EXPECT_FALSE(actions().executeNewFile(model));
    EXPECT_EQ(prompts->boxes, juce::StringArray { "New File Error:|Can't open more than 3 files.|  OK  " });
    EXPECT_EQ(openTab(makeFile("a.okxprog", 8)), -1);
    EXPECT_EQ(prompts->boxes[1], "File Open Error:|Can't open more than 3 files.|  OK  ");
    EXPECT_EQ(dc()->getFileCount(), 3);

    Host::destroyInstance();
    start(0, true);
    ASSERT_TRUE(newTab());
    for (int i = 0; i < 11; ++i)
        EXPECT_TRUE(isInitRecord(dc()->getFileProgPtr(0, i)));
    EXPECT_EQ(view.titles, (juce::StringArray { "PRESET", "NEW FILE" }));
    EXPECT_EQ(view.current, 1);
}

TEST_F(FileCommands, OpenShowsTheModelsDialogAndACancelOpensNothing)
{
    start(3);
    EXPECT_EQ(actions().executeFileOpen(model), -1);
    EXPECT_EQ(prompts->dialogs, juce::StringArray { "Open opwprog file...|*.opwprog" });
    EXPECT_EQ(dc()->getFileCount(), 0);
    EXPECT_EQ(view.focusCount, 1);
    // Without a view the tab is read but not counted as open.
    actions().setFileTabView(nullptr);
    EXPECT_EQ(openTab(makeFile("b.opwprog", 8)), 8);
    EXPECT_EQ(dc()->getFileCount(), 0);
}

TEST_F(FileCommands, SaveAsChecksTheNameAppendsTheExtensionAndClearsTheMask)
{
    start(3);
    ASSERT_TRUE(newTab());
    dc()->setModifiedMask(0, 0x5);

    prompts->files = { folder.getChildFile(".hidden.opwprog"), folder.getChildFile("a:b.opwprog") };
    EXPECT_FALSE(actions().executeFileSaveFile(model));
    EXPECT_FALSE(actions().executeFileSaveFile(model));
    EXPECT_EQ(prompts->boxes, juce::StringArray::fromLines("Save Current File Programs Error:|Invalid file name.|  OK  \n"
                                                           "Save Current File Programs Error:|Invalid file name.|  OK  "));
    EXPECT_EQ(dc()->getModifiedMask(0), 0x5);

    prompts->files = { folder.getChildFile("preset") };
    ASSERT_TRUE(actions().executeFileSaveFile(model));
    actions().afterFileSaveUI(model);
    EXPECT_EQ(folder.getChildFile("preset.opwprog").getSize(), 528);
    EXPECT_EQ(dc()->getModifiedMask(0), 0);
    EXPECT_EQ(view.titles[0], "preset");
    EXPECT_EQ(prompts->dialogs[2], "Save Current File Programs...|*.opwprog");
    juce::Array<juce::File> leftovers;
    folder.findChildFiles(leftovers, juce::File::findFiles, false, "*.tmp");
    EXPECT_TRUE(leftovers.isEmpty());

    // The appended name exists: "No" writes nothing.
    dc()->setModifiedMask(0, 1);
    const auto existing = makeFile("song.txt.opwprog", 1);
    prompts->boxes.clear();
    prompts->files = { folder.getChildFile("song.txt") };
    prompts->answers = { false };
    EXPECT_FALSE(actions().executeFileSaveFile(model));
    EXPECT_EQ(
        prompts->boxes,
        juce::StringArray { "Confirm Save As:|song.txt.opwprog already exists.\n\rDo you want to replace it?| Yes |  No  " });
    EXPECT_EQ(existing.getSize(), 94);
    EXPECT_EQ(dc()->getModifiedMask(0), 1);
}

TEST_F(FileCommands, AFailedWriteKeepsTheOldFileAndTheTabModified)
{
    start(2);
    ASSERT_TRUE(newTab());
    dc()->setModifiedMask(0, 2);
    const auto locked = folder.getChildFile("locked");
    locked.createDirectory();
    // A folder stands where the file would go: the move over it fails.
    const auto target = locked.getChildFile("x.okxprog");
    target.createDirectory();
    target.getChildFile("keep").create();
    prompts->files = { target };
    EXPECT_FALSE(actions().executeFileSaveFile(model));
    EXPECT_TRUE(target.isDirectory());
    EXPECT_EQ(dc()->getModifiedMask(0), 2);
    EXPECT_EQ(dc()->getFileName(0), "NEW FILE");
    EXPECT_TRUE(prompts->boxes[0].startsWith("File Save Error:"));
}

TEST_F(FileCommands, ClosingAModifiedTabAsksAndShiftsTheLaterTabsAndMasks)
{
    start(1, true);
    ASSERT_EQ(openTab(makeFile("one.hmqprog", 11)), 11);
    ASSERT_EQ(openTab(makeFile("two.hmqprog", 2)), 2);
    ASSERT_EQ(openTab(makeFile("three.hmqprog", 3)), 3);
    dc()->setModifiedMask(0, 1);
    dc()->setModifiedMask(1, 2);
    dc()->setModifiedMask(2, 4);

    prompts->answers = { false };
    EXPECT_FALSE(actions().executeFileClose(model, 0));
    EXPECT_EQ(dc()->getFileCount(), 3);
    EXPECT_EQ(prompts->boxes, juce::StringArray { "File is modified. |Force close file.\nAre you sure?| OK |Cancel" });

    prompts->answers = { true };
    ASSERT_TRUE(actions().executeFileClose(model, 0));
    actions().afterFileCloseUI(model, 1);
    EXPECT_EQ(dc()->getFileCount(), 2);
    EXPECT_EQ(dc()->getFileName(0), "two");
    EXPECT_EQ(dc()->getFileName(1), "three");
    EXPECT_EQ(dc()->getModifiedMask(0), 2);
    EXPECT_EQ(dc()->getModifiedMask(1), 4);
    EXPECT_EQ(dc()->getModifiedMask(2), 0);
    EXPECT_EQ(view.titles, (juce::StringArray { "PRESET", "two", "three" }));

    // An unmodified tab closes without a question.
    prompts->boxes.clear();
    dc()->setModifiedMask(1, 0);
    EXPECT_TRUE(actions().executeFileClose(model, 1));
    EXPECT_TRUE(prompts->boxes.isEmpty());
}

TEST_F(FileCommands, UserProgramsLoadFromAndSaveToAFile)
{
    start(0, true);
    prompts->files = { makeFile("bank.dwqprog", 8) };
    EXPECT_EQ(actions().executeFileLoadUser(model), 8);
    actions().afterFileLoadUserUI(model);
    EXPECT_EQ(prompts->dialogs[0], "Load USER PROGRAMS From...|*.dwqprog");
    EXPECT_EQ(juce::String((const char*) dc()->getRAMProgPtr(7), 1), "H");
    EXPECT_EQ(view.repaintCount, 1);

    // A short file: the missing user programs become initial ones.
    EXPECT_EQ(actions().executeFileLoadUserSub(model, makeFile("three.dwqprog", 3)), 3);
    EXPECT_TRUE(isInitRecord(dc()->getRAMProgPtr(3)));

    // Replacing a 362-byte tab file leaves exactly the 272-byte image.
    const auto old = makeFile("mine.dwqprog", 11);
    prompts->files = { old };
    actions().executeFileSaveUser(model);
    EXPECT_EQ(prompts->dialogs[1], "Save USER PROGRAMS As...|*.dwqprog");
    EXPECT_EQ(old.getSize(), 272);
    EXPECT_EQ(actions().executeFileLoadUserSub(model, old), 8);

    prompts->files = { folder.getChildFile("a*b") };
    actions().executeFileSaveUser(model);
    EXPECT_EQ(prompts->boxes.strings.getLast(), "Save USER PROGRAMS Error:|Invalid file name.|  OK  ");
}
