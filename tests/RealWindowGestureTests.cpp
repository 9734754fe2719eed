// The application with a simulated amplifier, driven through its real window
// with the real mouse through the fixture's checked gestures: knob drags, a program dragged onto another
// user slot with the write question answered, the audio-EQ page opened from
// its button, Help and its opener, a knob given the focus by a click.
// Widgets are found by parameter id or name in the layout the application
// writes; the result is read from what the amplifier received, from the
// processes and from the screen.
#include "support/RealWindowFixture.h"

#include "Action/ActionManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

using testing_support::SimulatedAmplifierApp;

namespace
{
struct RealWindowGestures : testing_support::RealWindowFixture
{
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
        ASSERT_TRUE(dragUntil(centre, centre.translated(0, 18 * down), [&] { return ! changesSince(from).empty(); }, { 6 }))
            << "the knob sent nothing\n"
            << receivedText();

        // Waits until the knob's value is the last one the amplifier got.
        int shown = before;
        std::vector<std::pair<int, int>> changes;
        waitForSettled([&] {
            if (const auto now = app->waitForParam(paramId, 0))
                shown = now->value.getIntValue();
            changes = changesSince(from);
            return shown != before && ! changes.empty() && changes.back() == std::make_pair(paramId, shown);
        });
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
        ASSERT_TRUE(dragUntil(from->bounds.getCentre(), b4->bounds.getCentre(), shows("name", "OK"), { 12, 300 }))
            << layoutText();
        const auto ok = app->waitForWidget("name", "OK", waitMs);
        ASSERT_TRUE(ok);
        ASSERT_TRUE(app->waitForWidget("name", "Always pop-up and confirm when writing program", waitMs,
                                       [](auto& w) { return w.value == "1"; }));
        SimulatedAmplifierApp::screenshot(screenshotName + "-question");
        const auto dumps = app->editorFrame(0x4C);
        EXPECT_EQ(app->countReceived(dumps), 0);

        // Answered once: the question goes as the dump is sent.
        ASSERT_TRUE(clickUntil(*ok, gone("name", "OK")));
        const int dump = app->waitForReceived(app->editorFrame(0x4C, { 0x00, 0x07 }), waitMs, before);
        ASSERT_GE(dump, 0) << receivedText();
        EXPECT_GT(app->waitForReceived(app->editorFrame(0x4E, { 0x00, 0x07 }) + " F7", waitMs, dump), dump) << receivedText();
        EXPECT_EQ(app->countReceived(dumps), 1) << receivedText();
        EXPECT_TRUE(app->getReceived()[dump].endsWith(" F7"));
        EXPECT_TRUE(app->getReceived()[dump].contains(dumpHolds)) << app->getReceived()[dump];
        EXPECT_TRUE(waitForSettled(gone("name", "OK")));
        SimulatedAmplifierApp::screenshot(screenshotName + "-written");
    }
};
} // namespace

TEST_F(RealWindowGestures, OrvaPWKnobDragSendsItsChanges)
{
    startConnected(3);
    dragKnob(0x400, "smoke-orvapw-knob-drag"); // GAIN
}

TEST_F(RealWindowGestures, OrvaPWProgramDraggedOntoAnotherUserSlotIsWrittenAfterTheQuestion)
{
    startConnected(3, [](SimulatedAmplifierApp& a) { a.usePatternContents(); });
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
    ASSERT_TRUE(
        clickUntil(*button, [&] { return app->waitForParam(0x6201, 0, [](auto& w) { return w.maximum != "-"; }).has_value(); }));
    // Opening the page sends no parameter change.
    EXPECT_TRUE(changesSince(from).empty()) << receivedText();
    dragKnob(0x6201, "smoke-orvakx-audio-eq-knob-drag"); // the low band's gain
}

