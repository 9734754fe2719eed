// The application with a simulated amplifier, driven through its real window
// with the real mouse (xdotool): knob drags, a program dragged onto another
// user slot with the write question answered, the audio-EQ page opened from
// its button. Widgets are found by parameter id or name in the layout the
// application writes, never by pixels; the result is read from what the
// amplifier received.
#include "support/PrivateDisplay.h"
#include "support/SimulatedAmplifierApp.h"

#include <gtest/gtest.h>

using testing_support::AppProcess;
using testing_support::PrivateDisplay;
using testing_support::SimulatedAmplifierApp;

namespace
{
constexpr int waitMs = SimulatedAmplifierApp::patienceMs;

struct RealWindowGestures : ::testing::Test
{
    void SetUp() override
    {
        if (! AppProcess::ensureWindowManager())
            GTEST_SKIP() << "needs an X display with wmctrl and openbox";
        if (! SimulatedAmplifierApp::haveXdotool())
            GTEST_SKIP() << "needs xdotool";
        // The real pointer moves: on a display of its own.
        if (! juce::File("/usr/bin/Xvfb").existsAsFile())
            GTEST_SKIP() << "needs Xvfb";
        display = std::make_unique<PrivateDisplay>();
        ASSERT_TRUE(display->gotTheDisplayLock()) << "another real-window test kept its display";
        ASSERT_TRUE(display->isReady()) << "the private display or its window manager did not come up";
        home = juce::File::createTempFile("rigsmith-gestures");
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
        home.deleteRecursively();
    }

    // Starts the application with the amplifier and waits until it has read
    // the current program (the end of the synchronisation).
    void startConnected(int model)
    {
        app = std::make_unique<SimulatedAmplifierApp>(home, model);
        ASSERT_TRUE(app->start());
        ASSERT_NE(app->waitForMainWindow(waitMs), 0) << app->getProcess().getOutput();
        ASSERT_GE(app->waitForReceived(app->editorFrame(0x10) + " F7", waitMs), 0) << receivedText();
        ASSERT_TRUE(app->waitForWidget("window", "Rig Smith [connected]", waitMs)) << receivedText();
        // The rest of the synchronisation (the audio-EQ settings of the Orva
        // models, the HMQ's custom effects) and the pages refreshed from it.
        ASSERT_TRUE(app->waitUntilQuiet(500, waitMs)) << receivedText();
    }

    juce::String receivedText() const { return app->getReceived().joinIntoString("\n"); }

    // The {parameter id, value} of a parameter change line, or {-1, -1}.
    std::pair<int, int> paramChangeOf(const juce::String& line) const
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
    std::vector<std::pair<int, int>> paramChangesSince(int from) const
    {
        std::vector<std::pair<int, int>> changes;
        const auto lines = app->getReceived();
        for (int i = from; i < lines.size(); ++i)
            if (lines[i].startsWith(app->editorFrame(0x41) + " "))
                changes.push_back(paramChangeOf(lines[i]));
        return changes;
    }

    // Drags the parameter's knob up or down (towards the far end of its
    // range) and checks what reached the amplifier: one change for each
    // value the knob passed, each once and in order, ending at the value the
    // knob shows, and no other parameter touched.
    void dragKnob(int paramId, const juce::String& screenshotName)
    {
        const auto knob = app->waitForParam(paramId, waitMs, [](auto& w) { return w.maximum != "-"; });
        ASSERT_TRUE(knob) << "no knob for " << juce::String::toHexString(paramId);
        const int before = knob->value.getIntValue();
        const int down = before * 2 > knob->minimum.getIntValue() + knob->maximum.getIntValue() ? 1 : -1;
        const int from = app->getReceived().size();
        const auto centre = knob->bounds.getCentre();
        ASSERT_TRUE(SimulatedAmplifierApp::repeatUntilItTakes(
            [&] { return app->dragOnScreen(centre, centre.translated(0, 18 * down), 6); },
            [&] { return ! paramChangesSince(from).empty(); }))
            << "the knob sent nothing\n"
            << receivedText();

        // Polls until the knob's value is the last one the amplifier got.
        int shown = before;
        const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) waitMs;
        std::vector<std::pair<int, int>> changes;
        for (int settled = 0; settled < 3 && juce::Time::getMillisecondCounter() < end;)
        {
            juce::Thread::sleep(100);
            if (const auto now = app->waitForParam(paramId, 1000))
                shown = now->value.getIntValue();
            changes = paramChangesSince(from);
            settled = shown != before && ! changes.empty() && changes.back() == std::make_pair(paramId, shown) ? settled + 1 : 0;
        }
        SimulatedAmplifierApp::screenshot(screenshotName);
        ASSERT_NE(shown, before) << "the knob did not move";
        ASSERT_FALSE(changes.empty()) << receivedText();
        EXPECT_EQ(changes.back(), std::make_pair(paramId, shown)) << receivedText();
        int previous = before;
        for (auto& [id, value] : changes)
        {
            EXPECT_EQ(id, paramId) << receivedText();
            // Down lowers, up raises; a value sent twice would not move.
            EXPECT_EQ(value<previous, down> 0) << value << " after " << previous << "\n" << receivedText();
            EXPECT_NE(value, previous) << receivedText();
            previous = value;
        }
    }

