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

namespace
{
struct RealWindowGestureRules : testing_support::RealWindowFixture
{
    // The time in ms between two of the fixture's millisecond counts.
    static int between(juce::uint32 earlier, juce::uint32 later) { return (int) (later - earlier); }
};
} // namespace

// What the framework drops or takes for another gesture by time is waited
// out, and each press is made once: the entry of a menu clicked as soon as
// the menu lists it is chosen at the first press, made no sooner than
// 300 ms after the menu was listed (a release within 250 ms of the menu's
// making is dropped); a second click at the same point comes no sooner than
// the double-click time after the first was seen; a drag from where the one
// before started, no sooner than its drag image has gone.
TEST_F(RealWindowGestureRules, EachPressIsMadeOnceWhenTheFrameworkTakesItForWhatItIs)
{
    startConnected(1);
    const auto menuButton = app->waitForWidget("name", "Menu", waitMs);
    ASSERT_TRUE(menuButton) << layoutText();
    ASSERT_TRUE(clickUntil(*menuButton, shows("name", "Open File..."))) << layoutText();
    const auto entry = app->waitForWidget("name", "Open File...", 0);
    ASSERT_TRUE(entry) << layoutText();
    const int presses = app->pointer()->presses;
    const juce::String chooser = "Open hmqprog file...";
    ASSERT_TRUE(clickUntil(*entry, shows("window", chooser))) << layoutText();
    auto press = *app->lastPress();
    EXPECT_EQ(press.window.title, "menu");
    EXPECT_GE(between(press.window.listedAt, press.madeAt), SimulatedAmplifierApp::popupSettleMs);
    EXPECT_EQ(app->pointer()->presses, presses + 1) << layoutText();
    // A key typed while the main window holds the focus (as a window
    // manager may leave it, here given it back) waits for the chooser to
    // hold the focus: it lands in the file-name field, and none reaches the
    // chooser's window unused.
    ASSERT_TRUE(app->raise());
    ASSERT_TRUE(waitFor([&] {
        const auto window = app->waitForWidget("window", chooser, 0);
        return window && window->value == "0";
    })) << layoutText();
    ASSERT_TRUE(keyUntil("x", [] { return true; }));
    const auto typed = [&] {
        const auto window = app->waitForWidget("window", chooser, 0);
        return window && window->minimum == "0" && app->waitForWidget("focus", "juce::TextEditor", 0).has_value();
    };
    EXPECT_TRUE(waitForSettled(typed)) << layoutText();
    ASSERT_TRUE(keyUntil("Escape", gone("window", chooser))) << layoutText();

    // The menu opened and closed by two clicks on its button.
    ASSERT_TRUE(clickUntil(*menuButton, shows("window", "menu"))) << layoutText();
    const auto first = *app->lastPress();
    ASSERT_TRUE(clickUntil(*menuButton, gone("window", "menu"))) << layoutText();
    press = *app->lastPress();
    EXPECT_GE(between(first.seenAt, press.madeAt), juce::MouseEvent::getDoubleClickTimeout());

    // A knob turned twice from its centre, towards the far end of its range.
    const auto knob = app->waitForParam(0x402, waitMs, [](auto& w) { return w.maximum != "-"; });
    ASSERT_TRUE(knob) << layoutText();
    const int down = knob->value.getIntValue() * 2 > knob->minimum.getIntValue() + knob->maximum.getIntValue() ? 1 : -1;
    const auto centre = knob->bounds.getCentre();
    for (int round = 0; round < 2; ++round)
    {
        const int from = app->getReceived().size();
        ASSERT_TRUE(dragUntil(centre, centre.translated(0, 8 * down), [&] { return ! changesSince(from).empty(); }, { 4 }))
            << receivedText();
        if (round == 1)
            EXPECT_GE(between(press.releasedAt, app->lastPress()->madeAt), SimulatedAmplifierApp::dragImageClearMs);
        press = *app->lastPress();
    }
    // The pointer rests where the last press was: the knob's tip shows.
    EXPECT_TRUE(hoverUntil(centre, [&] { return shownTooltip().has_value(); })) << layoutText();
}

