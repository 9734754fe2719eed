#include "support/SimulatedAmplifierApp.h"

#include "Application/StateHolder.h"

#include <algorithm>

namespace testing_support
{
SimulatedAmplifierApp::SimulatedAmplifierApp(const juce::File& homeFolder, int model)
    : modelId(model),
      ampLog(homeFolder.getChildFile("amplifier-received.log")),
      layoutFile(homeFolder.getChildFile("screen-layout.txt")),
      gestureLog(homeFolder.getChildFile("gestures.log")),
      process(homeFolder, RIGSMITH_SIMAMP_BINARY)
{
    process.setEnvironment("RIGSMITH_LOG_ECHO", "0");
}

SimulatedAmplifierApp::~SimulatedAmplifierApp() = default;

bool SimulatedAmplifierApp::haveXdotool()
{
    return runAndRead({ "xdotool", "version" }).isNotEmpty();
}

bool SimulatedAmplifierApp::waitUntil(const std::function<bool()>& condition, int timeoutMs, int pollMs)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() >= end)
            return false;
        juce::Thread::sleep(pollMs);
    }
    return true;
}

bool SimulatedAmplifierApp::repeatUntilItTakes(const std::function<bool()>& gesture, const std::function<bool()>& tookEffect,
                                               int attempts, int effectTimeoutMs)
{
    for (int i = 0; i < attempts; ++i)
    {
        // A gesture xdotool could not make (it timed out) may still have
        // reached the display: its effect is looked for all the same.
        gesture();
        if (waitUntil(tookEffect, effectTimeoutMs))
            return true;
    }
    return false;
}

bool SimulatedAmplifierApp::start()
{
    // What an earlier process in this home folder wrote must not pass for
    // this one's: until the new process writes its own, its layout (the
    // pointer's place and press count) and its amplifier log are none.
    ampLog.deleteFile();
    layoutFile.deleteFile();
    layoutFile.getSiblingFile(layoutFile.getFileName() + ".new").deleteFile();
    juce::StringArray args { "--model",  juce::String(modelId),       "--log", ampLog.getFullPathName(),
                             "--layout", layoutFile.getFullPathName() };
    if (pattern)
        args.add("--pattern");
    args.addArray(extraArguments);
    return process.start(args);
}

bool SimulatedAmplifierApp::xdotool(const juce::StringArray& args) const
{
    juce::StringArray command { "xdotool" };
    command.addArray(args);
    // A busy machine can take a while to start even a small program.
    const auto run = runBounded(command, 20000, true);
    if (run.ended && run.exitCode == 0)
        return true;
    // What went wrong stays in the gesture log, kept when the test fails.
    note(command.joinIntoString(" ")
         + (run.ended ? ": exit code " + juce::String(run.exitCode) : juce::String(": not ended, killed")) + ": "
         + run.output.trim().replace("\n", " | "));
    return false;
}

juce::int64 SimulatedAmplifierApp::waitForMainWindow(int timeoutMs)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    do
    {
        const int pid = process.findPid();
        if (pid > 0)
        {
            const auto found =
                runAndRead({ "xdotool", "search", "--all", "--onlyvisible", "--pid", juce::String(pid), "--name", "^Rig Smith" });
            const auto first = juce::StringArray::fromLines(found.trim())[0].trim();
            if (first.isNotEmpty())
            {
                window = first.getLargeIntValue();
                return window;
            }
        }
        juce::Thread::sleep(100);
    } while (juce::Time::getMillisecondCounter() < end);
    return 0;
}

juce::String SimulatedAmplifierApp::waitForStart(int timeoutMs)
{
    juce::String missed;
    if (waitForMainWindow(timeoutMs) == 0)
        missed = "no main window";
    else if (waitForReceived(editorFrame(0x10) + " F7", timeoutMs) < 0)
        missed = "the current program was not read";
    else if (! waitForWidget("window", "Rig Smith [connected]", timeoutMs))
        missed = "the window does not say [connected]";
    else if (! waitUntilQuiet(1000, timeoutMs))
        missed = "the application did not settle";
    if (missed.isEmpty())
        return {};
    note("start: " + missed + " within " + juce::String(timeoutMs) + " ms");
    keepThreadStacks();
    return "the start did not reach its window state: " + missed + " within " + juce::String(timeoutMs) + " ms";
}

