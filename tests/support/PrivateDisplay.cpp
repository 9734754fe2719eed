#include "support/PrivateDisplay.h"

#include "support/AppProcess.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdlib>

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
    return probe.waitForProcessToFinish(5000) && probe.getExitCode() == 0;
}
} // namespace

PrivateDisplay::PrivateDisplay()
{
    previousDisplay = juce::SystemStats::getEnvironmentVariable("DISPLAY", {});
    if (previousDisplay.isEmpty())
        return;
    // This process keeps its connection to the shared display.
    juce::Desktop::getInstance().getDisplays();

    auto& random = juce::Random::getSystemRandom();
    for (int attempt = 0; attempt < 20 && name.isEmpty(); ++attempt)
    {
        const int number = 200 + random.nextInt(700);
        if (juce::File("/tmp/.X" + juce::String(number) + "-lock").exists())
            continue;
        const auto candidate = ":" + juce::String(number);
        if (! server.start(juce::StringArray { "Xvfb", candidate, "-screen", "0", "1280x800x24", "-nolisten", "tcp" }, 0))
            return;
        for (int i = 0; i < 200 && server.isRunning(); ++i)
        {
            if (displayAnswers(candidate))
            {
                name = candidate;
                break;
            }
            juce::Thread::sleep(50);
        }
        if (name.isEmpty() && server.isRunning())
            server.kill();
    }
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
        server.kill();
        server.waitForProcessToFinish(5000);
    }
}
} // namespace testing_support
