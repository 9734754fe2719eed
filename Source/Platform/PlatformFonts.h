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

// Every face the application draws with maps to one family: before the
// framework's first text, this points the framework's font list at the
// folder of that family alone, so that drawing the first text does not open
// every font file installed on the machine. False (nothing changed) when the
// family's folder is not found.
bool useTheApplicationFamilyOnly();

// The names of all installed typefaces; tests may replace the list.
juce::StringArray getInstalledTypefaceNames();
void setInstalledTypefaceNamesOverride(const juce::StringArray* names); // null: the system's
} // namespace PlatformFonts
