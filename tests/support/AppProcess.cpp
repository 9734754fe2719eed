#include "support/AppProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>

namespace testing_support
{
namespace
{
juce::String shellQuote(const juce::String& s)
{
    return "'" + s.replace("'", "'\\''") + "'";
}
} // namespace

BoundedRun runBounded(const juce::StringArray& command, int timeoutMs, bool withErrors)
{
    BoundedRun run;
    const juce::TemporaryFile log;
    // The shell hands its process over to the command, so that a kill
    // reaches the command itself.
    juce::StringArray shell { "sh", "-c", withErrors ? "exec \"$@\" >\"$0\" 2>&1" : "exec \"$@\" >\"$0\" 2>/dev/null",
                              log.getFile().getFullPathName() };
    shell.addArray(command);
    juce::ChildProcess child;
    if (! child.start(shell, 0))
        return run;
    run.ended = child.waitForProcessToFinish(timeoutMs);
    if (run.ended)
        run.exitCode = (int) child.getExitCode();
    else
    {
        child.kill();
        child.waitForProcessToFinish(5000);
    }
    run.output = log.getFile().loadFileAsString();
    return run;
}

juce::String runAndRead(const juce::StringArray& command, int timeoutMs)
{
    return runBounded(command, timeoutMs).output;
}

void AppProcess::keepEvidenceOfFailure(const juce::File& homeFolder)
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (test == nullptr || ! test->result()->Failed())
        return;
    keepEvidence(homeFolder, juce::String(test->test_suite_name()) + "." + test->name());
}

juce::File AppProcess::keepEvidence(const juce::File& homeFolder, const juce::String& testName)
{
    const auto folder = juce::File(RIGSMITH_EVIDENCE_DIR).getChildFile(testName.replaceCharacter('/', '_'));
    folder.deleteRecursively();
    folder.createDirectory();
    juce::StringArray kept;
    for (const auto* path : { ".config/Rig Smith/Rig Smith.log", "app-output.log", "amplifier-received.log", "screen-layout.txt",
                              "gestures.log", "thread-stacks.txt" })
    {
        const auto from = homeFolder.getChildFile(path);
        const auto to = folder.getChildFile(from.getFileName());
        if (from.existsAsFile() && from.copyFileTo(to))
            kept.add(to.getFullPathName());
    }
    std::cout << "Kept the evidence of the failure:\n  " << kept.joinIntoString("\n  ") << std::endl;
    return folder;
}

bool AppProcess::haveDisplay()
{
    return juce::SystemStats::getEnvironmentVariable("DISPLAY", {}).isNotEmpty();
}

bool AppProcess::ensureWindowManager()
{
    if (! haveDisplay())
        return false;

    // wmctrl answers only when a window manager runs on the display.
    auto probe = [] {
        const auto run = runBounded({ "wmctrl", "-m" }, 10000);
        return run.ended && run.exitCode == 0;
    };

    if (probe())
        return true;

    // Started detached: it outlives this test process and serves the display
    // for the rest of the run (a second start while one runs simply exits).
    juce::ChildProcess wm;
    wm.start(juce::StringArray { "openbox", "--sm-disable" }, 0);

    // It can take a while to come up on a busy machine.
    const auto end = juce::Time::getMillisecondCounter() + 30000;
    do
    {
        juce::Thread::sleep(50);
        if (probe())
            return true;
    } while (juce::Time::getMillisecondCounter() < end);
    return false;
}

juce::StringArray AppProcess::listWindows()
{
    juce::StringArray result;
    const auto text = runAndRead({ "wmctrl", "-l", "-G" });
    for (auto& line : juce::StringArray::fromLines(text))
    {
        // id desktop x y w h ...; the title is read from the window itself,
        // since the framework writes it as a UTF-8 WM_NAME.
        auto tokens = juce::StringArray::fromTokens(line, " ", {});
        tokens.removeEmptyStrings();
        if (tokens.size() < 6)
            continue;

        const auto prop = runAndRead({ "xprop", "-id", tokens[0], "WM_NAME", "_NET_WM_PID" });
        const auto title = prop.fromFirstOccurrenceOf("WM_NAME", false, false)
                               .fromFirstOccurrenceOf("= \"", false, false)
                               .upToFirstOccurrenceOf("\"\n", false, false);
        const auto pid = prop.fromFirstOccurrenceOf("_NET_WM_PID(CARDINAL) = ", false, false).getIntValue();
        result.add(tokens[0] + "|" + title + "|" + tokens[2] + " " + tokens[3] + " " + tokens[4] + " " + tokens[5] + "|"
                   + juce::String(pid));
    }
    return result;
}

