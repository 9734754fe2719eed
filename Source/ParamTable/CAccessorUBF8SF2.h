#pragma once

#include "ParamTable/CAccessorUBF8.h"

// One-byte field holding (value - 1) in its bits 2 and up.
class CAccessorUBF8SF2 : public CAccessorUBF8
{
public:
    CAccessorUBF8SF2(unsigned char model, unsigned first, unsigned last) : CAccessorUBF8(model, first, last) {}

protected:
    int fieldToValue(uint32_t field) const override { return (int) (field >> 2) + 1; }

    int64_t valueToField(int value) const override
    {
        // In unsigned arithmetic: a value below 1 is cut by the field's mask.
        return (int64_t) ((uint64_t) ((int64_t) value - 1) << 2);
    }
};
