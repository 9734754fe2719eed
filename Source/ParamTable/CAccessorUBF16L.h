#pragma once

#include "ParamTable/CBitFieldAccessor.h"

// Unsigned field in a 16-bit little-endian word.
class CAccessorUBF16L : public CBitFieldAccessor
{
public:
    CAccessorUBF16L(unsigned char model, unsigned first, unsigned last)
        : CBitFieldAccessor(2, littleEndian, unsignedField, first, last)
    {}
};
