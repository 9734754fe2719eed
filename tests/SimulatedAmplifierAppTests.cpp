// The application started as a user starts it, with a simulated amplifier
// attached: the main window comes up, the amplifier is found and the
// connection's requests reach it.
#include "support/PrivateDisplay.h"
#include "support/SimulatedAmplifierApp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

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

    void TearDown() override { home.deleteRecursively(); }

    juce::File home;
};
} // namespace

TEST_P(AppWithAmplifier, StartsFindsTheAmplifierAndSynchronises)
{
    SimulatedAmplifierApp app(home, GetParam());
    ASSERT_TRUE(app.start());
    ASSERT_NE(app.waitForMainWindow(20000), 0) << app.getProcess().getOutput();

    // The scan's identity request, then the synchronisation's mode request.
    const int identity = app.waitForReceived("F0 7E 7F 06 01 F7", 15000);
    ASSERT_GE(identity, 0) << app.getReceived().joinIntoString("\n");
    const int mode = app.waitForReceived(app.editorFrame(0x12) + " F7", 15000, identity + 1);
    ASSERT_GT(mode, identity) << app.getReceived().joinIntoString("\n");
    // The current program is read once the user programs are in.
    EXPECT_GT(app.waitForReceived(app.editorFrame(0x10) + " F7", 15000, mode + 1), mode)
        << app.getReceived().joinIntoString("\n");

    for (int i = 0; i < 50 && ! app.getWindowTitle().startsWith("Rig Smith [connected]"); ++i)
        juce::Thread::sleep(100);
    EXPECT_TRUE(app.getWindowTitle().startsWith("Rig Smith [connected]")) << app.getWindowTitle();
    EXPECT_EQ(app.getWindowBounds().getWidth(), 1024);

    // Every line is one whole message: SysEx from F0 to F7.
    for (auto& line : app.getReceived())
        if (line.startsWith("F0"))
        {
            EXPECT_TRUE(line.endsWith("F7")) << line;
        }

    EXPECT_EQ(app.closeAndWaitForExit(20000), 0) << app.getProcess().getOutput();
    EXPECT_FALSE(app.getProcess().getOutput().contains("Leaked objects detected")) << app.getProcess().getOutput();
}

// One wired Orva PW, one wireless Orva PW and the HMQ.
INSTANTIATE_TEST_SUITE_P(Models, AppWithAmplifier, ::testing::Values(3, 5, 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return juce::String(info.param == 1 ? "HMQ" : info.param == 3 ? "OrvaPW" : "OrvaPWWireless")
                                 .toStdString();
                         });

