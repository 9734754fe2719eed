#pragma once

#include "ParamTable/CAccessorUBF8.h"

// Orva KX amp type in one byte: the wire code 38 stands for type 22 (FLAT).
class CAccessorUBF8OKXAMP : public CAccessorUBF8
{
public:
    CAccessorUBF8OKXAMP(unsigned char model, unsigned first, unsigned last) : CAccessorUBF8(model, first, last) {}

protected:
    int fieldToValue(uint32_t field) const override { return field == 38 ? 22 : (int) field; }

    int64_t valueToField(int value) const override { return value == 22 ? 38 : value; }
};
