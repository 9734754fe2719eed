#include "Platform/SecondLaunchHandover.h"

namespace
{
// One instance per user and home folder: the key holds both, so that
// separate homes (as tests use) run separate instances.
juce::String instanceKey(const juce::String& instanceName)
{
    const auto home = juce::File::getSpecialLocation(juce::File::userHomeDirectory).getFullPathName();
    return juce::File::createLegalFileName(juce::SystemStats::getLogonName()) + "-"
           + juce::File::createLegalFileName(instanceName).replaceCharacter(' ', '_') + "-"
           + juce::String::toHexString(home.hashCode64());
}

juce::String lockNameFor(const juce::String& instanceName)
{
    return "rigsmith-" + instanceKey(instanceName) + ".lock";
}

// One connection per sender: the pipe carries a single message and is then
// closed by the sender.
class SenderConnection : public juce::InterprocessConnection
{
public:
    SenderConnection() : juce::InterprocessConnection(false) {}
    ~SenderConnection() override { disconnect(); }
    void connectionMade() override {}
    void connectionLost() override {}
    void messageReceived(const juce::MemoryBlock&) override {}
};
} // namespace

// The running instance's end of the pipe. After a sender disconnects the pipe
// is opened again for the next launch.
class SecondLaunchHandover::Listener : public juce::InterprocessConnection,
                                       private juce::AsyncUpdater
{
public:
    Listener(juce::String path, Receiver r)
        : juce::InterprocessConnection(true), pipePath(std::move(path)), receiver(std::move(r))
    {
        open();
    }

    ~Listener() override
    {
        cancelPendingUpdate();
        disconnect();
    }

    void connectionMade() override {}
    void connectionLost() override { triggerAsyncUpdate(); }

    void messageReceived(const juce::MemoryBlock& data) override
    {
        if (receiver)
            receiver(data.toString());
    }

private:
    void open()
    {
        if (! createPipe(pipePath, -1, false))
            juce::Logger::writeToLog("SecondLaunchHandover: cannot open " + pipePath);
    }

    void handleAsyncUpdate() override
    {
        disconnect();
        open();
    }

    juce::String pipePath;
    Receiver receiver;
};

juce::String SecondLaunchHandover::pipePathFor(const juce::String& instanceName)
{
    auto folder = juce::SystemStats::getEnvironmentVariable("XDG_RUNTIME_DIR", {});
    juce::File dir = folder.isNotEmpty() ? juce::File(folder) : juce::File::getSpecialLocation(juce::File::tempDirectory);
    if (! dir.isDirectory())
        dir = juce::File::getSpecialLocation(juce::File::tempDirectory);

    return dir.getChildFile("rigsmith-" + instanceKey(instanceName) + ".handover").getFullPathName();
}

SecondLaunchHandover::SecondLaunchHandover(const juce::String& instanceName, Receiver onCommandLine)
    : lock(std::make_unique<juce::InterProcessLock>(lockNameFor(instanceName)))
{
    primary = lock->enter(0);
    if (primary)
        listener = std::make_unique<Listener>(pipePathFor(instanceName), std::move(onCommandLine));
}

SecondLaunchHandover::~SecondLaunchHandover()
{
    listener.reset();
    if (primary)
        lock->exit();
}

bool SecondLaunchHandover::sendToRunningInstance(const juce::String& instanceName, const juce::String& commandLine, int timeoutMs)
{
    juce::InterProcessLock probe(lockNameFor(instanceName));
    if (probe.enter(0))
    {
        probe.exit();
        return false; // nobody else is running
    }

    if (! sendCommandLine(instanceName, commandLine, timeoutMs))
        juce::Logger::writeToLog("SecondLaunchHandover: the running instance did not take the command line");
    return true;
}

bool SecondLaunchHandover::sendCommandLine(const juce::String& instanceName, const juce::String& commandLine, int timeoutMs)
{
    SenderConnection connection;
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    while (! connection.connectToPipe(pipePathFor(instanceName), timeoutMs))
    {
        if (juce::Time::getMillisecondCounter() >= deadline)
            return false;
        juce::Thread::sleep(50);
    }

    juce::MemoryBlock block(commandLine.toRawUTF8(), commandLine.getNumBytesAsUTF8());
    return connection.sendMessage(block);
}
