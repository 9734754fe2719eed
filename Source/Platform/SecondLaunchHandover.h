#pragma once

#include <functional>
#include <juce_events/juce_events.h>
#include <memory>

// Hands the command line of a second launch to the running instance. The
// running instance holds an inter-process lock and listens on a named pipe in
// the user's runtime (or temporary) folder; a second launch that finds the
// lock taken sends its command line down the pipe and exits.
class SecondLaunchHandover
{
public:
    using Receiver = std::function<void(const juce::String& commandLine)>;

    // Takes the instance lock and starts listening. isPrimary() tells whether
    // this process got the lock.
    SecondLaunchHandover(const juce::String& instanceName, Receiver onCommandLine);
    ~SecondLaunchHandover();

    bool isPrimary() const noexcept { return primary; }

    // Called by a starting process: when another instance holds the lock, sends
    // the command line to it and returns true (the caller then exits).
    static bool sendToRunningInstance(const juce::String& instanceName, const juce::String& commandLine, int timeoutMs = 2000);

    // Sends the command line down the named instance's pipe; false when no
    // listener took it within the time.
    static bool sendCommandLine(const juce::String& instanceName, const juce::String& commandLine, int timeoutMs = 2000);

    static juce::String pipePathFor(const juce::String& instanceName);

private:
    class Listener;

    std::unique_ptr<juce::InterProcessLock> lock;
    std::unique_ptr<Listener> listener;
    bool primary = false;
};
