// The working screens in the real window, driven with the real mouse and
// keyboard through the fixture's checked gestures: the header's menu, where the keyboard focus is after a
// program was dropped and written, what a drop leaves on the screen, and
// tooltips. Widgets, popup menus and tooltips are found in the layout the
// application writes; what reached the amplifier is read from its log.
#include "support/RealWindowFixture.h"

#include <gtest/gtest.h>

using testing_support::SimulatedAmplifierApp;

namespace
{
// The suite's name starts like the other real-window tests', so that the
// one-process pass leaves it out with them.
struct RealWindowGesturesOnScreen : testing_support::RealWindowFixture
{
    // The text of the program-name field.
    juce::String programName() const
    {
        const auto box = app->waitForWidget("name", "PGNameBox", waitMs);
        return box ? box->value : juce::String("(no name field)");
    }

    // A screenshot of the whole screen, and how many pixels inside the area
    // pass the test; -1 without a screenshot.
    static int countPixels(const juce::String& screenshotName, juce::Rectangle<int> area,
                           const std::function<bool(juce::Colour)>& test)
    {
        if (! SimulatedAmplifierApp::screenshot(screenshotName))
            return -1;
        return countPixelsIn(screenshotName, area, test);
    }

    // The same in a screenshot taken before; -1 without it.
    static int countPixelsIn(const juce::String& screenshotName, juce::Rectangle<int> area,
                             const std::function<bool(juce::Colour)>& test)
    {
        const auto image =
            juce::ImageFileFormat::loadFrom(juce::File(RIGSMITH_SCREENSHOT_DIR).getChildFile(screenshotName + ".png"));
        if (! image.isValid())
            return -1;
        int count = 0;
        const auto inside = area.getIntersection(image.getBounds());
        for (int y = inside.getY(); y < inside.getBottom(); ++y)
            for (int x = inside.getX(); x < inside.getRight(); ++x)
                count += test(image.getPixelAt(x, y)) ? 1 : 0;
        return count;
    }

    // Pixels of a clear colour: the program buttons' pictures have them; an
    // empty user slot is grey and white only.
    static int colouredPixels(const juce::String& screenshotName, juce::Rectangle<int> area)
    {
        return countPixels(screenshotName, area, [](juce::Colour c) {
            return juce::jmax(c.getRed(), c.getGreen(), c.getBlue()) - juce::jmin(c.getRed(), c.getGreen(), c.getBlue()) > 40;
        });
    }

    // Opens the About page from the header's menu with the mouse, in the
    // window made active at the start.
    void openAboutFromMenu()
    {
        const auto menuButton = app->waitForWidget("name", "Menu", waitMs);
        ASSERT_TRUE(menuButton) << layoutText();
        ASSERT_TRUE(clickUntil(*menuButton, shows("window", "menu"))) << layoutText();
        // Open once the window has settled after the press.
        ASSERT_TRUE(waitForSettled(shows("window", "menu"), 500)) << layoutText();
        const auto about = app->waitForWidget("name", "About", waitMs);
        ASSERT_TRUE(about) << layoutText();
        ASSERT_TRUE(clickUntil(*about, shows("name", "labelVersion"))) << layoutText();
    }

    // Drags the named program button onto user slot B4 and waits for the
    // write question; the question's OK and Cancel buttons.
    std::pair<SimulatedAmplifierApp::Widget, SimulatedAmplifierApp::Widget> dropOntoB4(const juce::String& source)
    {
        const auto from = app->waitForWidget("name", source, waitMs);
        const auto b4 = app->waitForWidget("name", "B4", waitMs);
        EXPECT_TRUE(from && b4);
        if (! from || ! b4)
            return {};
        EXPECT_TRUE(dragUntil(from->bounds.getCentre(), b4->bounds.getCentre(), shows("name", "OK"), { 12, 300 }));
        const auto ok = app->waitForWidget("name", "OK", waitMs);
        const auto cancel = app->waitForWidget("name", "Cancel", waitMs);
        EXPECT_TRUE(ok && cancel) << layoutText();
        if (! ok || ! cancel)
            return {};
        return { *ok, *cancel };
    }
};
} // namespace

