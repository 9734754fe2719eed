#pragma once

#include "Platform/RSClock.h"

#include <mutex>
#include <vector>

// Test clock: records every requested pause and returns at once, advancing
// its own time by the pause (or, when asked, really sleeps). Installs itself
// for its lifetime.
class RecordingClock : public RSClock
{
public:
    explicit RecordingClock(bool reallySleep = false) : sleepForReal(reallySleep) { RSClock::setCurrent(this); }
    ~RecordingClock() override { RSClock::setCurrent(nullptr); }

    void sleep(int ms) override
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            pauses.push_back(ms);
            if (ms > 0)
                virtualNow += ms;
        }
        if (sleepForReal && ms > 0)
            juce::Thread::sleep(ms);
    }

    // Records the pause asked for; a real clock sleeps what is left of it.
    void sleepSince(double start, int ms) override
    {
        if (! sleepForReal || start < 0)
        {
            sleep(ms);
            return;
        }
        {
            std::lock_guard<std::mutex> lock(mutex);
            pauses.push_back(ms);
        }
        RSClock::sleepSince(start, ms);
    }

    juce::int64 now() override
    {
        std::lock_guard<std::mutex> lock(mutex);
        return virtualNow;
    }

    std::vector<int> getPauses() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return pauses;
    }

    void clear()
    {
        std::lock_guard<std::mutex> lock(mutex);
        pauses.clear();
    }

private:
    const bool sleepForReal;
    mutable std::mutex mutex;
    std::vector<int> pauses;
    juce::int64 virtualNow = 0;
};
