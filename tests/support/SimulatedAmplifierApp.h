#pragma once

#include "support/AppProcess.h"

namespace testing_support
{
// The application with a simulated amplifier in the same process
// (rigsmith_simamp), started in the test's X display as a user would start
// the application, and driven through the real window with xdotool. What the
// amplifier receives is read back from its log: one line of hex bytes per
// message ("F0 42 30 00 01 41 12 F7").
class SimulatedAmplifierApp
{
public:
    SimulatedAmplifierApp(const juce::File& homeFolder, int modelId);
    ~SimulatedAmplifierApp();

    static bool haveXdotool();

    bool start();

    // Waits for the main window of the process (found with xdotool search)
    // and returns its X window id, or 0.
    juce::int64 waitForMainWindow(int timeoutMs);
    // The main window's title and its bounds on the screen.
    juce::String getWindowTitle() const;
    juce::Rectangle<int> getWindowBounds() const;

    // The messages the amplifier received so far, one hex line each.
    juce::StringArray getReceived() const;
    // Waits until a received line starts with the prefix; returns its index,
    // or -1 on time-out. Lines before `from` are not looked at.
    int waitForReceived(const juce::String& prefix, int timeoutMs, int from = 0) const;
    // How many received lines start with the prefix.
    int countReceived(const juce::String& prefix) const;

    // An editor frame's first bytes for this model: "F0 42 30 00 01 <model>
    // <function>" (then any argument bytes given).
    juce::String editorFrame(int function, std::initializer_list<int> args = {}) const;

    // Mouse gestures on the main window, in window coordinates, as a user's
    // hand makes them: a click, and a drag in small steps with the button held.
    bool click(juce::Point<int> at);
    // Brings the main window to the front (other tests' windows may share
    // the display).
    bool raise();
    bool drag(juce::Point<int> from, juce::Point<int> to, int steps = 10);
    // Keys typed into the window that has the focus (xdotool key names,
    // "Return", "Escape").
    bool key(const juce::String& keys);

    // Closes the main window as its close button does and waits for the
    // process to end; the exit code, or -1.
    int closeAndWaitForExit(int timeoutMs);

    AppProcess& getProcess() noexcept { return process; }
    int getModelId() const noexcept { return modelId; }

private:
    bool xdotool(const juce::StringArray& args) const;

    const int modelId;
    juce::File ampLog;
    AppProcess process;
    juce::int64 window = 0;
};
} // namespace testing_support
