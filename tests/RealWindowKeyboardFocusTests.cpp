// Where the keyboard focus rests after the clicks of an ordinary session, in
// the real window with the real mouse and keyboard: never on a button that
// shows no sign of holding it and whose Return would open, close or store
// something. Widgets are found in the layout the application writes, the
// focus in its focus line; what reached the amplifier is read from its log.
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

    // Return pressed twice after a click: each key reaches the window unused
    // (or does what it must not); then no file tab has opened or closed, no
    // question or dialog shows and the amplifier has received nothing. Where
    // the click gives a page or panel the focus, the holder's class ends so.
    void returnTwiceDoesNothing(const juce::String& after, const juce::String& holderEnding = {})
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
        for (int k = 0; k < 2; ++k)
        {
            const int keys = app->keysReachingMainWindow();
            EXPECT_TRUE(keyUntil("Return", [&] { return app->keysReachingMainWindow() > keys || ! calm(); })) << layoutText();
        }
        EXPECT_TRUE(waitForSettled(calm, 700)) << layoutText() << receivedText();
    }

    // A click on the widget of that name, then the two Returns.
    void clickThenReturnTwice(const juce::String& name, const Condition& seen, const juce::String& holderEnding = {})
    {
        const auto w = app->waitForWidget("name", name, waitMs);
        ASSERT_TRUE(w) << name << "\n" << layoutText();
        ASSERT_TRUE(clickUntil(*w, seen)) << name << "\n" << layoutText();
        returnTwiceDoesNothing(name, holderEnding);
    }
};
} // namespace

// Every kind of click a librarian session is made of, on each model, each
// followed by Return twice: a new file tab, a file slot, the first tab, a
// preset, a user slot, the HMQ's bank and custom tabs, a custom slot, a
// module picture and a power switch, a tab's close button and a program
// dropped onto a file slot. No Return opens or closes a tab, opens a question
// or stores or sends anything.
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
            returnTwiceDoesNothing("the new-file button");
        }
        clickThenReturnTwice(
            ":1", [&] { return toggledOn(":1"); }, "LibFileComponent");
        if (! orva)
        {
            clickThenReturnTwice(firstTab, [&] { return toggledOn(firstTab); });
            // The first preset stands where the first file slot stood.
            const auto slot = app->findWidgets("name", firstTab);
            ASSERT_FALSE(slot.empty());
            const juce::Point<int> firstPreset { slot.back().bounds.getX() + 60, slot.back().bounds.getBottom() + 60 };
            const int sent = app->getReceived().size();
            ASSERT_TRUE(clickUntil(firstPreset, [&] { return app->getReceived().size() > sent; })) << layoutText();
            returnTwiceDoesNothing("a preset", "Component");
            EXPECT_TRUE(focusHolder().contains("LibROM")) << focusHolder();
        }
        clickThenReturnTwice(
            "A2", [&] { return toggledOn("A2"); }, "UserButtonContainerComponent");
        if (model == 1)
        {
            clickThenReturnTwice("PRESET B", [&] { return toggledOn("PRESET B"); });
            clickThenReturnTwice("CUSTOM AMP/FX", shows("name", "USER A"));
            const int sent = app->getReceived().size();
            clickThenReturnTwice("USER B", [&] { return app->getReceived().size() > sent; });
            clickThenReturnTwice("PROGRAM", shows("name", "A1"));
            // The first pedal's picture brings up its page; its power switch
            // sends once.
            const auto pedal = app->waitForParam(0x301, waitMs);
            ASSERT_TRUE(pedal) << layoutText();
            ASSERT_TRUE(clickUntil(*pedal, [&] { return ! app->findWidgets("param", "201").empty(); })) << layoutText();
            returnTwiceDoesNothing("a module picture");
            const auto power = app->waitForParam(0x201, waitMs);
            ASSERT_TRUE(power) << layoutText();
            const int before = app->getReceived().size();
            ASSERT_TRUE(clickUntil(*power, [&] { return app->getReceived().size() > before; })) << layoutText();
            returnTwiceDoesNothing("a power switch");
        }
        // The second file tab's close button, then the first tab's page.
        const auto closes = app->findWidgets("name", "close");
        ASSERT_EQ(closes.size(), 2u) << layoutText();
        const auto second = closes[0].bounds.getX() > closes[1].bounds.getX() ? closes[0] : closes[1];
        ASSERT_TRUE(clickUntil(second, [&] { return openFileTabs() == 1; })) << layoutText();
        returnTwiceDoesNothing("a close button");
        const auto fileTab = app->findWidgets("name", "NEW FILE");
        ASSERT_EQ(fileTab.size(), 1u) << layoutText();
        ASSERT_TRUE(clickUntil(fileTab.back(), shows("name", ":2"))) << layoutText();
        returnTwiceDoesNothing("a file tab");

        // User program A1 dropped onto the file's second slot.
        const auto a1 = app->waitForWidget("name", "A1", waitMs);
        const auto slot2 = app->waitForWidget("name", ":2", waitMs);
        ASSERT_TRUE(a1 && slot2) << layoutText();
        const auto before = pictureOf(":2");
        ASSERT_TRUE(dragUntil(a1->bounds.getCentre(), slot2->bounds.getCentre(), [&] { return toggledOn(":2"); }, { 12, 300 }))
            << layoutText();
        returnTwiceDoesNothing("a drop onto a file slot", "LibFileComponent");
        SimulatedAmplifierApp::screenshot("focus-after-clicks-" + juce::String(model));
        EXPECT_EQ(app->closeAndWaitForExit(waitMs), 0);
        app.reset();
    }
}

