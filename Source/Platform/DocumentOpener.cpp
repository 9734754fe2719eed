#include "Platform/DocumentOpener.h"

namespace
{
DocumentOpener::Handler& testHandler()
{
    static DocumentOpener::Handler handler;
    return handler;
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

#if JUCE_MAC
    const juce::String opener("/usr/bin/open");
#else
    const juce::String opener("xdg-open");
#endif

    // The child process is detached: it is not waited for, and its object may
    // go away while the opener keeps running.
    juce::ChildProcess process;
    if (! process.start(juce::StringArray { opener, path }, 0))
        juce::Logger::writeToLog("DocumentOpener::open() could not start " + opener + " for " + path);
}

void setHandlerForTesting(Handler handler)
{
    testHandler() = std::move(handler);
}
} // namespace DocumentOpener
