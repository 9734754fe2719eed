#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <map>
#include <vector>

namespace testing_support
{
// Sends an expose of the whole window from a connection of its own and
// waits until the display has passed it on; false without a display.
bool exposeFromOutside(juce::Component& window);

// Every size to which the display set a top-level native window while this
// lives, seen from a connection of its own (on a display without a window
// manager, whose windows stay children of the root). The framework makes each
// window 1 x 1 and then gives it its bounds.
class NativeWindowSizes
{
public:
    NativeWindowSizes();
    ~NativeWindowSizes();
    // False without a display.
    bool isWatching() const noexcept { return display != nullptr; }
    // The sizes of that window so far, in order.
    std::vector<juce::Rectangle<int>> of(juce::pointer_sized_uint window);

private:
    void* display = nullptr;
    std::map<juce::pointer_sized_uint, std::vector<juce::Rectangle<int>>> sizes;
};
} // namespace testing_support
