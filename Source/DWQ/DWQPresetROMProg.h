#pragma once

#include "ParamTable/DWQ/sEditBuf.h"

// The DWQ factory presets: the preload image and the preset records the
// data centre serves.
namespace DWQ
{
constexpr int kNumPresets = 11;

// The factory presets as shipped: 30-byte program records.
extern const unsigned char m_sPresetROMProgData[kNumPresets][30];

// The preset records, filled from m_sPresetROMProgData.
extern sEditBuf m_sROMProgDataN[kNumPresets];

// Copies the factory presets into the preset records.
void Load_DWQPresetROMProg();
} // namespace DWQ
