#pragma once

#include "support/AppProcess.h"

#include <functional>
#include <optional>
#include <vector>

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
    // Waits, with the limit for each step, until the started application is
    // in its window state: its main window shows, it has read the current
    // program, its title says "[connected]" and it has settled. Empty once
    // it is; otherwise the step it did not reach, and every thread's stack
    // of the application is kept (keepThreadStacks).
    juce::String waitForStart(int timeoutMs);
    // Every thread's stack of the running application, as gdb shows it (for
    // at most a minute), in thread-stacks.txt in the home folder, which is
    // kept with the evidence of a failure. False when none could be taken.
    bool keepThreadStacks() const;
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

    // Brings the main window to the front (other tests' windows may share
    // the display) and gives it the focus.
    bool raise();
    // Only raises it, as a window manager does after a press.
    bool raiseOnly();

    // ---- Gestures -------------------------------------------------------
    // Every gesture is made as a hand makes it and checked step by step
    // against what the application reports (see WidgetLayoutWriter): the
    // application's window is ready (its bounds as the window manager has
    // placed it, one of its windows holding the keyboard focus), the pointer
    // is moved on its own and the application has seen it over the target
    // (over a widget of the frontmost of its windows there), what the
    // framework would drop or take for another gesture is waited out (see
    // below: a popup's first moments, a double click, a drag image still
    // standing), then the button goes down
    // and the application has seen the press, then it goes up. A move the
    // application did not see in time is made again, until the one limit
    // (patienceMs); a press is made once and waited for (the display loses
    // none, and a second would be a click of its own). Then the call waits, with the
    // same limit, until `seen` holds: the effect the gesture is for (a page,
    // a knob, a question or a popup showing, a message the amplifier
    // received). Without `seen`, the release seen is the effect. True once the effect shows. Points are in
    // screen coordinates; each gesture writes its steps to gestures.log in
    // the home folder (kept when the test fails).
    using Condition = std::function<bool()>;
    bool clickUntil(juce::Point<int> at, const Condition& seen = {});
    // A drag in `steps` moves with the button held; it may rest at its end
    // before the button goes up (a drop target lights up first).
    struct DragStyle
    {
        DragStyle(int stepCount = 10, int restAtEndMs = 0) : steps(stepCount), restMs(restAtEndMs) {}
        int steps, restMs;
    };
    bool dragUntil(juce::Point<int> from, juce::Point<int> to, const Condition& seen = {}, DragStyle style = {});
    // The pointer rests there, no button held (a tip shows), or a pixel to the
    // right where the last press was; moved there again now and then while
    // `seen` does not hold. A point outside the
    // application's windows rests once the application reports no widget
    // under the pointer.
    bool hoverUntil(juce::Point<int> at, const Condition& seen = {});
    // One step of the mouse wheel, up, over that point.
    bool wheelUntil(juce::Point<int> at, const Condition& seen);
    // Keys typed (xdotool key names, "Return", "Escape") once one of the
    // application's windows holds the keyboard focus, and a modal window
    // other than a menu does (given it when the window manager does not);
    // sent once.
    bool keyUntil(const juce::String& keys, const Condition& seen);

    // ---- Waits ----------------------------------------------------------
    // Waits until the condition holds (polled), with the one limit.
    static bool waitFor(const Condition& condition, int timeoutMs = patienceMs) { return waitUntil(condition, timeoutMs); }
    // Waits until the state the application reports holds and has held
    // while neither the screen layout nor the amplifier's log changed for
    // settleMs: what a check that something is gone (a tip, a popup, a
    // question) or that nothing more comes waits for.
    bool waitForSettled(const Condition& state, int settleMs = 500, int timeoutMs = patienceMs) const;

    // The mouse as the application has seen it (the layout's pointer line).
    struct Pointer
    {
        juce::String name;         // of the widget under the pointer, "-" for none
        juce::Rectangle<int> over; // its bounds, empty for none
        juce::Point<int> at;       // the last mouse event's position
        int presses = 0;           // button presses handled so far
        bool held = false;         // a button is down as the application has seen it
        int window = 0;            // the id of the window the widget belongs to, 0 for none
    };
    std::optional<Pointer> pointer() const;
    static std::optional<Pointer> pointerIn(const juce::String& layout);

    // A window the application shows, as its layout lists it (in desktop
    // order, the frontmost last).
    struct ShownWindow
    {
        juce::String title;
        juce::Rectangle<int> bounds;
        bool focused = false;      // it holds the display's keyboard focus
        int id = 0;                // its own for as long as it lives
        juce::uint32 listedAt = 0; // the millisecond counter when first listed, 0 for not yet
        bool modal = false;        // it holds the component currently modal
    };
    static std::vector<ShownWindow> windowsIn(const juce::String& layout);

    // ---- What the framework takes, and when --------------------------------
    // The framework drops some gestures without a word: a click in a popup
    // window (a menu, a combo box's list) whose release comes within 250 ms
    // of the popup's making, keys typed while a new modal window has not yet
    // got the display's focus (they go to the modal window itself, which uses
    // none), a press on a window not yet on the screen (it lands on the
    // window behind, which the modal one blocks). A second press within
    // 400 ms and 8 pixels of the one before is a double click; a drag
    // started while the image of the drag before still stands (up to 200 ms
    // after its drop) is no drag; a tip never shows while the pointer rests
    // where the last press was. The gestures wait these out, and their notes
    // in gestures.log say which they waited for. As plain functions of the
    // layout, so that a test can check each against a made-up one:
    //
    // How long a press at that point must still wait for the popup there to
    // have stood for popupSettleMs (0 when no popup is there, or it has).
    static constexpr int popupSettleMs = 300;
    static int popupWaitMs(const juce::String& layout, juce::Point<int> at, juce::uint32 now);
    // The application has seen the pointer at that point over a widget of
    // the frontmost of its windows there, or, off its windows, over none;
    // what it saw goes to `seen`.
    static bool pointerSeenAt(const juce::String& layout, juce::Point<int> at, juce::String& seen);
    // Keys typed now reach the application's window they are for: one of
    // its windows holds the display's focus and a modal window other than a
    // menu (which takes the keys of the window with the focus) holds it.
    static bool keysWouldLand(const juce::String& layout);
    // How long a press at `at` must still wait not to make a double click of
    // the press seen at `last` at `lastSeenAt` (0: none yet).
    static constexpr int doubleClickClearMs = 500;
    static int doubleClickWaitMs(juce::Point<int> last, juce::uint32 lastSeenAt, juce::Point<int> at, juce::uint32 now);
    // How long after the drop before it a drag's press waits.
    static constexpr int dragImageClearMs = 500;
    // Where the pointer rests to hover at `at`: beside the last press (a
    // tip never shows there), else there.
    static juce::Point<int> restingPointFor(juce::Point<int> at, std::optional<juce::Point<int>> lastPress);

    // The last press made: where, the window there as the layout listed it,
    // and when (millisecond counter) the button went down (just before), the
    // application was seen to have it, and the button went up (just before;
    // 0 while held).
    struct Press
    {
        juce::Point<int> at;
        ShownWindow window;
        juce::String blockedBy; // the title of a modal window other than that one
        juce::uint32 madeAt = 0, seenAt = 0, releasedAt = 0;
    };
    const std::optional<Press>& lastPress() const noexcept { return pressMade; }
    // Key presses that reached the main window unused by its widgets.
    int keysReachingMainWindow() const;

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

    // The whole screen to a PNG of that name in the screenshot folder.
    static bool screenshot(const juce::String& name);

    // Closes the main window as its close button does and waits for the
    // process to end; the exit code, or -1.
    int closeAndWaitForExit(int timeoutMs);
    // Asks the window manager once to close the main window, as one click on
    // its close button does, and waits for nothing: a close the application
    // loses is not made good by a second one.
    bool closeOnce() const;

    AppProcess& getProcess() noexcept { return process; }
    int getModelId() const noexcept { return modelId; }

