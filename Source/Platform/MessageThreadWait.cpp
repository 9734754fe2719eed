#include "Platform/MessageThreadWait.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace
{
// The locks threads are waiting on, so that a stopped message loop can make
// them give up.
std::mutex waitingLock;
std::vector<const juce::MessageManager::Lock*> waiting;
} // namespace

void waitUntilLockIsFree(juce::CriticalSection& lock)
{
    auto* mm = juce::MessageManager::getInstanceWithoutCreating();
    const bool onMessageThread = mm != nullptr && mm->isThisTheMessageThread();

    while (! lock.tryEnter())
    {
        if (onMessageThread)
        {
#if JUCE_MODAL_LOOPS_PERMITTED
            // False once the loop has stopped: it delivers nothing any more.
            if (mm->runDispatchLoopUntil(1))
                continue;
#endif
            MessageThreadLock::abandonWaits();
        }
        juce::Thread::yield();
    }
    lock.exit();
}

MessageThreadLock::MessageThreadLock()
{
    auto* mm = juce::MessageManager::getInstanceWithoutCreating();
    if (mm == nullptr)
        return;

    {
        const std::lock_guard<std::mutex> guard(waitingLock);
        waiting.push_back(&lock);
    }
    // A failed try is either a quit (the lock can no longer be handed out)
    // or a spurious wake; only the first ends the wait.
    while (! mm->hasStopMessageBeenSent())
    {
        if (lock.tryEnter())
        {
            locked = true;
            break;
        }
    }
    {
        const std::lock_guard<std::mutex> guard(waitingLock);
        waiting.erase(std::find(waiting.begin(), waiting.end(), &lock));
    }
}

MessageThreadLock::~MessageThreadLock()
{
    if (locked)
        lock.exit();
}

void MessageThreadLock::abandonWaits()
{
    const std::lock_guard<std::mutex> guard(waitingLock);
    for (const auto* each : waiting)
        each->abort();
}
