// Command-line parsing and the second-launch hand-over.
#include "Application/Application.h"
#include "Application/Host.h"
#include "Platform/SecondLaunchHandover.h"
#include "support/TestHelpers.h"
#include "support/ThreadWakes.h"

#include <gtest/gtest.h>

namespace
{
struct CommandLine : ::testing::Test
{
    void SetUp() override
    {
        folder = juce::File::createTempFile("rigsmith-cmdline");
        folder.createDirectory();
    }
    void TearDown() override { folder.deleteRecursively(); }

    juce::File makeFile(const juce::String& name)
    {
        auto f = folder.getChildFile(name);
        f.replaceWithText("x");
        return f;
    }

    juce::File folder;
};
} // namespace

TEST_F(CommandLine, QuotedPathWithBlankIsOneTokenAndOnlyTheFileIsTaken)
{
    auto file = makeFile("my sounds.okxprog");
    const auto tokens = Application::tokenizeCommandLine("a \"" + file.getFullPathName() + "\"");
    ASSERT_EQ(tokens.size(), 2);
    EXPECT_EQ(tokens[0], "a");
    EXPECT_EQ(tokens[1], file.getFullPathName());

    const auto files = Application::selectCommandLineFiles(tokens);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files[0], file);
}

TEST_F(CommandLine, TextBeforeAQuoteJoinsTheQuotedTextAndABlankAfterItMakesAnEmptyToken)
{
    const auto tokens = Application::tokenizeCommandLine("ab\"c d\" e");
    EXPECT_EQ(tokens, juce::StringArray({ "abc d", "", "e" }));
}

TEST_F(CommandLine, TwoBlanksMakeAnEmptyTokenThatUsesUpOneOfTheThreeExamined)
{
    auto f1 = makeFile("first.hmqprog");
    auto f2 = makeFile("second.hmqprog");
    const auto line = f1.getFullPathName() + "  x " + f2.getFullPathName();
    const auto tokens = Application::tokenizeCommandLine(line);
    ASSERT_EQ(tokens.size(), 4);
    EXPECT_TRUE(tokens[1].isEmpty());

    // The fourth token is never examined.
    const auto files = Application::selectCommandLineFiles(tokens);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files[0], f1);
}

TEST_F(CommandLine, DashesShortPathsAndMissingFilesAreIgnored)
{
    auto dashed = makeFile("-dashed.okxprog");
    const auto shortName = folder.getChildFile("a.okx");
    shortName.replaceWithText("x");

    // A relative token of 8 characters or fewer, naming a file that exists.
    const auto previous = juce::File::getCurrentWorkingDirectory();
    folder.setAsCurrentWorkingDirectory();
    EXPECT_TRUE(Application::selectCommandLineFiles({ "a.okx" }).isEmpty());
    previous.setAsCurrentWorkingDirectory();

    EXPECT_TRUE(Application::selectCommandLineFiles({ "-" + dashed.getFullPathName().fromFirstOccurrenceOf("-", false, false) })
                    .isEmpty());
    EXPECT_TRUE(Application::selectCommandLineFiles({ "-dashed.okxprog" }).isEmpty());
    EXPECT_TRUE(Application::selectCommandLineFiles({ folder.getChildFile("missing.okxprog").getFullPathName() }).isEmpty());
    EXPECT_TRUE(Application::selectCommandLineFiles({ "" }).isEmpty());
}

TEST_F(CommandLine, AcceptedFilesFillHostSlotsInOrderAndLaterSlotsKeepTheirValue)
{
    auto* host = Host::createInstance();
    ASSERT_NE(host, nullptr);

    auto f1 = makeFile("one.opwprog");
    auto f2 = makeFile("two.opwprog");
    auto f3 = makeFile("three.opwprog");
    Application::parseCommandLine(f1.getFullPathName() + " " + f2.getFullPathName() + " " + f3.getFullPathName());
    EXPECT_EQ(host->commandLineFile(0), f1);
    EXPECT_EQ(host->commandLineFile(1), f2);
    EXPECT_EQ(host->commandLineFile(2), f3);

    // A second parse starts again at slot 0; slots after its last file stay.
    Application::parseCommandLine("-x " + f3.getFullPathName());
    EXPECT_EQ(host->commandLineFile(0), f3);
    EXPECT_EQ(host->commandLineFile(1), f2);
    EXPECT_EQ(host->commandLineFile(2), f3);

    Host::destroyInstance();
}

TEST(SecondLaunch, TheListenerReceivesTheCommandLineOnTheMessageThread)
{
    const juce::String name = "handover-test-" + juce::String(juce::Random::getSystemRandom().nextInt64());
    juce::StringArray received;
    SecondLaunchHandover primary(name, [&](const juce::String& line) {
        EXPECT_TRUE(juce::MessageManager::getInstance()->isThisTheMessageThread());
        received.add(line);
    });
    ASSERT_TRUE(primary.isPrimary());

    // Two launches in a row: the pipe is reopened after each sender leaves.
    ASSERT_TRUE(SecondLaunchHandover::sendCommandLine(name, "\"/tmp/a b.okxprog\""));
    ASSERT_TRUE(testing_support::pumpUntil([&] { return received.size() == 1; }, testing_support::patienceMs));
    ASSERT_TRUE(testing_support::pumpUntil([&] { return SecondLaunchHandover::sendCommandLine(name, "second", 200); },
                                           testing_support::patienceMs));
    ASSERT_TRUE(testing_support::pumpUntil([&] { return received.size() == 2; }, testing_support::patienceMs));
    EXPECT_EQ(received, juce::StringArray({ "\"/tmp/a b.okxprog\"", "second" }));
}