private:
    bool xdotool(const juce::StringArray& args) const;

    // The raw steps the gestures are made of: no check of what the
    // application saw. Screen coordinates.
    bool moveOnScreen(juce::Point<int> at);
    bool buttonDown(int button = 1);
    bool buttonUp(int button = 1);
    // The button goes up at the end of a gesture (the time kept).
    void release();
    // The application's window is ready for a gesture (see above).
    bool waitUntilReady(int timeoutMs);
    // Moves the pointer there (by way of a point beside it, so that a motion
    // reaches the application even where the pointer already was) and waits
    // until the application has seen it there: the pointer as it saw it
    // then, none at the time-out.
    std::optional<Pointer> moveAndSee(juce::Point<int> at, int timeoutMs);
    // The move and the press of a gesture: true once the application has
    // seen the pointer at `at` and then the press; false at the deadline.
    bool pressAt(juce::Point<int> at, juce::uint32 deadline, bool drag = false);
    // Gives the focus to the application's window of that title.
    void activateWindow(const juce::String& title);
    // How long a press there must still wait for what the framework would
    // drop or take for another gesture (see above); notes what it waits for.
    int waitBeforePress(juce::Point<int> at, bool drag);
    void recordPress(juce::Point<int> at, bool drag);
    juce::String guardsMet(const juce::String& gesture) const;
    // Waits for the effect of a gesture made whole (see above).
    bool waitForEffect(const juce::String& gesture, const Condition& seen, juce::uint32 deadline);
    std::optional<Widget> mainWindow() const;
    void note(const juce::String& line) const;

    const int modelId;
    juce::File ampLog;
    juce::File layoutFile;
    juce::File gestureLog;
    AppProcess process;
    juce::StringArray extraArguments;
    juce::int64 window = 0;
    bool pattern = false;
    std::optional<Press> pressMade;
    // A drag's release made, and when the application was first seen past
    // it (0: not yet).
    bool dragReleased = false;
    juce::uint32 dragReleaseSeenAt = 0;
};
} // namespace testing_support
