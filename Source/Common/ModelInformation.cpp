#include "Common/ModelInformation.h"

#include "GUI/Widgets/ImageResourceManager.h"
#include "ZEZEResource.h"

juce::String ModelInformation::localizedText(const char* key)
{
    return getLocalizedString(key);
}

juce::Image ModelInformation::imageNamed(const char* name)
{
    if (auto* images = ZEZESingleton<ImageResourceManager>::instance())
        return images->getImage(name);
    return {};
}
