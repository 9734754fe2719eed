// Where the keyboard focus rests after the clicks of an ordinary session, in
// the real window with the real mouse and keyboard: never on a button that
// shows no sign of holding it and whose Return would open, close or store
// something, nor on a widget that the player did not point at or cannot see
// (behind an overlay page, on a page that hid), whose arrows would send.
// Widgets are found in the layout the application writes, the focus in its
// focus line; what reached the amplifier is read from its log.
#include "support/RealWindowFixture.h"

#include <gtest/gtest.h>

using testing_support::SimulatedAmplifierApp;

namespace
{
struct RealWindowKeyboardFocus : testing_support::RealWindowFixture
{
    // The holder of the keyboard focus as the layout tells it: its class and
    // bounds, "-" while nothing holds it.
    juce::String focusHolder() const
    {
        for (auto& line : juce::StringArray::fromLines(layoutText()))
            if (line.startsWith("focus\t"))
                return juce::StringArray::fromTokens(line, "\t", {}).joinIntoString(" ", 1, 5);
        return "-";
    }

    // The bounds of a focus holder as focusHolder() tells it.
    static juce::Rectangle<int> boundsOf(const juce::String& holder)
    {
        const auto fields = juce::StringArray::fromTokens(holder, " ", {});
        return { fields[1].getIntValue(), fields[2].getIntValue(), fields[3].getIntValue(), fields[4].getIntValue() };
    }

    // An overlay page's class: its own and its model's.
    static bool isOverlayPage(const juce::String& holder)
    {
        const auto cls = holder.upToFirstOccurrenceOf(" ", false, false);
        return cls.endsWith("AudioEQEditComponent") || cls.endsWith("USBRoutingSelectComponent");
    }

    // One file tab is open per close button.
    int openFileTabs() const { return (int) app->findWidgets("name", "close").size(); }

    bool toggledOn(const juce::String& name) const
    {
        const auto w = app->findWidgets("name", name);
        return ! w.empty() && w.back().value == "1";
    }

    juce::String pictureOf(const juce::String& name) const
    {
        const auto w = app->findWidgets("picture", name);
        return w.empty() ? juce::String() : w.back().value;
    }

    // The new-file button, just right of the last tab.
    std::optional<juce::Point<int>> newFileButton(const juce::String& firstTab) const
    {
        auto tabs = app->findWidgets("name", "NEW FILE");
        if (tabs.empty())
            tabs = app->findWidgets("name", firstTab);
        if (tabs.empty())
            return std::nullopt;
        auto last = tabs.front().bounds;
        for (auto& t : tabs)
            if (t.bounds.getRight() > last.getRight())
                last = t.bounds;
        return juce::Point<int>(last.getRight() + 15, last.getBottom() - 10);
    }

    // Return pressed twice after a click, then Up and Right: each key reaches
    // the window unused (or does what it must not); then no file tab has
    // opened or closed, no question or dialog shows and the amplifier has
    // received nothing. Where the click gives a page or panel the focus, the
    // holder's class ends so.
    void keysDoNothing(const juce::String& after, const juce::String& holderEnding = {})
    {
        SCOPED_TRACE("after " + after + ", the focus on " + focusHolder());
        if (holderEnding.isNotEmpty())
            EXPECT_TRUE(waitFor([&] { return focusHolder().upToFirstOccurrenceOf(" ", false, false).endsWith(holderEnding); }))
                << holderEnding;
        const int tabs = openFileTabs();
        const int sent = app->getReceived().size();
        const auto calm = [&] {
            return openFileTabs() == tabs && app->getReceived().size() == sent && gone("name", "OK")()
                   && gone("name", "MidiInDevice")() && gone("window", "menu")();
        };
        for (const auto* key : { "Return", "Return", "Up", "Right" })
        {
            const int keys = app->keysReachingMainWindow();
            EXPECT_TRUE(keyUntil(key, [&] { return app->keysReachingMainWindow() > keys || ! calm(); })) << key << "\n"
                                                                                                         << layoutText();
        }
        EXPECT_TRUE(waitForSettled(calm, 700)) << layoutText() << receivedText();
    }

    // A click on the widget of that name, then the keys.
    void clickThenKeys(const juce::String& name, const Condition& seen, const juce::String& holderEnding = {})
    {
        const auto w = app->waitForWidget("name", name, waitMs);
        ASSERT_TRUE(w) << name << "\n" << layoutText();
        ASSERT_TRUE(clickUntil(*w, seen)) << name << "\n" << layoutText();
        keysDoNothing(name, holderEnding);
    }
};
} // namespace

