#include "UIForm/UIFormManager.h"

#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "Core/DeviceInfo.h"
#include "Core/ProductModel.h"
#include "UIForm/DWQ/DWQFormTables.h"
#include "UIForm/HMQ/HMQFormTables.h"
#include "UIForm/orvaKX/OKXFormTables.h"
#include "UIForm/orvaPW/OPWFormTables.h"

#include <cstring>

UIFormManager* UIFormManager::mInstance = nullptr;
int32_t UIFormManager::mRefCounter = 0;

bool UIFormManager::Initialize()
{
    if (mInstance == nullptr && mRefCounter == 0)
    {
        mInstance = new UIFormManager();
        mRefCounter = 1;
    }
    return mInstance != nullptr;
}

void UIFormManager::Uninitialize()
{
    if (mRefCounter <= 0)
        return;
    if (--mRefCounter == 0)
    {
        delete mInstance;
        mInstance = nullptr;
    }
}

UIFormManager* UIFormManager::GetInstance()
{
    return mInstance;
}

const UI_FORMINFO_BLOCK* UIFormManager::getFormInfoBlockForModel(int modelId)
{
    switch (modelId)
    {
        case kProductModelDWQ: return &DWQ::g_uiFormInfoBlock;
        case kProductModelHMQ: return &HMQ::g_uiFormInfoBlock;
        case kProductModelOKX:
        case kProductModelOKXlyn: return &orvaKX::g_uiFormInfoBlock;
        case kProductModelOPW:
        case kProductModelOPWlyn: return &orvaPW::g_uiFormInfoBlock;
        default: return nullptr;
    }
}

const UI_FORMINFO_BLOCK* UIFormManager::getFormInfoBlock() const
{
    auto* host = Host::getInstance();
    if (host == nullptr)
        return nullptr;
    auto* environment = host->getDeviceEnvironment();
    if (environment == nullptr)
        return nullptr;
    return getFormInfoBlockForModel((int) environment->getDeviceInfo().model);
}

const UI_FORMINFO* UIFormManager::findLayer(const UI_FORMINFO_BLOCK* block, int id)
{
    if (block == nullptr || block->layerCount < 1 || block->layers == nullptr)
        return nullptr;

    for (int i = 0; i < block->layerCount; ++i)
    {
        const auto& layer = block->layers[i];
        if (layer.id == id && layer.className != nullptr && std::strcmp(layer.className, "Layer") == 0)
            return &layer;
    }
    return nullptr;
}

const UI_FORMINFO* UIFormManager::GetLayerFormInfoById(int id) const
{
    return findLayer(getFormInfoBlock(), id);
}
