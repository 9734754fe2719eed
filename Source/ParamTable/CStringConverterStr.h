#pragma once

#include "ParamTable/IStringConverter.h"

// Converter of text rows: numbers print as plain integers.
class CStringConverterStr : public IStringConverter
{
public:
    std::string Format(int value) const override;
    int Parse(const char* text) const override;
    std::pair<int, int> Range() const override { return { 0, 0 }; }
};
