// What the test run itself holds to: a framework assertion fails the test
// that made it, from any thread; the trace of the code under test goes to the
// one logger and not to the console; the tests that work a real window take
// their display one at a time, and make a gesture the display swallowed again;
// a failed check in a fixture's helper ends its test and not the run.
#include "Application/ApplicationLog.h"
#include "WidgetLayoutWriter.h"
#include "support/FileTabTestSupport.h"
#include "support/PrivateDisplay.h"
#include "support/SimulatedAmplifierApp.h"
#include "support/TestHelpers.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

using testing_support::PrivateDisplay;
using testing_support::SimulatedAmplifierApp;

namespace
{
// The process's standard error goes to a file while it lives.
struct StandardErrorCapture
{
    StandardErrorCapture()
    {
        std::fflush(stderr);
        saved = ::dup(2);
        const int fd = ::open(file.getFile().getFullPathName().toRawUTF8(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(fd, 2);
        ::close(fd);
    }
    ~StandardErrorCapture() { restore(); }

    juce::String text()
    {
        restore();
        return file.getFile().loadFileAsString();
    }

private:
    void restore()
    {
        if (saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(saved, 2);
        ::close(saved);
        saved = -1;
    }

    juce::TemporaryFile file;
    int saved = -1;
};

// Tests that exist only in a run started with RIGSMITH_FAILURE_PROBE=1. The
// first one's set-up helper finds no data centre (there is none for an
// unknown model) and the test goes on to use it; the second one passes. The
// SkipProbe ones print another test's skip line (as a test that prints a
// child's output does) and fail or pass, or skip themselves; the ChildOnly
// one is not a test of its own for ctest.
struct HelperFindsNoDataCentre : testing_support::FileTabFixture
{
    void TestBody() override
    {
        start(9);
        EXPECT_EQ(dc()->getFileCount(), 0);
    }
};

struct RunsAfterIt : ::testing::Test
{
    void TestBody() override { SUCCEED(); }
};

struct PrintsAnotherTestsSkip : ::testing::Test
{
    explicit PrintsAnotherTestsSkip(bool failing) : fails(failing) {}
    void TestBody() override
    {
        std::cout << "[  SKIPPED ] ChildOnlyElsewhere.Something (3 ms)" << std::endl;
        if (fails)
            ADD_FAILURE() << "failed after a child's skip";
    }
    const bool fails;
};

struct SkipsItself : ::testing::Test
{
    void TestBody() override { GTEST_SKIP() << "skips itself"; }
};

[[maybe_unused]] const bool failureProbesRegistered = [] {
    if (std::getenv("RIGSMITH_FAILURE_PROBE") == nullptr)
        return false;
    ::testing::RegisterTest("FailureProbe", "HelperFindsNoDataCentre", nullptr, nullptr, __FILE__, __LINE__,
                            []() -> testing_support::FileTabFixture* { return new HelperFindsNoDataCentre(); });
    ::testing::RegisterTest("FailureProbeNext", "RunsAfterIt", nullptr, nullptr, __FILE__, __LINE__,
                            []() -> ::testing::Test* { return new RunsAfterIt(); });
    ::testing::RegisterTest("SkipProbe", "FailsPrintingAnotherTestsSkip", nullptr, nullptr, __FILE__, __LINE__,
                            []() -> ::testing::Test* { return new PrintsAnotherTestsSkip(true); });
    ::testing::RegisterTest("SkipProbe", "PassesPrintingAnotherTestsSkip", nullptr, nullptr, __FILE__, __LINE__,
                            []() -> ::testing::Test* { return new PrintsAnotherTestsSkip(false); });
    ::testing::RegisterTest("SkipProbe", "SkipsItself", nullptr, nullptr, __FILE__, __LINE__,
                            []() -> ::testing::Test* { return new SkipsItself(); });
    ::testing::RegisterTest("ChildOnlySkipProbe", "RunsOnlyInAChild", nullptr, nullptr, __FILE__, __LINE__,
                            []() -> ::testing::Test* { return new RunsAfterIt(); });
    return true;
}();

// Runs a helper script or program for at most 30 s (killed then): its exit
// code, or -1 when it did not end; its output and errors into `output`.
int boundedExitCode(const juce::StringArray& command, juce::String& output, int timeoutMs = 30000)
{
    const auto run = testing_support::runBounded(command, timeoutMs, true);
    output = run.output;
    return run.ended ? run.exitCode : -1;
}
} // namespace

TEST(TestRun, AFrameworkAssertionFailsTheTestThatMadeItFromAnyThread)
{
    // Kept off the console: the run's own check would take it for a real one.
    EXPECT_NONFATAL_FAILURE(
        {
            StandardErrorCapture quiet;
            jassertfalse;
        },
        "JUCE Assertion failure in TestRunTests.cpp");
    EXPECT_NONFATAL_FAILURE_ON_ALL_THREADS(
        {
            StandardErrorCapture quiet;
            std::thread([] { jassert(1 + 1 == 3); }).join();
        },
        "JUCE Assertion failure");

    // Other lines on the same stream pass as they are.
    StandardErrorCapture console;
    std::cerr << "not an assertion" << std::endl;
    EXPECT_EQ(console.text(), "not an assertion\n");
}

TEST(TestRun, TraceGoesToTheOneLoggerAndNotToTheConsole)
{
    auto* log = dynamic_cast<ApplicationLog*>(juce::Logger::getCurrentLogger());
    ASSERT_NE(log, nullptr);
    {
        StandardErrorCapture console;
        juce::Logger::writeToLog("a line of trace from the code under test");
        EXPECT_EQ(console.text(), "");
    }
    EXPECT_TRUE(log->getFile().loadFileAsString().contains("a line of trace from the code under test"));

    // A test that takes the log for a while gives it back.
    {
        testing_support::LogCapture capture;
        juce::Logger::writeToLog("captured");
        EXPECT_TRUE(capture.contains("captured"));
    }
    EXPECT_EQ(juce::Logger::getCurrentLogger(), log);
}

TEST(TestRun, AFailedCheckInAHelperEndsItsTestAndNotTheRun)
{
    const auto self = juce::File::getSpecialLocation(juce::File::currentExecutableFile).getFullPathName();
    const auto run =
        testing_support::runBounded({ "env", "RIGSMITH_FAILURE_PROBE=1", self, "--gtest_filter=FailureProbe*" }, 60000, true);
    const auto& output = run.output;
    ASSERT_TRUE(run.ended) << output;

    EXPECT_TRUE(output.contains("[  FAILED  ] FailureProbe.HelperFindsNoDataCentre")) << output;
    EXPECT_TRUE(output.contains("[       OK ] FailureProbeNext.RunsAfterIt")) << output;
    EXPECT_TRUE(output.contains("1 FAILED TEST")) << output;
    // The check itself is what is reported, once.
    EXPECT_EQ(output.indexOf("Expected: (dc()) != (nullptr)"), output.lastIndexOf("Expected: (dc()) != (nullptr)")) << output;
    EXPECT_FALSE(output.contains("unknown file")) << output;

    // The failed run keeps its trace; this one is not wanted.
    const auto trace =
        output.fromFirstOccurrenceOf("The trace of this run: ", false, false).upToFirstOccurrenceOf("\n", false, false);
    if (trace.isNotEmpty())
        juce::File(trace.trim()).deleteFile();
}

TEST(RealWindowSupport, OnePrivateDisplayAtATime)
{
    if (juce::SystemStats::getEnvironmentVariable("DISPLAY", {}).isEmpty())
        GTEST_SKIP() << "needs an X display";
    auto first = std::make_unique<PrivateDisplay>();
    ASSERT_TRUE(first->gotTheDisplayLock());

    // A second one, here or in another test process, waits for the first.
    PrivateDisplay tooEarly(300);
    EXPECT_FALSE(tooEarly.gotTheDisplayLock());
    EXPECT_FALSE(tooEarly.isReady());

    std::unique_ptr<PrivateDisplay> second;
    std::thread waiting([&second] { second = std::make_unique<PrivateDisplay>(20000); });
    juce::Thread::sleep(300);
    first.reset();
    waiting.join();
    ASSERT_TRUE(second->gotTheDisplayLock());
}

TEST(RealWindowSupport, AGestureTheDisplaySwallowedIsMadeAgainAndOnlyThen)
{
    // The first gesture is lost, the second takes.
    int made = 0, took = 0;
    const auto gesture = [&] {
        if (++made == 2)
            took = 1;
        return true;
    };
    EXPECT_TRUE(SimulatedAmplifierApp::repeatUntilItTakes(
        gesture, [&] { return took > 0; }, 3, 200));
    EXPECT_EQ(made, 2);

    // A slow one is waited for, not made twice.
    made = 0;
    const auto start = juce::Time::getMillisecondCounter();
    std::atomic<bool> shown { false };
    std::thread slow([&shown] {
        juce::Thread::sleep(400);
        shown = true;
    });
    EXPECT_TRUE(SimulatedAmplifierApp::repeatUntilItTakes([&] { return ++made > 0; }, [&] { return shown.load(); }, 3, 2000));
    slow.join();
    EXPECT_EQ(made, 1);
    EXPECT_GE(juce::Time::getMillisecondCounter() - start, 400u);

    // One that never takes is given up after the attempts.
    made = 0;
    EXPECT_FALSE(SimulatedAmplifierApp::repeatUntilItTakes([&] { return ++made > 0; }, [] { return false; }, 3, 50));
    EXPECT_EQ(made, 3);
}

// The application's layout is replaced whole while the fixture reads it:
// every read finds one whole layout, the old or the new, and never no file
// (a pointer line missing for a moment would leave a press uncounted).
TEST(RealWindowSupport, TheLayoutIsReplacedWholeAndNeverMissingWhileItIsRead)
{
    const auto folder = juce::File::createTempFile("layout-replace");
    ASSERT_TRUE(folder.createDirectory());
    const juce::ScopeGuard removeFolder { [folder] { folder.deleteRecursively(); } };
    const auto layout = folder.getChildFile("screen-layout.txt");
    const auto text = [](int presses) {
        return "window\tRig Smith\t0\t0\t1024\t700\t1\t0\t-\npointer\tMenu\t1110\t40\t24\t24\t1121,52\t" + juce::String(presses)
               + "\t0\n";
    };
    ASSERT_TRUE(WidgetLayoutWriter::replaceWhole(layout, text(0)));

    std::atomic<bool> writing { true };
    int reads = 0, missing = 0, partial = 0;
    std::thread reader([&] {
        while (writing)
        {
            ++reads;
            const auto read = layout.loadFileAsString().replace("\r\n", "\n");
            if (read.isEmpty())
                ++missing;
            else if (read != text(read.fromLastOccurrenceOf("1121,52\t", false, false).getIntValue()))
                ++partial;
        }
    });
    for (int i = 1; i <= 3000; ++i)
        if (! WidgetLayoutWriter::replaceWhole(layout, text(i)))
            ADD_FAILURE() << "not replaced at " << i;
    writing = false;
    reader.join();
    EXPECT_GT(reads, 1000);
    EXPECT_EQ(missing, 0) << "of " << reads << " reads";
    EXPECT_EQ(partial, 0) << "of " << reads << " reads";
    EXPECT_EQ(layout.loadFileAsString().replace("\r\n", "\n"), text(3000));
    EXPECT_FALSE(layout.getSiblingFile("screen-layout.txt.new").exists());
}

// The test command's check against raw gestures: in a file whose tests start
// the application, an input-faking program, a raw step of the fixture or a
// fixed sleep is named with its line; comments, the support folder and files
// that start no application are left alone. The project's own tests pass it.
TEST(RealWindowSupport, TheRawGestureCheckNamesEveryRawGestureAndPassesTheTests)
{
    const auto script = juce::File(RIGSMITH_SOURCE_DIR).getChildFile("tools/check-raw-gestures.sh");
    const auto run = [&script](const juce::File& folder, juce::String& output) {
        return boundedExitCode({ "bash", script.getFullPathName(), folder.getFullPathName() }, output);
    };

    const auto tests = juce::File::createTempFile("raw-gesture-check");
    ASSERT_TRUE(tests.createDirectory());
    const juce::ScopeGuard removeFolder { [tests] { tests.deleteRecursively(); } };
    ASSERT_TRUE(tests.getChildFile("RealWindowRawTests.cpp")
                    .replaceWithText("// A comment may name xdotool and app->click(.\n"
                                     "TEST_F(F, T)\n{\n"
                                     // (split, so that this file passes the check)
                                     "    startConn"
                                     "ected(1);\n"
                                     "    app->clickOn"
                                     "Screen({ 1, 2 });\n"
                                     "    runAndRead({ \"xdotool\", \"key\", \"z\" });\n"
                                     "    juce::Thread::sleep(300);\n"
                                     "    app->dr"
                                     "ag({ 1, 2 }, { 3, 4 });\n"
                                     "    clickUntil(ok, gone(\"name\", \"OK\"));\n"
                                     "}\n"));
    ASSERT_TRUE(tests.getChildFile("QuietTests.cpp").replaceWithText("TEST(Q, T) { juce::Thread::sleep(10); }\n"));
    ASSERT_TRUE(tests.getChildFile("support").createDirectory());
    ASSERT_TRUE(tests.getChildFile("support/Gestures.cpp")
                    .replaceWithText("void f() { xdotool({ \"mousedown\", \"1\" }); runAndRead({ \"xdotool\" }); }\n"));

    juce::String output;
    EXPECT_EQ(run(tests, output), 1) << output;
    juce::StringArray named;
    for (auto& line : juce::StringArray::fromLines(output))
        if (line.contains(": raw gesture or fixed sleep:"))
            named.add(line.upToFirstOccurrenceOf(": raw", false, false).fromLastOccurrenceOf("/", false, false));
    EXPECT_EQ(named.joinIntoString(" "),
              "RealWindowRawTests.cpp:5 RealWindowRawTests.cpp:6 RealWindowRawTests.cpp:7 RealWindowRawTests.cpp:8")
        << output;

    EXPECT_EQ(run(juce::File(RIGSMITH_SOURCE_DIR).getChildFile("tests"), output), 0) << output;
}

// The test command as a newcomer meets it: each pass says what it is and how
// many tests it runs as it starts (disabled tests are not counted), and how
// it ended; a run starts without the evidence an earlier failed run kept;
// without sudo it names the very command to run again once the packages are
// in.
TEST(TestCommand, PassesAnnounceThemselvesAndAStopNamesTheCommandToRunAgain)
{
    const auto script = juce::File(RIGSMITH_SOURCE_DIR).getChildFile("tools/dev.sh").getFullPathName();
    const auto run = [](const juce::StringArray& command, juce::String& output) { return boundedExitCode(command, output); };

    // A helper that hangs is ended at its limit.
    juce::String output;
    const auto started = juce::Time::getMillisecondCounter();
    EXPECT_EQ(boundedExitCode({ "sleep", "60" }, output, 300), -1);
    EXPECT_LT(juce::Time::getMillisecondCounter() - started, 10000u);

    // A failed pass names the passes after it, which did not run.
    EXPECT_EQ(run({ "bash", "-c",
                    "source \"$1\"; passes=('A pass' 'Another' 'A third' 'A fourth'); run_pass 'A pass' 12 true;"
                    " run_pass 'Another' 3 false 2>&1 || echo $?",
                    "_", script },
                  output),
              0);
    const auto lines = juce::StringArray::fromLines(output.trim());
    ASSERT_EQ(lines.size(), 7) << output;
    EXPECT_EQ(lines[0], "==> A pass: 12 tests");
    EXPECT_TRUE(lines[1].startsWith("<== A pass: passed in ")) << lines[1];
    EXPECT_EQ(lines[2], "==> Another: 3 tests");
    EXPECT_TRUE(lines[3].startsWith("<== Another: failed in ")) << lines[3];
    EXPECT_EQ(lines[4], "Not run, after this failure: A third");
    EXPECT_EQ(lines[5], "Not run, after this failure: A fourth");
    EXPECT_EQ(lines[6], "1");

    // The counts, from ctest's listing and from the test binary's, of three
    // tests each with one disabled test (and a disabled suite) beside them.
    const auto fakes = juce::File::createTempFile("dev-sh-fakes");
    ASSERT_TRUE(fakes.createDirectory());
    const juce::ScopeGuard removeFakes { [fakes] { fakes.deleteRecursively(); } };
    const auto fake = [&fakes](const char* name, const juce::String& listing) {
        const auto file = fakes.getChildFile(name);
        return file.replaceWithText("#!/bin/bash\ncat <<'END'\n" + listing + "END\n", false, false, "\n")
               && file.setExecutePermission(true);
    };
    ASSERT_TRUE(fake("ctest", "Test project /b\n  Test #1: A.One\n  Test #2: A.Two (Disabled)\n"
                              "  Test #3: Models/B.Three/0  # GetParam() = 3\n  Test #4: C.Four\n\nTotal Tests: 4\n"));
    ASSERT_TRUE(fake("tests", "A.\n  One\n  DISABLED_Two\nDISABLED_C.\n  Four\nModels/B.\n  Three/0  # GetParam() = 3\n"
                              "Models/DISABLED_D.\n  Five/0  # GetParam() = 5\nE.\n  Six\n"));
    EXPECT_EQ(run({ "bash", "-c", "PATH=\"$2:$PATH\"; source \"$1\"; ctest_count /b; gtest_count \"$2/tests\" '*'", "_", script,
                    fakes.getFullPathName() },
                  output),
              0);
    EXPECT_EQ(output, "3\n3\n");

    // A user's machine without sudo and with a package missing: only what
    // the script needs to get that far is on the path.
    const auto bin = juce::File::createTempFile("dev-sh-path");
    ASSERT_TRUE(bin.createDirectory());
    const juce::ScopeGuard removeBin { [bin] { bin.deleteRecursively(); } };
    for (const auto* tool : { "dirname", "nproc", "rm" })
        ASSERT_TRUE(juce::File("/usr/bin").getChildFile(tool).createSymbolicLink(bin.getChildFile(tool), true));
    for (const auto& [name, text] : { std::pair { "id", "echo 1000" }, std::pair { "dpkg", "exit 1" } })
    {
        const auto file = bin.getChildFile(name);
        ASSERT_TRUE(file.replaceWithText(juce::String("#!/bin/bash\n") + text + "\n", false, false, "\n"));
        ASSERT_TRUE(file.setExecutePermission(true));
    }
    // What a failed real-window test kept in an earlier run, in both build
    // folders; the rest of the folders stays.
    const auto build = fakes.getChildFile("build");
    for (const auto& folder : { build, fakes.getChildFile("build-asan") })
        ASSERT_TRUE(folder.getChildFile("real-window-evidence/Old.Failure/gestures.log").create());
    ASSERT_TRUE(build.getChildFile("CMakeCache.txt").create());
    for (const juce::String asked : { "test", "run" })
    {
        EXPECT_EQ(run({ "/usr/bin/env", "PATH=" + bin.getFullPathName(), "RIGSMITH_BUILD_DIR=" + build.getFullPathName(),
                        "/bin/bash", script, asked },
                      output),
                  1);
        EXPECT_TRUE(output.contains("apt-get update && apt-get install -y --no-install-recommends g++ cmake")) << output;
        EXPECT_TRUE(output.contains("then run tools/dev.sh " + asked + " again")) << output;
    }
    EXPECT_FALSE(build.getChildFile("real-window-evidence").exists());
    EXPECT_FALSE(fakes.getChildFile("build-asan/real-window-evidence").exists());
    EXPECT_TRUE(build.getChildFile("CMakeCache.txt").existsAsFile());
}

// How ctest counts a test: skipped only by its own skip, never by another
// test's skip line in its output (a failed test that prints the output of a
// child that skipped has failed); a test that runs only in a child is not a
// test of its own, for ctest nor for the one-process pass. The tests are
// listed for ctest as the build lists them, with the same properties.
TEST(TestCommand, ATestIsSkippedOnlyByItsOwnSkipAndATestRunOnlyInAChildIsNoneOfItsOwn)
{
    const juce::File source(RIGSMITH_SOURCE_DIR);
    const auto self = juce::File::getSpecialLocation(juce::File::currentExecutableFile).getFullPathName();
    const auto folder = juce::File::createTempFile("skip-rule");
    ASSERT_TRUE(folder.createDirectory());
    const juce::ScopeGuard removeFolder { [folder] { folder.deleteRecursively(); } };

    const auto listed = testing_support::runBounded({ "env", "RIGSMITH_FAILURE_PROBE=1", "cmake", "-D", "TEST_EXECUTABLE=" + self,
                                                      "-D", "TEST_WORKING_DIR=" + folder.getFullPathName(), "-D",
                                                      "CTEST_FILE=" + folder.getChildFile("list.cmake").getFullPathName(), "-D",
                                                      "TEST_FILTER=*SkipProbe*", "-P",
                                                      source.getChildFile("tests/ListTests.cmake").getFullPathName() },
                                                    60000, true);
    ASSERT_TRUE(listed.ended && listed.exitCode == 0) << listed.output;
    ASSERT_TRUE(folder.getChildFile("CTestTestfile.cmake")
                    .replaceWithText("include(list.cmake)\ninclude([==["
                                     + source.getChildFile("tests/RealWindowTests.cmake").getFullPathName() + "]==])\n"));
    const auto ctest = testing_support::runBounded(
        { "env", "RIGSMITH_FAILURE_PROBE=1", "ctest", "--test-dir", folder.getFullPathName(), "--output-on-failure" }, 120000,
        true);
    ASSERT_TRUE(ctest.ended) << ctest.output;
    const auto counted = [&ctest](const juce::String& test) -> juce::String {
        for (auto& line : juce::StringArray::fromLines(ctest.output))
            if (line.contains(" Test #") && line.contains(" " + test + " "))
                for (const auto* status : { "Failed", "Passed", "Skipped" })
                    if (line.contains(juce::String(" ") + status + " ") || line.contains(juce::String("***") + status + " "))
                        return status;
        return "not listed";
    };
    EXPECT_EQ(counted("SkipProbe.FailsPrintingAnotherTestsSkip"), "Failed") << ctest.output;
    EXPECT_EQ(counted("SkipProbe.PassesPrintingAnotherTestsSkip"), "Passed") << ctest.output;
    EXPECT_EQ(counted("SkipProbe.SkipsItself"), "Skipped") << ctest.output;
    EXPECT_EQ(counted("ChildOnlySkipProbe.RunsOnlyInAChild"), "not listed") << ctest.output;
    EXPECT_TRUE(ctest.output.contains("out of 3")) << ctest.output;
    // The failed probe's run kept its trace; this one is not wanted.
    const auto trace =
        ctest.output.fromFirstOccurrenceOf("The trace of this run: ", false, false).upToFirstOccurrenceOf("\n", false, false);
    if (trace.isNotEmpty())
        juce::File(trace.trim()).deleteFile();

    // The test command's counts: ctest's list as above, and the one-process
    // pass, which leaves out the tests that run only in a child.
    const auto script = source.getChildFile("tools/dev.sh").getFullPathName();
    const auto counts = testing_support::runBounded(
        { "env", "RIGSMITH_FAILURE_PROBE=1", "bash", "-c",
          "source \"$1\"; ctest_count \"$2\"; \"$3\" --gtest_list_tests --gtest_filter=\"$one_process_filter\"", "_", script,
          folder.getFullPathName(), self },
        60000);
    ASSERT_TRUE(counts.ended) << counts.output;
    EXPECT_TRUE(counts.output.startsWith("3\n")) << counts.output;
    EXPECT_TRUE(counts.output.contains("\nSkipProbe.\n")) << counts.output;
    EXPECT_FALSE(counts.output.contains("\nChildOnly")) << counts.output;
    EXPECT_TRUE(testing_support::runAndRead({ self, "--gtest_list_tests" }).contains("\nChildOnlyOverlayPages.\n"));
}
