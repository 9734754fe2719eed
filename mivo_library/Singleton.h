#pragma once

// Lazily created single instance, without a lock. The destructor clears the
// instance pointer, so a deleted instance is created afresh by the next
// getInstance(). Classes built on it usually also derive from
// juce::DeletedAtShutdown so that the framework deletes them at shutdown.
template <typename T>
class Singleton
{
public:
    static T* getInstance()
    {
        if (instance == nullptr)
        {
            instance = new T();
            base = instance;
        }
        return instance;
    }

    // The instance, or null when none exists; never creates one.
    static T* getInstanceWithoutCreating() noexcept { return instance; }

    static void deleteInstance()
    {
        delete instance; // the destructor clears the pointer
    }

protected:
    Singleton() = default;
    virtual ~Singleton()
    {
        // Compared as the base: the derived part is already gone here.
        if (base == this)
        {
            instance = nullptr;
            base = nullptr;
        }
    }

private:
    static inline T* instance = nullptr;
    static inline Singleton* base = nullptr;

    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;
};
