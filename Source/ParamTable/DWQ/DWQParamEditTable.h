#pragma once

#include "ParamTable/TABLEDESC.h"

// Rows of the DWQ program section's own table, and the value formats the
// DWQ tables share.
namespace DWQ
{
extern const char* const FMTSTR_FX1TYPE;
extern const char* const FMTSTR_DLYREVTYPE;
extern const char* const FMTSTR_AMPTYPE;
extern const char* const FMTSTR_0_10;
extern const char* const FMTSTR_FLOAT0;

extern const SParamDesc TABLE_PARAMEDIT[17];
extern const TABLEDESC TABLEDESC_PARAMEDIT;
} // namespace DWQ
