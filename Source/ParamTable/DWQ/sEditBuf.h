#pragma once

// The DWQ program record: 30 bytes (name in bytes 0-15, NR 16, VOLUME 17,
// amp type 18, GAIN/TREBLE/MIDDLE/BASS 19-22, modulation type 23, SPEED
// 24-25 little-endian, delay/reverb type 26, MIX 27, TIME 28-29
// little-endian). A module is off when its type is 0.
namespace DWQ
{
struct sEditBuf
{
    unsigned char bytes[30];
};
static_assert(sizeof(sEditBuf) == 30, "the program record is 30 bytes");

// The initial program: the init buffer of every DWQ program section.
extern const unsigned char m_InitProgData[30];
} // namespace DWQ
