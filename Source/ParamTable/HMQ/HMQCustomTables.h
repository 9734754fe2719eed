#pragma once

#include "ParamTable/TABLEDESC.h"

// Rows of the custom section (ids 0x90000000 + n over the four custom slots)
// and the initial custom slots.
namespace HMQ
{
extern const SParamDesc TABLE_CUSTOMEDIT[102];
extern const TABLEDESC TABLEDESC_CUSTOMEDIT;

extern const unsigned char INITCHUNK_CUSTOMPARAM[248];
} // namespace HMQ
