#pragma once

#include <juce_core/juce_core.h>

namespace testing_support
{
// An X display of the test's own (Xvfb, 1280x800, with the window manager),
// made the DISPLAY of every process the test starts from now until it ends.
// Tests that move the real mouse pointer use one, so that they neither
// disturb nor are disturbed by tests running side by side on the shared
// display. The test process's own windows stay on the display it opened.
class PrivateDisplay
{
public:
    PrivateDisplay();
    ~PrivateDisplay();

    // True when the display is up and the window manager runs on it.
    bool isReady() const noexcept { return ready; }
    const juce::String& getName() const noexcept { return name; }

private:
    juce::ChildProcess server;
    juce::String name;
    juce::String previousDisplay;
    bool ready = false;

    JUCE_DECLARE_NON_COPYABLE(PrivateDisplay)
};
} // namespace testing_support
