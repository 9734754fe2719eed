#pragma once

// What every test of the real window shares: a private X display with its
// window manager (the real pointer moves there, so no test touches another's
// window), a home folder of its own, the application with a simulated
// amplifier started and synchronised, and its clean exit at the end (the
// application's logs kept when the test failed).
//
// A test drives the window only through the checked gestures, each made
// until its effect is seen, with one generous limit (patienceMs), and waits
// only on conditions:
//
//   clickUntil(widget or point, seen)      a page, a knob, a question shows
//   dragUntil(from, to, seen, {steps, restMs})   a message arrives
//   hoverUntil(point, seen)                a tip shows, or is gone
//   wheelUntil(point, seen), keyUntil("Return", seen)
//   waitFor(condition)                     something shows
//   waitForSettled(condition)              something is gone, and stays so
//                                          while the application writes
//                                          nothing new
//
// with conditions such as shows("name", "OK"), gone("window", "menu"),
// received(prefix, fromLine). `seen` left out: the application having seen
// the gesture whole. How a gesture is checked: SimulatedAmplifierApp.h. No
// test calls xdotool or a raw event itself (tools/check-raw-gestures.sh).
// What the framework drops by time or state (a popup's first moments, a
// double click, a modal window without the focus) the gestures wait out.
#include "support/AppProcess.h"
#include "support/PrivateDisplay.h"
#include "support/SimulatedAmplifierApp.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace testing_support
{
class RealWindowFixture : public ::testing::Test
{
protected:
    static constexpr int waitMs = SimulatedAmplifierApp::patienceMs;

    using Change = std::pair<int, int>;
    using Changes = std::vector<Change>;

    void SetUp() override
    {
        if (! AppProcess::ensureWindowManager())
            GTEST_SKIP() << "needs an X display with wmctrl and openbox";
        if (! SimulatedAmplifierApp::haveXdotool())
            GTEST_SKIP() << "needs xdotool";
        if (! juce::File("/usr/bin/Xvfb").existsAsFile())
            GTEST_SKIP() << "needs Xvfb";
        display = std::make_unique<PrivateDisplay>();
        ASSERT_TRUE(display->gotTheDisplayLock()) << "another real-window test kept its display";
        ASSERT_TRUE(display->isReady()) << "the private display or its window manager did not come up";
        home = juce::File::createTempFile("rigsmith-real-window");
        home.createDirectory();
    }

    void TearDown() override
    {
        if (app != nullptr)
        {
            EXPECT_EQ(app->closeAndWaitForExit(waitMs), 0) << app->getProcess().getOutput();
            EXPECT_FALSE(app->getProcess().getOutput().contains("Leaked objects detected"));
            app.reset();
        }
        display.reset();
        AppProcess::keepEvidenceOfFailure(home);
        home.deleteRecursively();
    }

    // Starts the application with the amplifier (its current program's bytes
    // changed as given, "offset=value") and waits for the end of the
    // synchronisation: the current program read, the window connected, the
    // rest (the Orva audio-EQ settings, the HMQ's custom effects) received and
    // the pages refreshed from it. A start that does not get there keeps
    // every thread's stack of the application with the evidence.
    void startConnected(int model, const juce::StringArray& editBytes = {})
    {
        startConnected(model, [&editBytes](SimulatedAmplifierApp& a) {
            juce::StringArray args;
            for (auto& byte : editBytes)
                args.addArray({ "--edit-byte", byte });
            a.setExtraArguments(args);
        });
    }

    // The same, with the application prepared by `prepare` before it starts.
    void startConnected(int model, const std::function<void(SimulatedAmplifierApp&)>& prepare)
    {
        app = std::make_unique<SimulatedAmplifierApp>(home, model);
        if (prepare)
            prepare(*app);
        ASSERT_TRUE(app->start());
        // A start that stalls keeps every thread's stack of the application.
        const auto missed = app->waitForStart(waitMs);
        ASSERT_TRUE(missed.isEmpty()) << missed << "\nReceived:\n"
                                      << receivedText() << "\nOutput:\n"
                                      << app->getProcess().getOutput();
        ASSERT_TRUE(app->raise());
    }

    using Condition = SimulatedAmplifierApp::Condition;
    using Widget = SimulatedAmplifierApp::Widget;

    bool clickUntil(juce::Point<int> at, const Condition& seen = {}) { return app->clickUntil(at, seen); }
    bool clickUntil(const Widget& target, const Condition& seen = {}) { return clickUntil(target.bounds.getCentre(), seen); }
    bool dragUntil(juce::Point<int> from, juce::Point<int> to, const Condition& seen = {},
                   SimulatedAmplifierApp::DragStyle style = {})
    {
        return app->dragUntil(from, to, seen, style);
    }
    bool hoverUntil(juce::Point<int> at, const Condition& seen = {}) { return app->hoverUntil(at, seen); }
    bool wheelUntil(juce::Point<int> at, const Condition& seen) { return app->wheelUntil(at, seen); }
    bool keyUntil(const juce::String& keys, const Condition& seen) { return app->keyUntil(keys, seen); }
    static bool waitFor(const Condition& condition) { return SimulatedAmplifierApp::waitFor(condition); }
    bool waitForSettled(const Condition& state, int settleMs = 500) const { return app->waitForSettled(state, settleMs); }

    // Conditions: a window or widget of that kind and key shows, or none
    // does; a received line starts with the prefix from line `from` on.
    Condition shows(const juce::String& kind, const juce::String& key) const
    {
        return [this, kind, key] { return app->waitForWidget(kind, key, 0).has_value(); };
    }
    Condition gone(const juce::String& kind, const juce::String& key) const
    {
        return [this, kind, key] { return app->findWidgets(kind, key).empty(); };
    }
    Condition received(const juce::String& prefix, int from = 0) const
    {
        return [this, prefix, from] { return app->waitForReceived(prefix, 0, from) >= 0; };
    }

    juce::String receivedText() const { return app->getReceived().joinIntoString("\n"); }
    juce::String layoutText() const { return home.getChildFile("screen-layout.txt").loadFileAsString(); }

    // The {parameter id, value} of a parameter change line, or {-1, -1}.
    Change paramChangeOf(const juce::String& line) const
    {
        if (! line.startsWith(app->editorFrame(0x41) + " "))
            return { -1, -1 };
        const auto bytes = juce::StringArray::fromTokens(line, " ", {});
        if (bytes.size() != 12)
            return { -1, -1 };
        const auto at = [&](int i) { return bytes[i].getHexValue32(); };
        return { (at(7) << 8) | at(8), at(9) | (at(10) << 7) };
    }

    // The parameter changes received from line `from` on.
    Changes changesSince(int from) const
    {
        Changes changes;
        const auto lines = app->getReceived();
        for (int i = from; i < lines.size(); ++i)
            if (lines[i].startsWith(app->editorFrame(0x41) + " "))
                changes.push_back(paramChangeOf(lines[i]));
        return changes;
    }

    // The tooltip on show, a child of the main window (or a window of its
    // own, should it ever stand outside); none when no tip shows.
    std::optional<SimulatedAmplifierApp::Widget> shownTooltip() const
    {
        for (const auto* kind : { "window", "name" })
            for (auto& w : app->findWidgets(kind, "tooltip"))
                if (! w.bounds.isEmpty())
                    return w;
        return std::nullopt;
    }

    juce::File home;
    std::unique_ptr<PrivateDisplay> display;
    std::unique_ptr<SimulatedAmplifierApp> app;
};
} // namespace testing_support
