#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include "Singleton.h"

// The persistent settings: "PreferencesData.xml" in the user's application
// data folder under "Preferences/Rig Smith". One child element per key with
// the value in its "Value" attribute. Values live in memory and are written
// when the object is deleted at shutdown (and whenever save() is called).
class PreferencesData : public Singleton<PreferencesData>,
                        public juce::DeletedAtShutdown
{
public:
    PreferencesData();
    ~PreferencesData() override;

    static const juce::String PreferencesFileName;   // "PreferencesData.xml"
    static const juce::String PreferencesFolderName; // "Rig Smith"
    static const juce::String RootTagName;           // "PreferencesData"
    static const juce::String ValueAttributeName;    // "Value"

    // Reads the file into the document; false only when there is no place
    // for the file. A missing or malformed file gives an empty document.
    bool loadPreferencesData();

    // Writes the document (through a temporary file moved over the old one).
    bool save();

    // The file; creates its folder when missing.
    juce::File getPreferencesFile() const;

    // The first child whose tag equals key with case ignored, created and
    // appended when there is none.
    juce::XmlElement* getElement(const juce::String& key);

    void setValue(const juce::String& key, const juce::String& value);
    void setValue(const juce::String& key, const int& value);

    // Never create an element; the default when the key or its value is missing.
    juce::String getStringValue(const juce::String& key, const juce::String& defaultValue) const;
    int getIntValue(const juce::String& key, const int& defaultValue) const;

    bool isManualMidiPortSetting() const noexcept { return manualMidiPortSetting; }
    void setManualMidiPortSetting(bool manual) noexcept { manualMidiPortSetting = manual; }

    const juce::XmlElement& getDocument() const noexcept { return *document; }

    // The folder that stands for the user's application data folder; an
    // empty File means the system's own. Tests point it at a temporary folder.
    static void setApplicationDataFolder(const juce::File& folder);
    static juce::File getApplicationDataFolder();

private:
    const juce::XmlElement* findElement(const juce::String& key) const;

    std::unique_ptr<juce::XmlElement> document;
    bool manualMidiPortSetting = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(PreferencesData)
};
