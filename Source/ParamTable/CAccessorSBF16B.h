#pragma once

#include "ParamTable/CBitFieldAccessor.h"

// Two's complement field in a 16-bit big-endian word.
class CAccessorSBF16B : public CBitFieldAccessor
{
public:
    CAccessorSBF16B(unsigned char model, unsigned first, unsigned last)
        : CBitFieldAccessor(2, bigEndian, signedField, first, last)
    {}
};
