// The application started as a user starts it, with a simulated amplifier
// attached: the main window comes up, the amplifier is found and the
// connection's requests reach it.
#include "support/PrivateDisplay.h"
#include "support/RealWindowFixture.h"
#include "support/SimulatedAmplifierApp.h"

#include <gtest/gtest.h>

#include <algorithm>

using testing_support::AppProcess;
using testing_support::SimulatedAmplifierApp;

namespace
{
struct AppWithAmplifier : ::testing::TestWithParam<int>
{
    void SetUp() override
    {
        if (! AppProcess::ensureWindowManager())
            GTEST_SKIP() << "needs an X display with wmctrl and openbox";
        if (! SimulatedAmplifierApp::haveXdotool())
            GTEST_SKIP() << "needs xdotool";
        home = juce::File::createTempFile("rigsmith-simamp");
        home.createDirectory();
    }

    void TearDown() override
    {
        AppProcess::keepEvidenceOfFailure(home);
        home.deleteRecursively();
    }

    juce::File home;
};
} // namespace

TEST_P(AppWithAmplifier, StartsFindsTheAmplifierAndSynchronises)
{
    SimulatedAmplifierApp app(home, GetParam());
    ASSERT_TRUE(app.start());
    constexpr int waitMs = SimulatedAmplifierApp::patienceMs;
    ASSERT_NE(app.waitForMainWindow(waitMs), 0) << app.getProcess().getOutput();

    // The scan's identity request, then the synchronisation's mode request.
    const int identity = app.waitForReceived("F0 7E 7F 06 01 F7", waitMs);
    ASSERT_GE(identity, 0) << app.getReceived().joinIntoString("\n");
    const int mode = app.waitForReceived(app.editorFrame(0x12) + " F7", waitMs, identity + 1);
    ASSERT_GT(mode, identity) << app.getReceived().joinIntoString("\n");
    // The current program is read once the user programs are in.
    EXPECT_GT(app.waitForReceived(app.editorFrame(0x10) + " F7", waitMs, mode + 1), mode)
        << app.getReceived().joinIntoString("\n");

    SimulatedAmplifierApp::waitUntil([&] { return app.getWindowTitle().startsWith("Rig Smith [connected]"); }, waitMs, 100);
    EXPECT_TRUE(app.getWindowTitle().startsWith("Rig Smith [connected]")) << app.getWindowTitle();
    EXPECT_EQ(app.getWindowBounds().getWidth(), 1024);

    // Every line is one whole message: SysEx from F0 to F7.
    for (auto& line : app.getReceived())
        if (line.startsWith("F0"))
        {
            EXPECT_TRUE(line.endsWith("F7")) << line;
        }

    EXPECT_EQ(app.closeAndWaitForExit(waitMs), 0) << app.getProcess().getOutput();
    EXPECT_FALSE(app.getProcess().getOutput().contains("Leaked objects detected")) << app.getProcess().getOutput();
}

// Closed while the synchronisation runs and the amplifier keeps sending a
// knob's changes: what arrives during the shutdown wants the message thread,
// whose loop has already stopped, and must not keep the application alive.
TEST_F(AppWithAmplifier, QuitsWhileTheSynchronisationRunsAndTheAmplifierTalks)
{
    SimulatedAmplifierApp app(home, 3);
    app.setExtraArguments({ "--chatter", "503" });
    ASSERT_TRUE(app.start());
    constexpr int waitMs = SimulatedAmplifierApp::patienceMs;
    ASSERT_NE(app.waitForMainWindow(waitMs), 0) << app.getProcess().getOutput();
    // The first of the user programs asked for: the synchronisation is under way.
    ASSERT_GE(app.waitForReceived(app.editorFrame(0x1C), waitMs), 0) << app.getReceived().joinIntoString("\n");

    // Ends with the window; a close the busy display was slow to deliver is
    // asked again, and the whole of it stays far below the patience.
    EXPECT_EQ(app.closeAndWaitForExit(20000), 0) << app.getProcess().getApplicationLog();
    EXPECT_FALSE(app.getProcess().isRunning());
}

// One wired Orva PW, one wireless Orva PW and the HMQ.
INSTANTIATE_TEST_SUITE_P(Models, AppWithAmplifier, ::testing::Values(3, 5, 1), [](const ::testing::TestParamInfo<int>& info) {
    return juce::String(info.param == 1 ? "HMQ" : info.param == 3 ? "OrvaPW" : "OrvaPWWireless").toStdString();
});

namespace
{
// The suite's name starts like the other real-window tests', so that they
// take the display one at a time.
struct RealWindowRestarts : testing_support::RealWindowFixture
{};
} // namespace

