#pragma once

#include "UIForm/UI_FORMINFO.h"
#include "UIForm/UI_FORMINFO_BLOCK.h"

// The orvaPW form block and its layers.
namespace orvaPW
{
extern const UI_FORMINFO_BLOCK g_uiFormInfoBlock;
extern const UI_FORMINFO g_uiFormInfoArray[14];

extern const UI_FORMINFO g_uiFormItem_ID_EDIT_PARAM[3];
extern const UI_FORMINFO g_uiFormItem_ID_PEDAL1_PARAM[21];
extern const UI_FORMINFO g_uiFormItem_ID_PEDAL2_PARAM[22];
extern const UI_FORMINFO g_uiFormItem_ID_AMP_PARAM[32];
extern const UI_FORMINFO g_uiFormItem_ID_GLOBAL_PARAM[4];
extern const UI_FORMINFO g_uiFormItem_ID_AUDIOEQ_PARAM[46];
extern const UI_FORMINFO g_uiFormItem_ID_EDIT_PARAM_Small[3];
extern const UI_FORMINFO g_uiFormItem_ID_PEDAL1_PARAM_Small[21];
extern const UI_FORMINFO g_uiFormItem_ID_PEDAL2_PARAM_Small[22];
extern const UI_FORMINFO g_uiFormItem_ID_AMP_PARAM_Small[32];
extern const UI_FORMINFO g_uiFormItem_ID_GLOBAL_PARAM_Small[4];
extern const UI_FORMINFO g_uiFormItem_ID_AUDIOEQ_PARAM_Small[46];
extern const UI_FORMINFO g_uiFormItem_ID_GLOBAL_PARAM_Mini[3];
extern const UI_FORMINFO g_uiFormItem_ID_USBRouting_PARAM[2];
} // namespace orvaPW
