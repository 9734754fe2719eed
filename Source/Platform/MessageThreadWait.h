#pragma once

#include <juce_events/juce_events.h>

// Waits until no other thread holds the lock, without keeping it.
//
// On the message thread the wait keeps delivering messages: a MIDI handler
// that holds the lock may itself be waiting for the message thread (a
// MessageThreadLock), and blocking the message thread here would deadlock.
// Once the message loop has stopped (the application quits) nothing is
// delivered any more: the handler's wait for the message thread is given up
// instead, so that it ends and lets the lock go.
void waitUntilLockIsFree(juce::CriticalSection& lock);

// The message thread's lock, taken by another thread (a MIDI handler) for the
// time it works on what the message thread also uses.
//
// Unlike juce::MessageManagerLock it gives up once the application quits: the
// stopped message loop never hands the lock out again, and a handler that
// waited for it for good would keep the application from ending (the message
// thread, shutting down, waits for the handler). Check lockWasGained(): a
// handler that did not get the lock leaves its work undone.
class MessageThreadLock
{
public:
    MessageThreadLock();
    ~MessageThreadLock();

    bool lockWasGained() const noexcept { return locked; }

    // Makes every thread waiting for the message thread's lock give up;
    // called once the message loop has stopped.
    static void abandonWaits();

private:
    juce::MessageManager::Lock lock;
    bool locked = false;

    JUCE_DECLARE_NON_COPYABLE(MessageThreadLock)
};
