#pragma once

#include <juce_core/juce_core.h>

namespace testing_support
{
// Tests of this executable run in a child process of their own, for what
// cannot happen twice in one process (a quit of the message loop) or needs
// another environment (another display). The child's output is kept in a
// file, so that a child that hangs is ended after the time and still tells
// what it did.
struct ChildTestRun
{
    // Runs the tests the filter names with the extra environment variables
    // ("NAME=value") and waits for the end, at most timeoutMs.
    ChildTestRun(const juce::StringArray& environment, const juce::String& filter, int timeoutMs);

    // Whether the child ended within the time (it was killed otherwise).
    bool ended = false;
    juce::uint32 exitCode = 0;
    juce::String output;

    // Ended with success, and the named number of tests ran and passed.
    bool passed(int tests) const;
};
} // namespace testing_support
