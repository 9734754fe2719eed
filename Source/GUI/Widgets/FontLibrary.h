#pragma once

#include "Singleton.h"
#include <juce_gui_basics/juce_gui_basics.h>
#include <map>

// Fonts registered under string keys, filled once at start-up and read by the
// widgets, looks and pages. The first registration of a key wins.
class FontLibrary : public Singleton<FontLibrary>,
                    public juce::DeletedAtShutdown
{
public:
    FontLibrary() = default;
    ~FontLibrary() override = default;

    // The answer for every key that was never registered ("Helvetica", 12, plain).
    static juce::Font DefaultFont();
    // The library's font under the key; the default font while there is no library.
    static juce::Font named(const juce::String& key);

    void addFont(const juce::String& key, const juce::Font& font);
    juce::Font getFont(const juce::String& key) const;
    bool hasFont(const juce::String& key) const { return fonts.find(key) != fonts.end(); }

    // Registers the application's named fonts (after the default fonts of the
    // platform start-up).
    void initialize();

    static juce::Font getDeviceSelectDeviceNameFont();
    static juce::Font getDeviceSelectListPortSmallFont();
    static juce::Font getDeviceSelectListPortLargeFont();

    // A font of the named face (mapped to the installed stand-in family).
    static juce::Font makeFont(const juce::String& typefaceName, float height, int styleFlags);

private:
    std::map<juce::String, juce::Font> fonts;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(FontLibrary)
};
