#pragma once

#include "support/AppProcess.h"

#include <functional>
#include <optional>

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

    // The amplifier holds pattern contents instead of its factory programs
    // (set before start).
    void usePatternContents() noexcept { pattern = true; }
    // How long a real-window test waits for what it needs to see: long
    // enough for a machine busy with other work. Every wait polls and ends as
    // soon as the thing shows, so a generous time costs nothing when all goes
    // well.
    static constexpr int patienceMs = 60000;

    // Polls the condition until it holds or the time runs out.
    static bool waitUntil(const std::function<bool()>& condition, int timeoutMs, int pollMs = 50);

    // Makes the gesture, then waits for its effect. A gesture the display
    // swallowed (a busy machine can lose a press, or the moves that carry a
    // drag past its threshold) is made again, up to `attempts` times in all.
    // True once the effect shows. Give the effect the whole of the gesture's
    // first sign (a question shown, a message sent), so that a slow gesture is
    // not taken for a lost one and made twice.
    static bool repeatUntilItTakes(const std::function<bool()>& gesture, const std::function<bool()>& tookEffect,
                                   int attempts = 3, int effectTimeoutMs = 15000);

    bool start();
    // Further arguments for the next start ("--edit-byte", "23=83").
    void setExtraArguments(const juce::StringArray& args) { extraArguments = args; }

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
    // Waits until neither the amplifier's log nor the screen layout has
    // changed for quietMs (the application has settled); false on time-out.
    bool waitUntilQuiet(int quietMs, int timeoutMs) const;
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

    // A showing window or widget as the application describes its screen
    // layout: "window" by title, "param" by parameter id (hex, lower case),
    // "name" by component name (a button's text; trailing spaces ignored).
    // Value fields are a knob's value and range or a button's toggle state,
    // "-" where there is none.
    struct Widget
    {
        juce::Rectangle<int> bounds;
        juce::String value, minimum, maximum;
    };
    std::vector<Widget> findWidgets(const juce::String& kind, const juce::String& key) const;
    // Waits until a widget of that kind and key shows and passes the test
    // (when given); the last one listed (the frontmost window's) that does.
    std::optional<Widget> waitForWidget(const juce::String& kind, const juce::String& key, int timeoutMs,
                                        std::function<bool(const Widget&)> test = {}) const;
    // Waits until no widget of that kind and key shows.
    bool waitUntilGone(const juce::String& kind, const juce::String& key, int timeoutMs) const;
    std::optional<Widget> waitForParam(int paramId, int timeoutMs, std::function<bool(const Widget&)> test = {}) const
    {
        return waitForWidget("param", juce::String::toHexString(paramId), timeoutMs, std::move(test));
    }

    // The same gestures in screen coordinates; a drag may rest at its end
    // before the button goes up (a drop target lights up first).
    bool clickOnScreen(juce::Point<int> at);
    // Moves the pointer there with no button held.
    bool moveOnScreen(juce::Point<int> at);
    bool dragOnScreen(juce::Point<int> from, juce::Point<int> to, int steps = 10, int restMs = 0);

    // The whole screen to a PNG of that name in the screenshot folder.
    static bool screenshot(const juce::String& name);

    // Closes the main window as its close button does and waits for the
    // process to end; the exit code, or -1.
    int closeAndWaitForExit(int timeoutMs);

    AppProcess& getProcess() noexcept { return process; }
    int getModelId() const noexcept { return modelId; }

private:
    bool xdotool(const juce::StringArray& args) const;

    const int modelId;
    juce::File ampLog;
    juce::File layoutFile;
    AppProcess process;
    juce::StringArray extraArguments;
    juce::int64 window = 0;
    bool pattern = false;
};
} // namespace testing_support
