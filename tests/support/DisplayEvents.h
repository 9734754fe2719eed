#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace testing_support
{
// Sends an expose of the whole window from a connection of its own and
// waits until the display has passed it on; false without a display.
bool exposeFromOutside(juce::Component& window);
} // namespace testing_support
