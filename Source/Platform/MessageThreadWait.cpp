#include "Platform/MessageThreadWait.h"

#include <juce_events/juce_events.h>

void waitUntilLockIsFree(juce::CriticalSection& lock)
{
    auto* mm = juce::MessageManager::getInstanceWithoutCreating();
    const bool onMessageThread = mm != nullptr && mm->isThisTheMessageThread();

    while (! lock.tryEnter())
    {
#if JUCE_MODAL_LOOPS_PERMITTED
        if (onMessageThread)
        {
            mm->runDispatchLoopUntil(1);
            continue;
        }
#endif
        juce::ignoreUnused(onMessageThread);
        juce::Thread::yield();
    }
    lock.exit();
}
