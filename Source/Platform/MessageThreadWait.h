#pragma once

#include <juce_core/juce_core.h>

// Waits until no other thread holds the lock, without keeping it.
//
// On the message thread the wait keeps delivering messages: a MIDI handler
// that holds the lock may itself be waiting for the message thread (a
// MessageManagerLock), and blocking the message thread here would deadlock.
void waitUntilLockIsFree(juce::CriticalSection& lock);
