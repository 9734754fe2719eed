#include "UIForm/DWQ/DWQFormTables.h"

#include <cstdint>

// clang-format off

// class, text, face, font height, font style, ID, PARAMID, x, y, width, height, children
namespace DWQ
{
// layer 1047
const UI_FORMINFO g_uiFormItem_ID_EDIT_PARAM[34] = {
    { "imgbtn_pedal_dwq", "tagPedalType", "Arial", 16, 0, 1034, 0x400, 20, 81, 112, 111, 0, nullptr },
    { "switch", "", "Arial", 15, 0, 1030, (int32_t) 0x80000011u, 63, 505, 19, 19, 0, nullptr },
    { "ulabel", "SPEED", "Arial", 12, 0, 1026, -1, 85, 291, 32, 22, 0, nullptr },
    { "knob_L", "SPEED", "Arial", 0, 0, 1033, 0x401, 33, 219, 80, 78, 0, nullptr },
    { "edittext_ro", "SPEED", "Arial", 15, 0, 1032, (int32_t) 0x80000001u, 48, 291, 49, 22, 0, nullptr },
    { "label", "SPEED", "Arial", 12, 0, 1025, -1, 45, 207, 56, 16, 0, nullptr },
    { "imgbtn_rev_dwq", "tagDlyRevType", "Arial", 16, 0, 1034, 0x500, 170, 81, 112, 111, 0, nullptr },
    { "switch", "", "Arial", 15, 0, 1030, (int32_t) 0x80000012u, 217, 505, 19, 19, 0, nullptr },
    { "knob_L", "MIX", "Arial", 0, 0, 1033, 0x501, 156, 219, 80, 78, 0, nullptr },
    { "edittext_ro", "MIX", "Arial", 15, 0, 1032, (int32_t) 0x80000007u, 176, 291, 40, 22, 0, nullptr },
    { "label", "MIX", "Arial", 12, 0, 1025, -1, 173, 207, 46, 16, 0, nullptr },
    { "ulabel", "TIME", "Arial", 12, 0, 1026, -1, 276, 291, 32, 22, 0, nullptr },
    { "knob_L", "TIME", "Arial", 0, 0, 1033, 0x502, 222, 219, 80, 78, 0, nullptr },
    { "edittext_ro", "TIME", "Arial", 15, 0, 1032, (int32_t) 0x80000009u, 242, 291, 40, 22, 0, nullptr },
    { "label", "TIME", "Arial", 12, 0, 1025, -1, 234, 207, 56, 16, 0, nullptr },
    { "imgbtn_amp_dwq", "tagAmpType", "Arial", 16, 0, 1034, 0x300, 426, 21, 170, 140, 0, nullptr },
    { "knob_L", "GAIN", "Arial", 0, 0, 1033, 0x301, 335, 219, 80, 78, 0, nullptr },
    { "edittext_ro", "GAIN", "Arial", 15, 0, 1032, (int32_t) 0x80000003u, 354, 291, 40, 22, 0, nullptr },
    { "label", "GAIN", "Arial", 12, 0, 1025, -1, 352, 207, 46, 16, 0, nullptr },
    { "knob_L", "TREBLE", "Arial", 0, 0, 1033, 0x302, 401, 219, 80, 78, 0, nullptr },
    { "edittext_ro", "TREBLE", "Arial", 15, 0, 1032, (int32_t) 0x8000000Cu, 420, 291, 40, 22, 0, nullptr },
    { "label", "TREBLE", "Arial", 12, 0, 1025, -1, 410, 207, 62, 16, 0, nullptr },
    { "knob_L", "MIDDLE", "Arial", 0, 0, 1033, 0x303, 467, 219, 80, 78, 0, nullptr },
    { "edittext_ro", "MIDDLE", "Arial", 15, 0, 1032, (int32_t) 0x8000000Du, 487, 291, 40, 22, 0, nullptr },
    { "label", "MIDDLE", "Arial", 12, 0, 1025, -1, 479, 207, 56, 16, 0, nullptr },
    { "knob_L", "BASS", "Arial", 0, 0, 1033, 0x304, 533, 219, 80, 78, 0, nullptr },
    { "edittext_ro", "BASS", "Arial", 15, 0, 1032, (int32_t) 0x8000000Eu, 553, 291, 40, 22, 0, nullptr },
    { "label", "BASS", "Arial", 12, 0, 1025, -1, 545, 207, 56, 16, 0, nullptr },
    { "knob_L", "tagNR", "Arial", 0, 0, 1033, 0x100, 599, 219, 80, 78, 0, nullptr },
    { "edittext_ro", "tagNR", "Arial", 15, 0, 1032, (int32_t) 0x8000000Bu, 619, 291, 40, 22, 0, nullptr },
    { "label", "NR", "Arial", 12, 0, 1025, -1, 611, 207, 56, 16, 0, nullptr },
    { "knob_L", "tagVolume", "Arial", 0, 0, 1033, 0x200, 665, 219, 80, 78, 0, nullptr },
    { "edittext_ro", "tagVolume", "Arial", 15, 0, 1032, (int32_t) 0x8000000Au, 685, 291, 40, 22, 0, nullptr },
    { "label", "VOLUME", "Arial", 12, 0, 1025, -1, 678, 207, 56, 16, 0, nullptr },
};

// layer 1048
const UI_FORMINFO g_uiFormItem_ID_EDIT_PARAM_Phone[32] = {
    { "imgbtn_pedal_dwq", "tagPedalType", "Arial", 16, 0, 1034, 0x400, 20, 81, 112, 111, 0, nullptr },
    { "ulabel", "SPEED", "Arial", 12, 0, 1026, -1, 85, 291, 32, 22, 0, nullptr },
    { "knobpreset", "SPEED", "Arial", 0, 0, 1033, 0x401, 33, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "SPEED", "Arial", 15, 0, 1032, (int32_t) 0x80000001u, 48, 291, 49, 22, 0, nullptr },
    { "label", "SPEED", "Arial", 12, 0, 1025, -1, 45, 207, 56, 16, 0, nullptr },
    { "imgbtn_rev_dwq", "tagDlyRevType", "Arial", 16, 0, 1034, 0x500, 170, 81, 112, 111, 0, nullptr },
    { "knobpreset", "MIX", "Arial", 0, 0, 1033, 0x501, 156, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "MIX", "Arial", 15, 0, 1032, (int32_t) 0x80000007u, 176, 291, 40, 22, 0, nullptr },
    { "label", "MIX", "Arial", 12, 0, 1025, -1, 173, 207, 46, 16, 0, nullptr },
    { "ulabel", "TIME", "Arial", 12, 0, 1026, -1, 276, 291, 32, 22, 0, nullptr },
    { "knobpreset", "TIME", "Arial", 0, 0, 1033, 0x502, 222, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "TIME", "Arial", 15, 0, 1032, (int32_t) 0x80000009u, 242, 291, 40, 22, 0, nullptr },
    { "label", "TIME", "Arial", 12, 0, 1025, -1, 234, 207, 56, 16, 0, nullptr },
    { "imgbtn_amp_small_dwq", "tagAmpType", "Arial", 16, 0, 1034, 0x300, 426, 21, 170, 140, 0, nullptr },
    { "knobpreset", "GAIN", "Arial", 0, 0, 1033, 0x301, 335, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "GAIN", "Arial", 15, 0, 1032, (int32_t) 0x80000003u, 354, 291, 40, 22, 0, nullptr },
    { "label", "GAIN", "Arial", 12, 0, 1025, -1, 352, 207, 46, 16, 0, nullptr },
    { "knobpreset", "TREBLE", "Arial", 0, 0, 1033, 0x302, 401, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "TREBLE", "Arial", 15, 0, 1032, (int32_t) 0x8000000Cu, 420, 291, 40, 22, 0, nullptr },
    { "label", "TREBLE", "Arial", 12, 0, 1025, -1, 410, 207, 62, 16, 0, nullptr },
    { "knobpreset", "MIDDLE", "Arial", 0, 0, 1033, 0x303, 467, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "MIDDLE", "Arial", 15, 0, 1032, (int32_t) 0x8000000Du, 487, 291, 40, 22, 0, nullptr },
    { "label", "MIDDLE", "Arial", 12, 0, 1025, -1, 479, 207, 56, 16, 0, nullptr },
    { "knobpreset", "BASS", "Arial", 0, 0, 1033, 0x304, 533, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "BASS", "Arial", 15, 0, 1032, (int32_t) 0x8000000Eu, 553, 291, 40, 22, 0, nullptr },
    { "label", "BASS", "Arial", 12, 0, 1025, -1, 545, 207, 56, 16, 0, nullptr },
    { "knobpreset", "tagNR", "Arial", 0, 0, 1033, 0x100, 599, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "tagNR", "Arial", 15, 0, 1032, (int32_t) 0x8000000Bu, 619, 291, 40, 22, 0, nullptr },
    { "label", "NR", "Arial", 12, 0, 1025, -1, 611, 207, 56, 16, 0, nullptr },
    { "knobpreset", "tagVolume", "Arial", 0, 0, 1033, 0x200, 665, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "tagVolume", "Arial", 15, 0, 1032, (int32_t) 0x8000000Au, 685, 291, 40, 22, 0, nullptr },
    { "label", "VOLUME", "Arial", 12, 0, 1025, -1, 678, 207, 56, 16, 0, nullptr },
};

// layer 1049
const UI_FORMINFO g_uiFormItem_ID_EDIT_PARAM_SmallTablet[32] = {
    { "imgbtn_pedal_dwq", "tagPedalType", "Arial", 16, 0, 1034, 0x400, 20, 81, 112, 111, 0, nullptr },
    { "ulabel", "SPEED", "Arial", 12, 0, 1026, -1, 85, 291, 32, 22, 0, nullptr },
    { "knobpreset", "SPEED", "Arial", 0, 0, 1033, 0x401, 33, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "SPEED", "Arial", 15, 0, 1032, (int32_t) 0x80000001u, 48, 291, 49, 22, 0, nullptr },
    { "label", "SPEED", "Arial", 12, 0, 1025, -1, 45, 207, 56, 16, 0, nullptr },
    { "imgbtn_rev_dwq", "tagDlyRevType", "Arial", 16, 0, 1034, 0x500, 170, 81, 112, 111, 0, nullptr },
    { "knobpreset", "MIX", "Arial", 0, 0, 1033, 0x501, 156, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "MIX", "Arial", 15, 0, 1032, (int32_t) 0x80000007u, 176, 291, 40, 22, 0, nullptr },
    { "label", "MIX", "Arial", 12, 0, 1025, -1, 173, 207, 46, 16, 0, nullptr },
    { "ulabel", "TIME", "Arial", 12, 0, 1026, -1, 276, 291, 32, 22, 0, nullptr },
    { "knobpreset", "TIME", "Arial", 0, 0, 1033, 0x502, 222, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "TIME", "Arial", 15, 0, 1032, (int32_t) 0x80000009u, 242, 291, 40, 22, 0, nullptr },
    { "label", "TIME", "Arial", 12, 0, 1025, -1, 234, 207, 56, 16, 0, nullptr },
    { "imgbtn_amp_small_dwq", "tagAmpType", "Arial", 16, 0, 1034, 0x300, 426, 21, 170, 140, 0, nullptr },
    { "knobpreset", "GAIN", "Arial", 0, 0, 1033, 0x301, 335, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "GAIN", "Arial", 15, 0, 1032, (int32_t) 0x80000003u, 354, 291, 40, 22, 0, nullptr },
    { "label", "GAIN", "Arial", 12, 0, 1025, -1, 352, 207, 46, 16, 0, nullptr },
    { "knobpreset", "TREBLE", "Arial", 0, 0, 1033, 0x302, 401, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "TREBLE", "Arial", 15, 0, 1032, (int32_t) 0x8000000Cu, 420, 291, 40, 22, 0, nullptr },
    { "label", "TREBLE", "Arial", 12, 0, 1025, -1, 410, 207, 62, 16, 0, nullptr },
    { "knobpreset", "MIDDLE", "Arial", 0, 0, 1033, 0x303, 467, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "MIDDLE", "Arial", 15, 0, 1032, (int32_t) 0x8000000Du, 487, 291, 40, 22, 0, nullptr },
    { "label", "MIDDLE", "Arial", 12, 0, 1025, -1, 479, 207, 56, 16, 0, nullptr },
    { "knobpreset", "BASS", "Arial", 0, 0, 1033, 0x304, 533, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "BASS", "Arial", 15, 0, 1032, (int32_t) 0x8000000Eu, 553, 291, 40, 22, 0, nullptr },
    { "label", "BASS", "Arial", 12, 0, 1025, -1, 545, 207, 56, 16, 0, nullptr },
    { "knobpreset", "tagNR", "Arial", 0, 0, 1033, 0x100, 599, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "tagNR", "Arial", 15, 0, 1032, (int32_t) 0x8000000Bu, 619, 291, 40, 22, 0, nullptr },
    { "label", "NR", "Arial", 12, 0, 1025, -1, 611, 207, 56, 16, 0, nullptr },
    { "knobpreset", "tagVolume", "Arial", 0, 0, 1033, 0x200, 665, 219, 54, 54, 0, nullptr },
    { "edittext_ro", "tagVolume", "Arial", 15, 0, 1032, (int32_t) 0x8000000Au, 685, 291, 40, 22, 0, nullptr },
    { "label", "VOLUME", "Arial", 12, 0, 1025, -1, 678, 207, 56, 16, 0, nullptr },
};

const UI_FORMINFO g_uiFormInfoArray[3] = {
    { "Layer", "", "", 0, 0, 1047, -1, 0, 0, 559, 230, 34, g_uiFormItem_ID_EDIT_PARAM },
    { "Layer", "", "", 0, 0, 1048, -1, 0, 0, 559, 230, 32, g_uiFormItem_ID_EDIT_PARAM_Phone },
    { "Layer", "", "", 0, 0, 1049, -1, 0, 0, 559, 230, 32, g_uiFormItem_ID_EDIT_PARAM_SmallTablet },
};

const UI_FORMINFO_BLOCK g_uiFormInfoBlock = { 3, g_uiFormInfoArray };
} // namespace DWQ
// clang-format on
