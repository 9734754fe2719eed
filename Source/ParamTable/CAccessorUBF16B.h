#pragma once

#include "ParamTable/CBitFieldAccessor.h"

// Unsigned field in a 16-bit big-endian word.
class CAccessorUBF16B : public CBitFieldAccessor
{
public:
    CAccessorUBF16B(unsigned char model, unsigned first, unsigned last)
        : CBitFieldAccessor(2, bigEndian, unsignedField, first, last)
    {}
};
