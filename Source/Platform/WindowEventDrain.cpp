// The framework's window system and the display it opened are declared with
// the X headers, which this file alone needs (it is compiled without the
// shared precompiled header for that reason).
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "Platform/WindowEventDrain.h"

#if JUCE_LINUX
#include <juce_events/native/juce_linux_EventLoopInternal.h>
#endif

WindowEventDrain::WindowEventDrain(juce::Component& window) : attachment(&window, [] { drain(); })
{}

void WindowEventDrain::drain()
{
#if JUCE_LINUX
    // The connection the framework reads its events from, whichever way it
    // reaches the display (a local socket or, forwarded, over the network).
    auto* windowSystem = juce::XWindowSystem::getInstanceWithoutCreating();
    auto* display = windowSystem != nullptr ? windowSystem->getDisplay() : nullptr;
    if (display == nullptr)
        return;
    juce::LinuxEventLoopInternal::invokeEventLoopCallbackForFd(juce::X11Symbols::getInstance()->xConnectionNumber(display));
#endif
}
