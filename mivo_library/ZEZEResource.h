#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include "Singleton.h"

// Reads the application's resource files (images, XML) from the "Resources"
// folder next to the executable, through one load buffer that only grows,
// and looks up localised texts in "LocalizableStrings.xml".
class ZEZEResource : public Singleton<ZEZEResource>,
                     public juce::DeletedAtShutdown
{
public:
    ZEZEResource();
    ~ZEZEResource() override;

    // Reads up to bufferSize bytes of the resource into buffer and returns the
    // number read. The file's size goes to *size (-1 when there is no such
    // resource). With no buffer and bufferSize 0 it only asks the size.
    int32_t Load(const juce::String& name, const juce::String& extension, void* buffer, int32_t bufferSize, int32_t* size);

    void AllocateBuffer(int32_t size);
    void DisposeBuffer();

    // The null image when the resource is missing, empty or does not decode.
    juce::Image LoadImage(const juce::String& name, const juce::String& extension);

    // A new element owned by the caller, or null.
    juce::XmlElement* LoadXml(const juce::String& name, const juce::String& extension);

    // The "Text" of the key's element in the strings table; empty when missing.
    juce::String GetLocalizedString(const juce::String& key) const;

    // The folder resources are read from; tests point it elsewhere.
    juce::File getResourceFolder() const { return resourceFolder; }
    void setResourceFolder(const juce::File& folder) { resourceFolder = folder; }

    static juce::File getDefaultResourceFolder();

private:
    std::unique_ptr<juce::XmlElement> stringsTable;
    juce::HeapBlock<char> buffer;
    int32_t bufferSize = 0;
    juce::File resourceFolder;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(ZEZEResource)
};

// The localised text of key; empty when the key has none.
juce::String getLocalizedString(const juce::String& key);
