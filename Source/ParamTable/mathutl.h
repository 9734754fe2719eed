#pragma once

#include <string>
#include <vector>

// Text helpers shared by the parameter tables, accessors and converters.
namespace mathutl
{
// Splits text at every separator. An empty text gives no items; adjacent
// separators give empty items; a separator at the very end adds no empty item.
std::vector<std::string> breakstring(const char* text, char separator);

// Splits a list format into values, names and alternative names, one list
// position per line. A line may begin with a value and a tab; values count up
// from 0 or from the last explicit value plus one. Within a line the name may
// be followed by "|" and an alternative name. Any output may be null.
void breakenumstring(const char* text, std::vector<int>* values, std::vector<std::string>* names,
                     std::vector<std::string>* alternatives);

// The two-item text in which every value text is handed out: first, a NUL,
// second (or first again when second is null or empty), a NUL.
std::string makemultisz(const char* first, const char* second);

// The integer that begins text, with base detection (decimal, 0x hexadecimal,
// leading-0 octal); 0 when the text is null or begins with no number.
long parseleadinginteger(const char* text);
} // namespace mathutl
