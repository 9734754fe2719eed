#pragma once

#include "support/Patience.h"
#include <atomic>
#include <functional>
#include <juce_events/juce_events.h>
#include <memory>

namespace testing_support
{
// Runs the message loop in small steps until the condition holds or the time
// runs out; returns whether the condition held.
inline bool pumpUntil(const std::function<bool()>& condition, int timeoutMs = patienceMs)
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

// Records the log lines while it lives (from any thread), then gives the
// log back to the logger it took it from.
struct LogCapture : juce::Logger
{
    LogCapture() : previous(juce::Logger::getCurrentLogger()) { juce::Logger::setCurrentLogger(this); }
    ~LogCapture() override { juce::Logger::setCurrentLogger(previous); }
    void logMessage(const juce::String& m) override
    {
        const juce::ScopedLock sl(lock);
        lines.add(m);
    }
    bool contains(const juce::String& text) const
    {
        const juce::ScopedLock sl(lock);
        return lines.contains(text);
    }
    // Whether a line contains the text.
    bool mentions(const juce::String& part) const
    {
        const juce::ScopedLock sl(lock);
        for (auto& l : lines)
            if (l.contains(part))
                return true;
        return false;
    }
    juce::Logger* const previous;
    juce::CriticalSection lock;
    juce::StringArray lines;
};

// Runs the message loop for the given time, delivering whatever is queued.
inline void pumpFor(int ms)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil(ms);
}

// Runs the message loop until what was posted to it so far has been handled,
// and what that posted in turn, `rounds` deep; false when the patience ran
// out first.
inline bool pumpUntilPostedHandled(int rounds = 3)
{
    for (int round = 0; round < rounds; ++round)
    {
        auto reached = std::make_shared<std::atomic<bool>>(false);
        juce::MessageManager::callAsync([reached] { *reached = true; });
        if (! pumpUntil([&reached] { return reached->load(); }))
            return false;
    }
    return true;
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