bool SimulatedAmplifierApp::keepThreadStacks() const
{
    const auto file = gestureLog.getSiblingFile("thread-stacks.txt");
    const int pid = process.findPid();
    if (pid <= 0)
    {
        file.replaceWithText("no process of the application to take the stacks of\n");
        return false;
    }
    const auto gdb =
        runBounded({ "gdb", "-p", juce::String(pid), "-batch", "-nx", "-ex", "set pagination off", "-ex", "thread apply all bt" },
                   60000, true);
    file.replaceWithText("gdb -p " + juce::String(pid) + " -batch -ex \"thread apply all bt\""
                         + (gdb.ended ? juce::String() : juce::String(" (killed after 60 s)")) + "\n\n" + gdb.output);
    return gdb.ended && gdb.output.contains("Thread 1 ");
}

juce::String SimulatedAmplifierApp::getWindowTitle() const
{
    return window != 0 ? runAndRead({ "xdotool", "getwindowname", juce::String(window) }).trimCharactersAtEnd("\n")
                       : juce::String();
}

juce::Rectangle<int> SimulatedAmplifierApp::getWindowBounds() const
{
    if (window == 0)
        return {};
    // "  Absolute upper-left X:  129" lines (xdotool's geometry counts the
    // window manager's frame in twice).
    const auto info = runAndRead({ "xwininfo", "-id", juce::String(window) });
    const auto field = [&info](const juce::String& name) {
        return info.fromFirstOccurrenceOf(name + ":", false, false)
            .upToFirstOccurrenceOf("\n", false, false)
            .trim()
            .getIntValue();
    };
    return { field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height") };
}

juce::StringArray SimulatedAmplifierApp::getReceived() const
{
    juce::StringArray lines;
    lines.addLines(ampLog.loadFileAsString());
    lines.removeEmptyStrings();
    return lines;
}

int SimulatedAmplifierApp::waitForReceived(const juce::String& prefix, int timeoutMs, int from) const
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    do
    {
        const auto lines = getReceived();
        for (int i = from; i < lines.size(); ++i)
            if (lines[i].startsWith(prefix))
                return i;
        juce::Thread::sleep(50);
    } while (juce::Time::getMillisecondCounter() < end);
    return -1;
}

bool SimulatedAmplifierApp::waitUntilQuiet(int quietMs, int timeoutMs) const
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    auto state = ampLog.loadFileAsString() + layoutFile.loadFileAsString();
    auto since = juce::Time::getMillisecondCounter();
    while (juce::Time::getMillisecondCounter() < end)
    {
        juce::Thread::sleep(50);
        auto now = ampLog.loadFileAsString() + layoutFile.loadFileAsString();
        if (now != state)
        {
            state = std::move(now);
            since = juce::Time::getMillisecondCounter();
        }
        else if (juce::Time::getMillisecondCounter() - since >= (juce::uint32) quietMs)
        {
            return true;
        }
    }
    return false;
}

int SimulatedAmplifierApp::countReceived(const juce::String& prefix) const
{
    int n = 0;
    for (auto& line : getReceived())
        n += line.startsWith(prefix) ? 1 : 0;
    return n;
}

juce::String SimulatedAmplifierApp::editorFrame(int function, std::initializer_list<int> args) const
{
    int family = 0, member = 0;
    StateHolder::codesForModel(modelId, family, member);
    juce::String text = "F0 42 30 00 01 " + juce::String::toHexString(family & 0xFF).paddedLeft('0', 2) + " "
                        + juce::String::toHexString(function).paddedLeft('0', 2);
    for (const int a : args)
        text << " " << juce::String::toHexString(a).paddedLeft('0', 2);
    return text.toUpperCase();
}

