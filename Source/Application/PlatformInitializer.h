#pragma once

#include <juce_core/juce_core.h>

// Start-up settings that depend on the platform: the user-interface language
// and the default font. Host's constructor calls initializePlatformSpecifics()
// before any window exists.
void initializePlatformSpecifics();
void setLanguage();
void searchDefaultFont();

// The Japanese default-font candidates, in the order they are tried.
const juce::StringArray& getDefaultFontTable();

// Opens a document (the manuals) with the system's default application;
// does not wait, always returns true.
bool launch_file(const juce::String& path);
