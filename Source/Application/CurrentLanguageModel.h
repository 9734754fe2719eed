#pragma once

#include "Singleton.h"
#include <juce_events/juce_events.h>

// The user-interface language flag (1 Japanese, else 0) and the default font
// family chosen at start-up.
class CurrentLanguageModel : public Singleton<CurrentLanguageModel>,
                             public juce::DeletedAtShutdown
{
public:
    CurrentLanguageModel() = default;
    ~CurrentLanguageModel() override = default;

    int getLanguage() const noexcept { return language; }
    void setLanguage(int flag) noexcept { language = flag; }
    bool isJapanese() const noexcept { return language == 1; }

    const juce::String& getDefaultFontName() const noexcept { return defaultFontName; }
    void setDefaultFontName(const juce::String& name) { defaultFontName = name; }

private:
    int language = 0;
    juce::String defaultFontName;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(CurrentLanguageModel)
};