bool SimulatedAmplifierApp::raise()
{
    return window != 0 && xdotool({ "windowactivate", "--sync", juce::String(window) })
           && xdotool({ "windowraise", juce::String(window) });
}

void SimulatedAmplifierApp::activateWindow(const juce::String& title)
{
    const int pid = process.findPid();
    if (pid <= 0)
        return;
    juce::String pattern;
    for (auto c : title)
        pattern << (juce::String("\\^$.|?*+()[]{}").containsChar(c) ? "\\" : "") << juce::String::charToString(c);
    const auto found = runAndRead(
        { "xdotool", "search", "--all", "--onlyvisible", "--pid", juce::String(pid), "--name", "^" + pattern.trimEnd() + " *$" });
    const auto id = juce::StringArray::fromLines(found.trim())[0].trim();
    note("the window \"" + title + "\" does not hold the focus; activating it"
         + (id.isEmpty() ? juce::String(": not found") : ""));
    if (id.isNotEmpty())
        xdotool({ "windowactivate", "--sync", id });
}

bool SimulatedAmplifierApp::raiseOnly()
{
    return window != 0 && xdotool({ "windowraise", juce::String(window) });
}

std::vector<SimulatedAmplifierApp::Widget> SimulatedAmplifierApp::findWidgets(const juce::String& kind,
                                                                              const juce::String& key) const
{
    std::vector<Widget> found;
    for (auto& line : juce::StringArray::fromLines(layoutFile.loadFileAsString()))
    {
        const auto fields = juce::StringArray::fromTokens(line, "\t", {});
        if (fields.size() < 9 || fields[0] != kind || fields[1].trimEnd() != key)
            continue;
        found.push_back({ { fields[2].getIntValue(), fields[3].getIntValue(), fields[4].getIntValue(), fields[5].getIntValue() },
                          fields[6],
                          fields[7],
                          fields[8] });
    }
    return found;
}

std::optional<SimulatedAmplifierApp::Widget> SimulatedAmplifierApp::waitForWidget(const juce::String& kind,
                                                                                  const juce::String& key, int timeoutMs,
                                                                                  std::function<bool(const Widget&)> test) const
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    do
    {
        const auto found = findWidgets(kind, key);
        for (auto it = found.rbegin(); it != found.rend(); ++it)
            if (! it->bounds.isEmpty() && (test == nullptr || test(*it)))
                return *it;
        juce::Thread::sleep(50);
    } while (juce::Time::getMillisecondCounter() < end);
    return std::nullopt;
}

bool SimulatedAmplifierApp::waitUntilGone(const juce::String& kind, const juce::String& key, int timeoutMs) const
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    while (! findWidgets(kind, key).empty())
    {
        if (juce::Time::getMillisecondCounter() >= end)
            return false;
        juce::Thread::sleep(50);
    }
    return true;
}

bool SimulatedAmplifierApp::screenshot(const juce::String& name)
{
    const juce::File folder(RIGSMITH_SCREENSHOT_DIR);
    folder.createDirectory();
    const auto file = folder.getChildFile(name + ".png");
    file.deleteFile();
    runAndRead({ "import", "-window", "root", file.getFullPathName() }, 20000);
    return file.existsAsFile();
}

int SimulatedAmplifierApp::closeAndWaitForExit(int timeoutMs)
{
    if (window == 0)
        return process.waitForExit(timeoutMs);
    AppProcess::WindowInfo info;
    info.id = "0x" + juce::String::toHexString(window);
    return process.closeAndWaitForExit(info, timeoutMs);
}

