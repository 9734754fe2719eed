// The real application binary, started and closed as a user would.
#include "support/AppProcess.h"

#include <gtest/gtest.h>

using testing_support::AppProcess;

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

    void TearDown() override { home.deleteRecursively(); }

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
    for (int i = 0; i < 50 && window.bounds.getWidth() != 1024; ++i)
    {
        juce::Thread::sleep(100);
        app.waitForWindow("Rig Smith [not connected]", 1000, &window);
    }
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

    const auto deadline = juce::Time::getMillisecondCounter() + 10000;
    while (! first.getOutput().contains("Application::anotherInstanceStarted() exit")
           && juce::Time::getMillisecondCounter() < deadline)
        juce::Thread::sleep(100);
    EXPECT_TRUE(first.getOutput().contains("Application::anotherInstanceStarted() devEnv = (null)")) << first.getOutput();
    EXPECT_TRUE(first.isRunning());

    // Without a device environment the hand-over finishes 1500 ms later, with
    // the handed file in a command-line slot.
    const auto handedOver = juce::Time::getMillisecondCounter() + 10000;
    while (! first.getOutput().contains("Host::handleAnotherInstanceFinishedMessage() .. exit")
           && juce::Time::getMillisecondCounter() < handedOver)
        juce::Thread::sleep(100);
    EXPECT_TRUE(first.getOutput().contains("Host::handleAnotherInstanceFinishedMessage() ---- command line file is assigned"))
        << first.getOutput();

    EXPECT_EQ(first.closeAndWaitForExit(window, 20000), 0) << first.getOutput();
}