// A click on the header's menu button opens the command menu as a window of
// its own below the button, and it stays open when the window manager raises
// the window in answer to the press; an item chosen with the mouse runs its
// command.
TEST_F(RealWindowGesturesOnScreen, MenuButtonOpensTheCommandMenuAndAboutShowsItsPage)
{
    for (const int model : { 3, 1 })
    {
        SCOPED_TRACE("model " + juce::String(model));
        startConnected(model);
        // The Orva model's file tab opens once the synchronisation has ended
        // (until then no file can be saved).
        if (model == 3)
            ASSERT_TRUE(waitFor(shows("name", "NEW FILE"))) << layoutText();
        const auto menuButton = app->waitForWidget("name", "Menu", waitMs);
        ASSERT_TRUE(menuButton) << layoutText();
        // The window manager may raise the window just after the press,
        // while the menu opens.
        ASSERT_TRUE(clickUntil(*menuButton, shows("window", "menu"))) << layoutText();
        ASSERT_TRUE(app->raiseOnly());

        const auto popup = app->waitForWidget("window", "menu", waitMs);
        ASSERT_TRUE(popup) << "no popup after a click on the menu button\n" << layoutText();
        EXPECT_GE(popup->bounds.getY(), menuButton->bounds.getBottom() - 2);
        const auto about = app->waitForWidget("name", "About", waitMs);
        ASSERT_TRUE(about) << layoutText();
        // Items that can be chosen are listed, greyed ones are not: the Orva
        // model's only file tab cannot be closed; the HMQ's preset tab is
        // current, so no file is saved or closed.
        for (const auto* item : { "New File...", "Open File...", "Load USER PROGRAMS From...", "Save USER PROGRAMS As...",
                                  "Write Current Program...", "Help" })
            EXPECT_FALSE(app->findWidgets("name", item).empty()) << item;
        EXPECT_TRUE(app->findWidgets("name", "Close File").empty());
        EXPECT_EQ(app->findWidgets("name", "Save File As...").empty(), model == 1);
        // The menu stays open after the button goes up.
        ASSERT_TRUE(waitForSettled(shows("window", "menu"), 700));
        SimulatedAmplifierApp::screenshot("screens-menu-open-" + juce::String(model));

        EXPECT_TRUE(clickUntil(*about, gone("window", "menu")));
        ASSERT_TRUE(app->waitForWidget("name", "labelVersion", waitMs)) << layoutText();
        SimulatedAmplifierApp::screenshot("screens-menu-about-" + juce::String(model));

        // The page took the focus when it opened: Escape closes it without a
        // click inside it first.
        EXPECT_TRUE(app->waitForWidget("focus", "CAboutDialogComponent", waitMs)) << layoutText();
        EXPECT_TRUE(keyUntil("Escape", gone("name", "labelVersion"))) << layoutText();
        EXPECT_TRUE(waitForSettled(gone("name", "labelVersion")));

        EXPECT_EQ(app->closeAndWaitForExit(waitMs), 0) << app->getProcess().getOutput();
        app.reset();
    }
}

// The window closed while the header's menu is open: one close ends the
// application within two seconds, and nothing the menu showed outlives the
// look it is drawn with (no framework assertion). Closed both at once after
// the press (while a menu closed by the window manager would open again) and
// once the menu has settled.
TEST_F(RealWindowGesturesOnScreen, ClosingTheWindowWithItsMenuOpenEndsTheApplicationCleanly)
{
    for (int round = 0; round < 5; ++round)
    {
        SCOPED_TRACE("round " + juce::String(round));
        startConnected(1);
        const auto menuButton = app->waitForWidget("name", "Menu", waitMs);
        ASSERT_TRUE(menuButton) << layoutText();
        ASSERT_TRUE(clickUntil(*menuButton, shows("window", "menu"))) << layoutText();
        if (round % 2 == 1)
            ASSERT_TRUE(waitForSettled(shows("window", "menu"), 700)) << layoutText();

        ASSERT_TRUE(app->closeOnce());
        const int code = app->getProcess().waitForExit(2000);
        const auto output = app->getProcess().getOutput();
        EXPECT_EQ(code, 0) << "one close did not end the application within 2 s\n" << output;
        EXPECT_FALSE(output.contains("JUCE Assertion failure")) << output;
        if (code != 0)
            app->closeAndWaitForExit(waitMs);
        app.reset();
        if (HasFailure())
            return;
    }
}

