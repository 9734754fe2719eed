#pragma once

// Character rules of the amplifier's small display.
namespace TESSARA_LCD
{
// The printable-character test of the display: codes 1-6, 12, 14, 26-31,
// "<" and ">" are not printable; every other code, and every code from 64
// up, is.
bool ischarprint(unsigned char c);

// Character of a display code: code c is the character c + 32; codes whose
// character would fall in 95 to 127 read as a blank.
unsigned char decodechar(unsigned char code);

// Display code of a character: 33 to 94 are stored as value - 32, every
// other character (the blank included) as code 0.
unsigned char encodechar(unsigned char c);
} // namespace TESSARA_LCD