// Tab walks the window's whole focus order and comes back to where it began:
// every stop is a widget that draws its focus (knobs, switch knobs, the
// catalogue panes) or a page, panel or label that keeps the focus it is
// given; no picture button, tab, close button or widget out of sight is one.
TEST_F(RealWindowKeyboardFocus, TabStopsOnlyWhereTheFocusShowsOrIsKept)
{
    const juce::StringArray keepers { "MainComponent", "RSKnob", "RSKnobSwitch", "RSLabel", "HMQFXLabel" };
    const juce::StringArray keeperEndings { "EditParamComponent", "UserButtonContainerComponent", "LibFileComponent",
                                            "LibROMComponent", "Pane" };
    const auto isKeeper = [&](const juce::String& holder) {
        const auto cls = holder.upToFirstOccurrenceOf(" ", false, false);
        if (keepers.contains(cls) || cls.contains("ValueParam") || (cls.startsWith("HMQLibROM") && cls.endsWith("Component")))
            return true;
        for (auto& ending : keeperEndings)
            if (cls.endsWith(ending))
                return true;
        return false;
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
        juce::StringArray stops;
        auto holder = focusHolder();
        for (int k = 0; k < 150 && (stops.size() < 2 || holder != stops[0]); ++k)
        {
            const auto was = holder;
            ASSERT_TRUE(keyUntil("Tab", [&] { return focusHolder() != was; })) << k << "\n" << layoutText();
            holder = focusHolder();
            stops.add(holder);
            EXPECT_TRUE(isKeeper(holder)) << holder;
            const auto fields = juce::StringArray::fromTokens(holder, " ", {});
            const juce::Rectangle<int> at { fields[1].getIntValue(), fields[2].getIntValue(), fields[3].getIntValue(),
                                            fields[4].getIntValue() };
            EXPECT_TRUE(at.intersects(window)) << holder;
        }
        ASSERT_FALSE(stops.isEmpty());
        EXPECT_EQ(holder, stops[0]) << "Tab did not come back to where it began:\n" << stops.joinIntoString("\n");
        EXPECT_GE(stops.size(), 10) << stops.joinIntoString("\n");
        EXPECT_EQ(app->closeAndWaitForExit(waitMs), 0);
        app.reset();
    }
}