// The running instance's listener sleeps until a launch writes to it, and
// whole command lines reach the application however the pipe cuts them.
TEST(SecondLaunch, TheListenerSleepsUntilALaunchWritesAndTakesWholeCommandLines)
{
    const juce::String name = "handover-idle-" + juce::String(juce::Random::getSystemRandom().nextInt64());
    const auto before = testing_support::threadIds();
    juce::StringArray received;
    auto primary = std::make_unique<SecondLaunchHandover>(name, [&](const juce::String& line) { received.add(line); });
    ASSERT_TRUE(primary->isPrimary());

    int listeners = 0;
    EXPECT_LE(testing_support::wakesOfNewThreadsWithin(before, 500, &listeners), 1);
    EXPECT_EQ(listeners, 1);

    // A long command line in non-ASCII text still arrives whole.
    const auto longLine = juce::String::repeatedString(juce::String(juce::CharPointer_UTF8("f\xc3\xbcnf ")), 3000);
    ASSERT_TRUE(SecondLaunchHandover::sendCommandLine(name, longLine));
    ASSERT_TRUE(SecondLaunchHandover::sendCommandLine(name, ""));
    ASSERT_TRUE(testing_support::pumpUntil([&] { return received.size() == 2; }));
    ASSERT_EQ(received.size(), 2);
    EXPECT_EQ(received[0], longLine);
    EXPECT_EQ(received[1], juce::String());

    // Gone with its owner: a later launch finds nobody to take its line.
    primary.reset();
    EXPECT_FALSE(juce::File(SecondLaunchHandover::pipePathFor(name)).exists());
    EXPECT_FALSE(SecondLaunchHandover::sendCommandLine(name, "late", 200));
}

// Something else at the pipe's path (a link planted in a shared temporary
// folder) is neither listened on, written to nor removed.
TEST(SecondLaunch, ALinkAtThePipePathIsLeftAlone)
{
    const juce::String name = "handover-link-" + juce::String(juce::Random::getSystemRandom().nextInt64());
    const auto target = juce::File::createTempFile("handover-target");
    ASSERT_TRUE(target.replaceWithText("kept"));
    const juce::File path(SecondLaunchHandover::pipePathFor(name));
    ASSERT_TRUE(target.createSymbolicLink(path, true));
    {
        SecondLaunchHandover primary(name, [](const juce::String&) {});
        EXPECT_TRUE(primary.isPrimary());
        EXPECT_FALSE(primary.isListening());
        EXPECT_FALSE(SecondLaunchHandover::sendCommandLine(name, "x", 200));
    }
    EXPECT_TRUE(path.isSymbolicLink());
    EXPECT_EQ(target.loadFileAsString(), "kept");
    path.deleteFile();
    target.deleteFile();
}

TEST(SecondLaunch, MessagesAreCutFromWhatThePipeDelivers)
{
    const auto first = SecondLaunchHandover::frameMessage("first");
    const juce::String umlaut(juce::CharPointer_UTF8("zweite \xc3\xbc"));
    const auto second = SecondLaunchHandover::frameMessage(umlaut);

    // Bytes before a message are dropped; a message split by the pipe waits
    // for its rest.
    juce::MemoryBlock buffer("xyz", 3);
    buffer.append(first.getData(), first.getSize());
    buffer.append(second.getData(), 6);
    EXPECT_EQ(SecondLaunchHandover::takeMessages(buffer), juce::StringArray({ "first" }));
    EXPECT_EQ(buffer.getSize(), 6u);
    buffer.append(static_cast<const char*>(second.getData()) + 6, second.getSize() - 6);
    EXPECT_EQ(SecondLaunchHandover::takeMessages(buffer), juce::StringArray(umlaut));
    EXPECT_EQ(buffer.getSize(), 0u);

    // A header that claims more than any launch sends is skipped, and the
    // message after it is taken.
    juce::MemoryBlock bogus("RSCL\xff\xff\xff\x7f", 8);
    bogus.append(first.getData(), first.getSize());
    EXPECT_EQ(SecondLaunchHandover::takeMessages(bogus), juce::StringArray({ "first" }));

    // Of trailing bytes, only a possible start of the next message is kept.
    juce::MemoryBlock tail("abcRS", 5);
    EXPECT_TRUE(SecondLaunchHandover::takeMessages(tail).isEmpty());
    EXPECT_EQ(tail.toString(), "RS");
    juce::MemoryBlock junk("abcdefg", 7);
    EXPECT_TRUE(SecondLaunchHandover::takeMessages(junk).isEmpty());
    EXPECT_EQ(junk.getSize(), 0u);
}

TEST(SecondLaunch, NoRunningInstanceMeansNoHandOver)
{
    const juce::String name = "handover-none-" + juce::String(juce::Random::getSystemRandom().nextInt64());
    EXPECT_FALSE(SecondLaunchHandover::sendCommandLine(name, "x", 200));
}
