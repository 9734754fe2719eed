#pragma once

#include "ParamTable/CBitFieldAccessor.h"

// Unsigned field in a 24-bit big-endian word.
class CAccessorUBF24B : public CBitFieldAccessor
{
public:
    CAccessorUBF24B(unsigned char model, unsigned first, unsigned last)
        : CBitFieldAccessor(3, bigEndian, unsignedField, first, last)
    {}
};
