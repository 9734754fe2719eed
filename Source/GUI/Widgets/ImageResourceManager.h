#pragma once

#include <juce_graphics/juce_graphics.h>
#include <map>

#include "ZEZESingleton.h"

// The one way to obtain a bitmap: loads "<name>.png" from the resources and
// keeps every image that loaded for the life of the manager.
class ImageResourceManager : public ZEZESingleton<ImageResourceManager>
{
public:
    ImageResourceManager() = default;
    virtual ~ImageResourceManager() = default;

    // The null image when the resource is missing or does not decode; a
    // failure is not cached, so a later call tries again.
    juce::Image getImage(const juce::String& name);

    size_t getNumCachedImages() const noexcept { return images.size(); }

private:
    std::map<juce::String, juce::Image> images;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(ImageResourceManager)
};
