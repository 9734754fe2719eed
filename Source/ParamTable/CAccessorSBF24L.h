#pragma once

#include "ParamTable/CBitFieldAccessor.h"

// Two's complement field in a 24-bit little-endian word.
class CAccessorSBF24L : public CBitFieldAccessor
{
public:
    CAccessorSBF24L(unsigned char model, unsigned first, unsigned last)
        : CBitFieldAccessor(3, littleEndian, signedField, first, last)
    {}
};
