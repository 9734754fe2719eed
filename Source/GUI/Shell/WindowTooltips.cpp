#include "GUI/Shell/WindowTooltips.h"

WindowTooltips::WindowTooltips(juce::Component& w, int millisecondsBeforeTipAppears)
    : window(w), delayMs(millisecondsBeforeTipAppears)
{
    window.addMouseListener(this, true);

    // A window that opens under the mouse shows its tips without waiting for
    // the mouse to move.
    if (window.isShowing() && window.getScreenBounds().contains(juce::Desktop::getMousePosition()))
        mouseActive();
}

WindowTooltips::~WindowTooltips()
{
    stopTimer();
    window.removeMouseListener(this);
    tooltipWindow.reset();
}

void WindowTooltips::mouseActive()
{
    if (tooltipWindow == nullptr)
        tooltipWindow = std::make_unique<juce::TooltipWindow>(&window, delayMs);
    startTimer(restMs);
}

void WindowTooltips::timerCallback()
{
    // A tip on show stays, and goes when the mouse moves as before.
    if (tooltipWindow != nullptr && tooltipWindow->isVisible())
        return;

    stopTimer();
    tooltipWindow.reset();
}
