#include "ParamTable/HMQ/HMQParamEditTable.h"

#include "ParamTable/HMQ/HMQFormats.h"

// clang-format off

namespace HMQ
{
// Row fields: name, unit, tooltip, id, PTYPE, ATYPE, byte, first bit, last bit,
// default, min, max, init, flags, format.
const SParamDesc TABLE_PARAMEDIT[23] = {
    { " ", "", "", (int32_t) 0xFFFF0000, PTYPE_STR, ATYPE_STR16, 0, 0, 0, 0, 0, 0, 0, 0x0, "" },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { " ", "", "", 0x201, PTYPE_CONT, ATYPE_UBF8, 17, 1, 1, 0, 0, 1, 0, 0x0, "Off\tOn" },
    { " ", "", "TT_P1TYPE", 0x301, PTYPE_ENUM, ATYPE_UBF8, 31, 0, 6, 0, 0, 0, 0, 0x0, FMTSTR_PEDAL1TYPE },
    { " ", "", "", 0x202, PTYPE_CONT, ATYPE_UBF8, 17, 2, 2, 0, 0, 1, 0, 0x0, "Off\tOn" },
    { " ", "", "TT_P2TYPE", 0x302, PTYPE_ENUM, ATYPE_UBF8, 39, 0, 6, 0, 0, 0, 0, 0x0, FMTSTR_PEDAL2TYPE },
    { " ", "", "", 0x204, PTYPE_CONT, ATYPE_UBF8, 17, 4, 4, 0, 0, 1, 0, 0x0, "Off\tOn" },
    { " ", "", "TT_REVTYPE", 0x304, PTYPE_ENUM, ATYPE_UBF8, 55, 0, 6, 0, 0, 0, 0, 0x0, FMTSTR_REVTYPE },
    { " ", "", "TT_AMPTYPE", 0x300, PTYPE_ENUM, ATYPE_UBF8, 18, 0, 6, 0, 0, 0, 0, 0x0, FMTSTR_AMPTYPE },
    { " ", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { " ", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { " ", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { " ", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { " ", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { " ", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { " ", "", "TT_Resonence", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { " ", "", "TT_Bright", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 6, 0, 0, 1, 0, 0x0, "Off\tOn" },
    { " ", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 6, 0, 0, 1, 0, 0x0, "Off\tOn" },
    { " ", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 6, 0, 0, 1, 0, 0x0, "Off\tOn" },
    { " ", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 6, 0, 0, 2, 0, 0x0, FMTSTR_0_10 },
    { " ", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 6, 0, 0, 1, 0, 0x0, FMTSTR_0_10 },
    { " ", "", "", (int32_t) 0x8000001E, PTYPE_CONT, ATYPE_UBF8, 29, 0, 6, 0, 0, 2, 0, 0x1, FMTSTR_0_10 },
    { " ", "", "", (int32_t) 0x8000001F, PTYPE_CONT, ATYPE_UBF8, 30, 0, 6, 0, 0, 1, 0, 0x1, FMTSTR_0_10 },
};

const TABLEDESC TABLEDESC_PARAMEDIT { TABLE_PARAMEDIT, 23 };

// The initial program: blank name, all modules off, amp type 6.
const unsigned char m_InitProgData[62] = {
    0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20,
    0x1e, 0x00, 0x06, 0x32, 0x32, 0x32, 0x32, 0x32, 0x14, 0x4b, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x32, 0x00, 0x43, 0x39, 0x01, 0x00, 0x00, 0x00, 0xc8, 0x00, 0x32, 0x4d, 0x00, 0x01, 0x23, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x4b, 0x2d, 0x00, 0x24, 0x19, 0x00,
};
} // namespace HMQ
// clang-format on
