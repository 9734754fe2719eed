#pragma once

// One audio-EQ block: trim, on switch, then four bands of {frequency u16
// little-endian, gain, Q}. The current EQ and the four stored slots use it.
namespace orvaPW
{
struct sAudioEQBuf
{
    unsigned char bytes[18];
};
static_assert(sizeof(sAudioEQBuf) == 18, "the audio-EQ block is 18 bytes");
} // namespace orvaPW