bool SimulatedAmplifierApp::closeOnce() const
{
    if (window == 0)
        return false;
    AppProcess::WindowInfo info;
    info.id = "0x" + juce::String::toHexString(window);
    return process.closeWindow(info);
}
namespace
{
// How long one step of a gesture (the application seeing the pointer move,
// the button go down or up) may take before the gesture is made again.
constexpr int stepMs = 15000;

juce::uint32 now()
{
    return juce::Time::getMillisecondCounter();
}

int remainingUntil(juce::uint32 deadline)
{
    return deadline > now() ? (int) (deadline - now()) : 0;
}

bool near(juce::Point<int> a, juce::Point<int> b)
{
    return std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1;
}

juce::String text(juce::Point<int> p)
{
    return juce::String(p.x) + "," + juce::String(p.y);
}
} // namespace

void SimulatedAmplifierApp::note(const juce::String& line) const
{
    // The time of day, and the millisecond counter that the layout's times
    // are counted in.
    const auto time = juce::Time::getCurrentTime();
    gestureLog.appendText(time.formatted("%H:%M:%S.") + juce::String(time.getMilliseconds()).paddedLeft('0', 3) + " ["
                          + juce::String(now()) + "] " + line + "\n");
}

bool SimulatedAmplifierApp::moveOnScreen(juce::Point<int> at)
{
    return xdotool({ "mousemove", "--sync", juce::String(at.x), juce::String(at.y) });
}

bool SimulatedAmplifierApp::buttonDown(int button)
{
    return xdotool({ "mousedown", juce::String(button) });
}

bool SimulatedAmplifierApp::buttonUp(int button)
{
    return xdotool({ "mouseup", juce::String(button) });
}

void SimulatedAmplifierApp::release()
{
    if (pressMade)
        pressMade->releasedAt = now();
    buttonUp();
}

std::optional<SimulatedAmplifierApp::Pointer> SimulatedAmplifierApp::pointer() const
{
    return pointerIn(layoutFile.loadFileAsString());
}

std::optional<SimulatedAmplifierApp::Pointer> SimulatedAmplifierApp::pointerIn(const juce::String& layout)
{
    for (auto& line : juce::StringArray::fromLines(layout))
    {
        const auto fields = juce::StringArray::fromTokens(line, "\t", {});
        if (fields.size() < 9 || fields[0] != "pointer")
            continue;
        Pointer p;
        p.name = fields[1];
        p.over = { fields[2].getIntValue(), fields[3].getIntValue(), fields[4].getIntValue(), fields[5].getIntValue() };
        p.at = { fields[6].upToFirstOccurrenceOf(",", false, false).getIntValue(),
                 fields[6].fromFirstOccurrenceOf(",", false, false).getIntValue() };
        p.presses = fields[7].getIntValue();
        p.held = fields[8] == "1";
        p.window = fields[9].getIntValue();
        return p;
    }
    return std::nullopt;
}

std::vector<SimulatedAmplifierApp::ShownWindow> SimulatedAmplifierApp::windowsIn(const juce::String& layout)
{
    std::vector<ShownWindow> windows;
    for (auto& line : juce::StringArray::fromLines(layout))
    {
        const auto f = juce::StringArray::fromTokens(line, "\t", {});
        if (f.size() < 9 || f[0] != "window")
            continue;
        ShownWindow w;
        w.title = f[1];
        w.bounds = { f[2].getIntValue(), f[3].getIntValue(), f[4].getIntValue(), f[5].getIntValue() };
        w.focused = f[6] == "1";
        w.id = f[9].getIntValue();
        w.listedAt = (juce::uint32) f[10].getLargeIntValue();
        w.modal = f[11] == "1";
        windows.push_back(w);
    }
    return windows;
}

namespace
{
// The frontmost of the windows listed that holds the point.
std::optional<SimulatedAmplifierApp::ShownWindow> frontmostAt(const std::vector<SimulatedAmplifierApp::ShownWindow>& windows,
                                                              juce::Point<int> at)
{
    std::optional<SimulatedAmplifierApp::ShownWindow> front;
    for (auto& w : windows)
        if (w.bounds.contains(at))
            front = w;
    return front;
}
} // namespace