TEST(AppWithOrvaPW, AKnobDraggedWithTheMouseReachesTheAmplifier)
{
    if (! AppProcess::ensureWindowManager())
        GTEST_SKIP() << "needs an X display with wmctrl and openbox";
    if (! SimulatedAmplifierApp::haveXdotool())
        GTEST_SKIP() << "needs xdotool";
    // The pointer moves: on a display of its own.
    const testing_support::PrivateDisplay display;
    if (! display.isReady())
        GTEST_SKIP() << "needs Xvfb and xdpyinfo";
    auto home = juce::File::createTempFile("rigsmith-simamp");
    home.createDirectory();
    {
        SimulatedAmplifierApp app(home, 3);
        ASSERT_TRUE(app.start());
        ASSERT_NE(app.waitForMainWindow(20000), 0) << app.getProcess().getOutput();
        // Synchronised: the current program and, last, the audio-EQ slots
        // have been read.
        const int mode = app.waitForReceived(app.editorFrame(0x12) + " F7", 15000);
        ASSERT_GE(mode, 0) << app.getReceived().joinIntoString("\n");
        const int current = app.waitForReceived(app.editorFrame(0x10) + " F7", 15000, mode + 1);
        ASSERT_GT(current, mode);
        ASSERT_GT(app.waitForReceived(app.editorFrame(0x1D, { 0x00, 0x04 }) + " F7", 15000, current + 1), current)
            << app.getReceived().joinIntoString("\n");
        for (int i = 0; i < 50 && ! app.getWindowTitle().startsWith("Rig Smith [connected]"); ++i)
            juce::Thread::sleep(100);
        juce::Thread::sleep(500);

        // The amp page's GAIN knob of the amplifier's first program (its
        // amp type puts GAIN at slot 1, origin (120, 0)): the editor page at
        // (256, 0), the parameter area 228 below, the value page 197 below
        // that, the knob 70 x 70 at the slot's offset (3, 26).
        const juce::Point<int> gain(256 + 120 + 3 + 35, 228 + 197 + 26 + 35);
        // That program has GAIN at its top: the knob is turned down. Other
        // tests' windows may cover ours for a while: raised, and tried again.
        const int before = app.getReceived().size();
        const auto gainChange = app.editorFrame(0x41, { 0x04, 0x00 });
        int found = -1;
        for (int attempt = 0; attempt < 8 && found < 0; ++attempt)
        {
            app.raise();
            juce::Thread::sleep(200);
            ASSERT_TRUE(app.drag(gain, gain + juce::Point<int>(0, 40)));
            found = app.waitForReceived(gainChange, 2000, before);
            if (found < 0)
                app.drag(gain + juce::Point<int>(0, 40), gain); // back to the top
        }
        EXPECT_GE(found, before) << app.getReceived().joinIntoString("\n");
        // Nothing but GAIN changes.
        for (int i = before; i < app.getReceived().size(); ++i)
            EXPECT_TRUE(app.getReceived()[i].startsWith(gainChange)) << app.getReceived()[i];

        EXPECT_EQ(app.closeAndWaitForExit(20000), 0) << app.getProcess().getOutput();
    }
    home.deleteRecursively();
}

namespace
{
// The mouse of a display is shared by every window on it: this test moves
// it, so it runs the application on an X display of its own, with its own
// window manager, both ended when the test ends.
struct HMQAppWithAmplifier : ::testing::Test
{
    void SetUp() override
    {
        if (! SimulatedAmplifierApp::haveXdotool() || ! juce::File("/usr/bin/Xvfb").existsAsFile())
            GTEST_SKIP() << "needs xdotool and Xvfb";
        int number = 120 + (int) (juce::Time::getMillisecondCounter() % 500);
        while (juce::File("/tmp/.X" + juce::String(number) + "-lock").exists())
            ++number;
        const auto name = ":" + juce::String(number);
        displayNumber = number;
        if (! server.start(juce::StringArray { "Xvfb", name, "-screen", "0", "1280x800x24", "-nolisten", "tcp" }, 0))
            GTEST_SKIP() << "Xvfb did not start";
        const juce::File socket("/tmp/.X11-unix/X" + juce::String(number));
        for (int i = 0; i < 100 && ! socket.exists(); ++i)
            juce::Thread::sleep(50);
        previousDisplay = juce::SystemStats::getEnvironmentVariable("DISPLAY", {});
        setenv("DISPLAY", name.toRawUTF8(), 1);
        windowManager.start(juce::StringArray { "openbox", "--sm-disable" }, 0);
        if (! AppProcess::ensureWindowManager())
            GTEST_SKIP() << "no window manager on " << name;
        home = juce::File::createTempFile("rigsmith-simamp-hmq");
        home.createDirectory();
    }

    void TearDown() override
    {
        if (home != juce::File())
            home.deleteRecursively();
        windowManager.kill();
        if (server.isRunning())
        {
            // Killed, the server leaves its lock and socket behind.
            server.kill();
            server.waitForProcessToFinish(2000);
            ::unlink(("/tmp/.X" + juce::String(displayNumber) + "-lock").toRawUTF8());
            ::unlink(("/tmp/.X11-unix/X" + juce::String(displayNumber)).toRawUTF8());
        }
        if (previousDisplay.isNotEmpty())
            setenv("DISPLAY", previousDisplay.toRawUTF8(), 1);
    }

