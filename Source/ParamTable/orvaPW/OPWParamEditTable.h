#pragma once

#include "ParamTable/TABLEDESC.h"

// Rows of the program section's own table.
namespace orvaPW
{
extern const SParamDesc TABLE_PARAMEDIT[17];
extern const TABLEDESC TABLEDESC_PARAMEDIT;
} // namespace orvaPW
