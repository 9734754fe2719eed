#include "support/PrivateDisplay.h"

#include "support/AppProcess.h"
#include "support/SimulatedAmplifierApp.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <atomic>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace testing_support
{
namespace
{
bool displayAnswers(const juce::String& display)
{
    const auto probe = runBounded({ "xdpyinfo", "-display", display }, 20000);
    return probe.ended && probe.exitCode == 0;
}

// An exclusive lock on the file, waited for; the open descriptor, or -1.
// The lock goes with the descriptor, and with the process if it dies.
int lockExclusively(const juce::File& file, int timeoutMs)
{
    const int fd = ::open(file.getFullPathName().toRawUTF8(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return -1;
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0)
    {
        if (juce::Time::getMillisecondCounter() >= end)
        {
            ::close(fd);
            return -1;
        }
        juce::Thread::sleep(50);
    }
    return fd;
}

// Starts an Xvfb of 1280x800 with the given further arguments; the display's
// name (":N") once it answers, or empty. The server never resets: by default
// it resets when its last client leaves, and a client that connects in that
// moment is never answered (it waits in XOpenDisplay for good).
juce::String startServer(juce::ChildProcess& server, const juce::StringArray& arguments)
{
    // The server picks a free display number and writes it to its standard
    // output once it accepts connections.
    juce::StringArray command { "Xvfb", "-displayfd", "1", "-noreset", "-screen", "0", "1280x800x24" };
    command.addArray(arguments);
    if (! server.start(command, juce::ChildProcess::wantStdOut))
        return {};
    // A server that never writes its number is ended after the time, which
    // ends the read.
    std::atomic<bool> read { false };
    std::thread limit([&server, &read] {
        if (! SimulatedAmplifierApp::waitUntil([&read] { return read.load(); }, 30000) && server.isRunning())
            server.kill();
    });
    juce::String number;
    char c = 0;
    while (server.readProcessOutput(&c, 1) == 1 && c != '\n')
        number += juce::String::charToString((juce::juce_wchar)(juce::uint8) c);
    read = true;
    limit.join();
    number = number.trim();
    if (number.containsOnly("0123456789") && number.isNotEmpty() && displayAnswers(":" + number))
        return ":" + number;
    if (server.isRunning())
        server.kill();
    return {};
}

void stopServer(juce::ChildProcess& server, const juce::String& name)
{
    if (name.isEmpty() || ! server.isRunning())
        return;
    // Killed, the server leaves its lock and socket behind.
    server.kill();
    server.waitForProcessToFinish(5000);
    const auto number = name.fromLastOccurrenceOf(":", false, false);
    juce::File("/tmp/.X" + number + "-lock").deleteFile();
    juce::File("/tmp/.X11-unix/X" + number).deleteFile();
}
} // namespace

juce::File PrivateDisplay::getLockFile()
{
    // One per build: the test runs of other builds on the machine go their own way.
    return juce::File::getSpecialLocation(juce::File::currentExecutableFile).getSiblingFile(".private-display.lock");
}

PrivateDisplay::PrivateDisplay(int lockTimeoutMs)
{
    previousDisplay = juce::SystemStats::getEnvironmentVariable("DISPLAY", {});
    if (previousDisplay.isEmpty())
        return;
    lockFile = lockExclusively(getLockFile(), lockTimeoutMs);
    if (lockFile < 0)
        return;
    // This process keeps its connection to the shared display.
    juce::Desktop::getInstance().getDisplays();

    name = startServer(server, { "-nolisten", "tcp" });
    if (name.isEmpty())
        return;

    setenv("DISPLAY", name.toRawUTF8(), 1);
    ready = AppProcess::ensureWindowManager();
}

PrivateDisplay::~PrivateDisplay()
{
    if (previousDisplay.isNotEmpty())
        setenv("DISPLAY", previousDisplay.toRawUTF8(), 1);
    stopServer(server, name);
    if (lockFile >= 0)
        ::close(lockFile);
}

NetworkDisplay::NetworkDisplay()
{
    if (! juce::File("/usr/bin/Xvfb").existsAsFile())
        return;
    const auto local = startServer(server, { "-listen", "tcp" });
    if (local.isNotEmpty() && displayAnswers("127.0.0.1" + local))
        name = "127.0.0.1" + local;
    else
        stopServer(server, local);
}

NetworkDisplay::~NetworkDisplay()
{
    stopServer(server, name);
}
} // namespace testing_support
