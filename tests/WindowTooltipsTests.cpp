// The tooltips of a window come while the mouse is busy over it; when the
// mouse rests or leaves, the tooltip window goes, and with it the timers that
// look at the pointer: an idle window is not woken. The tooltip window belongs
// to the window: its tips stand in the window's lower right corner, wherever
// the pointer is, and the window repaints where a tip stood when it goes.
#include "GUI/Shell/WindowTooltips.h"
#include "GUI/Widgets/CustomLookAndFeel.h"
#include "support/PeerMouse.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

namespace
{
// A window that notes the areas it was asked to paint.
struct PaintNotingWindow : juce::Component
{
    void paint(juce::Graphics& g) override
    {
        g.fillAll(juce::Colours::black);
        painted.push_back(g.getClipBounds());
    }

    bool paintedOver(juce::Rectangle<int> area) const
    {
        for (auto& clip : painted)
            if (clip.contains(area))
                return true;
        return false;
    }

    std::vector<juce::Rectangle<int>> painted;
};
} // namespace

TEST(WindowTooltips, TheTooltipWindowLivesOnlyWhileTheMouseIsBusyOverTheWindow)
{
    CustomLookAndFeel look;
    PaintNotingWindow window;
    window.setLookAndFeel(&look);
    juce::TextButton button("B");
    button.setTooltip("Tip of B");
    window.addAndMakeVisible(button);
    button.setBounds(10, 10, 100, 30);
    window.setBounds(100, 100, 300, 200);
    window.addToDesktop(0);
    window.setVisible(true);

    {
        WindowTooltips tooltips(window, 50);
        testing_support::pumpFor(200);
        if (! window.getScreenBounds().contains(juce::Desktop::getMousePosition()))
            EXPECT_EQ(tooltips.getTooltipWindow(), nullptr); // nothing is looked at before the mouse comes

        // The mouse comes over the button: the tooltip window is there, a
        // child of the window, and has the button's tip to show.
        testing_support::PeerMouse mouse;
        mouse.move(button, { 20, 15 });
        auto* tip = tooltips.getTooltipWindow();
        ASSERT_NE(tip, nullptr);
        EXPECT_EQ(tip->getParentComponent(), &window);

        // The tip stands 10 pixels from the window's right and bottom edges,
        // wherever the pointer is.
        tip->displayTip(button.getScreenBounds().getCentre(), "Tip of B");
        const auto shownAt = tip->getBounds();
        EXPECT_EQ(shownAt, look.getTooltipBounds("Tip of B", {}, window.getLocalBounds()));
        EXPECT_EQ(shownAt.getRight(), 290);
        EXPECT_EQ(shownAt.getBottom(), 190);
        tip->displayTip(window.getScreenBounds().getTopLeft().translated(250, 150), "Tip of B");
        EXPECT_EQ(tip->getBounds(), shownAt);

        // While a tip shows, the mouse may rest: the tip stays.
        testing_support::pumpFor(WindowTooltips::restMs + 300);
        ASSERT_EQ(tooltips.getTooltipWindow(), tip);
        EXPECT_TRUE(tip->isVisible());

        // The tip goes: the window paints again where it stood.
        window.painted.clear();
        tip->hideTip();
        EXPECT_TRUE(testing_support::pumpUntil([&] { return window.paintedOver(shownAt); }));

        // With no tip on show, once the mouse has rested the tooltip window goes.
        mouse.move(window, { 250, 150 });
        EXPECT_TRUE(
            testing_support::pumpUntil([&] { return tooltips.getTooltipWindow() == nullptr; }, WindowTooltips::restMs + 1000));

        // Nothing brings it back but the mouse.
        testing_support::pumpFor(300);
        EXPECT_EQ(tooltips.getTooltipWindow(), nullptr);
        mouse.move(button, { 30, 15 });
        EXPECT_NE(tooltips.getTooltipWindow(), nullptr);
    }
    window.setLookAndFeel(nullptr);
}
