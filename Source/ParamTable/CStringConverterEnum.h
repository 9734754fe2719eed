#pragma once

#include "ParamTable/IStringConverter.h"

#include <vector>

// Converter of choice rows: one name per list position, each with an
// optional alternative name.
class CStringConverterEnum : public IStringConverter
{
public:
    CStringConverterEnum(unsigned char model, int min, int max, const char* format);

    std::string Format(int value) const override;
    // The position of the best-matching name: exact, then ignoring case, then
    // a common beginning, then a common beginning ignoring case; 0 when none.
    int Parse(const char* text) const override;
    std::pair<int, int> Range() const override;

    const std::vector<std::string>& getNames() const noexcept { return names; }
    const std::vector<std::string>& getAlternativeNames() const noexcept { return alternatives; }

private:
    std::vector<std::string> names;
    std::vector<std::string> alternatives;
};