int SimulatedAmplifierApp::popupWaitMs(const juce::String& layout, juce::Point<int> at, juce::uint32 now)
{
    const auto front = frontmostAt(windowsIn(layout), at);
    if (! front || front->title != "menu")
        return 0;
    // Not yet listed with its time: it has only just been made.
    if (front->listedAt == 0)
        return popupSettleMs;
    const auto stood = (int) (now - front->listedAt);
    return juce::jlimit(0, popupSettleMs, popupSettleMs - stood);
}

bool SimulatedAmplifierApp::pointerSeenAt(const juce::String& layout, juce::Point<int> at, juce::String& seen)
{
    const auto p = pointerIn(layout);
    if (! p)
    {
        seen = "nothing";
        return false;
    }
    seen =
        "the pointer at " + text(p->at) + " over " + p->name + " " + p->over.toString() + " of window " + juce::String(p->window);
    // Over one of the application's windows: over a widget there, in the
    // frontmost window there (another of its windows in front, such as a
    // tip, takes the press from the widget; a window listed but not yet on
    // the screen leaves the pointer over the window behind it).
    const auto front = frontmostAt(windowsIn(layout), at);
    if (! front)
        return p->over.isEmpty();
    return near(p->at, at) && p->over.contains(at) && front->bounds.contains(p->over) && p->window == front->id;
}

bool SimulatedAmplifierApp::keysWouldLand(const juce::String& layout)
{
    bool anyFocused = false;
    for (auto& w : windowsIn(layout))
    {
        anyFocused = anyFocused || w.focused;
        if (w.modal && w.title != "menu" && ! w.focused)
            return false;
    }
    return anyFocused;
}

int SimulatedAmplifierApp::doubleClickWaitMs(juce::Point<int> last, juce::uint32 lastSeenAt, juce::Point<int> at,
                                             juce::uint32 now)
{
    // The framework's tolerance is under 8 pixels each way.
    if (lastSeenAt == 0 || std::abs(last.x - at.x) >= 8 || std::abs(last.y - at.y) >= 8)
        return 0;
    return juce::jlimit(0, doubleClickClearMs, doubleClickClearMs - (int) (now - lastSeenAt));
}

juce::Point<int> SimulatedAmplifierApp::restingPointFor(juce::Point<int> at, std::optional<juce::Point<int>> lastPress)
{
    return lastPress && *lastPress == at ? at.translated(1, 0) : at;
}

std::optional<SimulatedAmplifierApp::Widget> SimulatedAmplifierApp::mainWindow() const
{
    for (auto& line : juce::StringArray::fromLines(layoutFile.loadFileAsString()))
    {
        const auto f = juce::StringArray::fromTokens(line, "\t", {});
        if (f.size() >= 9 && f[0] == "window" && f[1].startsWith("Rig Smith"))
            return Widget {
                { f[2].getIntValue(), f[3].getIntValue(), f[4].getIntValue(), f[5].getIntValue() }, f[6], f[7], f[8]
            };
    }
    return std::nullopt;
}

int SimulatedAmplifierApp::keysReachingMainWindow() const
{
    const auto main = mainWindow();
    return main ? main->minimum.getIntValue() : 0;
}

bool SimulatedAmplifierApp::waitUntilReady(int timeoutMs)
{
    if (window == 0 && waitForMainWindow(timeoutMs) == 0)
        return false;
    // The window is where the window manager put it (the application has
    // taken in the last move, so the layout's places are the screen's), and
    // one of the application's windows holds the keyboard focus: a press on
    // a window without it is the window manager's focus click.
    auto lastActivation = now();
    bool placed = false, focused = false;
    const bool ready = waitUntil(
        [&] {
            const auto main = mainWindow();
            placed = main && main->bounds == getWindowBounds();
            const auto windows = windowsIn(layoutFile.loadFileAsString());
            focused = std::any_of(windows.begin(), windows.end(), [](auto& w) { return w.focused; });
            if (! focused && now() - lastActivation > 2000)
            {
                note("ready: no window of the application holds the focus; activating the main window");
                xdotool({ "windowactivate", "--sync", juce::String(window) });
                lastActivation = now();
            }
            return placed && focused;
        },
        timeoutMs, 100);
    if (! ready)
        note(juce::String("ready: not in time (placed ") + (placed ? "yes" : "no") + ", focused " + (focused ? "yes" : "no")
             + ")");
    return ready;
}

