#include "UIForm/orvaPW/OPWFormTables.h"

#include <cstdint>

// clang-format off

// class, text, face, font height, font style, ID, PARAMID, x, y, width, height, children
namespace orvaPW
{
// layer 1047
const UI_FORMINFO g_uiFormItem_ID_EDIT_PARAM[3] = {
    { "imgbtn_pedal1_orvapw", "tagPedalType", "Arial", 13, 0, 1034, 0x301, 97, 69, 112, 108, 0, nullptr },
    { "imgbtn_pedal2_orvapw", "tagPedalType", "Arial", 13, 0, 1034, 0x302, 328, 69, 112, 108, 0, nullptr },
    { "imgbtn_amp_orvapw", "tagAmpType", "Arial", 13, 0, 1034, 0x300, 529, 23, 170, 140, 0, nullptr },
};

// layer 1052
const UI_FORMINFO g_uiFormItem_ID_PEDAL1_PARAM[21] = {
    { "label", "FX1", "Arial", 15, 0, 1025, -1, 16, 12, 66, 15, 0, nullptr },
    { "switch", "", "Arial", 15, 0, 1030, 0x201, 24, 40, 48, 48, 0, nullptr },
    { "ulabel", "VAL1", "Arial", 12, 0, 1026, -1, 56, 92, 32, 22, 0, nullptr },
    { "knob_L_orvapw", "VAL1", "Arial", 0, 0, 1033, 0x500, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL1", "Arial", 15, 0, 1032, (int32_t) 0x80000001u, 14, 92, 49, 22, 0, nullptr },
    { "label_orvapw", "VAL1", "Arial", 12, 0, 1025, -1, 9, 10, 56, 16, 0, nullptr },
    { "knob_L_orvapw", "VAL2", "Arial", 0, 0, 1033, 0x501, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL2", "Arial", 15, 0, 1032, (int32_t) 0x80000002u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL2", "Arial", 12, 0, 1025, -1, 9, 10, 56, 16, 0, nullptr },
    { "knobswitch_L_orvapw", "VAL3", "Arial", 0, 0, 1033, 0x502, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL3", "Arial", 15, 0, 1032, (int32_t) 0x80000003u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL3", "Arial", 12, 0, 1025, -1, 6, 10, 66, 16, 0, nullptr },
    { "knobswitch_compvoice_orvapw", "VAL4", "Arial", 0, 0, 1033, 0x503, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL4", "Arial", 15, 0, 1032, (int32_t) 0x80000004u, 7, 92, 64, 22, 0, nullptr },
    { "label_orvapw", "VAL4", "Arial", 12, 0, 1025, -1, 9, 10, 56, 16, 0, nullptr },
    { "knobswitch_L_orvapw", "VAL5", "Arial", 0, 0, 1033, 0x504, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL5", "Arial", 15, 0, 1032, (int32_t) 0x80000005u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL5", "Arial", 12, 0, 1025, -1, 9, 10, 56, 16, 0, nullptr },
    { "knobswitch_L_orvapw", "VAL6", "Arial", 0, 0, 1033, 0x505, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL6", "Arial", 15, 0, 1032, (int32_t) 0x80000006u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL6", "Arial", 12, 0, 1025, -1, 9, 10, 56, 16, 0, nullptr },
};

// layer 1053
const UI_FORMINFO g_uiFormItem_ID_PEDAL2_PARAM[22] = {
    { "label", "FX2", "Arial", 15, 0, 1025, -1, 16, 12, 66, 15, 0, nullptr },
    { "switch", "", "Arial", 15, 0, 1030, 0x202, 24, 40, 48, 48, 0, nullptr },
    { "ulabel", "VAL1", "Arial", 12, 0, 1026, -1, 55, 92, 32, 22, 0, nullptr },
    { "knob_L_orvapw", "VAL1", "Arial", 0, 0, 1033, 0x600, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL1", "Arial", 15, 0, 1032, (int32_t) 0x80000008u, 14, 92, 49, 22, 0, nullptr },
    { "label_orvapw", "VAL1", "Arial", 12, 0, 1025, -1, 9, 10, 56, 16, 0, nullptr },
    { "knob_L_orvapw", "VAL2", "Arial", 0, 0, 1033, 0x601, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL2", "Arial", 15, 0, 1032, (int32_t) 0x80000009u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL2", "Arial", 12, 0, 1025, -1, 6, 10, 66, 16, 0, nullptr },
    { "knob_L_orvapw", "VAL3", "Arial", 0, 0, 1033, 0x602, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL3", "Arial", 15, 0, 1032, (int32_t) 0x8000000Au, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL3", "Arial", 12, 0, 1025, -1, 6, 10, 60, 16, 0, nullptr },
    { "ulabel", "VAL4", "Arial", 12, 0, 1026, -1, 55, 92, 32, 22, 0, nullptr },
    { "knobswitch_L_orvapw", "VAL4", "Arial", 0, 0, 1033, 0x603, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL4", "Arial", 15, 0, 1032, (int32_t) 0x8000000Bu, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL4", "Arial", 12, 0, 1025, -1, 6, 10, 60, 16, 0, nullptr },
    { "knobswitch_L_orvapw", "VAL5", "Arial", 0, 0, 1033, 0x604, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL5", "Arial", 15, 0, 1032, (int32_t) 0x8000000Cu, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL5", "Arial", 12, 0, 1025, -1, 6, 10, 66, 16, 0, nullptr },
    { "knob_L_orvapw", "VAL6", "Arial", 0, 0, 1033, 0x605, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "VAL6", "Arial", 15, 0, 1032, (int32_t) 0x8000000Du, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL6", "Arial", 12, 0, 1025, -1, 6, 10, 66, 16, 0, nullptr },
};

// layer 1055
const UI_FORMINFO g_uiFormItem_ID_AMP_PARAM[32] = {
    { "knobswitch_L_orvapw", "BRIGHT", "Arial", 0, 0, 1033, 0x407, 22, -2, 40, 24, 0, nullptr },
    { "edittext_ro", "BRIGHT", "Arial", 15, 0, 1032, (int32_t) 0x8000001Fu, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "BRIGHT", "Arial", 12, 0, 1025, -1, 57, 2, 70, 16, 0, nullptr },
    { "knobswitch_L_orvapw", "MBOOST", "Arial", 0, 0, 1033, 0x409, 22, -2, 40, 24, 0, nullptr },
    { "label_orvapw", "MBOOST", "Arial", 12, 0, 1025, -1, 57, 2, 70, 16, 0, nullptr },
    { "knobswitch_L_orvapw", "LOWCUT", "Arial", 0, 0, 1033, 0x408, 22, -2, 40, 24, 0, nullptr },
    { "edittext_ro", "LOWCUT", "Arial", 15, 0, 1032, (int32_t) 0x8000001Eu, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "LOWCUT", "Arial", 12, 0, 1025, -1, 57, 2, 60, 16, 0, nullptr },
    { "knob_L_orvapw", "GAIN", "Arial", 0, 0, 1033, 0x400, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "GAIN", "Arial", 15, 0, 1032, (int32_t) 0x80000016u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "GAIN", "Arial", 12, 0, 1025, -1, 15, 10, 46, 16, 0, nullptr },
    { "knob_L_orvapw", "TREBLE", "Arial", 0, 0, 1033, 0x401, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "TREBLE", "Arial", 15, 0, 1032, (int32_t) 0x80000019u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "TREBLE", "Arial", 12, 0, 1025, -1, 8, 10, 60, 16, 0, nullptr },
    { "knob_L_orvapw", "MIDDLE", "Arial", 0, 0, 1033, 0x402, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "MIDDLE", "Arial", 15, 0, 1032, (int32_t) 0x8000001Au, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "MIDDLE", "Arial", 12, 0, 1025, -1, 15, 10, 46, 16, 0, nullptr },
    { "knob_L_orvapw", "BASS", "Arial", 0, 0, 1033, 0x403, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "BASS", "Arial", 15, 0, 1032, (int32_t) 0x8000001Bu, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "BASS", "Arial", 12, 0, 1025, -1, 15, 10, 46, 16, 0, nullptr },
    { "knob_L_orvapw", "VOLUME", "Arial", 0, 0, 1033, 0x404, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "VOLUME", "Arial", 15, 0, 1032, (int32_t) 0x80000017u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VOLUME", "Arial", 12, 0, 1025, -1, 10, 10, 56, 16, 0, nullptr },
    { "knob_L_orvapw", "PRESENCE", "Arial", 0, 0, 1033, 0x405, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "PRESENCE", "Arial", 15, 0, 1032, (int32_t) 0x8000001Cu, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "PRESENCE", "Arial", 12, 0, 1025, -1, 6, 10, 62, 16, 0, nullptr },
    { "knobswitch_6point_orvapw", "RESONANCE", "Arial", 0, 0, 1033, 0x406, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "RESONANCE", "Arial", 15, 0, 1032, (int32_t) 0x8000001Du, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "RESONANCE", "Arial", 12, 0, 1025, -1, 4, 10, 66, 16, 0, nullptr },
    { "knobswitch_sens_orvapw", "NR SENS", "Arial", 0, 0, 1033, 0x100, 3, 26, 70, 70, 0, nullptr },
    { "edittext_ro", "NR SENS", "Arial", 15, 0, 1032, (int32_t) 0x80000018u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "NR SENS", "Arial", 12, 0, 1025, -1, 10, 10, 56, 16, 0, nullptr },
};

// layer 1040
const UI_FORMINFO g_uiFormItem_ID_GLOBAL_PARAM[4] = {
    { "label", "WIDE", "Arial", 15, 0, 1025, -1, 10, 30, 100, 16, 0, nullptr },
    { "label", "USB Routing", "Arial", 15, 0, 1025, -1, 10, 74, 100, 16, 0, nullptr },
    { "img_routing_orva", "USB Routing", "Arial", 15, 0, 1035, 0x4300, 10, 146, 220, 80, 0, nullptr },
    { "label", "Audio EQ", "Arial", 15, 0, 1025, -1, 10, 266, 100, 16, 0, nullptr },
};

// layer 1041
const UI_FORMINFO g_uiFormItem_ID_AUDIOEQ_PARAM[46] = {
    { "label_orvapw", "AUDIO EQ", "Arial", 15, 0, 1025, -1, 7, 10, 80, 16, 0, nullptr },
    { "label_orvapw", "FREQ", "Arial", 12, 0, 1025, -1, 5, 294, 50, 18, 0, nullptr },
    { "label_orvapw", "GAIN", "Arial", 12, 0, 1025, -1, 5, 374, 50, 18, 0, nullptr },
    { "label_orvapw", "WIDTH", "Arial", 12, 0, 1025, -1, 5, 454, 50, 18, 0, nullptr },
    { "label_orvapw", "TRIM", "Arial", 12, 0, 1025, -1, 437, 343, 70, 16, 0, nullptr },
    { "knob_L_orvapw_EQ", "TRIM", "Arial", 0, 0, 1033, 0x6000, 437, 349, 70, 70, 0, nullptr },
    { "edittext_ro", "TRIM", "Arial", 15, 0, 1032, (int32_t) 0x81000000u, 454, 409, 36, 18, 0, nullptr },
    { "label", "dB", "Arial", 12, 0, 1025, -1, 483, 409, 28, 18, 0, nullptr },
    { "label_orvapw", "SUBGROWLER", "Arial", 12, 0, 1025, -1, 544, 343, 70, 16, 0, nullptr },
    { "switch", "", "Arial", 15, 0, 1030, 0x6100, 549, 355, 60, 60, 0, nullptr },
    { "label_orvapw", "LOW", "Arial", 12, 0, 1025, -1, 64, 263, 70, 16, 0, nullptr },
    { "knob_L_orvapw_EQ", "LEQ_FREQ", "Arial", 0, 0, 1033, 0x6200, 63, 269, 70, 70, 0, nullptr },
    { "edittext_ro", "LEQ_FREQ", "Arial", 15, 0, 1032, (int32_t) 0x81000001u, 76, 329, 44, 18, 0, nullptr },
    { "label", "Hz", "Arial", 12, 0, 1025, -1, 106, 329, 28, 18, 0, nullptr },
    { "knob_L_orvapw_EQ", "LEQ_GAIN", "Arial", 0, 0, 1033, 0x6201, 63, 349, 70, 70, 0, nullptr },
    { "edittext_ro", "LEQ_GAIN", "Arial", 15, 0, 1032, (int32_t) 0x81000002u, 80, 409, 36, 18, 0, nullptr },
    { "label", "dB", "Arial", 12, 0, 1025, -1, 109, 409, 28, 18, 0, nullptr },
    { "knob_L_orvapw_EQ", "LEQ_WIDTH", "Arial", 0, 0, 1033, 0x6202, 63, 429, 70, 70, 0, nullptr },
    { "edittext_ro", "LEQ_WIDTH", "Arial", 15, 0, 1032, (int32_t) 0x81000003u, 80, 489, 36, 18, 0, nullptr },
    { "label_orvapw", "LOW MID", "Arial", 12, 0, 1025, -1, 154, 263, 70, 16, 0, nullptr },
    { "knob_L_orvapw_EQ", "MLEQ_FREQ", "Arial", 0, 0, 1033, 0x6300, 153, 269, 70, 70, 0, nullptr },
    { "edittext_ro", "MLEQ_FREQ", "Arial", 15, 0, 1032, (int32_t) 0x81000004u, 166, 329, 44, 18, 0, nullptr },
    { "label", "Hz", "Arial", 12, 0, 1025, -1, 196, 329, 28, 18, 0, nullptr },
    { "knob_L_orvapw_EQ", "MLEQ_GAIN", "Arial", 0, 0, 1033, 0x6301, 153, 349, 70, 70, 0, nullptr },
    { "edittext_ro", "MLEQ_GAIN", "Arial", 15, 0, 1032, (int32_t) 0x81000005u, 170, 409, 36, 18, 0, nullptr },
    { "label", "dB", "Arial", 12, 0, 1025, -1, 199, 409, 28, 18, 0, nullptr },
    { "knob_L_orvapw_EQ", "MLEQ_WIDTH", "Arial", 0, 0, 1033, 0x6302, 153, 429, 70, 70, 0, nullptr },
    { "edittext_ro", "MLEQ_WIDTH", "Arial", 15, 0, 1032, (int32_t) 0x81000006u, 170, 489, 36, 18, 0, nullptr },
    { "label_orvapw", "HIGH MID", "Arial", 12, 0, 1025, -1, 244, 263, 70, 16, 0, nullptr },
    { "knob_L_orvapw_EQ", "MHEQ_FREQ", "Arial", 0, 0, 1033, 0x6400, 243, 269, 70, 70, 0, nullptr },
    { "edittext_ro", "MHEQ_FREQ", "Arial", 15, 0, 1032, (int32_t) 0x81000007u, 256, 329, 44, 18, 0, nullptr },
    { "label", "Hz", "Arial", 12, 0, 1025, -1, 289, 329, 28, 18, 0, nullptr },
    { "knob_L_orvapw_EQ", "MHEQ_GAIN", "Arial", 0, 0, 1033, 0x6401, 243, 349, 70, 70, 0, nullptr },
    { "edittext_ro", "MHEQ_GAIN", "Arial", 15, 0, 1032, (int32_t) 0x81000008u, 260, 409, 36, 18, 0, nullptr },
    { "label", "dB", "Arial", 12, 0, 1025, -1, 289, 409, 28, 18, 0, nullptr },
    { "knob_L_orvapw_EQ", "MHEQ_WIDTH", "Arial", 0, 0, 1033, 0x6402, 243, 429, 70, 70, 0, nullptr },
    { "edittext_ro", "MHEQ_WIDTH", "Arial", 15, 0, 1032, (int32_t) 0x81000009u, 260, 489, 36, 18, 0, nullptr },
    { "label_orvapw", "HIGH", "Arial", 12, 0, 1025, -1, 334, 263, 70, 16, 0, nullptr },
    { "knob_L_orvapw_EQ", "HEQ_FREQ", "Arial", 0, 0, 1033, 0x6500, 333, 269, 70, 70, 0, nullptr },
    { "edittext_ro", "HEQ_FREQ", "Arial", 15, 0, 1032, (int32_t) 0x8100000Au, 346, 329, 44, 18, 0, nullptr },
    { "label", "Hz", "Arial", 12, 0, 1025, -1, 379, 329, 28, 18, 0, nullptr },
    { "knob_L_orvapw_EQ", "HEQ_GAIN", "Arial", 0, 0, 1033, 0x6501, 333, 349, 70, 70, 0, nullptr },
    { "edittext_ro", "HEQ_GAIN", "Arial", 15, 0, 1032, (int32_t) 0x8100000Bu, 350, 409, 36, 18, 0, nullptr },
    { "label", "dB", "Arial", 12, 0, 1025, -1, 379, 409, 28, 18, 0, nullptr },
    { "knob_L_orvapw_EQ", "HEQ_WIDTH", "Arial", 0, 0, 1033, 0x6502, 333, 429, 70, 70, 0, nullptr },
    { "edittext_ro", "HEQ_WIDTH", "Arial", 15, 0, 1032, (int32_t) 0x8100000Cu, 350, 489, 36, 18, 0, nullptr },
};

// layer 1048
const UI_FORMINFO g_uiFormItem_ID_EDIT_PARAM_Small[3] = {
    { "imgbtn_pedal1_orvapw", "tagPedal1Type", "Arial", 13, 0, 1034, 0x301, 97, 69, 112, 108, 0, nullptr },
    { "imgbtn_pedal2_orvapw", "tagPedal2Type", "Arial", 13, 0, 1034, 0x302, 328, 69, 112, 108, 0, nullptr },
    { "imgbtn_amp_small_orvapw", "tagAmpType", "Arial", 13, 0, 1034, 0x300, 529, 23, 170, 140, 0, nullptr },
};

// layer 1056
const UI_FORMINFO g_uiFormItem_ID_PEDAL1_PARAM_Small[21] = {
    { "label", "FX1", "Arial", 15, 0, 1025, -1, 16, 12, 66, 15, 0, nullptr },
    { "switch", "", "Arial", 15, 0, 1030, 0x201, 24, 40, 48, 48, 0, nullptr },
    { "ulabel", "VAL1", "Arial", 12, 0, 1026, -1, 56, 92, 32, 22, 0, nullptr },
    { "knob_orvapw", "VAL1", "Arial", 0, 0, 1033, 0x500, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL1", "Arial", 15, 0, 1032, (int32_t) 0x80000001u, 14, 92, 49, 22, 0, nullptr },
    { "label_orvapw", "VAL1", "Arial", 12, 0, 1025, -1, 9, 10, 56, 16, 0, nullptr },
    { "knob_orvapw", "VAL2", "Arial", 0, 0, 1033, 0x501, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL2", "Arial", 15, 0, 1032, (int32_t) 0x80000002u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL2", "Arial", 12, 0, 1025, -1, 9, 10, 56, 16, 0, nullptr },
    { "knobswitch_small_slide_orvapw", "VAL3", "Arial", 0, 0, 1033, 0x502, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL3", "Arial", 15, 0, 1032, (int32_t) 0x80000003u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL3", "Arial", 12, 0, 1025, -1, 6, 10, 66, 16, 0, nullptr },
    { "knobswitch_compvoice_small_orvapw", "VAL4", "Arial", 0, 0, 1033, 0x503, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL4", "Arial", 15, 0, 1032, (int32_t) 0x80000004u, 7, 92, 64, 22, 0, nullptr },
    { "label_orvapw", "VAL4", "Arial", 12, 0, 1025, -1, 9, 10, 56, 16, 0, nullptr },
    { "knobswitch_small_slide_orvapw", "VAL5", "Arial", 0, 0, 1033, 0x504, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL5", "Arial", 15, 0, 1032, (int32_t) 0x80000005u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL5", "Arial", 12, 0, 1025, -1, 9, 10, 56, 16, 0, nullptr },
    { "knobswitch_small_slide_orvapw", "VAL6", "Arial", 0, 0, 1033, 0x505, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL6", "Arial", 15, 0, 1032, (int32_t) 0x80000006u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL6", "Arial", 12, 0, 1025, -1, 9, 10, 56, 16, 0, nullptr },
};

// layer 1057
const UI_FORMINFO g_uiFormItem_ID_PEDAL2_PARAM_Small[22] = {
    { "label", "FX2", "Arial", 15, 0, 1025, -1, 16, 12, 66, 15, 0, nullptr },
    { "switch", "", "Arial", 15, 0, 1030, 0x202, 24, 40, 48, 48, 0, nullptr },
    { "ulabel", "VAL1", "Arial", 12, 0, 1026, -1, 55, 92, 32, 22, 0, nullptr },
    { "knob_orvapw", "VAL1", "Arial", 0, 0, 1033, 0x600, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL1", "Arial", 15, 0, 1032, (int32_t) 0x80000008u, 14, 92, 49, 22, 0, nullptr },
    { "label_orvapw", "VAL1", "Arial", 12, 0, 1025, -1, 9, 10, 56, 16, 0, nullptr },
    { "knob_orvapw", "VAL2", "Arial", 0, 0, 1033, 0x601, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL2", "Arial", 15, 0, 1032, (int32_t) 0x80000009u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL2", "Arial", 12, 0, 1025, -1, 6, 10, 66, 16, 0, nullptr },
    { "knob_orvapw", "VAL3", "Arial", 0, 0, 1033, 0x602, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL3", "Arial", 15, 0, 1032, (int32_t) 0x8000000Au, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL3", "Arial", 12, 0, 1025, -1, 6, 10, 60, 16, 0, nullptr },
    { "ulabel", "VAL4", "Arial", 12, 0, 1026, -1, 55, 92, 32, 22, 0, nullptr },
    { "knobswitch_small_slide_orvapw", "VAL4", "Arial", 0, 0, 1033, 0x603, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL4", "Arial", 15, 0, 1032, (int32_t) 0x8000000Bu, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL4", "Arial", 12, 0, 1025, -1, 6, 10, 60, 16, 0, nullptr },
    { "knobswitch_small_slide_orvapw", "VAL5", "Arial", 0, 0, 1033, 0x604, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL5", "Arial", 15, 0, 1032, (int32_t) 0x8000000Cu, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL5", "Arial", 12, 0, 1025, -1, 6, 10, 66, 16, 0, nullptr },
    { "knob_orvapw", "VAL6", "Arial", 0, 0, 1033, 0x605, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "VAL6", "Arial", 15, 0, 1032, (int32_t) 0x8000000Du, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VAL6", "Arial", 12, 0, 1025, -1, 6, 10, 66, 16, 0, nullptr },
};

// layer 1059
const UI_FORMINFO g_uiFormItem_ID_AMP_PARAM_Small[32] = {
    { "knobswitch_small_slide_orvapw", "BRIGHT", "Arial", 0, 0, 1033, 0x407, 22, -2, 40, 24, 0, nullptr },
    { "edittext_ro", "BRIGHT", "Arial", 15, 0, 1032, (int32_t) 0x8000001Fu, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "BRIGHT", "Arial", 12, 0, 1025, -1, 57, 2, 70, 16, 0, nullptr },
    { "knobswitch_small_slide_orvapw", "MBOOST", "Arial", 0, 0, 1033, 0x409, 22, -2, 40, 24, 0, nullptr },
    { "label_orvapw", "MBOOST", "Arial", 12, 0, 1025, -1, 57, 2, 70, 16, 0, nullptr },
    { "knobswitch_small_slide_orvapw", "LOWCUT", "Arial", 0, 0, 1033, 0x408, 22, -2, 40, 24, 0, nullptr },
    { "edittext_ro", "LOWCUT", "Arial", 15, 0, 1032, (int32_t) 0x8000001Eu, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "LOWCUT", "Arial", 12, 0, 1025, -1, 57, 2, 60, 16, 0, nullptr },
    { "knob_orvapw", "GAIN", "Arial", 0, 0, 1033, 0x400, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "GAIN", "Arial", 15, 0, 1032, (int32_t) 0x80000016u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "GAIN", "Arial", 12, 0, 1025, -1, 15, 10, 46, 16, 0, nullptr },
    { "knob_orvapw", "TREBLE", "Arial", 0, 0, 1033, 0x401, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "TREBLE", "Arial", 15, 0, 1032, (int32_t) 0x80000019u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "TREBLE", "Arial", 12, 0, 1025, -1, 8, 10, 60, 16, 0, nullptr },
    { "knob_orvapw", "MIDDLE", "Arial", 0, 0, 1033, 0x402, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "MIDDLE", "Arial", 15, 0, 1032, (int32_t) 0x8000001Au, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "MIDDLE", "Arial", 12, 0, 1025, -1, 15, 10, 46, 16, 0, nullptr },
    { "knob_orvapw", "BASS", "Arial", 0, 0, 1033, 0x403, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "BASS", "Arial", 15, 0, 1032, (int32_t) 0x8000001Bu, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "BASS", "Arial", 12, 0, 1025, -1, 15, 10, 46, 16, 0, nullptr },
    { "knob_orvapw", "VOLUME", "Arial", 0, 0, 1033, 0x404, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "VOLUME", "Arial", 15, 0, 1032, (int32_t) 0x80000017u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "VOLUME", "Arial", 12, 0, 1025, -1, 10, 10, 56, 16, 0, nullptr },
    { "knob_orvapw", "PRESENCE", "Arial", 0, 0, 1033, 0x405, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "PRESENCE", "Arial", 15, 0, 1032, (int32_t) 0x8000001Cu, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "PRESENCE", "Arial", 12, 0, 1025, -1, 6, 10, 62, 16, 0, nullptr },
    { "knobswitch_6point_small_orvapw", "RESONANCE", "Arial", 0, 0, 1033, 0x406, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "RESONANCE", "Arial", 15, 0, 1032, (int32_t) 0x8000001Du, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "RESONANCE", "Arial", 12, 0, 1025, -1, 4, 10, 66, 16, 0, nullptr },
    { "knobswitch_sens_small_orvapw", "NR SENS", "Arial", 0, 0, 1033, 0x100, 3, 26, 54, 54, 0, nullptr },
    { "edittext_ro", "NR SENS", "Arial", 15, 0, 1032, (int32_t) 0x80000018u, 18, 92, 40, 22, 0, nullptr },
    { "label_orvapw", "NR SENS", "Arial", 12, 0, 1025, -1, 10, 10, 56, 16, 0, nullptr },
};

// layer 1042
const UI_FORMINFO g_uiFormItem_ID_GLOBAL_PARAM_Small[4] = {
    { "label", "WIDE", "Arial", 15, 0, 1025, -1, 10, 10, 100, 16, 0, nullptr },
    { "label", "USB Routing", "Arial", 15, 0, 1025, -1, 10, 44, 100, 16, 0, nullptr },
    { "img_routing_orva", "USB Routing", "Arial", 15, 0, 1035, 0x4300, 10, 80, 220, 80, 0, nullptr },
    { "label", "Audio EQ", "Arial", 15, 0, 1025, -1, 10, 152, 100, 16, 0, nullptr },
};

// layer 1043
const UI_FORMINFO g_uiFormItem_ID_AUDIOEQ_PARAM_Small[46] = {
    { "label_orvapw", "AUDIO EQ", "Arial", 12, 0, 1025, -1, 7, 10, 80, 16, 0, nullptr },
    { "label_orvapw", "FREQ", "Arial", 12, 0, 1025, -1, 5, 294, 50, 18, 0, nullptr },
    { "label_orvapw", "GAIN", "Arial", 12, 0, 1025, -1, 5, 374, 50, 18, 0, nullptr },
    { "label_orvapw", "WIDTH", "Arial", 12, 0, 1025, -1, 5, 454, 50, 18, 0, nullptr },
    { "label_orvapw", "TRIM", "Arial", 12, 0, 1025, -1, 437, 343, 70, 16, 0, nullptr },
    { "knob_orvapw_EQ", "TRIM", "Arial", 0, 0, 1033, 0x6000, 437, 349, 54, 54, 0, nullptr },
    { "edittext_ro", "TRIM", "Arial", 15, 0, 1032, (int32_t) 0x81000000u, 454, 409, 36, 18, 0, nullptr },
    { "label", "dB", "Arial", 12, 0, 1025, -1, 483, 409, 28, 18, 0, nullptr },
    { "label_orvapw", "SUBGROWLER", "Arial", 12, 0, 1025, -1, 544, 343, 70, 16, 0, nullptr },
    { "switch", "", "Arial", 15, 0, 1030, 0x6100, 549, 355, 60, 60, 0, nullptr },
    { "label_orvapw", "LOW", "Arial", 12, 0, 1025, -1, 64, 263, 70, 16, 0, nullptr },
    { "knob_orvapw_EQ", "LEQ_FREQ", "Arial", 0, 0, 1033, 0x6200, 63, 269, 54, 54, 0, nullptr },
    { "edittext_ro", "LEQ_FREQ", "Arial", 15, 0, 1032, (int32_t) 0x81000001u, 76, 329, 44, 18, 0, nullptr },
    { "label", "Hz", "Arial", 12, 0, 1025, -1, 106, 329, 28, 18, 0, nullptr },
    { "knob_orvapw_EQ", "LEQ_GAIN", "Arial", 0, 0, 1033, 0x6201, 63, 349, 54, 54, 0, nullptr },
    { "edittext_ro", "LEQ_GAIN", "Arial", 15, 0, 1032, (int32_t) 0x81000002u, 80, 409, 36, 18, 0, nullptr },
    { "label", "dB", "Arial", 12, 0, 1025, -1, 109, 409, 28, 18, 0, nullptr },
    { "knob_orvapw_EQ", "LEQ_WIDTH", "Arial", 0, 0, 1033, 0x6202, 63, 429, 54, 54, 0, nullptr },
    { "edittext_ro", "LEQ_WIDTH", "Arial", 15, 0, 1032, (int32_t) 0x81000003u, 80, 489, 36, 18, 0, nullptr },
    { "label_orvapw", "LOW MID", "Arial", 12, 0, 1025, -1, 154, 263, 70, 16, 0, nullptr },
    { "knob_orvapw_EQ", "MLEQ_FREQ", "Arial", 0, 0, 1033, 0x6300, 153, 269, 54, 54, 0, nullptr },
    { "edittext_ro", "MLEQ_FREQ", "Arial", 15, 0, 1032, (int32_t) 0x81000004u, 166, 329, 44, 18, 0, nullptr },
    { "label", "Hz", "Arial", 12, 0, 1025, -1, 196, 329, 28, 18, 0, nullptr },
    { "knob_orvapw_EQ", "MLEQ_GAIN", "Arial", 0, 0, 1033, 0x6301, 153, 349, 54, 54, 0, nullptr },
    { "edittext_ro", "MLEQ_GAIN", "Arial", 15, 0, 1032, (int32_t) 0x81000005u, 170, 409, 36, 18, 0, nullptr },
    { "label", "dB", "Arial", 12, 0, 1025, -1, 199, 409, 28, 18, 0, nullptr },
    { "knob_orvapw_EQ", "MLEQ_WIDTH", "Arial", 0, 0, 1033, 0x6302, 153, 429, 54, 54, 0, nullptr },
    { "edittext_ro", "MLEQ_WIDTH", "Arial", 15, 0, 1032, (int32_t) 0x81000006u, 170, 489, 36, 18, 0, nullptr },
    { "label_orvapw", "HIGH MID", "Arial", 12, 0, 1025, -1, 244, 263, 70, 16, 0, nullptr },
    { "knob_orvapw_EQ", "MHEQ_FREQ", "Arial", 0, 0, 1033, 0x6400, 243, 269, 54, 54, 0, nullptr },
    { "edittext_ro", "MHEQ_FREQ", "Arial", 15, 0, 1032, (int32_t) 0x81000007u, 256, 329, 44, 18, 0, nullptr },
    { "label", "Hz", "Arial", 12, 0, 1025, -1, 289, 329, 28, 18, 0, nullptr },
    { "knob_orvapw_EQ", "MHEQ_GAIN", "Arial", 0, 0, 1033, 0x6401, 243, 349, 54, 54, 0, nullptr },
    { "edittext_ro", "MHEQ_GAIN", "Arial", 15, 0, 1032, (int32_t) 0x81000008u, 260, 409, 36, 18, 0, nullptr },
    { "label", "dB", "Arial", 12, 0, 1025, -1, 289, 409, 28, 18, 0, nullptr },
    { "knob_orvapw_EQ", "MHEQ_WIDTH", "Arial", 0, 0, 1033, 0x6402, 243, 429, 54, 54, 0, nullptr },
    { "edittext_ro", "MHEQ_WIDTH", "Arial", 15, 0, 1032, (int32_t) 0x81000009u, 260, 489, 36, 18, 0, nullptr },
    { "label_orvapw", "HIGH", "Arial", 12, 0, 1025, -1, 334, 263, 70, 16, 0, nullptr },
    { "knob_orvapw_EQ", "HEQ_FREQ", "Arial", 0, 0, 1033, 0x6500, 333, 269, 54, 54, 0, nullptr },
    { "edittext_ro", "HEQ_FREQ", "Arial", 15, 0, 1032, (int32_t) 0x8100000Au, 346, 329, 44, 18, 0, nullptr },
    { "label", "Hz", "Arial", 12, 0, 1025, -1, 379, 329, 28, 18, 0, nullptr },
    { "knob_orvapw_EQ", "HEQ_GAIN", "Arial", 0, 0, 1033, 0x6501, 333, 349, 54, 54, 0, nullptr },
    { "edittext_ro", "HEQ_GAIN", "Arial", 15, 0, 1032, (int32_t) 0x8100000Bu, 350, 409, 36, 18, 0, nullptr },
    { "label", "dB", "Arial", 12, 0, 1025, -1, 379, 409, 28, 18, 0, nullptr },
    { "knob_orvapw_EQ", "HEQ_WIDTH", "Arial", 0, 0, 1033, 0x6502, 333, 429, 54, 54, 0, nullptr },
    { "edittext_ro", "HEQ_WIDTH", "Arial", 15, 0, 1032, (int32_t) 0x8100000Cu, 350, 489, 36, 18, 0, nullptr },
};

// layer 1044
const UI_FORMINFO g_uiFormItem_ID_GLOBAL_PARAM_Mini[3] = {
    { "label", "WIDE", "Arial", 15, 0, 1025, -1, 10, 20, 100, 16, 0, nullptr },
    { "label", "USB ROUTING", "Arial", 15, 0, 1025, 0x4300, 10, 64, 100, 16, 0, nullptr },
    { "label", "AUDIO EQ", "Arial", 15, 0, 1025, -1, 10, 108, 100, 16, 0, nullptr },
};

// layer 1045
const UI_FORMINFO g_uiFormItem_ID_USBRouting_PARAM[2] = {
    { "label_orvapw", "USB ROUTING", "Arial", 15, 0, 1025, -1, 7, 10, 80, 16, 0, nullptr },
    { "img_routing_orva", "USB ROUTING", "Arial", 15, 0, 1035, -1, 10, 55, 405, 155, 0, nullptr },
};

const UI_FORMINFO g_uiFormInfoArray[14] = {
    { "Layer", "", "", 0, 0, 1047, -1, 0, 0, 559, 230, 3, g_uiFormItem_ID_EDIT_PARAM },
    { "Layer", "", "", 0, 0, 1052, -1, 0, 0, 559, 230, 21, g_uiFormItem_ID_PEDAL1_PARAM },
    { "Layer", "", "", 0, 0, 1053, -1, 0, 0, 559, 230, 22, g_uiFormItem_ID_PEDAL2_PARAM },
    { "Layer", "", "", 0, 0, 1055, -1, 0, 0, 559, 230, 32, g_uiFormItem_ID_AMP_PARAM },
    { "Layer", "", "", 0, 0, 1040, -1, 0, 0, 559, 230, 4, g_uiFormItem_ID_GLOBAL_PARAM },
    { "Layer", "", "", 0, 0, 1041, -1, 0, 0, 559, 230, 46, g_uiFormItem_ID_AUDIOEQ_PARAM },
    { "Layer", "", "", 0, 0, 1048, -1, 0, 0, 559, 230, 3, g_uiFormItem_ID_EDIT_PARAM_Small },
    { "Layer", "", "", 0, 0, 1056, -1, 0, 0, 559, 230, 21, g_uiFormItem_ID_PEDAL1_PARAM_Small },
    { "Layer", "", "", 0, 0, 1057, -1, 0, 0, 559, 230, 22, g_uiFormItem_ID_PEDAL2_PARAM_Small },
    { "Layer", "", "", 0, 0, 1059, -1, 0, 0, 559, 230, 32, g_uiFormItem_ID_AMP_PARAM_Small },
    { "Layer", "", "", 0, 0, 1042, -1, 0, 0, 559, 230, 4, g_uiFormItem_ID_GLOBAL_PARAM_Small },
    { "Layer", "", "", 0, 0, 1043, -1, 0, 0, 559, 230, 46, g_uiFormItem_ID_AUDIOEQ_PARAM_Small },
    { "Layer", "", "", 0, 0, 1044, -1, 0, 0, 559, 230, 3, g_uiFormItem_ID_GLOBAL_PARAM_Mini },
    { "Layer", "", "", 0, 0, 1045, -1, 0, 0, 559, 230, 2, g_uiFormItem_ID_USBRouting_PARAM },
};

const UI_FORMINFO_BLOCK g_uiFormInfoBlock = { 14, g_uiFormInfoArray };
} // namespace orvaPW
// clang-format on
