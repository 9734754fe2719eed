#include "Platform/DocumentOpener.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
DocumentOpener::Handler& testHandler()
{
    static DocumentOpener::Handler handler;
    return handler;
}

// The opener's absolute path: an absolute name as it is, a bare name
// searched for on PATH; empty when there is no such program.
juce::String findProgram(const juce::String& name)
{
    if (juce::File::isAbsolutePath(name))
        return ::access(name.toRawUTF8(), X_OK) == 0 ? name : juce::String();
    const auto path = juce::SystemStats::getEnvironmentVariable("PATH", "/usr/local/bin:/usr/bin:/bin");
    for (auto& folder : juce::StringArray::fromTokens(path, ":", {}))
    {
        if (! juce::File::isAbsolutePath(folder))
            continue;
        const auto candidate = juce::File(folder).getChildFile(name);
        if (candidate.existsAsFile() && ::access(candidate.getFullPathName().toRawUTF8(), X_OK) == 0)
            return candidate.getFullPathName();
    }
    return {};
}

// Starts program with one argument, detached: a short-lived child starts it
// and leaves at once, and is reaped here, so the program (which may run as
// long as the document's viewer) is adopted by the system and never waits
// as a defunct child of ours. Its output goes nowhere. False when the
// program could not be started.
bool startDetached(const juce::String& program, const juce::String& argument)
{
    // Everything the children use is made before they exist.
    const std::string programText = program.toStdString();
    const std::string argumentText = argument.toStdString();
    char* const argv[] = { const_cast<char*>(programText.c_str()), const_cast<char*>(argumentText.c_str()), nullptr };

    // A failed exec writes one byte into this pipe; a successful one closes it.
    int failure[2];
    if (::pipe(failure) != 0)
        return false;
    ::fcntl(failure[0], F_SETFD, FD_CLOEXEC);
    ::fcntl(failure[1], F_SETFD, FD_CLOEXEC);

    const pid_t child = ::fork();
    if (child == 0)
    {
        const pid_t grandchild = ::fork();
        if (grandchild == 0)
        {
            ::setsid();
            const int nowhere = ::open("/dev/null", O_RDWR);
            if (nowhere >= 0)
            {
                ::dup2(nowhere, STDIN_FILENO);
                ::dup2(nowhere, STDOUT_FILENO);
                ::dup2(nowhere, STDERR_FILENO);
                if (nowhere > STDERR_FILENO)
                    ::close(nowhere);
            }
            ::execv(argv[0], argv);
            const char failed = 1;
            [[maybe_unused]] const auto written = ::write(failure[1], &failed, 1);
            ::_exit(127);
        }
        ::_exit(grandchild < 0 ? 1 : 0);
    }
    ::close(failure[1]);

    bool started = child > 0;
    if (started)
    {
        int status = 0;
        pid_t reaped;
        while ((reaped = ::waitpid(child, &status, 0)) < 0 && errno == EINTR)
        {}
        started = reaped == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    if (started)
    {
        char failed = 0;
        ssize_t got;
        while ((got = ::read(failure[0], &failed, 1)) < 0 && errno == EINTR)
        {}
        started = got == 0;
    }
    ::close(failure[0]);
    return started;
}
} // namespace

namespace DocumentOpener
{
void open(const juce::String& path)
{
    if (auto& handler = testHandler())
    {
        handler(path);
        return;
    }

    if (! juce::File::isAbsolutePath(path) || ! juce::File(path).exists())
    {
        juce::Logger::writeToLog("DocumentOpener::open() no document at " + path);
        return;
    }

#if JUCE_MAC
    const juce::String opener("/usr/bin/open");
#else
    const juce::String opener("xdg-open");
#endif

    const auto program = findProgram(opener);
    if (program.isEmpty() || ! startDetached(program, path))
        juce::Logger::writeToLog("DocumentOpener::open() could not start " + opener + " for " + path);
}

void setHandlerForTesting(Handler handler)
{
    testHandler() = std::move(handler);
}
} // namespace DocumentOpener
