#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The tooltips of one window. The framework's tooltip window looks at the
// mouse on a timer for as long as it exists, and makes the desktop ask the
// display for the pointer's position ten times a second. This keeps one only
// while the mouse moves over the window or a tip is showing, so that a window
// the mouse rests on, or has left, is not woken. The tooltip window is a
// child of the window: a tip stands inside the window's area, and when it
// goes the window repaints where it stood.
class WindowTooltips : private juce::MouseListener,
                       private juce::Timer
{
public:
    WindowTooltips(juce::Component& window, int millisecondsBeforeTipAppears);
    ~WindowTooltips() override;

    // The tooltip window (a child of the window) while the mouse is busy
    // over the window; else null.
    juce::TooltipWindow* getTooltipWindow() const noexcept { return tooltipWindow.get(); }

    // How long the mouse rests, with no tip showing, before the tooltip
    // window goes.
    static constexpr int restMs = 2000;

private:
    void mouseEnter(const juce::MouseEvent&) override { mouseActive(); }
    void mouseExit(const juce::MouseEvent&) override { mouseActive(); }
    void mouseMove(const juce::MouseEvent&) override { mouseActive(); }
    void mouseDown(const juce::MouseEvent&) override { mouseActive(); }
    void mouseDrag(const juce::MouseEvent&) override { mouseActive(); }
    void mouseUp(const juce::MouseEvent&) override { mouseActive(); }
    void mouseWheelMove(const juce::MouseEvent&, const juce::MouseWheelDetails&) override { mouseActive(); }

    void mouseActive();
    void timerCallback() override;

    juce::Component& window;
    const int delayMs;
    std::unique_ptr<juce::TooltipWindow> tooltipWindow;

    JUCE_DECLARE_NON_COPYABLE(WindowTooltips)
};