std::optional<SimulatedAmplifierApp::Pointer> SimulatedAmplifierApp::moveAndSee(juce::Point<int> at, int timeoutMs)
{
    // By way of a point beside it, so that a motion reaches the application
    // even where the pointer already was; to a point off its windows by way
    // of one inside the main window, so that the application sees the
    // pointer leave (a leave it did not take in is not sent again).
    const auto layout = layoutFile.loadFileAsString();
    const auto main = mainWindow();
    const bool onAWindow = frontmostAt(windowsIn(layout), at).has_value();
    moveOnScreen(onAWindow || ! main ? at.translated(at.x > 2 ? -2 : 2, 0) : main->bounds.getTopLeft().translated(3, 3));
    moveOnScreen(at);
    juce::String seenLast = "nothing";
    std::optional<Pointer> p;
    const bool seen = waitUntil(
        [&] {
            const auto now = layoutFile.loadFileAsString();
            p = pointerIn(now);
            return pointerSeenAt(now, at, seenLast);
        },
        timeoutMs);
    if (! seen)
    {
        note("move to " + text(at) + ": the application saw " + seenLast);
        return std::nullopt;
    }
    return p;
}

int SimulatedAmplifierApp::waitBeforePress(juce::Point<int> at, bool drag)
{
    const auto layout = layoutFile.loadFileAsString();
    const auto t = now();
    int wait = 0;
    if (const int popup = popupWaitMs(layout, at, t); popup > 0)
    {
        note("press at " + text(at) + ": the popup there has stood " + juce::String(popupSettleMs - popup) + " ms of the "
             + juce::String(popupSettleMs) + " it needs (the framework takes no click in its first 250 ms): waiting");
        wait = popup;
    }
    if (pressMade)
        if (const int twice = doubleClickWaitMs(pressMade->at, pressMade->seenAt, at, t); twice > 0)
        {
            note("press at " + text(at) + ": the press at " + text(pressMade->at) + " was seen "
                 + juce::String(doubleClickClearMs - twice)
                 + " ms ago (within 400 ms the framework makes a double click of the two): waiting");
            wait = juce::jmax(wait, twice);
        }
    if (drag && dragReleased)
    {
        // The pointer seen here again: the application has taken the drop.
        if (dragReleaseSeenAt == 0)
            dragReleaseSeenAt = t;
        const int image = juce::jlimit(0, dragImageClearMs, dragImageClearMs - (int) (t - dragReleaseSeenAt));
        if (image > 0)
        {
            note("drag from " + text(at) + ": the drop before was taken " + juce::String(dragImageClearMs - image)
                 + " ms ago (the framework starts no drag while the image of the one before stands, up to 200 ms): waiting");
            wait = juce::jmax(wait, image);
        }
    }
    return wait;
}

void SimulatedAmplifierApp::recordPress(juce::Point<int> at, bool drag)
{
    const auto windows = windowsIn(layoutFile.loadFileAsString());
    Press press { at, frontmostAt(windows, at).value_or(ShownWindow {}), {} };
    for (auto& w : windows)
        if (w.modal && w.id != press.window.id)
            press.blockedBy = w.title;
    press.madeAt = now();
    pressMade = press;
    if (drag)
    {
        dragReleased = false;
        dragReleaseSeenAt = 0;
    }
}

