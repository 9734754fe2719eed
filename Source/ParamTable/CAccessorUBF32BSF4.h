#pragma once

#include "ParamTable/CBitFieldAccessor.h"

// Unsigned field in a 32-bit big-endian word whose low four bits are a fraction that reads drop.
class CAccessorUBF32BSF4 : public CBitFieldAccessor
{
public:
    CAccessorUBF32BSF4(unsigned char model, unsigned first, unsigned last)
        : CBitFieldAccessor(4, bigEndian, unsignedField, first, last)
    {}

protected:
    int fieldToValue(uint32_t field) const override { return (int) (field >> 4); }

    int64_t valueToField(int value) const override
    {
        // In unsigned arithmetic: a negative value is cut by the field's mask.
        return (int64_t) ((uint64_t) (int64_t) value << 4);
    }
};
