#pragma once

#include <juce_core/juce_core.h>

// Whether a graphical display can be opened, asked before the framework
// starts: without one the application cannot show its window.
class DisplayCheck
{
public:
    // True when the X display named by DISPLAY opens.
    static bool isDisplayAvailable();

    // The one line printed when no display is available.
    static juce::String getMissingDisplayMessage(const juce::String& executablePath);
};
