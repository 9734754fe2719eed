#pragma once

#include "UIForm/UI_FORMINFO.h"
#include "UIForm/UI_FORMINFO_BLOCK.h"

// The DWQ form block and its layers.
namespace DWQ
{
extern const UI_FORMINFO_BLOCK g_uiFormInfoBlock;
extern const UI_FORMINFO g_uiFormInfoArray[3];

extern const UI_FORMINFO g_uiFormItem_ID_EDIT_PARAM[34];
extern const UI_FORMINFO g_uiFormItem_ID_EDIT_PARAM_Phone[32];
extern const UI_FORMINFO g_uiFormItem_ID_EDIT_PARAM_SmallTablet[32];
} // namespace DWQ
