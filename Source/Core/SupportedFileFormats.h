#pragma once

#include <juce_core/juce_core.h>

#include <map>

class ModelInformation;

// Program-file extensions (with their leading dot) and the model each one
// opens. The descriptions are not owned.
class SupportedFileFormats
{
public:
    SupportedFileFormats() = default;
    virtual ~SupportedFileFormats() = default;

    // Ignores an empty extension; an extension already present keeps its
    // first model.
    void addExtension(const juce::String& ext, ModelInformation* info);

    // The model id for the extension (exact match), -1 when absent.
    int getModel(const juce::String& ext) const;

private:
    std::map<juce::String, ModelInformation*> formats;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(SupportedFileFormats)
};
