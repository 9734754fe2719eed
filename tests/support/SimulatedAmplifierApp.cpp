#include "support/SimulatedAmplifierApp.h"

#include "Application/StateHolder.h"

namespace testing_support
{
SimulatedAmplifierApp::SimulatedAmplifierApp(const juce::File& homeFolder, int model)
    : modelId(model),
      ampLog(homeFolder.getChildFile("amplifier-received.log")),
      layoutFile(homeFolder.getChildFile("screen-layout.txt")),
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
    ampLog.deleteFile();
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
    juce::ChildProcess child;
    if (! child.start(command, 0))
        return false;
    // A busy machine can take a while to start even a small program.
    return child.waitForProcessToFinish(20000) && child.getExitCode() == 0;
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

juce::String SimulatedAmplifierApp::getWindowTitle() const
{
    return window != 0 ? runAndRead({ "xdotool", "getwindowname", juce::String(window) }).trimCharactersAtEnd("\n")
                       : juce::String();
}

juce::Rectangle<int> SimulatedAmplifierApp::getWindowBounds() const
{
    if (window == 0)
        return {};
    // X=.. Y=.. WIDTH=.. HEIGHT=.. lines
    juce::StringPairArray values;
    for (auto& line :
         juce::StringArray::fromLines(runAndRead({ "xdotool", "getwindowgeometry", "--shell", juce::String(window) })))
        values.set(line.upToFirstOccurrenceOf("=", false, false), line.fromFirstOccurrenceOf("=", false, false));
    return { values["X"].getIntValue(), values["Y"].getIntValue(), values["WIDTH"].getIntValue(),
             values["HEIGHT"].getIntValue() };
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

bool SimulatedAmplifierApp::click(juce::Point<int> at)
{
    return window != 0
           && xdotool({ "mousemove", "--window", juce::String(window), juce::String(at.x), juce::String(at.y), "click", "1" });
}

bool SimulatedAmplifierApp::raise()
{
    return window != 0 && xdotool({ "windowactivate", "--sync", juce::String(window) })
           && xdotool({ "windowraise", juce::String(window) });
}

bool SimulatedAmplifierApp::drag(juce::Point<int> from, juce::Point<int> to, int steps)
{
    if (window == 0)
        return false;
    const auto id = juce::String(window);
    if (! xdotool({ "mousemove", "--window", id, juce::String(from.x), juce::String(from.y), "mousedown", "1" }))
        return false;
    for (int i = 1; i <= steps; ++i)
    {
        const auto p = from + (to - from) * i / steps;
        juce::Thread::sleep(15);
        xdotool({ "mousemove", "--window", id, juce::String(p.x), juce::String(p.y) });
    }
    // The application sees the last move before the release: a drop lands
    // where the pointer came to rest, not where the previous move left it.
    juce::Thread::sleep(150);
    return xdotool({ "mouseup", "1" });
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

bool SimulatedAmplifierApp::clickOnScreen(juce::Point<int> at)
{
    return xdotool({ "mousemove", juce::String(at.x), juce::String(at.y), "click", "1" });
}

bool SimulatedAmplifierApp::moveOnScreen(juce::Point<int> at)
{
    return xdotool({ "mousemove", juce::String(at.x), juce::String(at.y) });
}

bool SimulatedAmplifierApp::dragOnScreen(juce::Point<int> from, juce::Point<int> to, int steps, int restMs)
{
    if (! xdotool({ "mousemove", juce::String(from.x), juce::String(from.y), "mousedown", "1" }))
        return false;
    for (int i = 1; i <= steps; ++i)
    {
        const auto p = from + (to - from) * i / steps;
        juce::Thread::sleep(20);
        xdotool({ "mousemove", juce::String(p.x), juce::String(p.y) });
    }
    juce::Thread::sleep(restMs);
    return xdotool({ "mouseup", "1" });
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

bool SimulatedAmplifierApp::key(const juce::String& keys)
{
    return xdotool({ "key", keys });
}

int SimulatedAmplifierApp::closeAndWaitForExit(int timeoutMs)
{
    if (window == 0)
        return process.waitForExit(timeoutMs);
    AppProcess::WindowInfo info;
    info.id = "0x" + juce::String::toHexString(window);
    return process.closeAndWaitForExit(info, timeoutMs);
}
} // namespace testing_support
