#pragma once

// The program edit record: 62 bytes of 8-bit data (name in bytes 0-15,
// NR SENS 16, switches 17, amp 18-28, FX1 31-37, FX2 39-46).
namespace orvaPW
{
struct sEditBuf
{
    unsigned char bytes[62];
};
static_assert(sizeof(sEditBuf) == 62, "the program record is 62 bytes");
} // namespace orvaPW