// What the framework may have dropped, for the note of a gesture whose effect
// did not show.
juce::String SimulatedAmplifierApp::guardsMet(const juce::String& gesture) const
{
    if (gesture.startsWith("keys"))
        return "a key goes to the modal component, where there is one, and to no widget it blocks";
    if (! pressMade)
        return {};
    juce::String guards;
    if (pressMade->blockedBy.isNotEmpty())
        guards << "the press was on a window that the modal \"" << pressMade->blockedBy
               << "\" blocks, and the framework drops it; ";
    if (pressMade->window.title == "menu")
        guards << "the press came " << (int) (pressMade->madeAt - pressMade->window.listedAt)
               << " ms after the popup was listed (a release within 250 ms of its making is dropped); ";
    if (gesture.startsWith("drag"))
        guards << "a drag whose source still has a drag image standing starts none; ";
    return guards.upToLastOccurrenceOf(";", false, false);
}

bool SimulatedAmplifierApp::pressAt(juce::Point<int> at, juce::uint32 deadline, bool drag)
{
    for (int attempt = 1; remainingUntil(deadline) > 0; ++attempt)
    {
        if (! waitUntilReady(remainingUntil(deadline)))
            return false;
        // The presses counted are those of the sighting that saw the pointer
        // there: no press is made in between.
        const auto before = moveAndSee(at, juce::jmin(stepMs, remainingUntil(deadline)));
        if (! before)
            continue;
        // What the framework would drop or take for another gesture is
        // waited out, and the pointer seen there again.
        if (const int wait = waitBeforePress(at, drag); wait > 0)
        {
            juce::Thread::sleep(juce::jmin(wait, remainingUntil(deadline)));
            continue;
        }
        // The display loses no press: one the application has not seen yet
        // is still on its way (a busy application can take many seconds), and
        // a second one would make a click of its own. So the press is made
        // once and waited for.
        recordPress(at, drag);
        buttonDown();
        const auto pressed = [&] {
            const auto p = pointer();
            return p && p->presses > before->presses;
        };
        if (waitUntil(pressed, remainingUntil(deadline)))
        {
            pressMade->seenAt = now();
            if (attempt > 1)
                note("press at " + text(at) + ": seen, the pointer seen there at attempt " + juce::String(attempt));
            return true;
        }
        buttonUp();
        note("press at " + text(at) + ": not seen in time");
        return false;
    }
    return false;
}

bool SimulatedAmplifierApp::waitForEffect(const juce::String& gesture, const Condition& seen, juce::uint32 deadline)
{
    // Without an effect of its own, the gesture's is the release seen. A
    // press that closed the window it landed on (a catalogue, a menu) can
    // leave the release unseen: the next motion tells the framework that no
    // button is held, and the next gesture starts with one.
    if (seen == nullptr)
    {
        const auto released = [this] {
            const auto p = pointer();
            return p && ! p->held;
        };
        if (! waitUntil(released, juce::jmin(stepMs, remainingUntil(deadline))))
            note(gesture + ": the release was not seen");
        return true;
    }
    if (waitUntil(seen, remainingUntil(deadline)))
        return true;
    const auto guards = guardsMet(gesture);
    note(gesture + ": made whole, and its effect did not show"
         + (guards.isNotEmpty() ? " (the framework may have dropped it: " + guards + ")" : juce::String()));
    return false;
}

bool SimulatedAmplifierApp::clickUntil(juce::Point<int> at, const Condition& seen)
{
    const auto deadline = now() + (juce::uint32) patienceMs;
    note("click at " + text(at));
    if (! pressAt(at, deadline))
        return false;
    release();
    return waitForEffect("click at " + text(at), seen, deadline);
}

