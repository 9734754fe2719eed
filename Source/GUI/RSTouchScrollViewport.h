#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A viewport whose drag scrolling the overlay page manager switches on and
// off for all live instances at once (off while a drag-and-drop runs).
class RSTouchScrollViewport : public juce::Viewport
{
public:
    RSTouchScrollViewport();
    ~RSTouchScrollViewport() override;

    // Every live instance, in creation order.
    static juce::Array<RSTouchScrollViewport*> theTSViewportList;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSTouchScrollViewport)
};
