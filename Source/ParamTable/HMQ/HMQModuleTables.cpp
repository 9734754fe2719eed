#include "ParamTable/HMQ/HMQModuleTables.h"

#include "ParamTable/HMQ/HMQFormats.h"

// clang-format off

namespace HMQ
{
// Row fields: name, unit, tooltip, id, PTYPE, ATYPE, byte, first bit, last bit,
// default, min, max, init, flags, format.

// Pedal1: ids 0x500-0x505; the first value is 16-bit over bytes 32-33.
const SParamDesc TABLE_Pedal1Type_00_COMP[6] = {
    { "SENS", "    ", "TT_COMP_SENS", 0x500, PTYPE_CONT, ATYPE_UBF16L, 32, 0, 15, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "LEVEL", "    ", "TT_COMP_LEVEL", 0x501, PTYPE_CONT, ATYPE_UBF8, 34, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "ATTACK", "    ", "TT_COMP_ATTACK", 0x502, PTYPE_CONT, ATYPE_UBF8, 35, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOICE", "    ", "TT_COMP_VOICE", 0x503, PTYPE_CONT, ATYPE_UBF8, 36, 0, 7, 0, 0, 2, 0, 0x0, "0\t1\n1\t2\n2\t3" },
    { "", "    ", "", 0x504, PTYPE_CONT, ATYPE_UBF8, 37, 0, 7, 0, 0, 0, 0, 0x4, FMTSTR_FLOAT0 },
    { "", "    ", "", 0x505, PTYPE_CONT, ATYPE_UBF8, 38, 0, 7, 0, 0, 0, 0, 0x4, FMTSTR_FLOAT0 },
};
const SParamDesc TABLE_Pedal1Type_01_CHORUS[6] = {
    { "SPEED", "[Hz]", "TT_CHO_SPEED", 0x500, PTYPE_CONT, ATYPE_UBF16L, 32, 0, 15, 100, 100, 10000, 0, 0x0, FMTSTR_Speed100_10000 },
    { "DEPTH", "    ", "TT_CHO_DEPTH", 0x501, PTYPE_CONT, ATYPE_UBF8, 34, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MANUAL", "    ", "TT_CHO_MANUAL", 0x502, PTYPE_CONT, ATYPE_UBF8, 35, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIX", "    ", "TT_CHO_MIX", 0x503, PTYPE_CONT, ATYPE_UBF8, 36, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "LOW CUT", "    ", "TT_CHO_LOWCUT", 0x504, PTYPE_CONT, ATYPE_UBF8, 37, 0, 7, 0, 0, 1, 0, 0x80, FMTSTR_OFFON },
    { "HIGH CUT", "    ", "TT_CHO_HIGHCUT", 0x505, PTYPE_CONT, ATYPE_UBF8, 38, 0, 7, 0, 0, 1, 0, 0x80, FMTSTR_OFFON },
};
const SParamDesc TABLE_Pedal1Type_02_TUBEOD[6] = {
    { "DRIVE", "    ", "TT_OD_DRIVE", 0x500, PTYPE_CONT, ATYPE_UBF16L, 32, 0, 15, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TONE", "    ", "TT_OD_TONE", 0x501, PTYPE_CONT, ATYPE_UBF8, 34, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "LEVEL", "    ", "TT_OD_LEVEL", 0x502, PTYPE_CONT, ATYPE_UBF8, 35, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "    ", "TT_OD_TREBLE", 0x503, PTYPE_CONT, ATYPE_UBF8, 36, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "    ", "TT_OD_MIDDLE", 0x504, PTYPE_CONT, ATYPE_UBF8, 37, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "    ", "TT_OD_BASS", 0x505, PTYPE_CONT, ATYPE_UBF8, 38, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_Pedal1Type_03_GOLDDRIVE[6] = {
    { "DRIVE", "    ", "TT_OD_DRIVE", 0x500, PTYPE_CONT, ATYPE_UBF16L, 32, 0, 15, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TONE", "    ", "TT_OD_TONE", 0x501, PTYPE_CONT, ATYPE_UBF8, 34, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "LEVEL", "    ", "TT_OD_LEVEL", 0x502, PTYPE_CONT, ATYPE_UBF8, 35, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "    ", "TT_OD_TREBLE", 0x503, PTYPE_CONT, ATYPE_UBF8, 36, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "    ", "TT_OD_MIDDLE", 0x504, PTYPE_CONT, ATYPE_UBF8, 37, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "    ", "TT_OD_BASS", 0x505, PTYPE_CONT, ATYPE_UBF8, 38, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_Pedal1Type_04_TrebleBoost[6] = {
    { "DRIVE", "    ", "TT_OD_DRIVE", 0x500, PTYPE_CONT, ATYPE_UBF16L, 32, 0, 15, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TONE", "    ", "TT_OD_TONE", 0x501, PTYPE_CONT, ATYPE_UBF8, 34, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "LEVEL", "    ", "TT_OD_LEVEL", 0x502, PTYPE_CONT, ATYPE_UBF8, 35, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "    ", "TT_OD_TREBLE", 0x503, PTYPE_CONT, ATYPE_UBF8, 36, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "    ", "TT_OD_MIDDLE", 0x504, PTYPE_CONT, ATYPE_UBF8, 37, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "    ", "TT_OD_BASS", 0x505, PTYPE_CONT, ATYPE_UBF8, 38, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_Pedal1Type_05_RCBooster[6] = {
    { "DRIVE", "    ", "TT_OD_DRIVE", 0x500, PTYPE_CONT, ATYPE_UBF16L, 32, 0, 15, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TONE", "    ", "TT_OD_TONE", 0x501, PTYPE_CONT, ATYPE_UBF8, 34, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "LEVEL", "    ", "TT_OD_LEVEL", 0x502, PTYPE_CONT, ATYPE_UBF8, 35, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "    ", "TT_OD_TREBLE", 0x503, PTYPE_CONT, ATYPE_UBF8, 36, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "    ", "TT_OD_MIDDLE", 0x504, PTYPE_CONT, ATYPE_UBF8, 37, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "    ", "TT_OD_BASS", 0x505, PTYPE_CONT, ATYPE_UBF8, 38, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_Pedal1Type_06_OrangeDist[6] = {
    { "DRIVE", "    ", "TT_DIST_DRIVE", 0x500, PTYPE_CONT, ATYPE_UBF16L, 32, 0, 15, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TONE", "    ", "TT_DIST_TONE", 0x501, PTYPE_CONT, ATYPE_UBF8, 34, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "LEVEL", "    ", "TT_DIST_LEVEL", 0x502, PTYPE_CONT, ATYPE_UBF8, 35, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "    ", "TT_DIST_TREBLE", 0x503, PTYPE_CONT, ATYPE_UBF8, 36, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "    ", "TT_DIST_MIDDLE", 0x504, PTYPE_CONT, ATYPE_UBF8, 37, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "    ", "TT_DIST_BASS", 0x505, PTYPE_CONT, ATYPE_UBF8, 38, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_Pedal1Type_07_FATDIST[6] = {
    { "DRIVE", "    ", "TT_DIST_DRIVE", 0x500, PTYPE_CONT, ATYPE_UBF16L, 32, 0, 15, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TONE", "    ", "TT_DIST_TONE", 0x501, PTYPE_CONT, ATYPE_UBF8, 34, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "LEVEL", "    ", "TT_DIST_LEVEL", 0x502, PTYPE_CONT, ATYPE_UBF8, 35, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "    ", "TT_DIST_TREBLE", 0x503, PTYPE_CONT, ATYPE_UBF8, 36, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "    ", "TT_DIST_MIDDLE", 0x504, PTYPE_CONT, ATYPE_UBF8, 37, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "    ", "TT_DIST_BASS", 0x505, PTYPE_CONT, ATYPE_UBF8, 38, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_Pedal1Type_08_BritLead[6] = {
    { "DRIVE", "    ", "TT_DIST_DRIVE", 0x500, PTYPE_CONT, ATYPE_UBF16L, 32, 0, 15, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TONE", "    ", "TT_DIST_TONE", 0x501, PTYPE_CONT, ATYPE_UBF8, 34, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "LEVEL", "    ", "TT_DIST_LEVEL", 0x502, PTYPE_CONT, ATYPE_UBF8, 35, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "    ", "TT_DIST_TREBLE", 0x503, PTYPE_CONT, ATYPE_UBF8, 36, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "    ", "TT_DIST_MIDDLE", 0x504, PTYPE_CONT, ATYPE_UBF8, 37, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "    ", "TT_DIST_BASS", 0x505, PTYPE_CONT, ATYPE_UBF8, 38, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_Pedal1Type_09_FUZZ[6] = {
    { "DRIVE", "    ", "TT_DIST_DRIVE", 0x500, PTYPE_CONT, ATYPE_UBF16L, 32, 0, 15, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TONE", "    ", "TT_DIST_TONE", 0x501, PTYPE_CONT, ATYPE_UBF8, 34, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "LEVEL", "    ", "TT_DIST_LEVEL", 0x502, PTYPE_CONT, ATYPE_UBF8, 35, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "    ", "TT_DIST_TREBLE", 0x503, PTYPE_CONT, ATYPE_UBF8, 36, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "    ", "TT_DIST_MIDDLE", 0x504, PTYPE_CONT, ATYPE_UBF8, 37, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "    ", "TT_DIST_BASS", 0x505, PTYPE_CONT, ATYPE_UBF8, 38, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};

// Pedal2: ids 0x600-0x605; the first value is 16-bit over bytes 40-41.
const SParamDesc TABLE_Pedal2Type_00_FLANGER[6] = {
    { "SPEED", "[Hz]", "TT_FLG_SPEED", 0x600, PTYPE_CONT, ATYPE_UBF16L, 40, 0, 15, 100, 100, 5000, 0, 0x0, FMTSTR_Speed100_5000 },
    { "DEPTH", "    ", "TT_FLG_DEPTH", 0x601, PTYPE_CONT, ATYPE_UBF8, 42, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MANUAL", "    ", "TT_FLG_MANUAL", 0x602, PTYPE_CONT, ATYPE_UBF8, 43, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "LOW CUT", "    ", "TT_FLG_LOWCUT", 0x603, PTYPE_CONT, ATYPE_UBF8, 44, 0, 7, 0, 0, 1, 0, 0x80, FMTSTR_OFFON },
    { "HIGH CUT", "    ", "TT_FLG_HIGHCUT", 0x604, PTYPE_CONT, ATYPE_UBF8, 45, 0, 7, 0, 0, 1, 0, 0x80, FMTSTR_OFFON },
    { "RESONANCE", "    ", "TT_FLG_RESONANCE", 0x605, PTYPE_CONT, ATYPE_UBF8, 46, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_Pedal2Type_01_PHASER1[6] = {
    { "SPEED", "[Hz]", "TT_PHS_SPEED", 0x600, PTYPE_CONT, ATYPE_UBF16L, 40, 0, 15, 100, 100, 10000, 0, 0x0, FMTSTR_Speed100_10000 },
    { "RESONANCE", "    ", "TT_PHS_RESONANCE", 0x601, PTYPE_CONT, ATYPE_UBF8, 42, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MANUAL", "    ", "TT_PHS_MANUAL", 0x602, PTYPE_CONT, ATYPE_UBF8, 43, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "DEPTH", "    ", "TT_PHS_DEPTH", 0x603, PTYPE_CONT, ATYPE_UBF8, 44, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "", "    ", "", 0x604, PTYPE_CONT, ATYPE_UBF8, 45, 0, 7, 0, 0, 0, 0, 0x4, FMTSTR_FLOAT0 },
    { "", "    ", "", 0x605, PTYPE_CONT, ATYPE_UBF8, 46, 0, 7, 0, 0, 0, 0, 0x4, FMTSTR_FLOAT0 },
};
const SParamDesc TABLE_Pedal2Type_02_PHASER2[6] = {
    { "SPEED", "[Hz]", "TT_PHS_SPEED", 0x600, PTYPE_CONT, ATYPE_UBF16L, 40, 0, 15, 100, 100, 10000, 0, 0x0, FMTSTR_Speed100_10000 },
    { "RESONANCE", "    ", "TT_PHS_RESONANCE", 0x601, PTYPE_CONT, ATYPE_UBF8, 42, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MANUAL", "    ", "TT_PHS_MANUAL", 0x602, PTYPE_CONT, ATYPE_UBF8, 43, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "DEPTH", "    ", "TT_PHS_DEPTH", 0x603, PTYPE_CONT, ATYPE_UBF8, 44, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "", "    ", "", 0x604, PTYPE_CONT, ATYPE_UBF8, 45, 0, 7, 0, 0, 0, 0, 0x4, FMTSTR_FLOAT0 },
    { "", "    ", "", 0x605, PTYPE_CONT, ATYPE_UBF8, 46, 0, 7, 0, 0, 0, 0, 0x4, FMTSTR_FLOAT0 },
};
const SParamDesc TABLE_Pedal2Type_03_PHASER3[6] = {
    { "SPEED", "[Hz]", "TT_PHS_SPEED", 0x600, PTYPE_CONT, ATYPE_UBF16L, 40, 0, 15, 100, 100, 10000, 0, 0x0, FMTSTR_Speed100_10000 },
    { "RESONANCE", "    ", "TT_PHS_RESONANCE", 0x601, PTYPE_CONT, ATYPE_UBF8, 42, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MANUAL", "    ", "TT_PHS_MANUAL", 0x602, PTYPE_CONT, ATYPE_UBF8, 43, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "DEPTH", "    ", "TT_PHS_DEPTH", 0x603, PTYPE_CONT, ATYPE_UBF8, 44, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "", "    ", "", 0x604, PTYPE_CONT, ATYPE_UBF8, 45, 0, 7, 0, 0, 0, 0, 0x4, FMTSTR_FLOAT0 },
    { "", "    ", "", 0x605, PTYPE_CONT, ATYPE_UBF8, 46, 0, 7, 0, 0, 0, 0, 0x4, FMTSTR_FLOAT0 },
};
const SParamDesc TABLE_Pedal2Type_04_TREMOLO[6] = {
    { "SPEED", "[Hz]", "TT_TREM_SPEED", 0x600, PTYPE_CONT, ATYPE_UBF16L, 40, 0, 15, 1650, 1650, 10000, 0, 0x0, FMTSTR_Speed1650_10000 },
    { "DEPTH", "    ", "TT_TREM_DEPTH", 0x601, PTYPE_CONT, ATYPE_UBF8, 42, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "DUTY", "    ", "TT_TREM_DUTY", 0x602, PTYPE_CONT, ATYPE_UBF8, 43, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "SHAPE", "    ", "TT_TREM_SHAPE", 0x603, PTYPE_CONT, ATYPE_UBF8, 44, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "LEVEL", "    ", "TT_TREM_LEVEL", 0x604, PTYPE_CONT, ATYPE_UBF8, 45, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "", "    ", "", 0x605, PTYPE_CONT, ATYPE_UBF8, 46, 0, 7, 0, 0, 0, 0, 0x4, FMTSTR_FLOAT0 },
};
const SParamDesc TABLE_Pedal2Type_05_TAPEECHO[6] = {
    { "TIME", "[ms]", "TT_DLY_TIME", 0x600, PTYPE_CONT, ATYPE_UBF16L, 40, 0, 15, 30, 30, 1200, 0, 0x0, FMTSTR_FLOAT0 },
    { "LEVEL", "    ", "TT_DLY_LEVEL", 0x601, PTYPE_CONT, ATYPE_UBF8, 42, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "FEEDBACK", "    ", "TT_DLY_FEEDBACK", 0x602, PTYPE_CONT, ATYPE_UBF8, 43, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TONE", "    ", "TT_DLY_TONE", 0x603, PTYPE_CONT, ATYPE_UBF8, 44, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MOD SPEED", "    ", "TT_DLY_MODSPEED", 0x604, PTYPE_CONT, ATYPE_UBF8, 45, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MOD DEPTH", "    ", "TT_DLY_MODDEPTH", 0x605, PTYPE_CONT, ATYPE_UBF8, 46, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_Pedal2Type_06_ADELAY[6] = {
    { "TIME", "[ms]", "TT_DLY_TIME", 0x600, PTYPE_CONT, ATYPE_UBF16L, 40, 0, 15, 30, 30, 1200, 0, 0x0, FMTSTR_FLOAT0 },
    { "LEVEL", "    ", "TT_DLY_LEVEL", 0x601, PTYPE_CONT, ATYPE_UBF8, 42, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "FEEDBACK", "    ", "TT_DLY_FEEDBACK", 0x602, PTYPE_CONT, ATYPE_UBF8, 43, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TONE", "    ", "TT_DLY_TONE", 0x603, PTYPE_CONT, ATYPE_UBF8, 44, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MOD SPEED", "    ", "TT_DLY_MODSPEED", 0x604, PTYPE_CONT, ATYPE_UBF8, 45, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MOD DEPTH", "    ", "TT_DLY_MODDEPTH", 0x605, PTYPE_CONT, ATYPE_UBF8, 46, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};

// Reverb: ids 0x800-0x804; the same rows for every reverb type.
const SParamDesc TABLE_RevType_00_ROOM[5] = {
    { "MIX", "", "TT_REV_MIX", 0x800, PTYPE_CONT, ATYPE_UBF8, 56, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TIME", "    ", "TT_REV_TIME", 0x801, PTYPE_CONT, ATYPE_UBF8, 57, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRE DELAY", "[ms]", "TT_REV_PREDELAY", 0x802, PTYPE_CONT, ATYPE_UBF8, 58, 0, 7, 0, 0, 70, 0, 0x0, FMTSTR_FLOAT0 },
    { "LOW DAMP", "", "TT_REV_LOWDAMP", 0x803, PTYPE_CONT, ATYPE_UBF8, 59, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "HIGH DAMP", "", "TT_REV_HIGHDAMP", 0x804, PTYPE_CONT, ATYPE_UBF8, 60, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_RevType_01_SPRING[5] = {
    { "MIX", "", "TT_REV_MIX", 0x800, PTYPE_CONT, ATYPE_UBF8, 56, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TIME", "    ", "TT_REV_TIME", 0x801, PTYPE_CONT, ATYPE_UBF8, 57, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRE DELAY", "[ms]", "TT_REV_PREDELAY", 0x802, PTYPE_CONT, ATYPE_UBF8, 58, 0, 7, 0, 0, 70, 0, 0x0, FMTSTR_FLOAT0 },
    { "LOW DAMP", "", "TT_REV_LOWDAMP", 0x803, PTYPE_CONT, ATYPE_UBF8, 59, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "HIGH DAMP", "", "TT_REV_HIGHDAMP", 0x804, PTYPE_CONT, ATYPE_UBF8, 60, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_RevType_02_HALL[5] = {
    { "MIX", "", "TT_REV_MIX", 0x800, PTYPE_CONT, ATYPE_UBF8, 56, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TIME", "    ", "TT_REV_TIME", 0x801, PTYPE_CONT, ATYPE_UBF8, 57, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRE DELAY", "[ms]", "TT_REV_PREDELAY", 0x802, PTYPE_CONT, ATYPE_UBF8, 58, 0, 7, 0, 0, 70, 0, 0x0, FMTSTR_FLOAT0 },
    { "LOW DAMP", "", "TT_REV_LOWDAMP", 0x803, PTYPE_CONT, ATYPE_UBF8, 59, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "HIGH DAMP", "", "TT_REV_HIGHDAMP", 0x804, PTYPE_CONT, ATYPE_UBF8, 60, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_RevType_03_PLATE[5] = {
    { "MIX", "", "TT_REV_MIX", 0x800, PTYPE_CONT, ATYPE_UBF8, 56, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TIME", "    ", "TT_REV_TIME", 0x801, PTYPE_CONT, ATYPE_UBF8, 57, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRE DELAY", "[ms]", "TT_REV_PREDELAY", 0x802, PTYPE_CONT, ATYPE_UBF8, 58, 0, 7, 0, 0, 70, 0, 0x0, FMTSTR_FLOAT0 },
    { "LOW DAMP", "", "TT_REV_LOWDAMP", 0x803, PTYPE_CONT, ATYPE_UBF8, 59, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "HIGH DAMP", "", "TT_REV_HIGHDAMP", 0x804, PTYPE_CONT, ATYPE_UBF8, 60, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};

// Amp: ids 0x400-0x40B (bytes 19-30), then NR SENS.
const SParamDesc TABLE_AmpType_00_DeluxeCL_Vibrato[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BRIGHT CAP", "", "TT_Bright", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 7, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 7, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_01_DeluxeCL_Normal[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "", "", "", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 7, 0, 0, 1, 0, 0x4, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 7, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 7, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_02_Tweed4x10_bright[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BRIGHT CAP", "", "TT_Bright", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 7, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 7, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_03_Tweed4x10_Normal[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "", "", "", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 7, 0, 0, 1, 0, 0x4, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 7, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 7, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_04_BTQCLEAN[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BRIGHT CAP", "", "TT_Bright", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 7, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 7, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_05_BTQOD[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BRIGHT CAP", "", "TT_Bright", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 7, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 7, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_06_ZULQT50[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TONE", "", "TT_QT50_Tone", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BRIGHT CAP", "", "TT_Bright", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 7, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 7, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_07_ZULQT50HB[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TONE", "", "TT_QT50_Tone", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BRIGHT CAP", "", "TT_Bright", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 7, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 7, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_08_BRIT1959_Bright[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BRIGHT CAP", "", "TT_Bright", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 7, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 7, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_09_BRIT1959_Normal[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "", "", "", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 7, 0, 0, 1, 0, 0x4, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 7, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 7, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_10_BRIT800[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BRIGHT CAP", "", "TT_Bright", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 7, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 7, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_11_BRITVM[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BRIGHT CAP", "", "TT_Bright", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 7, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 1, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 0, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_12_SLOD[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BRIGHT CAP", "", "TT_Bright", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 1, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 0, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_13_DoubleRec[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BRIGHT CAP", "", "TT_Bright", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 1, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 0, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_14_Xtacy[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BRIGHT CAP", "", "TT_Bright", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 1, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 0, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_15_5150_ch2[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "", "", "", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 0, 0, 0, 1, 0, 0x4, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 1, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 0, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_16_5150_ch3[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BRIGHT CAP", "", "TT_Bright", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 1, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 0, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_17_BTQMETAL[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "", "", "", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 0, 0, 0, 1, 0, 0x4, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 1, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 0, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_18_Rockerverb[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BRIGHT CAP", "", "TT_Bright", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 1, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 0, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};
const SParamDesc TABLE_AmpType_19_OriginalCL[13] = {
    { "GAIN", "", "TT_Gain", 0x400, PTYPE_CONT, ATYPE_UBF8, 19, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "TREBLE", "", "TT_Treble", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "MIDDLE", "", "TT_Middle", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BASS", "", "TT_Bass", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "VOLUME", "", "TT_Volume", 0x404, PTYPE_CONT, ATYPE_UBF8, 23, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "PRESENCE", "", "TT_Presence", 0x405, PTYPE_CONT, ATYPE_UBF8, 24, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "RESONANCE", "", "TT_Resonance", 0x406, PTYPE_CONT, ATYPE_UBF8, 25, 0, 7, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
    { "BRIGHT CAP", "", "TT_Bright", 0x407, PTYPE_CONT, ATYPE_UBF8, 26, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "LOW CUT", "", "TT_LowCut", 0x408, PTYPE_CONT, ATYPE_UBF8, 27, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "MID BOOST", "", "TT_MidBoost", 0x409, PTYPE_CONT, ATYPE_UBF8, 28, 0, 0, 0, 0, 1, 0, 0x0, FMTSTR_OFFON },
    { "BIAS SHIFT", "", "TT_BiasShift", 0x40A, PTYPE_CONT, ATYPE_UBF8, 29, 0, 1, 0, 0, 2, 0, 0x8, FMTSTR_BIAS },
    { "CLASS", "", "TT_Class", 0x40B, PTYPE_CONT, ATYPE_UBF8, 30, 0, 0, 0, 0, 1, 0, 0x8, FMTSTR_CLASS },
    { "NR SENS", "", "TT_NRSENS", 0x100, PTYPE_CONT, ATYPE_UBF8, 16, 0, 6, 0, 0, 100, 0, 0x0, FMTSTR_0_10 },
};

const TABLEDESC TABLEARRAY_Pedal1FX[10] = {
    { TABLE_Pedal1Type_00_COMP, 6 },
    { TABLE_Pedal1Type_01_CHORUS, 6 },
    { TABLE_Pedal1Type_02_TUBEOD, 6 },
    { TABLE_Pedal1Type_03_GOLDDRIVE, 6 },
    { TABLE_Pedal1Type_04_TrebleBoost, 6 },
    { TABLE_Pedal1Type_05_RCBooster, 6 },
    { TABLE_Pedal1Type_06_OrangeDist, 6 },
    { TABLE_Pedal1Type_07_FATDIST, 6 },
    { TABLE_Pedal1Type_08_BritLead, 6 },
    { TABLE_Pedal1Type_09_FUZZ, 6 },
};
const TABLEDESC TABLEARRAY_Pedal2FX[7] = {
    { TABLE_Pedal2Type_00_FLANGER, 6 },
    { TABLE_Pedal2Type_01_PHASER1, 6 },
    { TABLE_Pedal2Type_02_PHASER2, 6 },
    { TABLE_Pedal2Type_03_PHASER3, 6 },
    { TABLE_Pedal2Type_04_TREMOLO, 6 },
    { TABLE_Pedal2Type_05_TAPEECHO, 6 },
    { TABLE_Pedal2Type_06_ADELAY, 6 },
};
const TABLEDESC TABLEARRAY_RevFX[4] = {
    { TABLE_RevType_00_ROOM, 5 },
    { TABLE_RevType_01_SPRING, 5 },
    { TABLE_RevType_02_HALL, 5 },
    { TABLE_RevType_03_PLATE, 5 },
};
const TABLEDESC TABLEARRAY_AmpFX[20] = {
    { TABLE_AmpType_00_DeluxeCL_Vibrato, 13 },
    { TABLE_AmpType_01_DeluxeCL_Normal, 13 },
    { TABLE_AmpType_02_Tweed4x10_bright, 13 },
    { TABLE_AmpType_03_Tweed4x10_Normal, 13 },
    { TABLE_AmpType_04_BTQCLEAN, 13 },
    { TABLE_AmpType_05_BTQOD, 13 },
    { TABLE_AmpType_06_ZULQT50, 13 },
    { TABLE_AmpType_07_ZULQT50HB, 13 },
    { TABLE_AmpType_08_BRIT1959_Bright, 13 },
    { TABLE_AmpType_09_BRIT1959_Normal, 13 },
    { TABLE_AmpType_10_BRIT800, 13 },
    { TABLE_AmpType_11_BRITVM, 13 },
    { TABLE_AmpType_12_SLOD, 13 },
    { TABLE_AmpType_13_DoubleRec, 13 },
    { TABLE_AmpType_14_Xtacy, 13 },
    { TABLE_AmpType_15_5150_ch2, 13 },
    { TABLE_AmpType_16_5150_ch3, 13 },
    { TABLE_AmpType_17_BTQMETAL, 13 },
    { TABLE_AmpType_18_Rockerverb, 13 },
    { TABLE_AmpType_19_OriginalCL, 13 },
};
} // namespace HMQ
// clang-format on