AppProcess::AppProcess(juce::File homeFolder, juce::String executableFile)
    : home(std::move(homeFolder)), executable(std::move(executableFile))
{
    home.createDirectory();
    logFile = home.getChildFile("app-output.log");
}

AppProcess::~AppProcess()
{
    if (started && process.isRunning())
        process.kill();
    // The application's framework assertions go to the test's own standard
    // error, where they fail the test as the test process's own do.
    for (auto& line : juce::StringArray::fromLines(getOutput()))
        if (line.contains("JUCE Assertion failure"))
            std::cerr << "the application: " << line << std::endl;
}

void AppProcess::setEnvironment(const juce::String& name, const juce::String& value)
{
    environment.add(shellQuote(name + "=" + value));
}

void AppProcess::unsetEnvironment(const juce::String& name)
{
    environment.add("-u " + shellQuote(name));
}

juce::File AppProcess::getApplicationLogFile() const
{
    return home.getChildFile(".config").getChildFile("Rig Smith").getChildFile("Rig Smith.log");
}

bool AppProcess::waitForLog(const juce::String& text, int timeoutMs) const
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    while (! getApplicationLog().contains(text))
    {
        if (juce::Time::getMillisecondCounter() >= end)
            return false;
        juce::Thread::sleep(50);
    }
    return true;
}

juce::String AppProcess::sinceStart(const juce::File& file, juce::int64 from)
{
    juce::FileInputStream in(file);
    if (! in.openedOk())
        return {};
    if (in.getTotalLength() >= from)
        in.setPosition(from);
    return in.readEntireStreamAsString();
}

bool AppProcess::start(const juce::StringArray& args)
{
    outputFrom = logFile.getSize();
    applicationLogFrom = getApplicationLogFile().getSize();
    juce::String command = "exec env";
    for (auto& setting : environment)
        if (setting.startsWith("-u "))
            command << " " << setting;
    command << " HOME=" + shellQuote(home.getFullPathName())
            << " XDG_CONFIG_HOME=" + shellQuote(home.getChildFile(".config").getFullPathName());
    for (auto& setting : environment)
        if (! setting.startsWith("-u "))
            command << " " << setting;
    command << " " << shellQuote(executable);
    for (auto& arg : args)
        command << " " << shellQuote(arg);
    command << " >>" << shellQuote(logFile.getFullPathName()) << " 2>&1";

    started = process.start(juce::StringArray { "/bin/sh", "-c", command }, 0);
    return started;
}

int AppProcess::findPid() const
{
    // The application process whose environment holds this test's home folder.
    namespace fs = std::filesystem;
    const std::string wanted = ("HOME=" + home.getFullPathName()).toStdString();
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/proc", ec))
    {
        const auto name = entry.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const auto exe = fs::read_symlink(entry.path() / "exe", ec);
        if (ec || exe.string() != executable.toStdString())
            continue;
        std::ifstream environ(entry.path() / "environ", std::ios::binary);
        std::string var;
        while (std::getline(environ, var, '\0'))
            if (var == wanted)
                return std::stoi(name);
    }
    return -1;
}

bool AppProcess::isRunning() const
{
    return started && process.isRunning();
}

bool AppProcess::waitForWindow(const juce::String& title, int timeoutMs, WindowInfo* found) const
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    do
    {
        for (auto& entry : listWindows())
        {
            auto parts = juce::StringArray::fromTokens(entry, "|", {});
            // Only this process's windows: parallel tests show windows of the same title.
            if (parts.size() == 4 && parts[1] == title && parts[3].getIntValue() == findPid())
            {
                if (found != nullptr)
                {
                    auto g = juce::StringArray::fromTokens(parts[2], " ", {});
                    found->id = parts[0];
                    found->title = parts[1];
                    found->bounds = { g[0].getIntValue(), g[1].getIntValue(), g[2].getIntValue(), g[3].getIntValue() };
                }
                return true;
            }
        }
        juce::Thread::sleep(100);
    } while (juce::Time::getMillisecondCounter() < end);
    return false;
}

bool AppProcess::closeWindow(const WindowInfo& window) const
{
    const auto run = runBounded({ "wmctrl", "-i", "-c", window.id }, 3000);
    return run.ended && run.exitCode == 0;
}

int AppProcess::closeAndWaitForExit(const WindowInfo& window, int timeoutMs)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    do
    {
        closeWindow(window);
        const int code = waitForExit(2000);
        if (code != -1 || ! isRunning())
            return code;
    } while (juce::Time::getMillisecondCounter() < end);
    return -1;
}

int AppProcess::waitForExit(int timeoutMs)
{
    if (! started)
        return -1;
    if (! process.waitForProcessToFinish(timeoutMs))
        return -1;
    return (int) process.getExitCode();
}
} // namespace testing_support
