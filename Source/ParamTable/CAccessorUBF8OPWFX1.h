#pragma once

#include "OrvaPW/OrvaPWTypeNames.h"
#include "ParamTable/CAccessorUBF8.h"

// Orva PW FX1 type in one byte, stored as its wire value.
class CAccessorUBF8OPWFX1 : public CAccessorUBF8
{
public:
    CAccessorUBF8OPWFX1(unsigned char model, unsigned first, unsigned last) : CAccessorUBF8(model, first, last) {}

protected:
    int fieldToValue(uint32_t field) const override { return orvaPW::getFX1Type((orvaPW::eMIDIFX1Type) field); }

    int64_t valueToField(int value) const override { return orvaPW::getFX1TypeValue((orvaPW::eFX1Type) value); }
};
