#include "support/ChildTestRun.h"

namespace testing_support
{
ChildTestRun::ChildTestRun(const juce::StringArray& environment, const juce::String& filter, int timeoutMs)
{
    const juce::TemporaryFile log;
    const auto self = juce::File::getSpecialLocation(juce::File::currentExecutableFile).getFullPathName();
    // The shell hands its process over to the test executable, so that a kill
    // reaches the tests themselves.
    juce::StringArray command { "sh", "-c", "exec \"$@\" >\"$0\" 2>&1", log.getFile().getFullPathName(), "env" };
    command.addArray(environment);
    command.add(self);
    command.add("--gtest_filter=" + filter);

    juce::ChildProcess child;
    if (! child.start(command, 0))
    {
        output = "the child could not be started";
        return;
    }
    ended = child.waitForProcessToFinish(timeoutMs);
    if (ended)
        exitCode = child.getExitCode();
    else
    {
        child.kill();
        child.waitForProcessToFinish(5000);
    }
    output = log.getFile().loadFileAsString();
    if (! ended)
        output << "\n(killed after " << timeoutMs << " ms)";
}

bool ChildTestRun::passed(int tests) const
{
    return ended && exitCode == 0 && output.contains("[  PASSED  ] " + juce::String(tests) + " test")
           && ! output.contains("SKIPPED");
}
} // namespace testing_support
