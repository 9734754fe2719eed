#pragma once

#include <juce_core/juce_core.h>

namespace testing_support
{
// An X display of the test's own (Xvfb, 1280x800, with the window manager),
// made the DISPLAY of every process the test starts from now until it ends.
// Tests that move the real mouse pointer use one, so that they neither
// disturb nor are disturbed by tests running side by side on the shared
// display. The test process's own windows stay on the display it opened.
//
// Only one private display lives at a time in a build's test run: the
// constructor waits for the one before it to go (tests started side by side
// by ctest, or threads of one process), so that a real-window test never
// shares the machine with another one. ctest also runs the tests whose suite
// name starts with "RealWindow" one at a time (tests/RealWindowTests.cmake),
// so that they do not hold a parallel slot while they wait here.
class PrivateDisplay
{
public:
    explicit PrivateDisplay(int lockTimeoutMs = 240000);
    ~PrivateDisplay();

    // True when the display is up and the window manager runs on it.
    bool isReady() const noexcept { return ready; }
    // False when another private display was still up after the time-out.
    bool gotTheDisplayLock() const noexcept { return lockFile >= 0; }
    const juce::String& getName() const noexcept { return name; }

    // The file whose lock a living private display holds.
    static juce::File getLockFile();

private:
    int lockFile = -1;
    juce::ChildProcess server;
    juce::String name;
    juce::String previousDisplay;
    bool ready = false;

    JUCE_DECLARE_NON_COPYABLE(PrivateDisplay)
};

// An X display of its own (Xvfb, no window manager) that clients reach over
// the network, as a forwarded display is: its name is "127.0.0.1:N", and
// nothing of it changes this process's DISPLAY.
class NetworkDisplay
{
public:
    NetworkDisplay();
    ~NetworkDisplay();

    // Empty when the display could not be started.
    const juce::String& getName() const noexcept { return name; }

private:
    juce::ChildProcess server;
    juce::String name;

    JUCE_DECLARE_NON_COPYABLE(NetworkDisplay)
};
} // namespace testing_support
