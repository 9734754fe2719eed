#include "support/PrivateDisplay.h"

#include "support/AppProcess.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace testing_support
{
namespace
{
bool displayAnswers(const juce::String& display)
{
    juce::ChildProcess probe;
    if (! probe.start(juce::StringArray { "xdpyinfo", "-display", display }, juce::ChildProcess::wantStdOut))
        return false;
    probe.readAllProcessOutput();
    return probe.waitForProcessToFinish(20000) && probe.getExitCode() == 0;
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

    // The server picks a free display number and writes it to its standard
    // output once it accepts connections.
    if (! server.start(juce::StringArray { "Xvfb", "-displayfd", "1", "-screen", "0", "1280x800x24", "-nolisten", "tcp" },
                       juce::ChildProcess::wantStdOut))
        return;
    juce::String number;
    char c = 0;
    while (server.readProcessOutput(&c, 1) == 1 && c != '\n')
        number += juce::String::charToString((juce::juce_wchar)(juce::uint8) c);
    if (number.trim().containsOnly("0123456789") && number.trim().isNotEmpty() && displayAnswers(":" + number.trim()))
        name = ":" + number.trim();
    else if (server.isRunning())
        server.kill();
    if (name.isEmpty())
        return;

    setenv("DISPLAY", name.toRawUTF8(), 1);
    ready = AppProcess::ensureWindowManager();
}

PrivateDisplay::~PrivateDisplay()
{
    if (previousDisplay.isNotEmpty())
        setenv("DISPLAY", previousDisplay.toRawUTF8(), 1);
    if (name.isNotEmpty() && server.isRunning())
    {
        // Killed, the server leaves its lock and socket behind.
        server.kill();
        server.waitForProcessToFinish(5000);
        const auto number = name.substring(1);
        juce::File("/tmp/.X" + number + "-lock").deleteFile();
        juce::File("/tmp/.X11-unix/X" + number).deleteFile();
    }
    if (lockFile >= 0)
        ::close(lockFile);
}
} // namespace testing_support
