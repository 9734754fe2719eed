// The real application binary, started and closed as a user would.
#include "support/AppProcess.h"
#include "support/SimulatedAmplifierApp.h"

#include <gtest/gtest.h>

using testing_support::AppProcess;
using testing_support::SimulatedAmplifierApp;

namespace
{
struct AppBinary : ::testing::Test
{
    void SetUp() override
    {
        if (! AppProcess::ensureWindowManager())
            GTEST_SKIP() << "needs an X display with wmctrl and openbox";
        home = juce::File::createTempFile("rigsmith-home");
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

TEST_F(AppBinary, OpensItsWindowAndExitsCleanlyWhenTheWindowIsClosed)
{
    AppProcess app(home);
    ASSERT_TRUE(app.start());

    AppProcess::WindowInfo window;
    ASSERT_TRUE(app.waitForWindow("Rig Smith [not connected]", 20000, &window))
        << app.getOutput() << AppProcess::listWindows().joinIntoString("\n");
    // The window manager may report the size a moment after the window appears.
    SimulatedAmplifierApp::waitFor([&] {
        app.waitForWindow("Rig Smith [not connected]", 1000, &window);
        return window.bounds.getWidth() == 1024;
    });
    EXPECT_EQ(window.bounds.getWidth(), 1024);
    EXPECT_EQ(window.bounds.getHeight(), 768);

    EXPECT_EQ(app.closeAndWaitForExit(window, 20000), 0) << app.getOutput();
    EXPECT_FALSE(app.getOutput().contains("Leaked objects detected")) << app.getOutput();
}

TEST_F(AppBinary, ASecondLaunchHandsItsCommandLineToTheRunningInstanceAndExits)
{
    auto file = home.getChildFile("second launch.okxprog");
    ASSERT_TRUE(file.replaceWithText("x"));

    AppProcess first(home);
    ASSERT_TRUE(first.start());
    AppProcess::WindowInfo window;
    ASSERT_TRUE(first.waitForWindow("Rig Smith [not connected]", 20000, &window))
        << first.getOutput() << AppProcess::listWindows().joinIntoString("\n");

    // Same home: the same user session, so the running instance takes over.
    AppProcess second(home);
    ASSERT_TRUE(second.start({ file.getFullPathName() }));
    EXPECT_EQ(second.waitForExit(10000), 0);

    // The trace goes to the application's log file.
    EXPECT_TRUE(first.waitForLog("Application::anotherInstanceStarted() exit", 10000)) << first.getApplicationLog();
    EXPECT_TRUE(first.getApplicationLog().contains("Application::anotherInstanceStarted() devEnv = (null)"))
        << first.getApplicationLog();
    EXPECT_TRUE(first.isRunning());

    // Without a device environment the hand-over finishes 1500 ms later, with
    // the handed file in a command-line slot.
    EXPECT_TRUE(first.waitForLog("Host::handleAnotherInstanceFinishedMessage() .. exit", 10000)) << first.getApplicationLog();
    EXPECT_TRUE(
        first.getApplicationLog().contains("Host::handleAnotherInstanceFinishedMessage() ---- command line file is assigned"))
        << first.getApplicationLog();

    EXPECT_EQ(first.closeAndWaitForExit(window, 20000), 0) << first.getOutput();
}

TEST_F(AppBinary, TheWindowComesBackWherePutLastTime)
{
    const juce::String title = "Rig Smith [not connected]";
    const auto prefsFile = home.getChildFile(".config/Preferences/Rig Smith/PreferencesData.xml");

    AppProcess first(home);
    ASSERT_TRUE(first.start());
    AppProcess::WindowInfo window;
    ASSERT_TRUE(first.waitForWindow(title, 20000, &window)) << first.getOutput();
    EXPECT_TRUE(prefsFile.getParentDirectory().isDirectory());

    // Move it as a user would, and wait until the window manager reports it.
    testing_support::runAndRead({ "wmctrl", "-i", "-r", window.id, "-e", "0,140,20,-1,-1" });
    // A busy window manager can report the move in steps: the window has
    // moved once it has stood at one new place for half a second.
    const auto start = window.bounds.getPosition();
    juce::Rectangle<int> last;
    auto since = juce::Time::getMillisecondCounter();
    SimulatedAmplifierApp::waitFor([&] {
        first.waitForWindow(title, 1000, &window);
        if (window.bounds != last)
        {
            last = window.bounds;
            since = juce::Time::getMillisecondCounter();
        }
        return last.getPosition() != start && juce::Time::getMillisecondCounter() - since >= 500;
    });
    ASSERT_NE(window.bounds.getPosition(), start);
    const auto moved = window.bounds;

    ASSERT_EQ(first.closeAndWaitForExit(window, 20000), 0) << first.getOutput();
    auto xml = juce::parseXML(prefsFile);
    ASSERT_NE(xml, nullptr) << first.getOutput();
    EXPECT_GE(xml->getChildByName("MainWindowPositionX")->getIntAttribute("Value", -1), 0);
    EXPECT_GE(xml->getChildByName("MainWindowPositionY")->getIntAttribute("Value", -1), 0);

    AppProcess second(home);
    ASSERT_TRUE(second.start());
    AppProcess::WindowInfo again;
    ASSERT_TRUE(second.waitForWindow(title, 20000, &again)) << second.getOutput();
    SimulatedAmplifierApp::waitFor([&] {
        second.waitForWindow(title, 1000, &again);
        return again.bounds == moved;
    });
    EXPECT_EQ(again.bounds, moved) << xml->toString();
    EXPECT_EQ(second.closeAndWaitForExit(again, 20000), 0) << second.getOutput();
}

TEST_F(AppBinary, AMalformedPreferencesFileStartsWithDefaults)
{
    const auto prefsFile = home.getChildFile(".config/Preferences/Rig Smith/PreferencesData.xml");
    prefsFile.getParentDirectory().createDirectory();
    ASSERT_TRUE(prefsFile.replaceWithText("<PreferencesData><MainWindowPositionX"));

    AppProcess app(home);
    ASSERT_TRUE(app.start());
    AppProcess::WindowInfo window;
    ASSERT_TRUE(app.waitForWindow("Rig Smith [not connected]", 20000, &window)) << app.getOutput();
    EXPECT_TRUE(app.getOutput().contains("PreferencesData::loadPreferencesData()")) << app.getOutput();
    EXPECT_EQ(app.closeAndWaitForExit(window, 20000), 0) << app.getOutput();

    // The next save replaced the damaged file with a readable one.
    auto xml = juce::parseXML(prefsFile);
    ASSERT_NE(xml, nullptr);
    EXPECT_EQ(xml->getTagName(), "PreferencesData");
}

TEST_F(AppBinary, WithNoAmplifierItShowsTheDevicePageWithOneOfflineRowPerModel)
{
    AppProcess app(home);
    ASSERT_TRUE(app.start());
    AppProcess::WindowInfo window;
    ASSERT_TRUE(app.waitForWindow("Rig Smith [not connected]", 20000, &window)) << app.getOutput();

    // The boot scan finds nothing; the page is shown and fills its rows.
    ASSERT_TRUE(SimulatedAmplifierApp::waitFor([&] {
        return app.getOutput().contains("DeviceSelectComponent::updateDeviceIdList() rows 6, connected 0");
    })) << app.getOutput();
    app.waitForWindow("Rig Smith [not connected]", 1000, &window);
    testing_support::runAndRead({ "wmctrl", "-i", "-a", window.id }); // to the front for the picture

    const juce::File folder(RIGSMITH_SCREENSHOT_DIR);
    folder.createDirectory();
    const auto shot = folder.getChildFile("app-boot-device-page.png");
    shot.deleteFile();
    testing_support::runAndRead({ "import", "-window", "root", shot.getFullPathName() }, 15000);
    ASSERT_TRUE(shot.existsAsFile());

    // The picture is for a person to look at: tests running side by side may
    // cover parts of the screen, so its pixels are not asserted here (the
    // in-process page tests check what the page draws).
    EXPECT_TRUE(juce::ImageFileFormat::loadFrom(shot).isValid());

    EXPECT_EQ(app.closeAndWaitForExit(window, 20000), 0) << app.getOutput();
    EXPECT_FALSE(app.getOutput().contains("Leaked objects detected")) << app.getOutput();
}

namespace
{
// The console output without the framework's own version line (Debug builds only).
juce::StringArray consoleLines(const AppProcess& app)
{
    auto lines = juce::StringArray::fromLines(app.getOutput());
    lines.removeEmptyStrings();
    for (int i = lines.size(); --i >= 0;)
        if (lines[i].startsWith("JUCE v"))
            lines.remove(i);
    return lines;
}
} // namespace

TEST_F(AppBinary, WithoutADisplayOneLineSaysWhatIsMissingAndTheExitCodeIsOne)
{
    AppProcess app(home);
    app.unsetEnvironment("DISPLAY");
    ASSERT_TRUE(app.start());
    EXPECT_EQ(app.waitForExit(10000), 1) << app.getOutput();

    const auto lines = consoleLines(app);
    ASSERT_EQ(lines.size(), 1) << app.getOutput();
    EXPECT_TRUE(lines[0].contains("needs a graphical display")) << lines[0];
    EXPECT_TRUE(lines[0].contains("xvfb-run -a")) << lines[0];
    EXPECT_FALSE(app.getApplicationLogFile().exists());
}

TEST_F(AppBinary, ANormalRunKeepsTheConsoleQuietAndItsTraceInTheLogFile)
{
    AppProcess app(home);
    app.setEnvironment("RIGSMITH_LOG_ECHO", "0"); // as a Release build runs
    ASSERT_TRUE(app.start());
    AppProcess::WindowInfo window;
    ASSERT_TRUE(app.waitForWindow("Rig Smith [not connected]", 20000, &window)) << app.getOutput();

    // The MIDI set-up is polled once a second (and fails each time where no
    // sequencer exists): the log settles for the time of a few polls.
    auto log = app.getApplicationLog();
    auto since = juce::Time::getMillisecondCounter();
    SimulatedAmplifierApp::waitFor([&] {
        if (auto now = app.getApplicationLog(); now != log)
        {
            log = std::move(now);
            since = juce::Time::getMillisecondCounter();
        }
        return juce::Time::getMillisecondCounter() - since >= 2500;
    });
    auto countLines = [&app](const juce::String& start) {
        int n = 0;
        for (auto& line : juce::StringArray::fromLines(app.getApplicationLog()))
            n += line.startsWith(start) ? 1 : 0;
        return n;
    };
    EXPECT_EQ(app.closeAndWaitForExit(window, 20000), 0) << app.getOutput();

    EXPECT_GE(countLines("DeviceSelectComponent::updateDeviceIdList() rows 6"), 1) << app.getApplicationLog();
    // Without a sequencer the library's complaint is logged once, not per poll.
    if (! juce::File("/dev/snd/seq").exists())
    {
        EXPECT_EQ(countLines("ALSA "), 1) << app.getApplicationLog();
    }
    EXPECT_TRUE(consoleLines(app).isEmpty()) << app.getOutput();
}
