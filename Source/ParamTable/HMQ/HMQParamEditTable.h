#pragma once

#include "ParamTable/TABLEDESC.h"

// Rows of the HMQ program section's own table and the initial program.
namespace HMQ
{
extern const SParamDesc TABLE_PARAMEDIT[23];
extern const TABLEDESC TABLEDESC_PARAMEDIT;

// The init buffer of every HMQ program section and the content of a new record.
extern const unsigned char m_InitProgData[62];
} // namespace HMQ
