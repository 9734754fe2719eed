#pragma once

#include "ParamTable/TABLEDESC.h"

// Per-type row tables of the amp, FX1 and FX2 modules of a program, one
// TABLEDESC per module type in type order.
namespace orvaKX
{
extern const TABLEDESC TABLEARRAY_AmpFX[23];
extern const TABLEDESC TABLEARRAY_FX1FX[11];
extern const TABLEDESC TABLEARRAY_FX2FX[8];
} // namespace orvaKX
