#pragma once

// How often the threads of this process went to sleep and woke up again
// (voluntary context switches, from /proc; Linux only).
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

// The threads started since `before`, and how often they woke within ms
// milliseconds of doing nothing.
inline long long wakesOfNewThreadsWithin(const std::set<int>& before, int ms, int* newThreads = nullptr)
{
    std::map<int, long long> start;
    for (const int id : threadIds())
        if (before.count(id) == 0)
            start[id] = wakesOf(id);
    if (newThreads != nullptr)
        *newThreads = (int) start.size();
    juce::Thread::sleep(ms);
    long long wakes = 0;
    for (const auto& [id, count] : start)
        wakes += wakesOf(id) - count;
    return wakes;
}
} // namespace testing_support
