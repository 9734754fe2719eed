#include "support/DisplayEvents.h"

#include <X11/Xlib.h>

namespace testing_support
{
bool exposeFromOutside(juce::Component& window)
{
    Display* other = XOpenDisplay(nullptr);
    if (other == nullptr)
        return false;
    XEvent event {};
    event.type = Expose;
    event.xexpose.window = (::Window)(juce::pointer_sized_uint) window.getWindowHandle();
    event.xexpose.width = window.getWidth();
    event.xexpose.height = window.getHeight();
    XSendEvent(other, event.xexpose.window, False, ExposureMask, &event);
    XSync(other, False);
    XCloseDisplay(other);
    return true;
}
} // namespace testing_support