// The application started again in the same home folder, as the tests that
// go through several models or rounds do: until the new process writes its
// own, nothing the first one left there (its layout with the pointer over the
// menu button and one press, its amplifier log, its application log) passes
// for the new one's, and the same click at the same point is counted anew.
TEST_F(RealWindowRestarts, ANewStartInTheSameFolderTakesNothingOfTheOneBefore)
{
    const auto presses = [this] {
        const auto pointer = app->pointer();
        return pointer ? pointer->presses : -1;
    };
    startConnected(1);
    const auto menuButton = app->waitForWidget("name", "Menu", waitMs);
    ASSERT_TRUE(menuButton) << layoutText();
    ASSERT_TRUE(clickUntil(*menuButton, shows("window", "menu"))) << layoutText();
    ASSERT_EQ(presses(), 1) << layoutText();
    EXPECT_EQ(app->closeAndWaitForExit(waitMs), 0) << app->getProcess().getOutput();
    const auto firstLog = app->getProcess().getApplicationLog();
    ASSERT_TRUE(firstLog.isNotEmpty());
    ASSERT_TRUE(home.getChildFile("screen-layout.txt").existsAsFile());

    app = std::make_unique<SimulatedAmplifierApp>(home, 1);
    ASSERT_TRUE(app->start());
    EXPECT_LE(presses(), 0) << layoutText();
    EXPECT_TRUE(app->findWidgets("window", "menu").empty()) << layoutText();
    EXPECT_TRUE(app->getReceived().isEmpty()) << receivedText();
    EXPECT_FALSE(app->getProcess().getApplicationLog().contains(firstLog));

    ASSERT_NE(app->waitForMainWindow(waitMs), 0) << app->getProcess().getOutput();
    ASSERT_TRUE(app->waitForWidget("window", "Rig Smith [connected]", waitMs)) << receivedText();
    ASSERT_TRUE(app->waitUntilQuiet(1000, waitMs)) << receivedText();
    ASSERT_TRUE(app->raise());
    ASSERT_TRUE(clickUntil(*menuButton, shows("window", "menu"))) << layoutText();
    EXPECT_EQ(presses(), 1) << layoutText();
}

// A real-window start that does not reach its window state within the limit
// keeps every thread's stack of the application with the evidence (here the
// limit is too short for the start to settle): each thread of the
// application under a name of its own, whole.
TEST(RealWindowSupport, AStartThatStallsKeepsEveryThreadsStackWithTheEvidence)
{
    if (! AppProcess::ensureWindowManager() || ! SimulatedAmplifierApp::haveXdotool()
        || ! juce::File("/usr/bin/Xvfb").existsAsFile())
        GTEST_SKIP() << "needs an X display with wmctrl and openbox, xdotool and Xvfb";
    testing_support::PrivateDisplay display;
    ASSERT_TRUE(display.gotTheDisplayLock()) << "another real-window test kept its display";
    ASSERT_TRUE(display.isReady());
    const auto home = juce::File::createTempFile("stalled-start");
    ASSERT_TRUE(home.createDirectory());
    const juce::ScopeGuard removeHome { [home] { home.deleteRecursively(); } };

    SimulatedAmplifierApp app(home, 3);
    ASSERT_TRUE(app.start());
    ASSERT_NE(app.waitForMainWindow(SimulatedAmplifierApp::patienceMs), 0) << app.getProcess().getOutput();
    const auto missed = app.waitForStart(1);
    EXPECT_TRUE(missed.startsWith("the start did not reach its window state: ")) << missed;

    const auto evidence = AppProcess::keepEvidence(home, "RealWindowSupport.StalledStartProbe");
    const juce::ScopeGuard removeEvidence { [evidence] { evidence.deleteRecursively(); } };
    const auto stacks = evidence.getChildFile("thread-stacks.txt").loadFileAsString();
    juce::StringArray names;
    for (auto& line : juce::StringArray::fromLines(stacks))
        if (line.startsWith("Thread ") && line.contains("(LWP "))
            names.add(line.fromFirstOccurrenceOf("\"", false, false).upToLastOccurrenceOf("\"", false, false));
    // The message thread carries the program's name; every other thread a
    // name of its own (a name too long for the platform is not set at all,
    // and the thread shows the program's).
    ASSERT_GE(names.size(), 3) << stacks;
    EXPECT_EQ(std::count(names.begin(), names.end(), juce::String("rigsmith_simamp")), 1) << stacks;
    for (const auto* expected : { "SimAmplifier", "VirtualMidiIn", "SecondLaunch" })
        EXPECT_TRUE(names.contains(expected)) << expected << " in\n" << stacks;
    EXPECT_EQ(app.closeAndWaitForExit(SimulatedAmplifierApp::patienceMs), 0);
}
