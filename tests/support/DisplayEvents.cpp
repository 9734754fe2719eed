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

NativeWindowSizes::NativeWindowSizes()
{
    auto* d = XOpenDisplay(nullptr);
    if (d == nullptr)
        return;
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);
    display = d;
}

NativeWindowSizes::~NativeWindowSizes()
{
    if (display != nullptr)
        XCloseDisplay(static_cast<Display*>(display));
}

std::vector<juce::Rectangle<int>> NativeWindowSizes::of(juce::pointer_sized_uint window)
{
    if (auto* d = static_cast<Display*>(display))
    {
        XSync(d, False);
        while (XPending(d) > 0)
        {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == ConfigureNotify)
                sizes[(juce::pointer_sized_uint) e.xconfigure.window].push_back(
                    { e.xconfigure.x, e.xconfigure.y, e.xconfigure.width, e.xconfigure.height });
        }
    }
    return sizes[window];
}
} // namespace testing_support
