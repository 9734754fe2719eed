#pragma once

#include "UIForm/UI_FORMINFO.h"
#include "UIForm/UI_FORMINFO_BLOCK.h"

#include <cstdint>

// Hands out the connected model's form block and finds its layers by id.
// Created by Host's constructor through Initialize, deleted by Host's
// destructor through Uninitialize.
class UIFormManager
{
public:
    static bool Initialize();
    static void Uninitialize();
    static UIFormManager* GetInstance();

    // The block of the model of Host's current device environment, or null.
    const UI_FORMINFO_BLOCK* getFormInfoBlock() const;

    // The layer record with this id in the connected model's block, or null.
    const UI_FORMINFO* GetLayerFormInfoById(int id) const;

    // The block of a model id: 0 DWQ, 1 HMQ, 2 and 4 orvaKX, 3 and 5
    // orvaPW; null for any other id.
    static const UI_FORMINFO_BLOCK* getFormInfoBlockForModel(int modelId);

    // The first layer record of the block with this id, or null.
    static const UI_FORMINFO* findLayer(const UI_FORMINFO_BLOCK* block, int id);

private:
    UIFormManager() = default;
    ~UIFormManager() = default;

    static UIFormManager* mInstance;
    static int32_t mRefCounter;
};
