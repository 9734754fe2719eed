#pragma once

#include "ParamTable/CBitFieldAccessor.h"

// Unsigned field in a 24-bit little-endian word.
class CAccessorUBF24L : public CBitFieldAccessor
{
public:
    CAccessorUBF24L(unsigned char model, unsigned first, unsigned last)
        : CBitFieldAccessor(3, littleEndian, unsignedField, first, last)
    {}
};
