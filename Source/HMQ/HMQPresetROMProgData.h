#pragma once

#include "ParamTable/HMQ/sEditBuf.h"

// The HMQ factory presets: the preload data and the preset records the data
// centre reads.
namespace HMQ
{
// 60 program records of 62 bytes, preset 0 first.
extern const unsigned char m_sPresetROMProgData[60 * 62];

// The preset records (presets received from an amplifier replace them until
// the next data centre reloads the preload data).
extern sEditBuf m_sROMProgDataN[60];

// Copies the preload data into m_sROMProgDataN.
void Load_HMQPresetROMProg();
} // namespace HMQ
