#pragma once

#include "ParamTable/ParamKinds.h"

#include <cstdint>

class IAccessor;
class IStringConverter;

// One parameter row. Static tables hold the first fifteen fields; set-up
// attaches the shared accessor and converter, and sections fill in the buffer
// of every row they hand out.
struct SParamDesc
{
    const char* name;    // display name; a single blank where none is shown
    const char* unit;    // unit text shown after the value; may be empty
    const char* tooltip; // key of the localised tooltip; empty for none
    int32_t id;          // parameter id; -1 for a row that is no parameter
    PTYPE ptype;
    ATYPE atype;
    uint32_t offset;   // byte offset of the value in the section's buffer
    uint16_t firstBit; // lowest bit of the field in the accessor's word
    uint16_t lastBit;  // highest bit; start bit of a 6-bit display text
    int defValue;
    int minValue;
    int maxValue;
    int initValue;
    uint32_t flags;
    const char* format; // value list or value-to-text rules; never null
    IAccessor* accessor = nullptr;
    IStringConverter* converter = nullptr;
    void* data = nullptr;
};

// Row flags.
namespace ParamFlags
{
constexpr uint32_t notWritable = 0x1;
constexpr uint32_t disabled = 0x2;
constexpr uint32_t hidden = 0x4;
constexpr uint32_t initFromDefault = 0xF0; // any of bits 4 to 7
constexpr uint32_t altRect = 0x20;
constexpr uint32_t altRect2 = 0x40;
constexpr int layoutSlotShift = 8;
constexpr uint32_t layoutSlotMask = 31;
} // namespace ParamFlags
