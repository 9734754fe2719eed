#include "ParamTable/DWQ/DWQParamEditTable.h"

#include "ParamTable/DWQ/sEditBuf.h"

// clang-format off

namespace DWQ
{
const unsigned char m_InitProgData[30] = {
    // 0-15 name (blanks), 16 NR 16, 17 VOLUME 50, 18 amp type 4, 19-22 50,
    // 23 modulation off, 24-25 SPEED 0, 26 delay/reverb off, 27 MIX 0, 28-29 TIME 40
    32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32,
    0x10, 0x32, 0x04, 0x32, 0x32, 0x32, 0x32, 0x00, 0x00, 0x00, 0x00, 0x00, 0x28, 0x00,
};

const char* const FMTSTR_FX1TYPE = "OFF\nCHORUS\nFLANGER\nORG PHASE\nTWIN TREM";
const char* const FMTSTR_DLYREVTYPE = "OFF\nA.DELAY\nTAPE ECHO\nSPRING\nHALL";
const char* const FMTSTR_AMPTYPE = "DELUXE CL\nTWEED 4x10\nBOUTIQUE CL\nBOUTIQUE OD\nZUL QT50\nZUL QT50HB\nBRIT 1959\nBRIT 800\nBRIT VM\nSL-OD\nDOUBLE REC";
const char* const FMTSTR_0_10 = "0~100\t0~10\t%.1f,v";
const char* const FMTSTR_FLOAT0 = "%.0f,v";

// Row fields: name, unit, tooltip, id, PTYPE, ATYPE, byte, first bit, last bit,
// default, min, max, init, flags, format. The four ids 0x8000001x address the
// section's own state bytes, not the record (byte 0 of the state byte).
const SParamDesc TABLE_PARAMEDIT[17] = {
    { " ", "", "", (int32_t) 0xFFFF0000, PTYPE_STR, ATYPE_STR16, 0, 0, 0, 0, 0, 0, 0, 0x0, "" },
    { " ", "", "", (int32_t) 0x80000011, PTYPE_CONT, ATYPE_UBF8, 0, 0, 0, 0, 0, 1, 0, 0x0, "Off\tOn" },
    { " ", "", "", 0x400, PTYPE_ENUM, ATYPE_UBF8, 23, 0, 6, 0, 0, 0, 0, 0x0, "OFF\nCHORUS\nFLANGER\nORG PHASE\nTWIN TREM" },
    { " ", "", "", 0x401, PTYPE_CONT, ATYPE_UBF16L, 24, 0, 15, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { " ", "", "", (int32_t) 0x80000012, PTYPE_CONT, ATYPE_UBF8, 0, 0, 0, 0, 0, 1, 0, 0x0, "Off\tOn" },
    { " ", "", "", 0x500, PTYPE_ENUM, ATYPE_UBF8, 26, 0, 6, 0, 0, 0, 0, 0x0, "OFF\nA.DELAY\nTAPE ECHO\nSPRING\nHALL" },
    { " ", "", "", 0x501, PTYPE_CONT, ATYPE_UBF8, 27, 0, 6, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { " ", "", "", 0x502, PTYPE_CONT, ATYPE_UBF16L, 28, 0, 15, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { " ", "", "", 0x300, PTYPE_ENUM, ATYPE_UBF8, 18, 0, 6, 0, 0, 0, 0, 0x0, "DELUXE CL\nTWEED 4x10\nBOUTIQUE CL\nBOUTIQUE OD\nZUL QT50\nZUL QT50HB\nBRIT 1959\nBRIT 800\nBRIT VM\nSL-OD\nDOUBLE REC" },
    { " ", "", "", 0x301, PTYPE_CONT, ATYPE_UBF8, 19, 0, 6, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { " ", "", "", 0x302, PTYPE_CONT, ATYPE_UBF8, 20, 0, 6, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { " ", "", "", 0x303, PTYPE_CONT, ATYPE_UBF8, 21, 0, 6, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { " ", "", "", 0x304, PTYPE_CONT, ATYPE_UBF8, 22, 0, 6, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { " ", "", "", 0x200, PTYPE_CONT, ATYPE_UBF8, 17, 0, 6, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { " ", "", "", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { " ", "", "", (int32_t) 0x80000013, PTYPE_CONT, ATYPE_UBF8, 0, 0, 6, 1, 1, 4, 0, 0x0, "%.0f,v" },
    { " ", "", "", (int32_t) 0x80000014, PTYPE_CONT, ATYPE_UBF8, 0, 0, 6, 1, 1, 4, 0, 0x0, "%.0f,v" },
};

const TABLEDESC TABLEDESC_PARAMEDIT { TABLE_PARAMEDIT, 17 };
} // namespace DWQ
// clang-format on
