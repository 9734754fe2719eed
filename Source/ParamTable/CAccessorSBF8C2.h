#pragma once

#include "ParamTable/CBitFieldAccessor.h"

// One-byte field holding the value plus 2.
class CAccessorSBF8C2 : public CBitFieldAccessor
{
public:
    CAccessorSBF8C2(unsigned char model, unsigned first, unsigned last)
        : CBitFieldAccessor(1, bigEndian, unsignedField, first, last)
    {}

protected:
    int fieldToValue(uint32_t field) const override { return (int) ((int64_t) field - bias); }

    int64_t valueToField(int value) const override { return (int64_t) value + bias; }

    uint32_t bias = 2;
};