// After the start, on every model, the keyboard focus is where the
// window's shortcuts reach it: the view's parameter area took it when the
// synchronisation built the view, and the progress dialog of the
// synchronisation handed it to the main component when it closed (the Orva
// models' blank file tab, opened after that, leaves it there). Return opens no
// file tab and reaches the window unused; the shortcuts work without a click
// first (Write Current Program opens its dialog, Quit ends the application).
TEST_F(RealWindowGesturesOnScreen, AfterTheStartTheKeysReachTheShortcuts)
{
    for (const int model : { 2, 3, 4, 5, 1, 0 })
    {
        SCOPED_TRACE("model " + juce::String(model));
        startConnected(model);
        const bool orva = model >= 2;
        if (orva)
            ASSERT_TRUE(waitForSettled(shows("name", "NEW FILE"))) << layoutText();
        const auto hasFocus = [](auto& w) { return w.minimum == "1"; }; // and its window the system's
        EXPECT_TRUE(app->waitForWidget("focus", "MainComponent", waitMs, hasFocus)) << layoutText();

        const int keys = app->keysReachingMainWindow();
        EXPECT_TRUE(keyUntil("Return", [&] { return app->keysReachingMainWindow() > keys; })) << layoutText();
        EXPECT_TRUE(waitForSettled([&] { return app->findWidgets("name", "NEW FILE").size() == (orva ? 1u : 0u); }))
            << layoutText();
        SimulatedAmplifierApp::screenshot("screens-start-focus-" + juce::String(model));

        ASSERT_TRUE(keyUntil("ctrl+u", shows("name", "MidiInDevice"))) << layoutText();
        const auto cancel = app->waitForWidget("name", "Cancel", waitMs);
        ASSERT_TRUE(cancel) << layoutText();
        ASSERT_TRUE(clickUntil(*cancel, gone("name", "MidiInDevice"))) << layoutText();
        EXPECT_TRUE(keyUntil("ctrl+q", [&] { return ! app->getProcess().isRunning(); })) << layoutText();
        EXPECT_EQ(app->getProcess().waitForExit(waitMs), 0) << app->getProcess().getOutput();
        EXPECT_FALSE(app->getProcess().getOutput().contains("Leaked objects detected"));
        app.reset();
    }
}

// A preset dropped on a user slot: nothing of the drag stays on the slot
// while the write question is open nor after Cancel; after OK, keys typed
// reach no text field: no rename, no program dump.
TEST_F(RealWindowGesturesOnScreen, DroppedProgramLeavesNothingOnScreenAndTypedKeysRenameNothing)
{
    startConnected(0);
    const auto b4 = app->waitForWidget("name", "B4", waitMs);
    ASSERT_TRUE(b4);
    const int colouredBefore = colouredPixels("screens-drop-before", b4->bounds);
    ASSERT_GE(colouredBefore, 0);

    auto [ok, cancel] = dropOntoB4("Crow Jane");
    ASSERT_FALSE(ok.bounds.isEmpty());
    EXPECT_LE(colouredPixels("screens-drop-question", b4->bounds), colouredBefore + 20)
        << "the drag image stays on the slot behind the question";
    ASSERT_TRUE(clickUntil(cancel, gone("name", "Cancel")));
    ASSERT_TRUE(waitForSettled(gone("name", "Cancel"), 300));
    EXPECT_LE(colouredPixels("screens-drop-cancelled", b4->bounds), colouredBefore + 20)
        << "the drag image stays on the slot after Cancel";
    EXPECT_EQ(app->countReceived(app->editorFrame(0x4C)), 0) << receivedText();

    const int before = app->getReceived().size();
    std::tie(ok, cancel) = dropOntoB4("Crow Jane");
    ASSERT_FALSE(ok.bounds.isEmpty());
    ASSERT_TRUE(clickUntil(ok, gone("name", "OK")));
    ASSERT_GE(app->waitForReceived(app->editorFrame(0x4C, { 0x00, 0x07 }), waitMs, before), 0) << receivedText();
    ASSERT_TRUE(waitForSettled(gone("name", "OK")));
    const auto name = programName();
    EXPECT_TRUE(name.startsWith("Crow Jane")) << name;

    // Each key reaches the window itself, no widget having taken it.
    const int typedFrom = app->getReceived().size();
    int keys = app->keysReachingMainWindow();
    for (const auto* key : { "z", "q", "Return" })
    {
        EXPECT_TRUE(keyUntil(key, [&] { return app->keysReachingMainWindow() > keys; })) << key;
        keys = app->keysReachingMainWindow();
    }
    EXPECT_TRUE(waitForSettled([&] { return app->waitForReceived(app->editorFrame(0x40), 0, typedFrom) < 0; }, 700))
        << receivedText();
    SimulatedAmplifierApp::screenshot("screens-drop-typed");
    EXPECT_EQ(programName(), name);
}