bool SimulatedAmplifierApp::dragUntil(juce::Point<int> from, juce::Point<int> to, const Condition& seen, DragStyle style)
{
    const auto deadline = now() + (juce::uint32) patienceMs;
    note("drag from " + text(from) + " to " + text(to));
    if (! pressAt(from, deadline, true))
        return false;
    for (int i = 1; i <= style.steps; ++i)
    {
        juce::Thread::sleep(15); // a hand's pace
        moveOnScreen(from + (to - from) * i / style.steps);
    }
    // The drop lands where the application last saw the pointer.
    std::optional<Pointer> last;
    const auto arrived = [&] {
        last = pointer();
        return last && near(last->at, to);
    };
    if (! waitUntil(arrived, juce::jmin(stepMs, remainingUntil(deadline))))
        note("drag to " + text(to) + ": the application saw the pointer last at "
             + (last ? text(last->at) : juce::String("none")));
    juce::Thread::sleep(style.restMs);
    release();
    dragReleased = true;
    return waitForEffect("drag to " + text(to), seen, deadline);
}

bool SimulatedAmplifierApp::hoverUntil(juce::Point<int> at, const Condition& seen)
{
    const auto deadline = now() + (juce::uint32) patienceMs;
    note("hover at " + text(at));
    const auto rest = restingPointFor(at, pressMade ? std::optional<juce::Point<int>>(pressMade->at) : std::nullopt);
    if (rest != at)
        note("hover at " + text(at) + ": resting at " + text(rest)
             + " instead (the framework shows no tip while the pointer rests where the last press was)");
    while (remainingUntil(deadline) > 0)
    {
        if (! waitUntilReady(remainingUntil(deadline)))
            return false;
        if (! moveAndSee(rest, juce::jmin(stepMs, remainingUntil(deadline))))
            continue;
        if (seen == nullptr || waitUntil(seen, juce::jmin(stepMs, remainingUntil(deadline))))
            return true;
        note("hover at " + text(at) + ": the pointer rested and nothing showed; moved there again");
    }
    return false;
}

bool SimulatedAmplifierApp::wheelUntil(juce::Point<int> at, const Condition& seen)
{
    const auto deadline = now() + (juce::uint32) patienceMs;
    note("wheel at " + text(at));
    if (! waitUntilReady(remainingUntil(deadline)) || ! moveAndSee(at, remainingUntil(deadline)))
        return false;
    xdotool({ "click", "4" });
    return waitUntil(seen, remainingUntil(deadline));
}

bool SimulatedAmplifierApp::keyUntil(const juce::String& keys, const Condition& seen)
{
    const auto deadline = now() + (juce::uint32) patienceMs;
    note("keys " + keys);
    if (! waitUntilReady(remainingUntil(deadline)))
        return false;
    // A modal window that has not got the focus would take the keys itself
    // and use none of them. One the window manager leaves without it is
    // given it, as a click on it would.
    auto lastActivation = now();
    const auto land = [&] {
        const auto layout = layoutFile.loadFileAsString();
        if (keysWouldLand(layout))
            return true;
        if (now() - lastActivation > 2000)
        {
            for (auto& w : windowsIn(layout))
                if (w.modal && ! w.focused && w.title != "menu")
                    activateWindow(w.title);
            lastActivation = now();
        }
        return false;
    };
    if (! land())
    {
        note("keys " + keys + ": a modal window does not hold the focus: waiting");
        if (! waitUntil(land, remainingUntil(deadline)))
        {
            note("keys " + keys + ": the modal window did not get the focus in time");
            return false;
        }
    }
    xdotool({ "key", keys });
    if (waitUntil(seen, remainingUntil(deadline)))
        return true;
    note("keys " + keys + ": sent, and their effect did not show (" + guardsMet("keys") + ")");
    return false;
}

bool SimulatedAmplifierApp::waitForSettled(const Condition& state, int settleMs, int timeoutMs) const
{
    const auto written = [this] { return layoutFile.loadFileAsString() + ampLog.loadFileAsString(); };
    auto layout = written();
    auto since = now();
    return waitUntil(
        [&] {
            auto current = written();
            if (current != layout || ! state())
            {
                layout = std::move(current);
                since = now();
                return false;
            }
            return now() - since >= (juce::uint32) settleMs;
        },
        timeoutMs);
}
} // namespace testing_support
