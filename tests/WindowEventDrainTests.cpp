// Events of the display that the client library queued away from the event
// loop (a question to the display asked outside the event handler reads them
// off the connection) are handled at the window's next refresh, not when some
// later event happens to arrive.
#include "Application/Host.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "Platform/WindowEventDrain.h"
#include "support/ChildTestRun.h"
#include "support/DisplayEvents.h"
#include "support/PrivateDisplay.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

namespace
{
struct CountingWindow : juce::Component
{
    CountingWindow()
    {
        setSize(200, 100);
        setOpaque(true);
        addToDesktop(0);
        setVisible(true);
    }
    ~CountingWindow() override { removeFromDesktop(); }
    void paint(juce::Graphics& g) override
    {
        ++paints;
        g.fillAll(juce::Colours::black);
    }
    int paints = 0;
};

// Counts the paints of the window it lies in.
struct PaintCounter : juce::Component
{
    PaintCounter() { setInterceptsMouseClicks(false, false); }
    void paint(juce::Graphics&) override { ++paints; }
    int paints = 0;
};
} // namespace

TEST(WindowEventDrain, AnEventQueuedAwayFromTheEventLoopIsHandledAtTheNextRefresh)
{
    if (juce::SystemStats::getEnvironmentVariable("DISPLAY", {}).isEmpty())
        GTEST_SKIP() << "needs an X display";
    for (const bool drained : { false, true })
    {
        SCOPED_TRACE(drained ? "with the drain" : "without it");
        CountingWindow window;
        std::unique_ptr<WindowEventDrain> drain;
        if (drained)
            drain = std::make_unique<WindowEventDrain>(window);
        ASSERT_TRUE(testing_support::pumpUntil([&] { return window.paints > 0; }));
        testing_support::pumpFor(300);
        const int before = window.paints;

        ASSERT_TRUE(testing_support::exposeFromOutside(window));
        // Whether the window is minimised is a question to the display: its
        // answer brings the expose along into the library's queue.
        ASSERT_NE(window.getPeer(), nullptr);
        window.getPeer()->isMinimised();
        const bool painted = testing_support::pumpUntil([&] { return window.paints > before; }, 1000);
        // Without the drain the expose waits for the next event of the
        // display, which never comes here.
        if (drained)
            EXPECT_TRUE(painted);
        else
            RecordProperty("paintedWithoutTheDrain", painted ? "yes" : "no");
    }
}

// A forwarded display is reached over the network: the framework's
// connection is no local socket, and its queued events are handed on all the
// same. The framework opens its display once per process, so the test above
// runs again in a child whose display is one reached over the network.
TEST(WindowEventDrain, DrainsADisplayReachedOverTheNetwork)
{
    testing_support::NetworkDisplay display;
    if (display.getName().isEmpty())
        GTEST_SKIP() << "needs Xvfb";
    const testing_support::ChildTestRun run({ "DISPLAY=" + display.getName() },
                                            "WindowEventDrain.AnEventQueuedAwayFromTheEventLoopIsHandledAtTheNextRefresh",
                                            2 * testing_support::patienceMs);
    EXPECT_TRUE(run.passed(1)) << run.output;
}

// The application's own window: an expose that a question to the display
// took off the connection is painted at the window's next refresh, with no
// later event of the display to bring it. Without the drain it waits for
// good; a busy machine may hold the message thread back for a while, so the
// paint is waited for up to three seconds.
TEST(WindowEventDrain, TheMainWindowHandlesAnEventQueuedAwayWithoutAnotherEvent)
{
    if (juce::SystemStats::getEnvironmentVariable("DISPLAY", {}).isEmpty())
        GTEST_SKIP() << "needs an X display";
    auto* host = Host::createInstance();
    const juce::ScopeGuard destroyHost { [] {
        Host::destroyInstance();
        MainComponent::m_TargetModelId = -1;
    } };
    host->getMasterGuiController()->showMainWindow();
    auto* window = host->getMasterGuiController()->getMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window->getMainComponent(), nullptr);
    PaintCounter counter;
    window->getMainComponent()->addAndMakeVisible(counter);
    counter.setBounds(0, 0, 8, 8);
    const juce::ScopeGuard removeCounter { [&counter] {
        if (auto* parent = counter.getParentComponent())
            parent->removeChildComponent(&counter);
    } };
    ASSERT_TRUE(testing_support::pumpUntil([&] { return counter.paints > 0; }));
    ASSERT_TRUE(testing_support::pumpUntilPostedHandled());

    for (int round = 0; round < 3; ++round)
    {
        SCOPED_TRACE("expose " + std::to_string(round + 1));
        const int before = counter.paints;
        ASSERT_TRUE(testing_support::exposeFromOutside(*window));
        ASSERT_NE(window->getPeer(), nullptr);
        window->getPeer()->isMinimised();
        ASSERT_TRUE(testing_support::pumpUntil([&] { return counter.paints > before; }, 3000))
            << "the expose waited for another event of the display";
    }
}
