#pragma once

#include "OrvaKX/OrvaKXTypeNames.h"
#include "ParamTable/CAccessorUBF8.h"

// Orva KX FX1 type in one byte, stored as its wire value.
class CAccessorUBF8OKXFX1 : public CAccessorUBF8
{
public:
    CAccessorUBF8OKXFX1(unsigned char model, unsigned first, unsigned last) : CAccessorUBF8(model, first, last) {}

protected:
    int fieldToValue(uint32_t field) const override { return orvaKX::getFX1Type((orvaKX::eMIDIFX1Type) field); }

    int64_t valueToField(int value) const override { return orvaKX::getFX1TypeValue((orvaKX::eFX1Type) value); }
};
