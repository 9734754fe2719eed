#pragma once

#include "Core/ProductModel.h"
#include "ZEZESingleton.h"

#include <memory>
#include <vector>

class ModelInformation;
class SupportedFileFormats;

// The registry of the six model descriptions, in model-id order. Built once
// with Host and only read afterwards.
class SupportedModels : public ZEZESingleton<SupportedModels>
{
public:
    SupportedModels();
    virtual ~SupportedModels();

    // The description whose model id equals the argument; null when none.
    ModelInformation* getInformation(eProductModelId model) const;
    ModelInformation* getInformation(int model) const { return getInformation((eProductModelId) model); }

    // A new extension-to-model map; the caller deletes it.
    SupportedFileFormats* getSupportedFileFormats() const;

private:
    std::vector<std::unique_ptr<ModelInformation>> models;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(SupportedModels)
};
