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
            instance = new T();
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
        if (instance == static_cast<T*>(this))
            instance = nullptr;
    }

private:
    static inline T* instance = nullptr;

    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;
};
