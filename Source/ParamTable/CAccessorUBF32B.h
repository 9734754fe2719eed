#pragma once

#include "ParamTable/CBitFieldAccessor.h"

// Unsigned field in a 32-bit big-endian word.
class CAccessorUBF32B : public CBitFieldAccessor
{
public:
    CAccessorUBF32B(unsigned char model, unsigned first, unsigned last)
        : CBitFieldAccessor(4, bigEndian, unsignedField, first, last)
    {}
};
