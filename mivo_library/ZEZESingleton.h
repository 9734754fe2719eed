#pragma once

#include <juce_core/juce_core.h>

// Reference-counted single instance, created and destroyed explicitly under a
// lock. Readers use instance() directly and must accept null.
template <typename T>
class ZEZESingleton
{
public:
    static T* CreateInstance()
    {
        const juce::ScopedLock sl(getLock());
        if (refCount == 0 && instancePtr == nullptr)
            instancePtr = new T();
        ++refCount;
        return instancePtr;
    }

    static void DestroyInstance()
    {
        T* toDelete = nullptr;
        {
            const juce::ScopedLock sl(getLock());
            if (refCount > 0 && --refCount == 0)
            {
                toDelete = instancePtr;
                instancePtr = nullptr;
            }
        }
        delete toDelete;
    }

    static T* instance() noexcept { return instancePtr; }
    static int referenceCount() noexcept { return refCount; }

private:
    static juce::CriticalSection& getLock()
    {
        static juce::CriticalSection lock;
        return lock;
    }

    static inline T* instancePtr = nullptr;
    static inline int refCount = 0;
};