    juce::ChildProcess server, windowManager;
    juce::String previousDisplay;
    int displayNumber = 0;
    juce::File home;
};
} // namespace

TEST_F(HMQAppWithAmplifier, AKnobDraggedWithTheMouseReachesTheAmplifier)
{
    SimulatedAmplifierApp app(home, 1);
    ASSERT_TRUE(app.start());
    ASSERT_NE(app.waitForMainWindow(20000), 0) << app.getProcess().getOutput();
    // The synchronisation ends with the last custom slot.
    ASSERT_GE(app.waitForReceived(app.editorFrame(0x31, { 0x00, 0x03 }), 30000), 0) << app.getReceived().joinIntoString("\n");
    for (int i = 0; i < 50 && ! app.getWindowTitle().startsWith("Rig Smith [connected]"); ++i)
        juce::Thread::sleep(100);
    juce::Thread::sleep(500);

    // The HMQ editor page stands right of the 256-pixel librarian column;
    // after the connection it shows the amp page, whose GAIN knob is at
    // (123, 38, 70, 70) of the page at (0, 190) of the area at (0, 230).
    const juce::Point<int> gain(256 + 123 + 35, 230 + 190 + 38 + 35);
    const auto gainChange = app.editorFrame(0x41, { 0x04, 0x00 });
    const int before = app.getReceived().size();
    // Down, then up: whichever end the program's GAIN stands at, it moves.
    app.raise();
    ASSERT_TRUE(app.drag(gain, gain.translated(0, 60)));
    ASSERT_TRUE(app.drag(gain, gain.translated(0, -60)));
    ASSERT_GE(app.waitForReceived(gainChange, 5000, before), before) << app.getReceived().joinIntoString("\n");
    // Only GAIN changes go out for the drag, each one whole message.
    juce::Thread::sleep(300);
    const auto received = app.getReceived();
    for (int i = before; i < received.size(); ++i)
    {
        EXPECT_TRUE(received[i].startsWith(gainChange)) << received[i];
        EXPECT_TRUE(received[i].endsWith("F7")) << received[i];
    }

    EXPECT_EQ(app.closeAndWaitForExit(20000), 0) << app.getProcess().getOutput();
    EXPECT_FALSE(app.getProcess().getOutput().contains("Leaked objects detected")) << app.getProcess().getOutput();
}

TEST_F(HMQAppWithAmplifier, APresetDraggedOntoAUserSlotIsWrittenAfterTheQuestion)
{
    SimulatedAmplifierApp app(home, 1);
    ASSERT_TRUE(app.start());
    ASSERT_NE(app.waitForMainWindow(20000), 0) << app.getProcess().getOutput();
    // The synchronisation ends with the last custom slot.
    ASSERT_GE(app.waitForReceived(app.editorFrame(0x31, { 0x00, 0x03 }), 30000), 0) << app.getReceived().joinIntoString("\n");
    juce::Thread::sleep(1000);

    // Preset 7 (bank A, left column, eighth row) onto A1. The question comes
    // up modal; Return answers OK (typed until it has been answered).
    const int before = app.getReceived().size();
    int dump = -1;
    for (int drag = 0; drag < 3 && dump < 0; ++drag)
    {
        app.raise();
        ASSERT_TRUE(app.drag({ 67, 597 }, { 371, 638 }, 16));
        for (int attempt = 0; attempt < 12 && dump < 0; ++attempt)
        {
            juce::Thread::sleep(500);
            app.key("Return");
            dump = app.waitForReceived(app.editorFrame(0x4C, { 0x00, 0x00 }), 1000, before);
        }
    }
    ASSERT_GE(dump, before) << app.getReceived().joinIntoString("\n");
    // Then A1 is selected on the amplifier.
    EXPECT_GT(app.waitForReceived(app.editorFrame(0x4E, { 0x00, 0x00 }) + " F7", 15000, dump + 1), dump)
        << app.getReceived().joinIntoString("\n");

    EXPECT_EQ(app.closeAndWaitForExit(20000), 0) << app.getProcess().getOutput();
}
