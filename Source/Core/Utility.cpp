#include "Core/Utility.h"

#include "Common/ModelInformation.h"
#include "Core/SupportedModels.h"

int getModelIdFromProductId(int family, int member)
{
    switch (family)
    {
        case 0x132: return kProductModelDWQ;
        case 0x134: return kProductModelHMQ;
        case 0x141:
            if (member == 0 || member == 8 || member == 16 || member == 24)
                return kProductModelOKX + member / 8;
            return -1;
        default: return -1;
    }
}

juce::String getDeviceNameFromModelId(eProductModelId model)
{
    auto* models = SupportedModels::instance();
    auto* info = models != nullptr ? models->getInformation(model) : nullptr;
    return info != nullptr ? info->getName() : juce::String();
}
