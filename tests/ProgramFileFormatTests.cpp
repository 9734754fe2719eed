// The program-file format: tags, record counts and sizes per model, what the
// readers accept, and the refusal of damaged or foreign files.
#include "support/FileTabTestSupport.h"

using testing_support::FileTabFixture;

namespace
{
struct Expected
{
    int model;
    const char* tag;
    int tabSize, userSize, tabPrograms;
    const char* extension;
};
const Expected expected[] = {
    { 0, "DWQPROG1000 ", 362, 272, 11, ".dwqprog" }, { 1, "HMQPROG1000 ", 714, 528, 11, ".hmqprog" },
    { 2, "OKXPROG1000 ", 528, 528, 8, ".okxprog" },  { 3, "OPWPROG1000 ", 528, 528, 8, ".opwprog" },
    { 4, "OKXPROG1000 ", 528, 528, 8, ".okxprog" },  { 5, "OPWPROG1000 ", 528, 528, 8, ".opwprog" },
};

juce::MemoryBlock contents(const juce::File& f)
{
    juce::MemoryBlock m;
    f.loadFileAsData(m);
    return m;
}

bool headerIs(const juce::MemoryBlock& m, const char* tag)
{
    static const char zeros[20] = {};
    return m.getSize() >= 32 && std::memcmp(m.getData(), tag, 12) == 0
           && std::memcmp(static_cast<const char*>(m.getData()) + 12, zeros, 20) == 0;
}

struct ProgramFileFormat : FileTabFixture
{};
} // namespace

TEST_F(ProgramFileFormat, EachModelWritesItsTagAndWholeImagesAndReadsThemBack)
{
    for (const auto& e : expected)
    {
        SCOPED_TRACE(e.model);
        if (host != nullptr)
        {
            actions().setFileTabView(nullptr);
            Host::destroyInstance();
        }
        start(e.model, e.model < 2);
        ASSERT_EQ(format().getExtension(), e.extension);
        EXPECT_EQ(format().getPattern(), juce::String("*") + e.extension);

        ASSERT_TRUE(actions().executeNewFile(model));
        actions().afterNewFileUI(model);
        std::memcpy(dc()->getFileProgPtr(0, 1), "SECOND PROGRAM  ", 16);
        std::memcpy(dc()->getRAMProgPtr(7), "LAST USER PROG  ", 16);

        const auto tabFile = folder.getChildFile(juce::String("tab") + e.extension);
        {
            juce::FileOutputStream out(tabFile);
            ASSERT_TRUE(actions().executeFileSaveSubStream(model, &out, 0));
        }
        const auto tab = contents(tabFile);
        EXPECT_EQ((int) tab.getSize(), e.tabSize);
        EXPECT_TRUE(headerIs(tab, e.tag));

        const auto userFile = folder.getChildFile(juce::String("user") + e.extension);
        {
            juce::FileOutputStream out(userFile);
            ASSERT_TRUE(actions().executeFileSaveUserSubStream(model, &out));
        }
        const auto user = contents(userFile);
        EXPECT_EQ((int) user.getSize(), e.userSize);
        EXPECT_TRUE(headerIs(user, e.tag));

        // Round trip: the saved tab opens as a second tab with every program.
        EXPECT_EQ(openTab(tabFile), e.tabPrograms) << prompts->boxes.joinIntoString("\n");
        EXPECT_EQ(dc()->getFileCount(), 2);
        EXPECT_EQ(dc()->getFileName(1), "tab");
        EXPECT_EQ(
            std::memcmp(dc()->getFileProgPtr(1, 0), dc()->getFileProgPtr(0, 0), (size_t) (e.tabPrograms * format().recordSize)),
            0);
        EXPECT_EQ(tabProgramName(1, 1), "SECOND PROGRAM  ");
    }
}

TEST_F(ProgramFileFormat, ShortFilesAreFilledWithInitialProgramsAndLongOnesCut)
{
    start(1, true);
    // A user-program file (8 records) opened as a tab: 3 initial records follow.
    EXPECT_EQ(openTab(makeFile("user.hmqprog", 8)), 8);
    EXPECT_EQ(tabProgramName(0, 7).substring(0, 1), "H");
    for (int i = 8; i < 11; ++i)
        EXPECT_TRUE(isInitRecord(dc()->getFileProgPtr(0, i)));
    // The 94-byte minimum gives one program.
    EXPECT_EQ(openTab(makeFile("one.hmqprog", 1)), 1);
    EXPECT_TRUE(isInitRecord(dc()->getFileProgPtr(1, 1)));
    // A tab file loaded into the user programs gives its first eight.
    EXPECT_EQ(actions().executeFileLoadUserSub(model, makeFile("tab.hmqprog", 11)), 8);
    EXPECT_EQ(juce::String((const char*) dc()->getRAMProgPtr(7), 1), "H");
}

