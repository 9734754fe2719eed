#include "Platform/WindowEventDrain.h"

#if JUCE_LINUX
#include <juce_events/native/juce_linux_EventLoopInternal.h>

#include <sys/socket.h>
#include <sys/un.h>
#endif

namespace
{
#if JUCE_LINUX
// The connection to the display is the event loop's one socket with a named
// peer; the loop's own message pipe is an unnamed pair.
bool isDisplayConnection(int fd)
{
    sockaddr_un peer {};
    socklen_t length = sizeof(peer);
    if (::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &length) != 0)
        return false;
    return peer.sun_family == AF_UNIX && length > (socklen_t) sizeof(sa_family_t);
}
#endif
} // namespace

WindowEventDrain::WindowEventDrain(juce::Component& window) : attachment(&window, [] { drain(); })
{}

void WindowEventDrain::drain()
{
#if JUCE_LINUX
    for (const int fd : juce::LinuxEventLoopInternal::getRegisteredFds())
        if (isDisplayConnection(fd))
            juce::LinuxEventLoopInternal::invokeEventLoopCallbackForFd(fd);
#endif
}
