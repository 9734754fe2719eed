#pragma once

// The global block: 19 bytes; bytes 2-4 carry WIDE, USB routing and the
// audio-EQ selection, the others are carried unchanged.
namespace orvaPW
{
struct sGlobalBuf
{
    unsigned char bytes[19];
};
static_assert(sizeof(sGlobalBuf) == 19, "the global block is 19 bytes");
} // namespace orvaPW
