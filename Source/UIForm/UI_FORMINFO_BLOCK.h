#pragma once

#include "UIForm/UI_FORMINFO.h"

#include <cstdint>

// A model's form block: its layer records, stored contiguously.
struct UI_FORMINFO_BLOCK
{
    int32_t layerCount;
    const UI_FORMINFO* layers;
};
