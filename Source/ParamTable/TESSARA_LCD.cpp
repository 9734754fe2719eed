#include "ParamTable/TESSARA_LCD.h"

#include <cstdint>

// clang-format off

namespace TESSARA_LCD
{
bool ischarprint(unsigned char c)
{
    // One bit per code 0 to 63; a set bit marks a code that is not printable.
    constexpr uint64_t notPrintable = 0x50000000FC00507EULL;
    if (c >= 64)
        return true;
    return ((notPrintable >> c) & 1u) == 0;
}

unsigned char decodechar(unsigned char code)
{
    const int c = code + 32;
    if (c >= 95 && c <= 127)
        return ' ';
    return (unsigned char) (c & 0xFF);
}

unsigned char encodechar(unsigned char c)
{
    if (c >= 33 && c <= 94)
        return (unsigned char) (c - 32);
    return 0;
}
} // namespace TESSARA_LCD
// clang-format on