TEST_F(RealWindowGestures, OrvaKXCurveDroppedOnAnEQSlotIsWrittenAfterTheQuestion)
{
    startConnected(2);
    const auto button = app->waitForWidget("name", "AUDIO EQ", waitMs);
    ASSERT_TRUE(button);
    ASSERT_TRUE(clickUntil(*button, shows("name", "EQ 2")));
    const auto eq1 = app->waitForWidget("name", "EQ 1", waitMs);
    const auto eq2 = app->waitForWidget("name", "EQ 2", waitMs);
    ASSERT_TRUE(eq1 && eq2);
    // The curve lies under the slot buttons; dragged onto "EQ 2".
    const juce::Point<int> onCurve(eq1->bounds.getRight(), eq1->bounds.getY() + 140);
    const int before = app->getReceived().size();
    const auto slotDump = app->editorFrame(0x4D, { 0x00, 0x02 });
    const juce::String toggleText = "Always pop-up and confirm when writing EQ";
    ASSERT_TRUE(dragUntil(onCurve, eq2->bounds.getCentre(), shows("name", toggleText), { 12, 300 })) << layoutText();

    // The question is a window of its own, with the ticked toggle listed
    // once and nothing written before the answer.
    const auto toggle = app->waitForWidget("name", toggleText, waitMs, [](auto& w) { return w.value == "1"; });
    ASSERT_TRUE(toggle) << home.getChildFile("screen-layout.txt").loadFileAsString();
    EXPECT_EQ(app->findWidgets("name", toggleText).size(), 1u);
    const auto windows = app->findWidgets("window", "");
    EXPECT_TRUE(std::any_of(windows.begin(), windows.end(), [&](auto& w) { return w.bounds.contains(toggle->bounds); }));
    SimulatedAmplifierApp::screenshot("smoke-orvakx-eq-write-question");
    EXPECT_EQ(app->countReceived(slotDump), 0) << receivedText();

    const auto ok = app->waitForWidget("name", "OK", waitMs);
    ASSERT_TRUE(ok);
    ASSERT_TRUE(clickUntil(*ok, gone("name", toggleText)));
    EXPECT_GE(app->waitForReceived(slotDump, waitMs, before), 0) << receivedText();
    EXPECT_TRUE(waitForSettled(gone("name", toggleText)));
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

namespace
{
// The children of a process that have ended but were never waited for.
int defunctChildrenOf(int pid)
{
    namespace fs = std::filesystem;
    int count = 0;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/proc", ec))
    {
        const auto name = entry.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::ifstream in(entry.path() / "stat");
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const auto close = text.rfind(')');
        if (close == std::string::npos)
            continue;
        char state = 0;
        int parent = 0;
        if (std::sscanf(text.c_str() + close + 1, " %c %d", &state, &parent) == 2 && parent == pid && state == 'Z')
            ++count;
    }
    return count;
}

// The screenshot of that name, read back.
juce::Image screenshotImage(const juce::String& name)
{
    return juce::ImageFileFormat::loadFrom(juce::File(RIGSMITH_SCREENSHOT_DIR).getChildFile(name + ".png"));
}
} // namespace

// Help hands the model's manual to the desktop's opener (a stand-in on PATH
// here that writes down what it was given) by its absolute path beside the
// executable, and reaps it: however often Help is clicked, the application
// keeps no defunct child. A missing manual opens nothing, shows no message
// and leaves one line in the log.
TEST_F(RealWindowGestures, HelpStartsTheDesktopsOpenerAndLeavesNoDefunctChild)
{
    const auto bin = home.getChildFile("bin");
    const auto opened = home.getChildFile("opened.txt");
    ASSERT_TRUE(bin.createDirectory());
    const auto opener = bin.getChildFile("xdg-open");
    ASSERT_TRUE(
        opener.replaceWithText("#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" + opened.getFullPathName() + "'\n", false, false, "\n"));
    ASSERT_TRUE(opener.setExecutePermission(true));
    const auto manual =
        juce::File(RIGSMITH_SIMAMP_BINARY).getSiblingFile("Resources").getChildFile(ActionManager::getManualFileName(2, false));
    manual.deleteFile();
    const juce::ScopeGuard removeManual { [manual] { manual.deleteFile(); } };

    startConnected(2, [&](SimulatedAmplifierApp& a) {
        a.getProcess().setEnvironment("PATH", bin.getFullPathName() + ":"
                                                  + juce::SystemStats::getEnvironmentVariable("PATH", "/usr/bin:/bin"));
        a.getProcess().setEnvironment("LANG", "C");
    });
    const auto help = app->waitForWidget("name", "Help", waitMs);
    ASSERT_TRUE(help) << home.getChildFile("screen-layout.txt").loadFileAsString();

    // No manual yet: one log line, nothing opened, no question on screen.
    ASSERT_TRUE(clickUntil(*help, [&] {
        return app->getProcess().getApplicationLog().contains("no document at " + manual.getFullPathName());
    })) << app->getProcess().getApplicationLog();
    EXPECT_TRUE(waitForSettled([&] { return ! opened.exists() && app->findWidgets("name", "OK").empty(); }));
    EXPECT_EQ(app->getProcess().getApplicationLog().indexOf("no document at"),
              app->getProcess().getApplicationLog().lastIndexOf("no document at"));

    // With the manual: three clicks, three openings of its absolute path.
    ASSERT_TRUE(manual.replaceWithText("%PDF-1.4\n"));
    const auto openings = [&] { return juce::StringArray::fromLines(opened.loadFileAsString().trim()).size(); };
    for (int i = 1; i <= 3; ++i)
        ASSERT_TRUE(clickUntil(*help, [&] { return openings() >= i; })) << opened.loadFileAsString();
    EXPECT_TRUE(waitForSettled([&] { return openings() == 3; }));
    const auto lines = juce::StringArray::fromLines(opened.loadFileAsString().trim());
    ASSERT_EQ(lines.size(), 3) << opened.loadFileAsString() << app->getProcess().getApplicationLog();
    for (auto& line : lines)
        EXPECT_EQ(line, manual.getFullPathName());

    // Every opener has ended; none waits as a defunct child.
    const int pid = app->getProcess().findPid();
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(waitFor([&] { return defunctChildrenOf(pid) == 0; })) << defunctChildrenOf(pid);
}

// A knob with the keyboard focus keeps its picture at full strength: the
// focus square tints only what lies around the knob's face, so the face's
// middle looks as it did before the click gave the focus.
TEST_F(RealWindowGestures, FocusedKnobKeepsItsPictureAtFullStrength)
{
    startConnected(1);
    const auto knob = app->waitForParam(0x402, waitMs, [](auto& w) { return w.maximum != "-"; }); // MIDDLE
    ASSERT_TRUE(knob);
    ASSERT_TRUE(app->raise());
    ASSERT_TRUE(SimulatedAmplifierApp::screenshot("smoke-hmq-knob-unfocused"));
    const int from = app->getReceived().size();

    // The focus shows: the square around the face takes the focus colour
    // (the click made again if the display swallowed it).
    const auto b = knob->bounds;
    const juce::Point<int> corner(b.getX() + b.getWidth() / 7 + 1, b.getY() + b.getHeight() / 7 + 1);
    const auto before = screenshotImage("smoke-hmq-knob-unfocused");
    ASSERT_TRUE(before.isValid());
    juce::Image after;
    const auto focusShows = [&] {
        SimulatedAmplifierApp::screenshot("smoke-hmq-knob-focused");
        after = screenshotImage("smoke-hmq-knob-focused");
        return after.isValid() && after.getPixelAt(corner.x, corner.y) != before.getPixelAt(corner.x, corner.y);
    };
    clickUntil(*knob, focusShows);
    ASSERT_NE(after.getPixelAt(corner.x, corner.y), before.getPixelAt(corner.x, corner.y)) << "no focus square";

    // The face's middle is unchanged.
    auto distance = [](juce::Colour x, juce::Colour y) {
        return std::abs(x.getRed() - y.getRed()) + std::abs(x.getGreen() - y.getGreen()) + std::abs(x.getBlue() - y.getBlue());
    };
    int worst = 0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
        {
            const auto at = b.getCentre().translated(dx, dy);
            worst = juce::jmax(worst, distance(before.getPixelAt(at.x, at.y), after.getPixelAt(at.x, at.y)));
        }
    EXPECT_LE(worst, 12);
    // A click without a drag changes nothing.
    EXPECT_TRUE(changesSince(from).empty()) << receivedText();
}

// A knob's tip shows while the pointer rests on it, in the lower right
// corner of the window, and goes when the pointer leaves the window; the
// tooltip window comes with the pointer's movements.
TEST_F(RealWindowGestures, HMQKnobTipShowsWhileThePointerRestsOnItAndGoesWhenItLeaves)
{
    startConnected(1);
    ASSERT_TRUE(app->raise());
    const auto knob = app->waitForParam(0x402, waitMs, [](auto& w) { return w.maximum != "-"; });
    ASSERT_TRUE(knob);
    // Tips show where the application is the active one (as the gestures
    // see to).
    const auto window = app->waitForWidget("window", "Rig Smith [connected]", waitMs);
    ASSERT_TRUE(window);
    std::optional<SimulatedAmplifierApp::Widget> tip;
    hoverUntil(knob->bounds.getCentre(), [&] { return (tip = shownTooltip()).has_value(); });
    SimulatedAmplifierApp::screenshot("hmq-knob-tooltip");
    ASSERT_TRUE(tip) << "no tip over the knob";
    EXPECT_EQ(tip->bounds.getBottomRight(), window->bounds.getBottomRight().translated(-10, -10)) << tip->bounds.toString();

    // Off the window (the screen's corner): the tip goes.
    const auto noTip = [&] { return ! shownTooltip(); };
    EXPECT_TRUE(hoverUntil({ window->bounds.getRight() + 5 < 1270 ? window->bounds.getRight() + 5 : 2, 2 }, noTip));
    EXPECT_TRUE(waitForSettled(noTip)) << layoutText();
}
