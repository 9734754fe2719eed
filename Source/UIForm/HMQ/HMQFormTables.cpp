#include "UIForm/HMQ/HMQFormTables.h"

#include <cstdint>

// clang-format off

// class, text, face, font height, font style, ID, PARAMID, x, y, width, height, children
namespace HMQ
{
// layer 1047
const UI_FORMINFO g_uiFormItem_ID_EDIT_PARAM[4] = {
    { "imgbtn_pedal1_hmq", "tagPedalType", "Arial", 16, 0, 1034, 0x301, 46, 81, 112, 108, 0, nullptr },
    { "imgbtn_pedal2_hmq", "tagPedalType", "Arial", 16, 0, 1034, 0x302, 200, 81, 112, 108, 0, nullptr },
    { "imgbtn_rev_hmq", "tagDlyRevType", "Arial", 16, 0, 1034, 0x304, 354, 81, 112, 108, 0, nullptr },
    { "imgbtn_amp_hmq", "tagAmpType", "Arial", 16, 0, 1034, 0x300, 526, 21, 170, 140, 0, nullptr },
};

// layer 1052
const UI_FORMINFO g_uiFormItem_ID_PEDAL1_PARAM[21] = {
    { "label", "PEDAL1", "Arial", 15, 0, 1025, -1, 54, 18, 66, 15, 0, nullptr },
    { "switch", "", "Arial", 15, 0, 1030, 0x201, 62, 46, 48, 48, 0, nullptr },
    { "ulabel", "VAL1", "Arial", 12, 0, 1026, -1, 230, 104, 32, 22, 0, nullptr },
    { "knob_FX_L_hmq", "VAL1", "Arial", 0, 0, 1033, 0x500, 181, 35, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL1", "Arial", 15, 0, 1032, (int32_t) 0x80000001u, 191, 104, 49, 22, 0, nullptr },
    { "label_hmq", "VAL1", "Arial", 12, 0, 1025, -1, 189, 18, 56, 16, 0, nullptr },
    { "knob_FX_L_hmq", "VAL2", "Arial", 0, 0, 1033, 0x501, 247, 35, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL2", "Arial", 15, 0, 1032, (int32_t) 0x80000002u, 261, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL2", "Arial", 12, 0, 1025, -1, 253, 18, 56, 16, 0, nullptr },
    { "knob_FX_L_hmq", "VAL3", "Arial", 0, 0, 1033, 0x502, 313, 35, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL3", "Arial", 15, 0, 1032, (int32_t) 0x80000003u, 328, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL3", "Arial", 12, 0, 1025, -1, 320, 18, 56, 16, 0, nullptr },
    { "knobswitch_compvoice", "VAL4", "Arial", 0, 0, 1033, 0x503, 379, 35, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL4", "Arial", 15, 0, 1032, (int32_t) 0x80000004u, 381, 104, 64, 22, 0, nullptr },
    { "label_hmq", "VAL4", "Arial", 12, 0, 1025, -1, 386, 18, 56, 16, 0, nullptr },
    { "knobswitch_FX_hmq", "VAL5", "Arial", 0, 0, 1033, 0x504, 445, 35, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL5", "Arial", 15, 0, 1032, (int32_t) 0x80000005u, 460, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL5", "Arial", 12, 0, 1025, -1, 452, 18, 56, 16, 0, nullptr },
    { "knobswitch_FX_hmq", "VAL6", "Arial", 0, 0, 1033, 0x505, 511, 35, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL6", "Arial", 15, 0, 1032, (int32_t) 0x80000006u, 526, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL6", "Arial", 12, 0, 1025, -1, 518, 18, 56, 16, 0, nullptr },
};

// layer 1053
const UI_FORMINFO g_uiFormItem_ID_PEDAL2_PARAM[21] = {
    { "label", "PEDAL2", "Arial", 15, 0, 1025, -1, 54, 18, 66, 15, 0, nullptr },
    { "switch", "", "Arial", 15, 0, 1030, 0x202, 62, 46, 48, 48, 0, nullptr },
    { "ulabel", "VAL1", "Arial", 12, 0, 1026, -1, 229, 104, 32, 22, 0, nullptr },
    { "knob_FX_L_hmq", "VAL1", "Arial", 0, 0, 1033, 0x600, 181, 35, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL1", "Arial", 15, 0, 1032, (int32_t) 0x80000008u, 191, 104, 49, 22, 0, nullptr },
    { "label_hmq", "VAL1", "Arial", 12, 0, 1025, -1, 188, 18, 56, 16, 0, nullptr },
    { "knob_FX_L_hmq", "VAL2", "Arial", 0, 0, 1033, 0x601, 247, 35, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL2", "Arial", 15, 0, 1032, (int32_t) 0x80000009u, 261, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL2", "Arial", 12, 0, 1025, -1, 249, 18, 66, 16, 0, nullptr },
    { "knob_FX_L_hmq", "VAL3", "Arial", 0, 0, 1033, 0x602, 313, 35, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL3", "Arial", 15, 0, 1032, (int32_t) 0x8000000Au, 328, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL3", "Arial", 12, 0, 1025, -1, 318, 18, 60, 16, 0, nullptr },
    { "knobswitch_FX_hmq", "VAL4", "Arial", 0, 0, 1033, 0x603, 379, 35, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL4", "Arial", 15, 0, 1032, (int32_t) 0x8000000Bu, 393, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL4", "Arial", 12, 0, 1025, -1, 385, 18, 56, 16, 0, nullptr },
    { "knobswitch_FX_hmq", "VAL5", "Arial", 0, 0, 1033, 0x604, 445, 35, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL5", "Arial", 15, 0, 1032, (int32_t) 0x8000000Cu, 459, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL5", "Arial", 12, 0, 1025, -1, 448, 18, 66, 16, 0, nullptr },
    { "knob_FX_L_hmq", "VAL6", "Arial", 0, 0, 1033, 0x605, 511, 35, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL6", "Arial", 15, 0, 1032, (int32_t) 0x8000000Du, 525, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL6", "Arial", 12, 0, 1025, -1, 512, 18, 66, 16, 0, nullptr },
};

// layer 1054
const UI_FORMINFO g_uiFormItem_ID_REVERB_PARAM[18] = {
    { "label", "REVERB", "Arial", 15, 0, 1025, -1, 54, 18, 66, 15, 0, nullptr },
    { "switch", "", "Arial", 15, 0, 1030, 0x204, 62, 46, 48, 48, 0, nullptr },
    { "knob_FX_L_hmq", "VAL1", "Arial", 0, 0, 1033, 0x800, 216, 35, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL1", "Arial", 15, 0, 1032, (int32_t) 0x8000000Fu, 231, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL1", "Arial", 12, 0, 1025, -1, 228, 18, 46, 16, 0, nullptr },
    { "knob_FX_L_hmq", "VAL2", "Arial", 0, 0, 1033, 0x801, 282, 35, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL2", "Arial", 15, 0, 1032, (int32_t) 0x80000010u, 297, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL2", "Arial", 12, 0, 1025, -1, 289, 18, 56, 16, 0, nullptr },
    { "ulabel", "VAL3", "Arial", 12, 0, 1026, -1, 387, 104, 32, 22, 0, nullptr },
    { "knob_FX_L_hmq", "VAL3", "Arial", 0, 0, 1033, 0x802, 348, 35, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL3", "Arial", 15, 0, 1032, (int32_t) 0x80000011u, 363, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL3", "Arial", 12, 0, 1025, -1, 352, 18, 60, 16, 0, nullptr },
    { "knob_FX_L_hmq", "VAL4", "Arial", 0, 0, 1033, 0x803, 414, 35, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL4", "Arial", 15, 0, 1032, (int32_t) 0x80000012u, 430, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL4", "Arial", 12, 0, 1025, -1, 421, 18, 56, 16, 0, nullptr },
    { "knob_FX_L_hmq", "VAL5", "Arial", 0, 0, 1033, 0x804, 480, 35, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL5", "Arial", 15, 0, 1032, (int32_t) 0x80000013u, 490, 104, 50, 22, 0, nullptr },
    { "label_hmq", "VAL5", "Arial", 12, 0, 1025, -1, 487, 18, 56, 16, 0, nullptr },
};

// layer 1055
const UI_FORMINFO g_uiFormItem_ID_AMP_PARAM[36] = {
    { "knobswitch_FX_hmq", "BRIGHT", "Arial", 0, 0, 1033, 0x407, 22, 16, 40, 24, 0, nullptr },
    { "label_hmq", "BRIGHT", "Arial", 10, 0, 1025, -1, 57, 20, 56, 16, 0, nullptr },
    { "knobswitch_FX_hmq", "MBOOST", "Arial", 0, 0, 1033, 0x409, 22, 56, 40, 24, 0, nullptr },
    { "label_hmq", "MBOOST", "Arial", 10, 0, 1025, -1, 57, 60, 56, 16, 0, nullptr },
    { "knobswitch_FX_hmq", "LOWCUT", "Arial", 0, 0, 1033, 0x408, 22, 96, 40, 24, 0, nullptr },
    { "label_hmq", "LOWCUT", "Arial", 10, 0, 1025, -1, 57, 100, 56, 16, 0, nullptr },
    { "knob_L_hmq", "GAIN", "Arial", 0, 0, 1033, 0x400, 123, 38, 70, 70, 0, nullptr },
    { "edittext_ro", "GAIN", "Arial", 15, 0, 1032, (int32_t) 0x80000016u, 138, 104, 40, 22, 0, nullptr },
    { "label_hmq", "GAIN", "Arial", 12, 0, 1025, -1, 135, 18, 46, 16, 0, nullptr },
    { "knob_L_hmq", "TREBLE", "Arial", 0, 0, 1033, 0x401, 189, 38, 70, 70, 0, nullptr },
    { "edittext_ro", "TREBLE", "Arial", 15, 0, 1032, (int32_t) 0x80000019u, 204, 104, 40, 22, 0, nullptr },
    { "label_hmq", "TREBLE", "Arial", 12, 0, 1025, -1, 201, 18, 46, 16, 0, nullptr },
    { "knob_L_hmq", "MIDDLE", "Arial", 0, 0, 1033, 0x402, 255, 38, 70, 70, 0, nullptr },
    { "edittext_ro", "MIDDLE", "Arial", 15, 0, 1032, (int32_t) 0x8000001Au, 270, 104, 40, 22, 0, nullptr },
    { "label_hmq", "MIDDLE", "Arial", 12, 0, 1025, -1, 267, 18, 46, 16, 0, nullptr },
    { "knob_L_hmq", "BASS", "Arial", 0, 0, 1033, 0x403, 321, 38, 70, 70, 0, nullptr },
    { "edittext_ro", "BASS", "Arial", 15, 0, 1032, (int32_t) 0x8000001Bu, 336, 104, 40, 22, 0, nullptr },
    { "label_hmq", "BASS", "Arial", 12, 0, 1025, -1, 333, 18, 46, 16, 0, nullptr },
    { "knob_L_hmq", "VOLUME", "Arial", 0, 0, 1033, 0x404, 387, 38, 70, 70, 0, nullptr },
    { "edittext_ro", "VOLUME", "Arial", 15, 0, 1032, (int32_t) 0x80000017u, 402, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VOLUME", "Arial", 12, 0, 1025, -1, 394, 18, 56, 16, 0, nullptr },
    { "knob_L_hmq", "PRESENCE", "Arial", 0, 0, 1033, 0x405, 453, 38, 70, 70, 0, nullptr },
    { "edittext_ro", "PRESENCE", "Arial", 15, 0, 1032, (int32_t) 0x8000001Cu, 468, 104, 40, 22, 0, nullptr },
    { "label_hmq", "PRESENCE", "Arial", 12, 0, 1025, -1, 456, 18, 62, 16, 0, nullptr },
    { "knob_L_hmq", "RESONANCE", "Arial", 0, 0, 1033, 0x406, 519, 38, 70, 70, 0, nullptr },
    { "edittext_ro", "RESONANCE", "Arial", 15, 0, 1032, (int32_t) 0x8000001Du, 534, 104, 40, 22, 0, nullptr },
    { "label_hmq", "RESONANCE", "Arial", 12, 0, 1025, -1, 520, 18, 66, 16, 0, nullptr },
    { "knob_L_hmq", "NR SENS", "Arial", 0, 0, 1033, 0x100, 585, 38, 70, 70, 0, nullptr },
    { "edittext_ro", "NR SENS", "Arial", 15, 0, 1032, (int32_t) 0x80000018u, 600, 104, 40, 22, 0, nullptr },
    { "label_hmq", "NR SENS", "Arial", 12, 0, 1025, -1, 592, 18, 56, 16, 0, nullptr },
    { "label_hmq", "BIAS", "Arial", 12, 0, 1025, -1, 678, 18, 64, 16, 0, nullptr },
    { "knobswitch_hmq", "BIAS", "Arial", 0, 0, 1033, 0x40A, 678, 34, 40, 30, 0, nullptr },
    { "edittext_ro", "BIAS", "Arial", 15, 0, 1032, (int32_t) 0x8000001Eu, 715, 39, 50, 22, 0, nullptr },
    { "label_hmq", "CLASS", "Arial", 12, 0, 1025, -1, 678, 68, 40, 16, 0, nullptr },
    { "knobswitchGR_hmq", "CLASS", "Arial", 0, 0, 1033, 0x40B, 678, 84, 40, 30, 0, nullptr },
    { "edittext_ro", "CLASS", "Arial", 15, 0, 1032, (int32_t) 0x8000001Fu, 715, 89, 50, 22, 0, nullptr },
};

// layer 1048
const UI_FORMINFO g_uiFormItem_ID_EDIT_PARAM_Small[4] = {
    { "imgbtn_pedal1_hmq", "tagPedal1Type", "Arial", 16, 0, 1034, 0x301, 46, 81, 112, 108, 0, nullptr },
    { "imgbtn_pedal2_hmq", "tagPedal2Type", "Arial", 16, 0, 1034, 0x302, 200, 81, 112, 108, 0, nullptr },
    { "imgbtn_rev_hmq", "tagDlyRevType", "Arial", 16, 0, 1034, 0x304, 354, 81, 112, 108, 0, nullptr },
    { "imgbtn_amp_small_hmq", "tagAmpType", "Arial", 16, 0, 1034, 0x300, 526, 21, 170, 140, 0, nullptr },
};

// layer 1056
const UI_FORMINFO g_uiFormItem_ID_PEDAL1_PARAM_Small[21] = {
    { "label", "PEDAL1", "Arial", 15, 0, 1025, -1, 54, 18, 66, 15, 0, nullptr },
    { "switch", "", "Arial", 15, 0, 1030, 0x201, 62, 46, 48, 48, 0, nullptr },
    { "ulabel", "VAL1", "Arial", 12, 0, 1026, -1, 230, 104, 32, 22, 0, nullptr },
    { "knob_FX_hmq", "VAL1", "Arial", 0, 0, 1033, 0x500, 181, 35, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL1", "Arial", 15, 0, 1032, (int32_t) 0x80000001u, 191, 104, 49, 22, 0, nullptr },
    { "label_hmq", "VAL1", "Arial", 12, 0, 1025, -1, 189, 18, 56, 16, 0, nullptr },
    { "knob_FX_hmq", "VAL2", "Arial", 0, 0, 1033, 0x501, 247, 35, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL2", "Arial", 15, 0, 1032, (int32_t) 0x80000002u, 261, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL2", "Arial", 12, 0, 1025, -1, 253, 18, 56, 16, 0, nullptr },
    { "knob_FX_hmq", "VAL3", "Arial", 0, 0, 1033, 0x502, 313, 35, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL3", "Arial", 15, 0, 1032, (int32_t) 0x80000003u, 328, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL3", "Arial", 12, 0, 1025, -1, 320, 18, 56, 16, 0, nullptr },
    { "knobswitch_compvoice_small", "VAL4", "Arial", 0, 0, 1033, 0x503, 379, 35, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL4", "Arial", 15, 0, 1032, (int32_t) 0x80000004u, 381, 104, 64, 22, 0, nullptr },
    { "label_hmq", "VAL4", "Arial", 12, 0, 1025, -1, 386, 18, 56, 16, 0, nullptr },
    { "knobswitch_small_slide_hmq", "VAL5", "Arial", 0, 0, 1033, 0x504, 445, 35, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL5", "Arial", 15, 0, 1032, (int32_t) 0x80000005u, 460, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL5", "Arial", 12, 0, 1025, -1, 452, 18, 56, 16, 0, nullptr },
    { "knobswitch_small_slide_hmq", "VAL6", "Arial", 0, 0, 1033, 0x505, 511, 35, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL6", "Arial", 15, 0, 1032, (int32_t) 0x80000006u, 526, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL6", "Arial", 12, 0, 1025, -1, 518, 18, 56, 16, 0, nullptr },
};

// layer 1057
const UI_FORMINFO g_uiFormItem_ID_PEDAL2_PARAM_Small[21] = {
    { "label", "PEDAL2", "Arial", 15, 0, 1025, -1, 54, 18, 66, 15, 0, nullptr },
    { "switch", "", "Arial", 15, 0, 1030, 0x202, 62, 46, 48, 48, 0, nullptr },
    { "ulabel", "VAL1", "Arial", 12, 0, 1026, -1, 229, 104, 32, 22, 0, nullptr },
    { "knob_FX_hmq", "VAL1", "Arial", 0, 0, 1033, 0x600, 181, 35, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL1", "Arial", 15, 0, 1032, (int32_t) 0x80000008u, 191, 104, 49, 22, 0, nullptr },
    { "label_hmq", "VAL1", "Arial", 12, 0, 1025, -1, 188, 18, 56, 16, 0, nullptr },
    { "knob_FX_hmq", "VAL2", "Arial", 0, 0, 1033, 0x601, 247, 35, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL2", "Arial", 15, 0, 1032, (int32_t) 0x80000009u, 261, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL2", "Arial", 12, 0, 1025, -1, 249, 18, 66, 16, 0, nullptr },
    { "knob_FX_hmq", "VAL3", "Arial", 0, 0, 1033, 0x602, 313, 35, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL3", "Arial", 15, 0, 1032, (int32_t) 0x8000000Au, 328, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL3", "Arial", 12, 0, 1025, -1, 318, 18, 60, 16, 0, nullptr },
    { "knobswitch_small_slide_hmq", "VAL4", "Arial", 0, 0, 1033, 0x603, 379, 35, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL4", "Arial", 15, 0, 1032, (int32_t) 0x8000000Bu, 393, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL4", "Arial", 12, 0, 1025, -1, 385, 18, 56, 16, 0, nullptr },
    { "knobswitch_small_slide_hmq", "VAL5", "Arial", 0, 0, 1033, 0x604, 445, 35, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL5", "Arial", 15, 0, 1032, (int32_t) 0x8000000Cu, 459, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL5", "Arial", 12, 0, 1025, -1, 448, 18, 66, 16, 0, nullptr },
    { "knob_FX_hmq", "VAL6", "Arial", 0, 0, 1033, 0x605, 511, 35, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL6", "Arial", 15, 0, 1032, (int32_t) 0x8000000Du, 525, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL6", "Arial", 12, 0, 1025, -1, 512, 18, 66, 16, 0, nullptr },
};

// layer 1058
const UI_FORMINFO g_uiFormItem_ID_REVERB_PARAM_Small[18] = {
    { "label", "REVERB", "Arial", 15, 0, 1025, -1, 54, 18, 66, 15, 0, nullptr },
    { "switch", "", "Arial", 15, 0, 1030, 0x204, 62, 46, 48, 48, 0, nullptr },
    { "knob_FX_hmq", "VAL1", "Arial", 0, 0, 1033, 0x800, 216, 35, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL1", "Arial", 15, 0, 1032, (int32_t) 0x8000000Fu, 231, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL1", "Arial", 12, 0, 1025, -1, 228, 18, 46, 16, 0, nullptr },
    { "knob_FX_hmq", "VAL2", "Arial", 0, 0, 1033, 0x801, 282, 35, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL2", "Arial", 15, 0, 1032, (int32_t) 0x80000010u, 297, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL2", "Arial", 12, 0, 1025, -1, 289, 18, 56, 16, 0, nullptr },
    { "ulabel", "VAL3", "Arial", 12, 0, 1026, -1, 387, 104, 32, 22, 0, nullptr },
    { "knob_FX_hmq", "VAL3", "Arial", 0, 0, 1033, 0x802, 348, 35, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL3", "Arial", 15, 0, 1032, (int32_t) 0x80000011u, 363, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL3", "Arial", 12, 0, 1025, -1, 352, 18, 60, 16, 0, nullptr },
    { "knob_FX_hmq", "VAL4", "Arial", 0, 0, 1033, 0x803, 414, 35, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL4", "Arial", 15, 0, 1032, (int32_t) 0x80000012u, 430, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VAL4", "Arial", 12, 0, 1025, -1, 421, 18, 56, 16, 0, nullptr },
    { "knob_FX_hmq", "VAL5", "Arial", 0, 0, 1033, 0x804, 480, 35, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL5", "Arial", 15, 0, 1032, (int32_t) 0x80000013u, 490, 104, 50, 22, 0, nullptr },
    { "label_hmq", "VAL5", "Arial", 12, 0, 1025, -1, 487, 18, 56, 16, 0, nullptr },
};

// layer 1059
const UI_FORMINFO g_uiFormItem_ID_AMP_PARAM_Small[36] = {
    { "knobswitch_small_slide_hmq", "BRIGHT", "Arial", 0, 0, 1033, 0x407, 22, 16, 40, 24, 0, nullptr },
    { "label_hmq", "BRIGHT", "Arial", 10, 0, 1025, -1, 57, 20, 56, 16, 0, nullptr },
    { "knobswitch_small_slide_hmq", "MBOOST", "Arial", 0, 0, 1033, 0x409, 22, 56, 40, 24, 0, nullptr },
    { "label_hmq", "MBOOST", "Arial", 10, 0, 1025, -1, 57, 60, 56, 16, 0, nullptr },
    { "knobswitch_small_slide_hmq", "LOWCUT", "Arial", 0, 0, 1033, 0x408, 22, 96, 40, 24, 0, nullptr },
    { "label_hmq", "LOWCUT", "Arial", 10, 0, 1025, -1, 57, 100, 56, 16, 0, nullptr },
    { "knobpreset_hmq", "GAIN", "Arial", 0, 0, 1033, 0x400, 123, 38, 54, 54, 0, nullptr },
    { "edittext_ro", "GAIN", "Arial", 15, 0, 1032, (int32_t) 0x80000016u, 138, 104, 40, 22, 0, nullptr },
    { "label_hmq", "GAIN", "Arial", 12, 0, 1025, -1, 135, 18, 46, 16, 0, nullptr },
    { "knobpreset_hmq", "TREBLE", "Arial", 0, 0, 1033, 0x401, 189, 38, 54, 54, 0, nullptr },
    { "edittext_ro", "TREBLE", "Arial", 15, 0, 1032, (int32_t) 0x80000019u, 204, 104, 40, 22, 0, nullptr },
    { "label_hmq", "TREBLE", "Arial", 12, 0, 1025, -1, 201, 18, 46, 16, 0, nullptr },
    { "knobpreset_hmq", "MIDDLE", "Arial", 0, 0, 1033, 0x402, 255, 38, 54, 54, 0, nullptr },
    { "edittext_ro", "MIDDLE", "Arial", 15, 0, 1032, (int32_t) 0x8000001Au, 270, 104, 40, 22, 0, nullptr },
    { "label_hmq", "MIDDLE", "Arial", 12, 0, 1025, -1, 267, 18, 46, 16, 0, nullptr },
    { "knobpreset_hmq", "BASS", "Arial", 0, 0, 1033, 0x403, 321, 38, 54, 54, 0, nullptr },
    { "edittext_ro", "BASS", "Arial", 15, 0, 1032, (int32_t) 0x8000001Bu, 336, 104, 40, 22, 0, nullptr },
    { "label_hmq", "BASS", "Arial", 12, 0, 1025, -1, 333, 18, 46, 16, 0, nullptr },
    { "knobpreset_hmq", "VOLUME", "Arial", 0, 0, 1033, 0x404, 387, 38, 54, 54, 0, nullptr },
    { "edittext_ro", "VOLUME", "Arial", 15, 0, 1032, (int32_t) 0x80000017u, 402, 104, 40, 22, 0, nullptr },
    { "label_hmq", "VOLUME", "Arial", 12, 0, 1025, -1, 394, 18, 56, 16, 0, nullptr },
    { "knobpreset_hmq", "PRESENCE", "Arial", 0, 0, 1033, 0x405, 453, 38, 54, 54, 0, nullptr },
    { "edittext_ro", "PRESENCE", "Arial", 15, 0, 1032, (int32_t) 0x8000001Cu, 468, 104, 40, 22, 0, nullptr },
    { "label_hmq", "PRESENCE", "Arial", 12, 0, 1025, -1, 456, 18, 62, 16, 0, nullptr },
    { "knobpreset_hmq", "RESONANCE", "Arial", 0, 0, 1033, 0x406, 519, 38, 54, 54, 0, nullptr },
    { "edittext_ro", "RESONANCE", "Arial", 15, 0, 1032, (int32_t) 0x8000001Du, 534, 104, 40, 22, 0, nullptr },
    { "label_hmq", "RESONANCE", "Arial", 12, 0, 1025, -1, 520, 18, 66, 16, 0, nullptr },
    { "knobpreset_hmq", "NR SENS", "Arial", 0, 0, 1033, 0x100, 585, 38, 54, 54, 0, nullptr },
    { "edittext_ro", "NR SENS", "Arial", 15, 0, 1032, (int32_t) 0x80000018u, 600, 104, 40, 22, 0, nullptr },
    { "label_hmq", "NR SENS", "Arial", 12, 0, 1025, -1, 592, 18, 56, 16, 0, nullptr },
    { "label_hmq", "BIAS", "Arial", 12, 0, 1025, -1, 678, 18, 64, 16, 0, nullptr },
    { "knobswitch_small_hmq", "BIAS", "Arial", 0, 0, 1033, 0x40A, 678, 34, 40, 30, 0, nullptr },
    { "edittext_ro", "BIAS", "Arial", 15, 0, 1032, (int32_t) 0x8000001Eu, 715, 39, 50, 22, 0, nullptr },
    { "label_hmq", "CLASS", "Arial", 12, 0, 1025, -1, 678, 68, 40, 16, 0, nullptr },
    { "knobswitchGR_hmq", "CLASS", "Arial", 0, 0, 1033, 0x40B, 678, 84, 40, 30, 0, nullptr },
    { "edittext_ro", "CLASS", "Arial", 15, 0, 1032, (int32_t) 0x8000001Fu, 715, 89, 50, 22, 0, nullptr },
};

const UI_FORMINFO g_uiFormInfoArray[10] = {
    { "Layer", "", "", 0, 0, 1047, -1, 0, 0, 559, 230, 4, g_uiFormItem_ID_EDIT_PARAM },
    { "Layer", "", "", 0, 0, 1052, -1, 0, 0, 559, 230, 21, g_uiFormItem_ID_PEDAL1_PARAM },
    { "Layer", "", "", 0, 0, 1053, -1, 0, 0, 559, 230, 21, g_uiFormItem_ID_PEDAL2_PARAM },
    { "Layer", "", "", 0, 0, 1054, -1, 0, 0, 559, 230, 18, g_uiFormItem_ID_REVERB_PARAM },
    { "Layer", "", "", 0, 0, 1055, -1, 0, 0, 559, 230, 36, g_uiFormItem_ID_AMP_PARAM },
    { "Layer", "", "", 0, 0, 1048, -1, 0, 0, 559, 230, 4, g_uiFormItem_ID_EDIT_PARAM_Small },
    { "Layer", "", "", 0, 0, 1056, -1, 0, 0, 559, 230, 21, g_uiFormItem_ID_PEDAL1_PARAM_Small },
    { "Layer", "", "", 0, 0, 1057, -1, 0, 0, 559, 230, 21, g_uiFormItem_ID_PEDAL2_PARAM_Small },
    { "Layer", "", "", 0, 0, 1058, -1, 0, 0, 559, 230, 18, g_uiFormItem_ID_REVERB_PARAM_Small },
    { "Layer", "", "", 0, 0, 1059, -1, 0, 0, 559, 230, 36, g_uiFormItem_ID_AMP_PARAM_Small },
};

const UI_FORMINFO_BLOCK g_uiFormInfoBlock = { 10, g_uiFormInfoArray };
} // namespace HMQ
// clang-format on