// The About page opened from the header's menu and closed with its OK, then
// a user program dragged onto another slot and written: the focus is on the
// user-button container, so Return opens no menu and sends nothing.
TEST_F(RealWindowGesturesOnScreen, AfterAboutAndAWrittenDropTheUserSlotsKeepTheFocus)
{
    startConnected(3);
    openAboutFromMenu();
    const auto aboutOk = app->waitForWidget("name", "OK", waitMs);
    ASSERT_TRUE(aboutOk) << layoutText();
    ASSERT_TRUE(clickUntil(*aboutOk, gone("name", "labelVersion")));

    const int before = app->getReceived().size();
    const auto [ok, cancel] = dropOntoB4("A1");
    ASSERT_FALSE(ok.bounds.isEmpty());
    ASSERT_TRUE(clickUntil(ok, gone("name", "OK")));
    ASSERT_GE(app->waitForReceived(app->editorFrame(0x4C, { 0x00, 0x07 }), waitMs, before), 0) << receivedText();
    ASSERT_TRUE(waitForSettled(gone("name", "OK")));
    const auto hasFocus = [](auto& w) { return w.minimum == "1"; }; // and its window the system's
    EXPECT_TRUE(app->waitForWidget("focus", "OPWUserButtonContainerComponent", waitMs, hasFocus)) << layoutText();

    // Return reaches the window unused, or opens the menu where the focus
    // went astray; either way it has been handled once the window settles.
    const int typedFrom = app->getReceived().size();
    const int keys = app->keysReachingMainWindow();
    const auto menuShows = shows("window", "menu");
    EXPECT_TRUE(keyUntil("Return", [&] { return app->keysReachingMainWindow() > keys || menuShows(); })) << layoutText();
    EXPECT_TRUE(waitForSettled(gone("window", "menu"), 700)) << layoutText();
    SimulatedAmplifierApp::screenshot("screens-return-after-write");
    EXPECT_EQ(app->getReceived().size(), typedFrom) << receivedText();
    EXPECT_TRUE(app->waitForWidget("focus", "OPWUserButtonContainerComponent", 0, hasFocus)) << layoutText();
}

// A tooltip shows when the pointer rests on the item it describes, in the
// lower right corner of the main window, 10 pixels from its right and bottom
// edges, wherever the pointer is; when the pointer moves on it goes, and
// nothing of it stays on the screen.
TEST_F(RealWindowGesturesOnScreen, TooltipStandsInTheWindowsLowerRightCornerAndGoesWithoutATrace)
{
    startConnected(1);
    const auto cell = app->waitForWidget("name", "DELUXE CL VIBRATO", waitMs);
    ASSERT_TRUE(cell);
    // The tooltip shows where the application is the active one.
    const auto window = app->waitForWidget("window", "Rig Smith [connected]", waitMs);
    ASSERT_TRUE(window);
    const juce::Point<int> titleBar(window->bounds.getCentreX(), window->bounds.getY() - 8);
    // The tip's orange text, and the screen as it was before any tip showed.
    const auto isTipText = [](juce::Colour c) {
        return std::abs(c.getRed() - 0xFF) + std::abs(c.getGreen() - 0xAC) + std::abs(c.getBlue()) < 30;
    };
    ASSERT_TRUE(SimulatedAmplifierApp::screenshot("screens-tooltip-before"));

    const auto pointer = cell->bounds.getCentre().translated(-30, -20);
    std::optional<SimulatedAmplifierApp::Widget> tip;
    ASSERT_TRUE(hoverUntil(pointer, [&] { return (tip = shownTooltip()).has_value(); })) << layoutText();
    SimulatedAmplifierApp::screenshot("screens-tooltip");
    EXPECT_EQ(tip->bounds.getRight(), window->bounds.getRight() - 10) << "tip at " << tip->bounds.toString();
    EXPECT_EQ(tip->bounds.getBottom(), window->bounds.getBottom() - 10) << "tip at " << tip->bounds.toString();
    EXPECT_FALSE(tip->bounds.expanded(20).contains(pointer));
    const int tipTextBefore = countPixelsIn("screens-tooltip-before", tip->bounds, isTipText);
    ASSERT_GE(tipTextBefore, 0);
    EXPECT_GT(countPixelsIn("screens-tooltip", tip->bounds, isTipText), tipTextBefore + 20) << "the tip is not on the screen";

    // Off the cell, onto the window's title bar: the tip goes, and the
    // window paints again where it stood.
    const auto noTip = [&] { return ! shownTooltip(); };
    EXPECT_TRUE(hoverUntil(titleBar, noTip)) << layoutText();
    EXPECT_TRUE(waitForSettled(noTip)) << layoutText();
    EXPECT_TRUE(waitFor([&] { return countPixels("screens-tooltip-gone", tip->bounds, isTipText) == tipTextBefore; }))
        << "its text's pixels there " << countPixelsIn("screens-tooltip-gone", tip->bounds, isTipText) << ", before "
        << tipTextBefore;
}
