#include "Platform/SecondLaunchHandover.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A message: these four bytes, the length of the text (32 bits, little
// endian), then the text in UTF-8.
constexpr char magic[4] = { 'R', 'S', 'C', 'L' };
constexpr size_t headerSize = 8;
constexpr juce::uint32 maxTextSize = 1 << 20;

// A pipe of this user's: in a shared temporary folder another user may have
// put something at the path first.
bool isOwnFifo(int fd)
{
    struct stat info;
    return fstat(fd, &info) == 0 && S_ISFIFO(info.st_mode) && info.st_uid == geteuid();
}

// Writes all bytes to a non-blocking pipe before the deadline. SIGPIPE (the
// reader went away) is held back for this thread and dropped, so that it
// cannot end the process.
bool writeAll(int fd, const char* data, size_t size, juce::uint32 deadline)
{
    sigset_t pipeSignal, previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);

    bool ok = true;
    bool brokenPipe = false;
    while (size > 0)
    {
        const auto written = ::write(fd, data, size);
        if (written > 0)
        {
            data += written;
            size -= (size_t) written;
            continue;
        }
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
        {
            const auto now = juce::Time::getMillisecondCounter();
            if (now >= deadline)
            {
                ok = false;
                break;
            }
            pollfd pfd { fd, POLLOUT, 0 };
            ::poll(&pfd, 1, (int) juce::jmin<juce::uint32>(deadline - now, 50));
            continue;
        }
        brokenPipe = written < 0 && errno == EPIPE;
        ok = false;
        break;
    }

    if (brokenPipe && sigismember(&previous, SIGPIPE) == 0)
    {
        const timespec noWait { 0, 0 };
        sigtimedwait(&pipeSignal, nullptr, &noWait);
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return ok;
}
} // namespace

