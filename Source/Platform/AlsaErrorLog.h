#pragma once

#include <juce_core/juce_core.h>

// Routes the ALSA library's own error printing (which goes to stderr, on
// every poll when no sequencer exists) into the log: each distinct message
// once per run.
class AlsaErrorLog
{
public:
    static void install();
    static void uninstall();

    // The log line of one ALSA error; false when the same line was logged before.
    static bool report(const juce::String& line);
    static void forgetReported();
};
