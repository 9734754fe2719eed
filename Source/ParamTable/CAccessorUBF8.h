#pragma once

#include "ParamTable/CBitFieldAccessor.h"

// Unsigned field in one byte.
class CAccessorUBF8 : public CBitFieldAccessor
{
public:
    CAccessorUBF8(unsigned char model, unsigned first, unsigned last)
        : CBitFieldAccessor(1, bigEndian, unsignedField, first, last)
    {}
};
