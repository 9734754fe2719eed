#include "ParamTable/DWQ/DWQModuleTables.h"

// clang-format off

namespace DWQ
{
// Row fields: name, unit, tooltip, id, PTYPE, ATYPE, byte, first bit, last bit,
// default, min, max, init, flags, format.
const SParamDesc TABLE_FX1Type_00_OFF[1] = {
    { "SPEED", "    ", "", 0x401, PTYPE_CONT, ATYPE_UBF16L, 24, 0, 15, 300, 300, 7000, 0, 0x0, "300~7000\t0.3~7.0\t%.3f,v" },
};
const SParamDesc TABLE_FX1Type_01_CHORUS[1] = {
    { "SPEED", "[Hz]", "", 0x401, PTYPE_CONT, ATYPE_UBF16L, 24, 0, 15, 300, 300, 7000, 0, 0x0, "300~7000\t0.3~7.0\t%.3f,v" },
};
const SParamDesc TABLE_FX1Type_02_FLANGER[1] = {
    { "SPEED", "[Hz]", "", 0x401, PTYPE_CONT, ATYPE_UBF16L, 24, 0, 15, 100, 100, 5000, 0, 0x0, "100~5000\t0.1~5.0\t%.3f,v" },
};
const SParamDesc TABLE_FX1Type_03_ORGPHASE[1] = {
    { "SPEED", "[Hz]", "", 0x401, PTYPE_CONT, ATYPE_UBF16L, 24, 0, 15, 150, 150, 9000, 0, 0x0, "150~9000\t0.15~9.0\t%.3f,v" },
};
const SParamDesc TABLE_FX1Type_04_TWINTREM[1] = {
    { "SPEED", "[Hz]", "", 0x401, PTYPE_CONT, ATYPE_UBF16L, 24, 0, 15, 2500, 2500, 10000, 0, 0x0, "2500~10000\t2.5~10.0\t%.3f,v" },
};

// MIX has no unit; TIME shows "[ms]" for the two delays.
const SParamDesc TABLE_DlyRevType_00_OFF[2] = {
    { "MIX", "", "", 0x501, PTYPE_CONT, ATYPE_UBF8, 27, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "TIME", "    ", "", 0x502, PTYPE_CONT, ATYPE_UBF16L, 28, 0, 15, 40, 40, 1110, 0, 0x0, "%.0f,v" },
};
const SParamDesc TABLE_DlyRevType_01_ADELAY[2] = {
    { "MIX", "", "", 0x501, PTYPE_CONT, ATYPE_UBF8, 27, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "TIME", "[ms]", "", 0x502, PTYPE_CONT, ATYPE_UBF16L, 28, 0, 15, 40, 40, 1110, 0, 0x0, "%.0f,v" },
};
const SParamDesc TABLE_DlyRevType_02_TECHO[2] = {
    { "MIX", "", "", 0x501, PTYPE_CONT, ATYPE_UBF8, 27, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "TIME", "[ms]", "", 0x502, PTYPE_CONT, ATYPE_UBF16L, 28, 0, 15, 40, 40, 1110, 0, 0x0, "%.0f,v" },
};
const SParamDesc TABLE_DlyRevType_03_SPRING[2] = {
    { "MIX", "", "", 0x501, PTYPE_CONT, ATYPE_UBF8, 27, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "TIME", "    ", "", 0x502, PTYPE_CONT, ATYPE_UBF16L, 28, 0, 15, 40, 40, 1110, 0, 0x0, "%.0f,v" },
};
const SParamDesc TABLE_DlyRevType_04_HALL[2] = {
    { "MIX", "", "", 0x501, PTYPE_CONT, ATYPE_UBF8, 27, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "TIME", "    ", "", 0x502, PTYPE_CONT, ATYPE_UBF16L, 28, 0, 15, 40, 40, 1110, 0, 0x0, "%.0f,v" },
};

// The amp rows are the same for every amp type.
const SParamDesc TABLE_AmpType_00_BTQCLEAN[4] = {
    { "GAIN", "", "", 0x301, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x302, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x303, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x304, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_AmpType_01_BTQOD[4] = {
    { "GAIN", "", "", 0x301, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x302, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x303, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x304, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_AmpType_02_DELUXECL[4] = {
    { "GAIN", "", "", 0x301, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x302, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x303, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x304, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_AmpType_03_TWEED4X10[4] = {
    { "GAIN", "", "", 0x301, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x302, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x303, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x304, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_AmpType_04_BRIT1959[4] = {
    { "GAIN", "", "", 0x301, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x302, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x303, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x304, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_AmpType_05_BRIT800[4] = {
    { "GAIN", "", "", 0x301, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x302, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x303, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x304, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_AmpType_06_BRITVM[4] = {
    { "GAIN", "", "", 0x301, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x302, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x303, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x304, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_AmpType_07_DOUBLEREC[4] = {
    { "GAIN", "", "", 0x301, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x302, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x303, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x304, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_AmpType_08_SLOD[4] = {
    { "GAIN", "", "", 0x301, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x302, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x303, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x304, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_AmpType_09_QT50[4] = {
    { "GAIN", "", "", 0x301, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x302, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x303, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x304, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_AmpType_10_QT50HB[4] = {
    { "GAIN", "", "", 0x301, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x302, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x303, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x304, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, "0~100\t0~10\t%.1f,v" },
};

const TABLEDESC TABLEARRAY_ModFX[5] = {
    { TABLE_FX1Type_00_OFF, 1 },
    { TABLE_FX1Type_01_CHORUS, 1 },
    { TABLE_FX1Type_02_FLANGER, 1 },
    { TABLE_FX1Type_03_ORGPHASE, 1 },
    { TABLE_FX1Type_04_TWINTREM, 1 },
};
const TABLEDESC TABLEARRAY_AmpFX[11] = {
    { TABLE_AmpType_00_BTQCLEAN, 4 },
    { TABLE_AmpType_01_BTQOD, 4 },
    { TABLE_AmpType_02_DELUXECL, 4 },
    { TABLE_AmpType_03_TWEED4X10, 4 },
    { TABLE_AmpType_04_BRIT1959, 4 },
    { TABLE_AmpType_05_BRIT800, 4 },
    { TABLE_AmpType_06_BRITVM, 4 },
    { TABLE_AmpType_07_DOUBLEREC, 4 },
    { TABLE_AmpType_08_SLOD, 4 },
    { TABLE_AmpType_09_QT50, 4 },
    { TABLE_AmpType_10_QT50HB, 4 },
};
const TABLEDESC TABLEARRAY_DlyRevFX[5] = {
    { TABLE_DlyRevType_00_OFF, 2 },
    { TABLE_DlyRevType_01_ADELAY, 2 },
    { TABLE_DlyRevType_02_TECHO, 2 },
    { TABLE_DlyRevType_03_SPRING, 2 },
    { TABLE_DlyRevType_04_HALL, 2 },
};
} // namespace DWQ
// clang-format on
