#pragma once

#include "ParamTable/IStringConverter.h"

#include <vector>

// Converter of continuous rows. Each line of the format is one entry: a raw
// range mapped linearly onto a display range and printed with a printf format
// after an optional expression, or a single raw value with a fixed label.
class CStringConverterCont : public IStringConverter
{
public:
    class entry
    {
    public:
        entry(int min, int max, const char* line);

        std::string format(int value) const;
        bool parse(const char* text, int* value) const;

        bool isSingleValue() const noexcept { return rawMin == rawMax; }
        // Whether typed values can be read through this entry's linear scale.
        bool isParsingRange() const noexcept;

        int rawMin = 0;
        int rawMax = 0;
        float displayMin = 0.0f;
        float displayMax = 0.0f;
        std::string fmt;
        std::vector<std::string> expressions;
    };

    CStringConverterCont(unsigned char model, int min, int max, const char* format);

    std::string Format(int value) const override;
    // A text no entry accepts is stored as the raw end nearest to the typed
    // display value when the converter has range entries, else as the plain
    // integer that begins the text.
    int Parse(const char* text) const override;
    std::pair<int, int> Range() const override { return { min, max }; }

    const std::vector<entry>& getEntries() const noexcept { return entries; }

private:
    bool nearestRawEnd(const char* text, int* value) const;

    std::vector<entry> entries;
    int min = 0;
    int max = 0;
};