TEST_F(ProgramFileFormat, AFileCutInsideItsLastRecordOpensItsWholeRecords)
{
    start(0, true);
    testing_support::LogCapture log;
    // 32 + 30 + 15 bytes: record 0 and half of record 1.
    const auto cut = makeFile("cut.dwqprog", 1, nullptr, 15);
    EXPECT_EQ(openTab(cut), 1) << prompts->boxes.joinIntoString("\n");
    EXPECT_TRUE(prompts->boxes.isEmpty());
    EXPECT_EQ(tabProgramName(0, 0).substring(0, 1), "A");
    for (int i = 1; i < 11; ++i)
        EXPECT_TRUE(isInitRecord(dc()->getFileProgPtr(0, i))) << i;
    EXPECT_TRUE(log.mentions(cut.getFullPathName() + ": the last 15 bytes are no whole program and are ignored"));

    // Loaded into the user programs: the seven whole ones arrive.
    EXPECT_EQ(actions().executeFileLoadUserSub(model, makeFile("cut7.dwqprog", 7, nullptr, 29)), 7);
    EXPECT_EQ(juce::String((const char*) dc()->getRAMProgPtr(6), 1), "G");
}

TEST_F(ProgramFileFormat, OrvaTakesEightOfElevenAndIgnoresTheVersionDigits)
{
    start(2);
    EXPECT_EQ(openTab(makeFile("eleven.okxprog", 11)), 8);
    EXPECT_EQ(openTab(makeFile("v2.okxprog", 8, "OKXPROG2000 ")), 8);
    EXPECT_EQ(dc()->getFileCount(), 2);
}

TEST_F(ProgramFileFormat, DamagedAndForeignFilesAreRefusedWholeWithAnAlertAndALogLine)
{
    start(0, true);
    ASSERT_EQ(openTab(makeFile("good.dwqprog", 11)), 11);
    juce::MemoryBlock before(dc()->getFileProgPtr(0, 0), 3 * 11 * 30);
    const auto freeSlotName = dc()->getFileName(1);

    testing_support::LogCapture log;
    struct Case
    {
        juce::File file;
        const char* alert;
    };
    const Case cases[] = {
        { makeFile("long.dwqprog", 11, nullptr, 1), "size does not match" },  // 363 bytes
        { makeFile("short.dwqprog", 0, nullptr, 20), "size does not match" }, // header only and a bit
        { makeFile("hmq.dwqprog", 11, "HMQPROG1000 "), "is not a .dwqprog program file" },
        { makeFile("text.dwqprog", 11, "hello world "), "is not a .dwqprog program file" },
        { folder.getChildFile("missing.dwqprog"), "cannot be read" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file.getFileName());
        prompts->boxes.clear();
        EXPECT_EQ(openTab(c.file), -1);
        ASSERT_EQ(prompts->boxes.size(), 1);
        EXPECT_TRUE(prompts->boxes[0].startsWith("File Open Error:|" + c.file.getFileName()));
        EXPECT_TRUE(prompts->boxes[0].contains(c.alert));
        EXPECT_TRUE(log.mentions("refused " + c.file.getFullPathName()));
        EXPECT_EQ(dc()->getFileCount(), 1);
        EXPECT_EQ(dc()->getFileName(1), freeSlotName);
        EXPECT_EQ(std::memcmp(before.getData(), dc()->getFileProgPtr(0, 0), before.getSize()), 0);
    }

    // The user programs stay as they were too.
    juce::MemoryBlock user(dc()->getRAMProgPtr(0), 8 * 30);
    prompts->boxes.clear();
    EXPECT_EQ(actions().executeFileLoadUserSub(model, makeFile("okx.dwqprog", 8, "OKXPROG1000 ")), -1);
    EXPECT_TRUE(prompts->boxes[0].startsWith("Load USER PROGRAMS Error:|okx.dwqprog is not a .dwqprog"));
    EXPECT_EQ(std::memcmp(user.getData(), dc()->getRAMProgPtr(0), user.getSize()), 0);
}

TEST_F(ProgramFileFormat, CommandsForAnotherModelOrAnOutOfRangeTabDoNothing)
{
    start(0, true);
    ASSERT_TRUE(actions().executeNewFile(0));
    actions().afterNewFileUI(0);
    const auto file = folder.getChildFile("x.okxprog");
    juce::FileOutputStream out(file);
    // The DWQ's 30-byte records never meet a 62-byte format.
    EXPECT_FALSE(actions().executeFileSaveSubStream(2, &out, 0));
    EXPECT_EQ(actions().executeFileOpenSub(2, makeFile("o.okxprog", 8)), -1);
    EXPECT_FALSE(actions().executeNewFile(3));
    EXPECT_FALSE(actions().executeFileSaveSubStream(0, &out, 3));
    EXPECT_FALSE(actions().executeFileSaveSubStream(0, &out, -1));
    EXPECT_FALSE(actions().executeFileClose(0, 3));
    EXPECT_FALSE(actions().executeFileClose(0, -1));
    EXPECT_FALSE(actions().executeFileClose(0, 1)); // not open
    EXPECT_EQ(dc()->getFileCount(), 1);
    EXPECT_FALSE(actions().executeNewFile(6));
}