// Every kind of click a librarian session is made of, on each model, each
// followed by Return twice, Up and Right: a new file tab, a file slot, the
// first tab, a preset, a user slot, the connection badge, the HMQ's custom
// and bank tabs, a custom slot, a module picture and a power switch, the Orva
// global page's USB ROUTING and AUDIO EQ over a knob that held the focus, and
// their pages' CLOSE, a tab's close button and a program dropped onto a file
// slot. No key opens or closes a tab, opens a question or stores or sends
// anything.
TEST_F(RealWindowKeyboardFocus, ReturnAfterAnyClickOpensClosesAndStoresNothing)
{
    for (const int model : { 0, 1, 2, 3, 4, 5 })
    {
        SCOPED_TRACE("model " + juce::String(model));
        startConnected(model);
        const bool orva = model >= 2;
        const juce::String firstTab = model == 1 ? "PRESET" : "Preset";
        if (orva)
            ASSERT_TRUE(waitForSettled(shows("name", "NEW FILE"))) << layoutText();

        // Two file tabs (the Orva models start with one).
        while (openFileTabs() < 2)
        {
            const int tabs = openFileTabs();
            const auto plus = newFileButton(firstTab);
            ASSERT_TRUE(plus) << layoutText();
            ASSERT_TRUE(clickUntil(*plus, [&] { return openFileTabs() == tabs + 1; })) << layoutText();
            keysDoNothing("the new-file button");
        }
        clickThenKeys(
            ":1", [&] { return toggledOn(":1"); }, "LibFileComponent");
        if (! orva)
        {
            clickThenKeys(firstTab, [&] { return toggledOn(firstTab); });
            // The first preset stands where the first file slot stood.
            const auto slot = app->findWidgets("name", firstTab);
            ASSERT_FALSE(slot.empty());
            const juce::Point<int> firstPreset { slot.back().bounds.getX() + 60, slot.back().bounds.getBottom() + 60 };
            const int sent = app->getReceived().size();
            ASSERT_TRUE(clickUntil(firstPreset, [&] { return app->getReceived().size() > sent; })) << layoutText();
            keysDoNothing("a preset", "Component");
            EXPECT_TRUE(focusHolder().contains("LibROM")) << focusHolder();
        }
        clickThenKeys(
            "A2", [&] { return toggledOn("A2"); }, "UserButtonContainerComponent");
        // The badge takes no focus: the user panel keeps it.
        clickThenKeys("Badge", {}, "UserButtonContainerComponent");
        if (model == 1)
        {
            // The user panel hides: the custom page that replaces it takes
            // the focus, and gives it on to the panel when it goes.
            clickThenKeys("CUSTOM AMP/FX", shows("name", "USER A"), "CustomBaseSubTab");
            const int sent = app->getReceived().size();
            clickThenKeys("USER B", [&] { return app->getReceived().size() > sent; });
            clickThenKeys("PROGRAM", shows("name", "A1"), "UserButtonContainerComponent");
            clickThenKeys("PRESET B", [&] { return toggledOn("PRESET B"); });
            // The first pedal's picture brings up its page; its power switch
            // sends once.
            const auto pedal = app->waitForParam(0x301, waitMs);
            ASSERT_TRUE(pedal) << layoutText();
            ASSERT_TRUE(clickUntil(*pedal, [&] { return ! app->findWidgets("param", "201").empty(); })) << layoutText();
            keysDoNothing("a module picture");
            const auto power = app->waitForParam(0x201, waitMs);
            ASSERT_TRUE(power) << layoutText();
            const int before = app->getReceived().size();
            ASSERT_TRUE(clickUntil(*power, [&] { return app->getReceived().size() > before; })) << layoutText();
            keysDoNothing("a power switch");
        }
        // Each overlay page takes the keys from the knob that held them
        // (Up turned it), and the window has them once the page is closed.
        for (const juce::String overlay : { "USB ROUTING", "AUDIO EQ" })
        {
            if (! orva)
                continue;
            const auto treble = app->waitForParam(0x401, waitMs);
            ASSERT_TRUE(treble) << layoutText();
            ASSERT_TRUE(clickUntil(*treble, [&] { return focusHolder().startsWith("RSKnob "); })) << layoutText();
            const int sent = app->getReceived().size();
            ASSERT_TRUE(keyUntil("Up", [&] { return app->getReceived().size() > sent; })) << receivedText();
            clickThenKeys(overlay, shows("name", "OkButton"),
                          overlay == "AUDIO EQ" ? "AudioEQEditComponent" : "USBRoutingSelectComponent");
            clickThenKeys("OkButton", gone("name", "OkButton"), "MainComponent");
        }
        // The second file tab's close button, then the first tab's page.
        const auto closes = app->findWidgets("name", "close");
        ASSERT_EQ(closes.size(), 2u) << layoutText();
        const auto second = closes[0].bounds.getX() > closes[1].bounds.getX() ? closes[0] : closes[1];
        ASSERT_TRUE(clickUntil(second, [&] { return openFileTabs() == 1; })) << layoutText();
        keysDoNothing("a close button");
        const auto fileTab = app->findWidgets("name", "NEW FILE");
        ASSERT_EQ(fileTab.size(), 1u) << layoutText();
        ASSERT_TRUE(clickUntil(fileTab.back(), shows("name", ":2"))) << layoutText();
        keysDoNothing("a file tab");

        // User program A1 dropped onto the file's second slot.
        const auto a1 = app->waitForWidget("name", "A1", waitMs);
        const auto slot2 = app->waitForWidget("name", ":2", waitMs);
        ASSERT_TRUE(a1 && slot2) << layoutText();
        const auto before = pictureOf(":2");
        ASSERT_TRUE(dragUntil(a1->bounds.getCentre(), slot2->bounds.getCentre(), [&] { return toggledOn(":2"); }, { 12, 300 }))
            << layoutText();
        keysDoNothing("a drop onto a file slot", "LibFileComponent");
        SimulatedAmplifierApp::screenshot("focus-after-clicks-" + juce::String(model));
        EXPECT_EQ(app->closeAndWaitForExit(waitMs), 0);
        app.reset();
    }
}

