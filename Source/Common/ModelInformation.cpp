#include "Common/ModelInformation.h"

juce::String ModelInformation::localizedText(const char* key)
{
    // The localised-string table is not part of the program yet: the key
    // stands in for its text until getLocalizedString exists.
    return juce::String(key);
}

juce::Image ModelInformation::imageNamed(const char* name)
{
    // Bitmaps will come from ImageResourceManager::getImage(name); until that
    // manager exists there is no image.
    juce::ignoreUnused(name);
    return {};
}
