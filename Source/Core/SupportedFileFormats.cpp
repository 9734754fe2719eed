#include "Core/SupportedFileFormats.h"

#include "Common/ModelInformation.h"

void SupportedFileFormats::addExtension(const juce::String& ext, ModelInformation* info)
{
    if (ext.isEmpty())
        return;
    formats.emplace(ext, info); // keeps an existing key's first model
}

int SupportedFileFormats::getModel(const juce::String& ext) const
{
    const auto it = formats.find(ext);
    if (it == formats.end() || it->second == nullptr)
        return -1;
    return it->second->getModelId();
}