    // Drags the button of that name (a user slot or a preset) onto user
    // slot B4, answers the write question with OK and checks what reached
    // the amplifier: nothing before the answer, then one dump into B4 (bank
    // 0, slot 7) holding the given bytes, and B4 selected.
    void dropOntoB4(const juce::String& source, const juce::String& dumpHolds, const juce::String& screenshotName)
    {
        const auto from = app->waitForWidget("name", source, waitMs);
        const auto b4 = app->waitForWidget("name", "B4", waitMs);
        ASSERT_TRUE(from && b4);
        const int before = app->getReceived().size();
        std::optional<SimulatedAmplifierApp::Widget> ok;
        ASSERT_TRUE(SimulatedAmplifierApp::repeatUntilItTakes(
            [&] { return app->dragOnScreen(from->bounds.getCentre(), b4->bounds.getCentre(), 12, 300); },
            [&] { return (ok = app->waitForWidget("name", "OK", 0)).has_value(); }))
            << home.getChildFile("screen-layout.txt").loadFileAsString();
        ASSERT_TRUE(app->waitForWidget("name", "Always pop-up and confirm when writing program", waitMs,
                                       [](auto& w) { return w.value == "1"; }));
        SimulatedAmplifierApp::screenshot(screenshotName + "-question");
        const auto dumps = app->editorFrame(0x4C);
        EXPECT_EQ(app->countReceived(dumps), 0);

        // Answered once: the question goes as the dump is sent.
        ASSERT_TRUE(SimulatedAmplifierApp::repeatUntilItTakes([&] { return app->clickOnScreen(ok->bounds.getCentre()); },
                                                              [&] { return app->findWidgets("name", "OK").empty(); }));
        const int dump = app->waitForReceived(app->editorFrame(0x4C, { 0x00, 0x07 }), waitMs, before);
        ASSERT_GE(dump, 0) << receivedText();
        EXPECT_GT(app->waitForReceived(app->editorFrame(0x4E, { 0x00, 0x07 }) + " F7", waitMs, dump), dump) << receivedText();
        EXPECT_EQ(app->countReceived(dumps), 1) << receivedText();
        EXPECT_TRUE(app->getReceived()[dump].endsWith(" F7"));
        EXPECT_TRUE(app->getReceived()[dump].contains(dumpHolds)) << app->getReceived()[dump];
        EXPECT_TRUE(app->waitUntilGone("name", "OK", waitMs));
        SimulatedAmplifierApp::screenshot(screenshotName + "-written");
    }

    juce::File home;
    std::unique_ptr<PrivateDisplay> display;
    std::unique_ptr<SimulatedAmplifierApp> app;
};
} // namespace

TEST_F(RealWindowGestures, OrvaPWKnobDragSendsItsChanges)
{
    startConnected(3);
    dragKnob(0x400, "smoke-orvapw-knob-drag"); // GAIN
}

TEST_F(RealWindowGestures, OrvaPWProgramDraggedOntoAnotherUserSlotIsWrittenAfterTheQuestion)
{
    startConnected(3);
    // A1's name opens the dump's data ("User 1 ", then the byte of the
    // eighth bits).
    dropOntoB4("A1", "00 55 73 65 72 20 31 20 00", "smoke-orvapw-program-drop");
}

TEST_F(RealWindowGestures, OrvaKXAudioEQKnobDragSendsItsChanges)
{
    startConnected(2);
    const auto button = app->waitForWidget("name", "AUDIO EQ", waitMs);
    ASSERT_TRUE(button);
    const int from = app->getReceived().size();
    ASSERT_TRUE(app->clickOnScreen(button->bounds.getCentre()));
    // Opening the page sends no parameter change.
    ASSERT_TRUE(app->waitForParam(0x6201, waitMs, [](auto& w) { return w.maximum != "-"; }));
    EXPECT_TRUE(paramChangesSince(from).empty()) << receivedText();
    dragKnob(0x6201, "smoke-orvakx-audio-eq-knob-drag"); // the low band's gain
}

TEST_F(RealWindowGestures, HMQKnobDragSendsItsChanges)
{
    startConnected(1);
    dragKnob(0x402, "smoke-hmq-knob-drag"); // MIDDLE
}

TEST_F(RealWindowGestures, DWQRKnobDragSendsItsChanges)
{
    startConnected(0);
    dragKnob(0x303, "smoke-dwqr-knob-drag"); // MIDDLE
}

TEST_F(RealWindowGestures, DWQRPresetDraggedOntoAUserSlotIsWrittenAfterTheQuestion)
{
    startConnected(0);
    // The second preset; its name opens the dump's data ("Crow Ja", then
    // the byte of the eighth bits).
    dropOntoB4("Crow Jane", "00 43 72 6F 77 20 4A 61 00", "smoke-dwqr-preset-drop");
}

TEST_F(RealWindowGestures, HMQPresetDraggedOntoAUserSlotIsWrittenAfterTheQuestion)
{
    startConnected(1);
    // The second preset of bank A; its name opens the dump's data
    // ("Standar", then the byte of the eighth bits).
    dropOntoB4("Standard Clean 2", "00 53 74 61 6E 64 61 72 00", "smoke-hmq-preset-drop");
}
