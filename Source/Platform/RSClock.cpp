#include "Platform/RSClock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace
{
std::atomic<RSClock*> installedClock { nullptr };
}

void RSClock::sleep(int ms)
{
    if (ms > 0)
        juce::Thread::sleep(ms);
}

void RSClock::sleepSince(double start, int ms)
{
    if (start < 0)
    {
        sleep(ms);
        return;
    }
    const double remaining = start + ms - juce::Time::getMillisecondCounterHiRes();
    if (remaining > 0)
        std::this_thread::sleep_for(std::chrono::microseconds((juce::int64)(remaining * 1000.0)));
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
