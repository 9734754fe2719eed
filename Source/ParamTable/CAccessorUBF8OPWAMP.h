#pragma once

#include "ParamTable/CAccessorUBF8.h"

// Orva PW amp type in one byte: types 0 to 16 are stored as 22 to 38.
class CAccessorUBF8OPWAMP : public CAccessorUBF8
{
public:
    CAccessorUBF8OPWAMP(unsigned char model, unsigned first, unsigned last) : CAccessorUBF8(model, first, last) {}

protected:
    int fieldToValue(uint32_t field) const override { return (int) field - 22; }

    int64_t valueToField(int value) const override { return (int64_t) value + 22; }
};
