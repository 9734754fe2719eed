#include "ParamTable/orvaKX/OKXParamEditTable.h"

// clang-format off

namespace orvaKX
{
// Row fields: name, unit, tooltip, id, PTYPE, ATYPE, byte, first bit, last bit,
// default, min, max, init, flags, format.
const SParamDesc TABLE_PARAMEDIT[17] = {
    { " ", "", "", (int32_t) 0xFFFF0000, PTYPE_STR, ATYPE_STR16, 0, 0, 0, 0, 0, 0, 0, 0x0, "" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 4, 0, 0, 4, 0, 0x800, "0\tOFF\n1~4\t1~4\t%.0f,v" },
    { " ", "", "", 0x201, PTYPE_CONT, ATYPE_UBF8, 17, 1, 1, 0, 0, 1, 0, 0x0, "Off\tOn" },
    { " ", "", "", 0x301, PTYPE_ENUM, (ATYPE) 6, 31, 0, 6, 0, 0, 0, 0, 0x0, "CE CHORUS\nSTEREO CHORUS\nBLACK FLANGER\nSTEREO FLANGER\nORG PHASER 1\nORG PHASER 2\nSMALL PHASE\nDUO PHASE(FREE)\nDUO PHASE(SYNC)\nTWIN TREM\nHARMONIC TREM" },
    { " ", "", "", 0x202, PTYPE_CONT, ATYPE_UBF8, 17, 2, 2, 0, 0, 1, 0, 0x0, "Off\tOn" },
    { " ", "", "", 0x302, PTYPE_ENUM, ATYPE_UBF8, 39, 0, 6, 0, 0, 0, 0, 0x0, "TAPE\nA.DLY\nWIDE DLY\nCROSS DELAY\nROOM\nHALL\nSPRING\nPLATE" },
    { " ", "", "", 0x300, PTYPE_ENUM, (ATYPE) 4, 18, 0, 6, 0, 0, 0, 0, 0x0, "DELUXE CL VIBRATO\nDELUXE CL NORMAL\nTWEED 4x10 BRIGHT\nTWEED 4x10 NORMAL\nBOUTIQUE CL\nBOUTIQUE OD\nQT50\nQT50HB\nBRIT 1959 TREBLE\nBRIT 1959 NORMAL\nBRIT 800\nBRIT VM\nSL-OD\nDOUBLE REC\nCALI ELATION\nERUPT III CH2\nERUPT III CH3\nBOUTIQUE METAL\nBRIT VERB\nORIGINAL CL\nTEXAS LEAD\nACOUSTIC SIMULATOR\nFLAT" },
    { " ", "", "", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 6, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { " ", "", "", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 6, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { " ", "", "", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 6, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { " ", "", "", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 6, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { " ", "", "", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 6, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { " ", "", "", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 6, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { " ", "", "", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 6, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { " ", "", "", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 6, 0, 0, 1, 0, 0x0, "Off\tOn" },
    { " ", "", "", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 6, 0, 0, 1, 0, 0x0, "Off\tOn" },
    { " ", "", "", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 6, 0, 0, 1, 0, 0x0, "Off\tOn" },
};

const TABLEDESC TABLEDESC_PARAMEDIT { TABLE_PARAMEDIT, 17 };
} // namespace orvaKX
// clang-format on
