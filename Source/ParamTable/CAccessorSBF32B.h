#pragma once

#include "ParamTable/CBitFieldAccessor.h"

// Two's complement field in a 32-bit big-endian word.
class CAccessorSBF32B : public CBitFieldAccessor
{
public:
    CAccessorSBF32B(unsigned char model, unsigned first, unsigned last)
        : CBitFieldAccessor(4, bigEndian, signedField, first, last)
    {}
};