// The rules of the gestures against made-up layouts: where the application
// is seen to have the pointer, when keys would land, how long a press waits.
TEST(GestureRules, TheGesturesWaitForWhatTheFrameworkTakes)
{
    using App = SimulatedAmplifierApp;
    const auto window = [](const char* title, juce::Rectangle<int> r, bool focused, int id, int listedAt, bool modal) {
        return juce::String("window\t") + title + "\t" + juce::String(r.getX()) + "\t" + juce::String(r.getY()) + "\t"
               + juce::String(r.getWidth()) + "\t" + juce::String(r.getHeight()) + "\t" + (focused ? "1" : "0") + "\t0\t-\t"
               + juce::String(id) + "\t" + juce::String(listedAt) + "\t" + (modal ? "1" : "0") + "\n";
    };
    const auto main = window("Rig Smith [connected]", { 0, 0, 1024, 700 }, true, 1, 1000, false);
    const auto menu = main + window("menu", { 100, 50, 200, 300 }, false, 2, 5000, true);

    // A press into a popup waits until the popup has stood 300 ms; one
    // that is listed without its time has only just been made.
    EXPECT_EQ(App::popupWaitMs(menu, { 150, 70 }, 5000), 300);
    EXPECT_EQ(App::popupWaitMs(menu, { 150, 70 }, 5120), 180);
    EXPECT_EQ(App::popupWaitMs(menu, { 150, 70 }, 5300), 0);
    EXPECT_EQ(App::popupWaitMs(menu, { 500, 500 }, 5000), 0);
    EXPECT_EQ(App::popupWaitMs(main + window("menu", { 100, 50, 200, 300 }, false, 0, 0, true), { 150, 70 }, 5000), 300);

    // The pointer counts as seen over the popup only over a widget of the
    // popup: over the main window's knob there, the popup is not yet on
    // the screen.
    juce::String seen;
    EXPECT_FALSE(App::pointerSeenAt(menu + "pointer\tKnob\t120\t60\t40\t40\t150,70\t1\t0\t1\n", { 150, 70 }, seen)) << seen;
    EXPECT_TRUE(App::pointerSeenAt(menu + "pointer\tOpen File...\t100\t60\t200\t20\t150,70\t1\t0\t2\n", { 150, 70 }, seen))
        << seen;
    EXPECT_TRUE(App::pointerSeenAt(menu + "pointer\t-\t0\t0\t0\t0\t1100,750\t1\t0\t0\n", { 1100, 750 }, seen)) << seen;

    // Keys go out once a modal window other than a menu holds the focus.
    const auto question = [&](bool focused) {
        return window("Rig Smith [connected]", { 0, 0, 1024, 700 }, ! focused, 1, 1000, false)
               + window("Write", { 300, 200, 300, 120 }, focused, 3, 6000, true);
    };
    EXPECT_FALSE(App::keysWouldLand(question(false)));
    EXPECT_TRUE(App::keysWouldLand(question(true)));
    EXPECT_TRUE(App::keysWouldLand(menu));
    EXPECT_FALSE(App::keysWouldLand(window("Rig Smith [connected]", { 0, 0, 1024, 700 }, false, 1, 1000, false)));

    // A second press within 8 pixels waits until the first was seen 500 ms
    // ago; elsewhere it does not.
    EXPECT_EQ(App::doubleClickWaitMs({ 100, 100 }, 1000, { 103, 97 }, 1100), 400);
    EXPECT_EQ(App::doubleClickWaitMs({ 100, 100 }, 1000, { 100, 100 }, 1500), 0);
    EXPECT_EQ(App::doubleClickWaitMs({ 100, 100 }, 1000, { 108, 100 }, 1100), 0);
    EXPECT_EQ(App::doubleClickWaitMs({ 100, 100 }, 0, { 100, 100 }, 1100), 0);

    // A hover rests beside the last press, else where asked.
    EXPECT_EQ(App::restingPointFor({ 10, 10 }, juce::Point<int>(10, 10)), juce::Point<int>(11, 10));
    EXPECT_EQ(App::restingPointFor({ 10, 10 }, juce::Point<int>(12, 10)), juce::Point<int>(10, 10));
    EXPECT_EQ(App::restingPointFor({ 10, 10 }, std::nullopt), juce::Point<int>(10, 10));
}
