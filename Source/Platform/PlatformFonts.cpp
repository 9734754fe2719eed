#include "Platform/PlatformFonts.h"

#include <cstdlib>

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

bool useTheApplicationFamilyOnly()
{
    // Where Debian installs the family (fonts-liberation2, fonts-liberation).
    for (const auto* folder : { "/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/liberation" })
    {
        if (juce::File(folder).getChildFile("LiberationSans-Regular.ttf").existsAsFile())
        {
            // The framework reads its font folders from this variable, when set,
            // instead of from the system's font configuration.
            return ::setenv("JUCE_FONT_PATH", folder, 1) == 0;
        }
    }
    return false;
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
