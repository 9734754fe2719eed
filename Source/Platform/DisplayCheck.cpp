#include "Platform/DisplayCheck.h"

#if JUCE_LINUX
#include <dlfcn.h>
#endif

bool DisplayCheck::isDisplayAvailable()
{
#if JUCE_LINUX
    if (juce::SystemStats::getEnvironmentVariable("DISPLAY", {}).isEmpty())
        return false;

    // The framework loads the X library itself at run time; so does this check.
    void* x11 = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
    if (x11 == nullptr)
        return false;
    using OpenDisplay = void* (*) (const char*);
    using CloseDisplay = int (*)(void*);
    auto openDisplay = reinterpret_cast<OpenDisplay>(dlsym(x11, "XOpenDisplay"));
    auto closeDisplay = reinterpret_cast<CloseDisplay>(dlsym(x11, "XCloseDisplay"));
    bool available = false;
    if (openDisplay != nullptr && closeDisplay != nullptr)
    {
        if (void* display = openDisplay(nullptr))
        {
            closeDisplay(display);
            available = true;
        }
    }
    dlclose(x11);
    return available;
#else
    return true;
#endif
}

juce::String DisplayCheck::getMissingDisplayMessage(const juce::String& executablePath)
{
    return "Rig Smith needs a graphical display, and none could be opened (DISPLAY is "
           + (juce::SystemStats::getEnvironmentVariable("DISPLAY", {}).isEmpty()
                  ? juce::String("not set")
                  : "\"" + juce::SystemStats::getEnvironmentVariable("DISPLAY", {}) + "\"")
           + "); to run it without a screen, start it under xvfb-run: xvfb-run -a " + executablePath.quoted('\'');
}
