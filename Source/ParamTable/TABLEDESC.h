#pragma once

#include "ParamTable/SParamDesc.h"

#include <cstdint>

// Handle of one static parameter table: its first row and its row count.
struct TABLEDESC
{
    const SParamDesc* rows;
    uint64_t count;
};
