#pragma once

#include <juce_core/juce_core.h>

// The user's locale language code ("en", "ja", ...). Tests may override it.
namespace PlatformLocale
{
juce::String getLanguageCode();
void setLanguageCodeOverride(const juce::String& code); // empty: use the system's
} // namespace PlatformLocale
