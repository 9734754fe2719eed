#pragma once

#include "ParamTable/TABLEDESC.h"

// Per-type row tables of the Pedal1, Pedal2, Reverb and Amp modules of an HMQ
// program, and one TABLEDESC per module type in type order.
namespace HMQ
{
extern const SParamDesc TABLE_Pedal1Type_00_COMP[6];
extern const SParamDesc TABLE_Pedal1Type_01_CHORUS[6];
extern const SParamDesc TABLE_Pedal1Type_02_TUBEOD[6];
extern const SParamDesc TABLE_Pedal1Type_03_GOLDDRIVE[6];
extern const SParamDesc TABLE_Pedal1Type_04_TrebleBoost[6];
extern const SParamDesc TABLE_Pedal1Type_05_RCBooster[6];
extern const SParamDesc TABLE_Pedal1Type_06_OrangeDist[6];
extern const SParamDesc TABLE_Pedal1Type_07_FATDIST[6];
extern const SParamDesc TABLE_Pedal1Type_08_BritLead[6];
extern const SParamDesc TABLE_Pedal1Type_09_FUZZ[6];
extern const SParamDesc TABLE_Pedal2Type_00_FLANGER[6];
extern const SParamDesc TABLE_Pedal2Type_01_PHASER1[6];
extern const SParamDesc TABLE_Pedal2Type_02_PHASER2[6];
extern const SParamDesc TABLE_Pedal2Type_03_PHASER3[6];
extern const SParamDesc TABLE_Pedal2Type_04_TREMOLO[6];
extern const SParamDesc TABLE_Pedal2Type_05_TAPEECHO[6];
extern const SParamDesc TABLE_Pedal2Type_06_ADELAY[6];
extern const SParamDesc TABLE_RevType_00_ROOM[5];
extern const SParamDesc TABLE_RevType_01_SPRING[5];
extern const SParamDesc TABLE_RevType_02_HALL[5];
extern const SParamDesc TABLE_RevType_03_PLATE[5];
extern const SParamDesc TABLE_AmpType_00_DeluxeCL_Vibrato[13];
extern const SParamDesc TABLE_AmpType_01_DeluxeCL_Normal[13];
extern const SParamDesc TABLE_AmpType_02_Tweed4x10_bright[13];
extern const SParamDesc TABLE_AmpType_03_Tweed4x10_Normal[13];
extern const SParamDesc TABLE_AmpType_04_BTQCLEAN[13];
extern const SParamDesc TABLE_AmpType_05_BTQOD[13];
extern const SParamDesc TABLE_AmpType_06_ZULQT50[13];
extern const SParamDesc TABLE_AmpType_07_ZULQT50HB[13];
extern const SParamDesc TABLE_AmpType_08_BRIT1959_Bright[13];
extern const SParamDesc TABLE_AmpType_09_BRIT1959_Normal[13];
extern const SParamDesc TABLE_AmpType_10_BRIT800[13];
extern const SParamDesc TABLE_AmpType_11_BRITVM[13];
extern const SParamDesc TABLE_AmpType_12_SLOD[13];
extern const SParamDesc TABLE_AmpType_13_DoubleRec[13];
extern const SParamDesc TABLE_AmpType_14_Xtacy[13];
extern const SParamDesc TABLE_AmpType_15_5150_ch2[13];
extern const SParamDesc TABLE_AmpType_16_5150_ch3[13];
extern const SParamDesc TABLE_AmpType_17_BTQMETAL[13];
extern const SParamDesc TABLE_AmpType_18_Rockerverb[13];
extern const SParamDesc TABLE_AmpType_19_OriginalCL[13];

extern const TABLEDESC TABLEARRAY_Pedal1FX[10];
extern const TABLEDESC TABLEARRAY_Pedal2FX[7];
extern const TABLEDESC TABLEARRAY_RevFX[4];
extern const TABLEDESC TABLEARRAY_AmpFX[20];
} // namespace HMQ
