#pragma once

#include <juce_events/juce_events.h>
#include <functional>

namespace testing_support
{
// Runs the message loop in small steps until the condition holds or the time
// runs out; returns whether the condition held.
inline bool pumpUntil(const std::function<bool()>& condition, int timeoutMs = 2000)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() >= end)
            return condition();
        juce::MessageManager::getInstance()->runDispatchLoopUntil(5);
    }
    return true;
}

// Runs the message loop for the given time, delivering whatever is queued.
inline void pumpFor(int ms)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil(ms);
}
} // namespace testing_support

#include <juce_gui_basics/juce_gui_basics.h>

namespace testing_support
{
// Writes a PNG of what the component renders to the build's screenshot
// folder, for a person to look at; returns the file.
inline juce::File saveScreenshot(juce::Component& component, const juce::String& name)
{
    const juce::File folder(RIGSMITH_SCREENSHOT_DIR);
    folder.createDirectory();
    auto file = folder.getChildFile(name + ".png");
    file.deleteFile();
    const auto image = component.createComponentSnapshot(component.getLocalBounds());
    juce::FileOutputStream out(file);
    if (out.openedOk())
        juce::PNGImageFormat().writeImageToStream(image, out);
    return file;
}
} // namespace testing_support