// Tab walks the window's whole focus order and comes back to where it began:
// every stop is a widget that draws its focus (knobs, switch knobs, the
// catalogue panes) or a page, panel or label that keeps the focus it is
// given; no picture button, tab, close button or widget out of sight is one.
// With an overlay page open (the Orva models' USB routing and audio EQ), the
// page has the focus and Tab goes round its own widgets only, none behind it.
TEST_F(RealWindowKeyboardFocus, TabStopsOnlyWhereTheFocusShowsOrIsKept)
{
    const juce::StringArray keepers { "MainComponent", "RSKnob", "RSKnobSwitch", "RSLabel", "HMQFXLabel" };
    const juce::StringArray keeperEndings { "EditParamComponent", "UserButtonContainerComponent", "LibFileComponent",
                                            "LibROMComponent", "Pane" };
    const auto isKeeper = [&](const juce::String& holder) {
        const auto cls = holder.upToFirstOccurrenceOf(" ", false, false);
        if (keepers.contains(cls) || cls.contains("ValueParam") || (cls.startsWith("HMQLibROM") && cls.endsWith("Component"))
            || isOverlayPage(holder))
            return true;
        for (auto& ending : keeperEndings)
            if (cls.endsWith(ending))
                return true;
        return false;
    };
    // Tab round the order from the holder of the focus: each stop a keeper
    // placed as `placed` asks, the walk back at its first stop.
    const auto walk = [&](const std::function<bool(juce::Rectangle<int>)>& placed, int leastStops) {
        juce::StringArray stops;
        auto holder = focusHolder();
        for (int k = 0; k < 150 && (stops.size() < 2 || holder != stops[0]); ++k)
        {
            const auto was = holder;
            ASSERT_TRUE(keyUntil("Tab", [&] { return focusHolder() != was; })) << k << "\n" << layoutText();
            holder = focusHolder();
            stops.add(holder);
            EXPECT_TRUE(isKeeper(holder)) << holder;
            EXPECT_TRUE(placed(boundsOf(holder))) << holder;
        }
        ASSERT_FALSE(stops.isEmpty());
        EXPECT_EQ(holder, stops[0]) << "Tab did not come back to where it began:\n" << stops.joinIntoString("\n");
        EXPECT_GE(stops.size(), leastStops) << stops.joinIntoString("\n");
    };
    for (const int model : { 0, 1, 2, 3 })
    {
        SCOPED_TRACE("model " + juce::String(model));
        startConnected(model);
        if (model >= 2)
            ASSERT_TRUE(waitForSettled(shows("name", "NEW FILE"))) << layoutText();
        else
        {
            const auto plus = newFileButton(model == 1 ? "PRESET" : "Preset");
            ASSERT_TRUE(plus);
            ASSERT_TRUE(clickUntil(*plus, [&] { return openFileTabs() == 1; })) << layoutText();
        }
        const auto window = app->getWindowBounds();
        walk([&](juce::Rectangle<int> at) { return at.intersects(window); }, 10);
        for (const juce::String overlay : { "USB ROUTING", "AUDIO EQ" })
        {
            if (model < 2)
                continue;
            SCOPED_TRACE(overlay);
            const auto button = app->waitForWidget("name", overlay, waitMs);
            ASSERT_TRUE(button) << layoutText();
            ASSERT_TRUE(clickUntil(*button, [&] { return isOverlayPage(focusHolder()); })) << layoutText();
            const auto page = boundsOf(focusHolder());
            walk([&](juce::Rectangle<int> at) { return page.contains(at); }, 2);
            const auto close = app->waitForWidget("name", "OkButton", waitMs);
            ASSERT_TRUE(close) << layoutText();
            ASSERT_TRUE(clickUntil(*close, gone("name", "OkButton"))) << layoutText();
        }
        EXPECT_EQ(app->closeAndWaitForExit(waitMs), 0);
        app.reset();
    }
}
