#include "GUI/Widgets/ImageResourceManager.h"

#include "ZEZEResource.h"

juce::Image ImageResourceManager::getImage(const juce::String& name)
{
    const auto found = images.find(name);
    if (found != images.end())
        return found->second;

    auto* resources = ZEZEResource::getInstanceWithoutCreating();
    if (resources == nullptr)
        return {};

    auto image = resources->LoadImage(name, "png");
    if (image.isValid())
        images.emplace(name, image);
    return image;
}
