#pragma once

#include <functional>
#include <juce_events/juce_events.h>
#include <memory>

// Hands the command line of a second launch to the running instance. The
// running instance holds an inter-process lock and listens on a named pipe in
// the user's runtime (or temporary) folder; a second launch that finds the
// lock taken sends its command line down the pipe and exits.
//
// The listening thread sleeps in the kernel until a sender writes or the
// listener is destroyed: an idle instance is never woken by it.
class SecondLaunchHandover
{
public:
    using Receiver = std::function<void(const juce::String& commandLine)>;

    // Takes the instance lock and starts listening. isPrimary() tells whether
    // this process got the lock. The receiver is called on the message thread.
    SecondLaunchHandover(const juce::String& instanceName, Receiver onCommandLine);
    ~SecondLaunchHandover();

    bool isPrimary() const noexcept { return primary; }

    // Whether the primary instance's pipe is open for senders.
    bool isListening() const noexcept;

    // Called by a starting process: when another instance holds the lock, sends
    // the command line to it and returns true (the caller then exits).
    static bool sendToRunningInstance(const juce::String& instanceName, const juce::String& commandLine, int timeoutMs = 2000);

    // Sends the command line down the named instance's pipe; false when no
    // listener took it within the time.
    static bool sendCommandLine(const juce::String& instanceName, const juce::String& commandLine, int timeoutMs = 2000);

    static juce::String pipePathFor(const juce::String& instanceName);

    // What travels down the pipe for one command line, and the reverse: takes
    // every whole message from the front of the buffer (bytes that cannot
    // start a message are dropped; an incomplete message stays for more).
    static juce::MemoryBlock frameMessage(const juce::String& commandLine);
    static juce::StringArray takeMessages(juce::MemoryBlock& buffer);

private:
    class Listener;

    std::unique_ptr<juce::InterProcessLock> lock;
    std::unique_ptr<Listener> listener;
    bool primary = false;
};
