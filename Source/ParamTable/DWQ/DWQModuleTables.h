#pragma once

#include "ParamTable/TABLEDESC.h"

// Per-type row tables of the DWQ modulation, amp and delay/reverb modules,
// one TABLEDESC per module type in type order.
namespace DWQ
{
extern const SParamDesc TABLE_FX1Type_00_OFF[1];
extern const SParamDesc TABLE_FX1Type_01_CHORUS[1];
extern const SParamDesc TABLE_FX1Type_02_FLANGER[1];
extern const SParamDesc TABLE_FX1Type_03_ORGPHASE[1];
extern const SParamDesc TABLE_FX1Type_04_TWINTREM[1];

extern const SParamDesc TABLE_DlyRevType_00_OFF[2];
extern const SParamDesc TABLE_DlyRevType_01_ADELAY[2];
extern const SParamDesc TABLE_DlyRevType_02_TECHO[2];
extern const SParamDesc TABLE_DlyRevType_03_SPRING[2];
extern const SParamDesc TABLE_DlyRevType_04_HALL[2];

extern const SParamDesc TABLE_AmpType_00_BTQCLEAN[4];
extern const SParamDesc TABLE_AmpType_01_BTQOD[4];
extern const SParamDesc TABLE_AmpType_02_DELUXECL[4];
extern const SParamDesc TABLE_AmpType_03_TWEED4X10[4];
extern const SParamDesc TABLE_AmpType_04_BRIT1959[4];
extern const SParamDesc TABLE_AmpType_05_BRIT800[4];
extern const SParamDesc TABLE_AmpType_06_BRITVM[4];
extern const SParamDesc TABLE_AmpType_07_DOUBLEREC[4];
extern const SParamDesc TABLE_AmpType_08_SLOD[4];
extern const SParamDesc TABLE_AmpType_09_QT50[4];
extern const SParamDesc TABLE_AmpType_10_QT50HB[4];

extern const TABLEDESC TABLEARRAY_ModFX[5];
extern const TABLEDESC TABLEARRAY_AmpFX[11];
extern const TABLEDESC TABLEARRAY_DlyRevFX[5];
} // namespace DWQ
