#pragma once

#include "ParamTable/CBitFieldAccessor.h"

// Two's complement field in a 16-bit little-endian word.
class CAccessorSBF16L : public CBitFieldAccessor
{
public:
    CAccessorSBF16L(unsigned char model, unsigned first, unsigned last)
        : CBitFieldAccessor(2, littleEndian, signedField, first, last)
    {}
};
