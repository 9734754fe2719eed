#pragma once

#include "UIForm/UI_FORMINFO.h"
#include "UIForm/UI_FORMINFO_BLOCK.h"

// The HMQ form block and its layers.
namespace HMQ
{
extern const UI_FORMINFO_BLOCK g_uiFormInfoBlock;
extern const UI_FORMINFO g_uiFormInfoArray[10];

extern const UI_FORMINFO g_uiFormItem_ID_EDIT_PARAM[4];
extern const UI_FORMINFO g_uiFormItem_ID_PEDAL1_PARAM[21];
extern const UI_FORMINFO g_uiFormItem_ID_PEDAL2_PARAM[21];
extern const UI_FORMINFO g_uiFormItem_ID_REVERB_PARAM[18];
extern const UI_FORMINFO g_uiFormItem_ID_AMP_PARAM[36];
extern const UI_FORMINFO g_uiFormItem_ID_EDIT_PARAM_Small[4];
extern const UI_FORMINFO g_uiFormItem_ID_PEDAL1_PARAM_Small[21];
extern const UI_FORMINFO g_uiFormItem_ID_PEDAL2_PARAM_Small[21];
extern const UI_FORMINFO g_uiFormItem_ID_REVERB_PARAM_Small[18];
extern const UI_FORMINFO g_uiFormItem_ID_AMP_PARAM_Small[36];
} // namespace HMQ
