#include "Core/SupportedModels.h"

#include "Common/DWQModelInformation.h"
#include "Common/HMQModelInformation.h"
#include "Common/OKXModelInformation.h"
#include "Common/OKXlynModelInformation.h"
#include "Common/OPWModelInformation.h"
#include "Common/OPWlynModelInformation.h"
#include "Core/SupportedFileFormats.h"

SupportedModels::SupportedModels()
{
    models.push_back(std::make_unique<DWQModelInformation>());
    models.push_back(std::make_unique<HMQModelInformation>());
    models.push_back(std::make_unique<OKXModelInformation>());
    models.push_back(std::make_unique<OPWModelInformation>());
    models.push_back(std::make_unique<OKXlynModelInformation>());
    models.push_back(std::make_unique<OPWlynModelInformation>());
}

SupportedModels::~SupportedModels() = default;

ModelInformation* SupportedModels::getInformation(eProductModelId model) const
{
    for (auto& info : models)
        if (info->getModelId() == model)
            return info.get();
    return nullptr;
}

SupportedFileFormats* SupportedModels::getSupportedFileFormats() const
{
    auto* formats = new SupportedFileFormats();
    for (auto& info : models)
        formats->addExtension(info->getProgramDataFileExtension(), info.get());
    return formats;
}
