#include "Platform/PlatformLocale.h"

namespace
{
juce::String& languageOverride()
{
    static juce::String code;
    return code;
}
} // namespace

namespace PlatformLocale
{
juce::String getLanguageCode()
{
    if (languageOverride().isNotEmpty())
        return languageOverride();
    return juce::SystemStats::getUserLanguage().toLowerCase();
}

void setLanguageCodeOverride(const juce::String& code)
{
    languageOverride() = code;
}
} // namespace PlatformLocale
