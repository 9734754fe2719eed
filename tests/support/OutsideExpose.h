#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <X11/Xlib.h>

namespace testing_support
{
// Sends the window an expose of its whole area from a connection to the
// display of its own, as the window system does when something that covered
// the window goes, and waits until the display has passed it on.
inline bool exposeFromOutside(juce::Component& window)
{
    Display* other = XOpenDisplay(nullptr);
    if (other == nullptr)
        return false;
    XEvent event {};
    event.type = Expose;
    event.xexpose.window = (::Window) (juce::pointer_sized_uint) window.getWindowHandle();
    event.xexpose.width = window.getWidth();
    event.xexpose.height = window.getHeight();
    XSendEvent(other, event.xexpose.window, False, ExposureMask, &event);
    XSync(other, False);
    XCloseDisplay(other);
    return true;
}
} // namespace testing_support
