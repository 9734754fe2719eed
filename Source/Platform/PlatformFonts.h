#pragma once

#include <juce_graphics/juce_graphics.h>

// The font faces the application names (Helvetica, Arial, the Japanese faces)
// are mapped here, in one place, to a free family installed on every machine
// we build for, so that layouts and screenshots are the same everywhere.
namespace PlatformFonts
{
// The family that stands in for the named face.
juce::String mapTypefaceName(const juce::String& requested);

// The family name of the system font of the given size.
juce::String getSystemFontFamily(float size);

// The names of all installed typefaces; tests may replace the list.
juce::StringArray getInstalledTypefaceNames();
void setInstalledTypefaceNamesOverride(const juce::StringArray* names); // null: the system's
}
