#include "Platform/PlatformFonts.h"

namespace
{
const char* const freeSansFamily = "Liberation Sans";

std::unique_ptr<juce::StringArray>& installedOverride()
{
    static std::unique_ptr<juce::StringArray> names;
    return names;
}
} // namespace

namespace PlatformFonts
{
juce::String mapTypefaceName(const juce::String& requested)
{
    // Special names (the framework's default placeholders) pass unchanged.
    if (requested.isEmpty() || requested.startsWithChar('<'))
        return requested;

    // Every face the application asks for is a sans-serif face; the free
    // family is metrically compatible with Arial and Helvetica.
    return freeSansFamily;
}

juce::String getSystemFontFamily(float)
{
    return freeSansFamily;
}

juce::StringArray getInstalledTypefaceNames()
{
    if (auto& names = installedOverride())
        return *names;
    return juce::Font::findAllTypefaceNames();
}

void setInstalledTypefaceNamesOverride(const juce::StringArray* names)
{
    installedOverride() = names != nullptr ? std::make_unique<juce::StringArray>(*names) : nullptr;
}
} // namespace PlatformFonts
