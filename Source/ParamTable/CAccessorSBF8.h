#pragma once

#include "ParamTable/CBitFieldAccessor.h"

// Two's complement field in one byte.
class CAccessorSBF8 : public CBitFieldAccessor
{
public:
    CAccessorSBF8(unsigned char model, unsigned first, unsigned last) : CBitFieldAccessor(1, bigEndian, signedField, first, last)
    {}
};
