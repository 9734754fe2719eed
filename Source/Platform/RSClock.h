#pragma once

#include <juce_core/juce_core.h>

// The one seam for waiting and reading the time. Every pause of the MIDI send
// operations (and later the scan, synchronisation and timer pauses) goes
// through the current clock, so that tests can run the real sequences at
// full speed and still see which pauses were asked for.
//
// This class is the production clock: it really sleeps and reads the
// high-resolution millisecond counter. Tests install a subclass.
class RSClock
{
public:
    RSClock() = default;
    virtual ~RSClock() = default;

    // Blocks the calling thread for ms milliseconds (nothing for ms <= 0).
    virtual void sleep(int ms);

    // Blocks until ms milliseconds have passed since start, a reading of the
    // framework's high-resolution millisecond counter (a negative start: a
    // whole pause of ms).
    virtual void sleepSince(double start, int ms);

    // Milliseconds since an arbitrary fixed point, monotonic.
    virtual juce::int64 now();

    // The clock in use: the installed one, else the production clock.
    static RSClock& current() noexcept;

    // Installs a clock (not owned); null goes back to the production clock.
    static void setCurrent(RSClock* clock) noexcept;

    JUCE_DECLARE_NON_COPYABLE(RSClock)
};
