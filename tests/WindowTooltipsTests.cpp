// The tooltips of a window come while the mouse is busy over it; when the
// mouse rests or leaves, the tooltip window goes, and with it the timers that
// look at the pointer: an idle window is not woken.
#include "GUI/Shell/WindowTooltips.h"
#include "support/PeerMouse.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

TEST(WindowTooltips, TheTooltipWindowLivesOnlyWhileTheMouseIsBusyOverTheWindow)
{
    juce::Component window;
    juce::TextButton button("B");
    button.setTooltip("Tip of B");
    window.addAndMakeVisible(button);
    button.setBounds(10, 10, 100, 30);
    window.setBounds(100, 100, 300, 200);
    window.addToDesktop(0);
    window.setVisible(true);

    WindowTooltips tooltips(window, 50);
    testing_support::pumpFor(200);
    if (! window.getScreenBounds().contains(juce::Desktop::getMousePosition()))
        EXPECT_EQ(tooltips.getTooltipWindow(), nullptr); // nothing is looked at before the mouse comes

    // The mouse comes over the button: the tooltip window is there, a window
    // of its own beside the pointer, and has the button's tip to show.
    testing_support::PeerMouse mouse;
    mouse.move(button, { 20, 15 });
    auto* tip = tooltips.getTooltipWindow();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->getParentComponent(), nullptr);

    // While a tip shows, the mouse may rest: the tip stays.
    tip->displayTip(button.getScreenBounds().getCentre(), "Tip of B");
    testing_support::pumpFor(WindowTooltips::restMs + 300);
    ASSERT_EQ(tooltips.getTooltipWindow(), tip);
    EXPECT_TRUE(tip->isVisible());

    // With no tip on show, once the mouse has rested the tooltip window goes.
    tip->hideTip();
    mouse.move(window, { 250, 150 });
    EXPECT_TRUE(
        testing_support::pumpUntil([&] { return tooltips.getTooltipWindow() == nullptr; }, WindowTooltips::restMs + 1000));

    // Nothing brings it back but the mouse.
    testing_support::pumpFor(300);
    EXPECT_EQ(tooltips.getTooltipWindow(), nullptr);
    mouse.move(button, { 30, 15 });
    EXPECT_NE(tooltips.getTooltipWindow(), nullptr);
}