// The running instance's end of the pipe. Its thread waits in poll() with no
// time-out on the pipe and on a wake-up pipe that only the destructor writes.
// Whole messages are handed to the receiver on the message thread.
class SecondLaunchHandover::Listener : private juce::Thread,
                                       private juce::AsyncUpdater
{
public:
    Listener(juce::String path, Receiver r) : juce::Thread("SecondLaunch"), pipePath(std::move(path)), receiver(std::move(r))
    {
        if (::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        {
            wakePipe[0] = wakePipe[1] = -1;
            juce::Logger::writeToLog("SecondLaunchHandover: no wake-up pipe");
            return;
        }

        const auto path8 = pipePath.toRawUTF8();
        if (::mkfifo(path8, 0600) != 0 && errno != EEXIST)
        {
            juce::Logger::writeToLog("SecondLaunchHandover: cannot create " + pipePath);
            return;
        }

        // Opened for reading and writing, so that the pipe never reports an
        // end when a sender closes it. A link, a file of another kind or
        // another user's pipe at the path is not taken.
        fifo = ::open(path8, O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
        if (fifo >= 0 && ! isOwnFifo(fifo))
        {
            ::close(fifo);
            fifo = -1;
        }
        if (fifo < 0)
        {
            juce::Logger::writeToLog("SecondLaunchHandover: cannot open " + pipePath);
            return;
        }
        ownsFifo = true;
        startThread();
    }

    ~Listener() override
    {
        if (wakePipe[1] >= 0)
        {
            signalThreadShouldExit();
            const char byte = 0;
            [[maybe_unused]] const auto done = ::write(wakePipe[1], &byte, 1);
            stopThread(2000);
        }
        cancelPendingUpdate();
        if (fifo >= 0)
            ::close(fifo);
        if (ownsFifo)
            ::unlink(pipePath.toRawUTF8());
        for (const int fd : wakePipe)
            if (fd >= 0)
                ::close(fd);
    }

    bool isListening() const noexcept { return fifo >= 0 && isThreadRunning(); }

private:
    void run() override
    {
        juce::MemoryBlock buffer;
        char chunk[4096];

        while (! threadShouldExit())
        {
            pollfd fds[2] = { { fifo, POLLIN, 0 }, { wakePipe[0], POLLIN, 0 } };
            if (::poll(fds, 2, -1) < 0)
            {
                if (errno == EINTR)
                    continue;
                break;
            }
            if (fds[1].revents != 0)
                break;

            for (;;)
            {
                const auto n = ::read(fifo, chunk, sizeof(chunk));
                if (n > 0)
                {
                    buffer.append(chunk, (size_t) n);
                    continue;
                }
                if (n < 0 && errno == EINTR)
                    continue;
                break;
            }

            const auto messages = takeMessages(buffer);
            if (messages.isEmpty())
                continue;
            {
                const juce::ScopedLock sl(pendingLock);
                pending.addArray(messages);
            }
            triggerAsyncUpdate();
        }
    }

    void handleAsyncUpdate() override
    {
        juce::StringArray lines;
        {
            const juce::ScopedLock sl(pendingLock);
            lines.swapWith(pending);
        }
        for (auto& line : lines)
            if (receiver)
                receiver(line);
    }

    juce::String pipePath;
    Receiver receiver;
    int fifo = -1;
    int wakePipe[2] = { -1, -1 };
    bool ownsFifo = false;
    juce::CriticalSection pendingLock;
    juce::StringArray pending;
};

juce::MemoryBlock SecondLaunchHandover::frameMessage(const juce::String& commandLine)
{
    const auto size = (juce::uint32) commandLine.getNumBytesAsUTF8();
    juce::MemoryBlock block(magic, sizeof(magic));
    const juce::uint32 length = juce::ByteOrder::swapIfBigEndian(size);
    block.append(&length, sizeof(length));
    block.append(commandLine.toRawUTF8(), size);
    return block;
}

juce::StringArray SecondLaunchHandover::takeMessages(juce::MemoryBlock& buffer)
{
    juce::StringArray messages;
    size_t start = 0;
    const auto* bytes = static_cast<const char*>(buffer.getData());
    const auto size = buffer.getSize();

    while (size - start >= sizeof(magic))
    {
        if (std::memcmp(bytes + start, magic, sizeof(magic)) != 0)
        {
            ++start; // not the start of a message: look further on
            continue;
        }
        if (size - start < headerSize)
            break;

        juce::uint32 length;
        std::memcpy(&length, bytes + start + sizeof(magic), sizeof(length));
        length = juce::ByteOrder::swapIfBigEndian(length);
        if (length > maxTextSize)
        {
            start += sizeof(magic); // no sender writes that much
            continue;
        }
        if (size - start - headerSize < length)
            break;

        messages.add(juce::String::fromUTF8(bytes + start + headerSize, (int) length));
        start += headerSize + length;
    }

    // Without a whole magic at the end, at most its first bytes can be kept.
    if (size - start < sizeof(magic))
        while (start < size && std::memcmp(bytes + start, magic, size - start) != 0)
            ++start;

    buffer.removeSection(0, start);
    return messages;
}

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

bool SecondLaunchHandover::isListening() const noexcept
{
    return listener != nullptr && listener->isListening();
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
    const auto path = pipePathFor(instanceName);
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) juce::jmax(0, timeoutMs);

    // The pipe opens for writing only while a listener has it open; the
    // running instance may still be starting, so try until the deadline.
    int fd = -1;
    for (;;)
    {
        fd = ::open(path.toRawUTF8(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
        if (fd >= 0 || juce::Time::getMillisecondCounter() >= deadline)
            break;
        juce::Thread::sleep(20);
    }
    if (fd < 0)
        return false;

    bool sent = false;
    if (isOwnFifo(fd))
    {
        const auto message = frameMessage(commandLine);
        sent = writeAll(fd, static_cast<const char*>(message.getData()), message.getSize(), deadline);
    }
    ::close(fd);
    return sent;
}
