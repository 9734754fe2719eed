#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Hands the window system's events to the framework when they wait unread.
//
// On X11 every call that waits for the display's answer (a window property
// read, a geometry query: the framework makes them from its timers and
// repaints) takes the events that arrived meanwhile off the connection into
// the client library's own queue. The event loop sleeps until the connection
// has data, so an event parked in that queue (a click, a key, a close request,
// an expose of what a closed dialog uncovered) waits until some later event
// arrives: the user clicks and nothing happens until the pointer moves. At each
// refresh of the window the drain hands that queue to the framework's event
// handler, which reads it without blocking. The refresh timer runs anyway,
// so an idle application is not woken more often. Elsewhere it does nothing.
class WindowEventDrain
{
public:
    explicit WindowEventDrain(juce::Component& window);

    // Hands any events that wait unread to the framework now.
    static void drain();

private:
    juce::VBlankAttachment attachment;

    JUCE_DECLARE_NON_COPYABLE(WindowEventDrain)
};
