#include "Platform/RSClock.h"

#include <atomic>

namespace
{
std::atomic<RSClock*> installedClock { nullptr };
}

void RSClock::sleep(int ms)
{
    if (ms > 0)
        juce::Thread::sleep(ms);
}

juce::int64 RSClock::now()
{
    return (juce::int64) juce::Time::getMillisecondCounterHiRes();
}

RSClock& RSClock::current() noexcept
{
    static RSClock systemClock;
    if (auto* clock = installedClock.load())
        return *clock;
    return systemClock;
}

void RSClock::setCurrent(RSClock* clock) noexcept
{
    installedClock.store(clock);
}
