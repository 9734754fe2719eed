#include "GUI/Shell/WindowTooltips.h"

namespace
{
// The tooltip in a window of its own beside the pointer (a tip drawn inside
// the main window would be cut by it). When the tip goes, the windows under
// it repaint where it stood: the window system does not always ask them to,
// and the tip's picture would stay on the screen.
class PointerTooltipWindow : public juce::TooltipWindow
{
public:
    explicit PointerTooltipWindow(int delayMs) : juce::TooltipWindow(nullptr, delayMs) {}

    void moved() override { rememberBounds(); }
    void resized() override { rememberBounds(); }

    void visibilityChanged() override
    {
        if (isVisible() || shownAt.isEmpty())
            return;
        auto& desktop = juce::Desktop::getInstance();
        for (int i = 0; i < desktop.getNumComponents(); ++i)
            if (auto* window = desktop.getComponent(i); window != nullptr && window != this && window->isShowing())
                window->repaint(window->getLocalArea(nullptr, shownAt));
        shownAt = {};
    }

private:
    // A window of its own: its bounds are screen bounds.
    void rememberBounds() { shownAt = getBounds(); }

    juce::Rectangle<int> shownAt;
};
} // namespace

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
        tooltipWindow = std::make_unique<PointerTooltipWindow>(delayMs);
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
