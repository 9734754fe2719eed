#pragma once

// How often the threads of this process went to sleep and woke up again
// (voluntary context switches, from /proc; Linux only).
#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include <juce_core/juce_core.h>

namespace testing_support
{
inline std::set<int> threadIds()
{
    std::set<int> ids;
    for (const auto& task : juce::File("/proc/self/task").findChildFiles(juce::File::findDirectories, false))
        ids.insert(task.getFileName().getIntValue());
    return ids;
}

inline long long wakesOf(int threadId)
{
    std::ifstream status("/proc/self/task/" + std::to_string(threadId) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
            return std::stoll(line.substr(line.find(':') + 1));
    return 0;
}

inline bool isAsleep(int threadId)
{
    std::ifstream stat("/proc/self/task/" + std::to_string(threadId) + "/stat");
    std::string line;
    std::getline(stat, line);
    // The state follows the name, which is in parentheses.
    const auto end = line.rfind(')');
    return end != std::string::npos && line.size() > end + 2 && line[end + 2] == 'S';
}

// The threads started since `before`, and how often they woke within ms
// milliseconds of doing nothing. They are first given the time to finish
// starting (a busy machine may hold one back before it first sleeps): until
// each is asleep and stayed so for a while, at most two seconds; a thread
// that keeps waking never gets there and is counted all the same.
inline long long wakesOfNewThreadsWithin(const std::set<int>& before, int ms, int* newThreads = nullptr)
{
    std::map<int, long long> start;
    const auto sample = [&] {
        std::map<int, long long> counts;
        for (const int id : threadIds())
            if (before.count(id) == 0)
                counts[id] = isAsleep(id) ? wakesOf(id) : -1;
        return counts;
    };
    start = sample();
    for (int round = 0; round < 20; ++round)
    {
        juce::Thread::sleep(100);
        auto now = sample();
        const bool settled =
            now == start && now.end() == std::find_if(now.begin(), now.end(), [](const auto& entry) { return entry.second < 0; });
        start = std::move(now);
        if (settled)
            break;
    }
    for (auto& [id, count] : start)
        count = wakesOf(id);
    if (newThreads != nullptr)
        *newThreads = (int) start.size();
    juce::Thread::sleep(ms);
    long long wakes = 0;
    for (const auto& [id, count] : start)
        wakes += wakesOf(id) - count;
    return wakes;
}
} // namespace testing_support
