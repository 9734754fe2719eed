#include "ParamTable/CStringConverterCont.h"

#include "ParamTable/mathexp.h"
#include "ParamTable/mathutl.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace
{
// Entries whose raw values fit 24 bits signed are computed in single precision.
constexpr int smallRawLimit = 8388607;

constexpr size_t maxText = 128; // printed texts are cut to 127 characters

std::string labelDisplay(const std::string& label)
{
    return label.substr(0, label.find('|'));
}

std::string labelAlternative(const std::string& label)
{
    const auto bar = label.find('|');
    if (bar == std::string::npos)
        return {};
    const auto secondBar = label.find('|', bar + 1);
    return label.substr(bar + 1, secondBar == std::string::npos ? std::string::npos : secondBar - bar - 1);
}

// The floating number that begins text; false when it begins with none.
bool leadingNumber(const char* text, double* value)
{
    char* end = nullptr;
    *value = std::strtod(text, &end);
    return end != text;
}

template <typename T>
std::string printValue(const std::string& fmt, const std::vector<std::string>& expressions, T x)
{
    T result = 0;
    if (! mathexp::eval(expressions.front().c_str(), x, &result))
        result = 0;
    char text[maxText];
    std::snprintf(text, sizeof(text), fmt.c_str(), (double) result);
    return text;
}

// Rounds half away from zero and accepts the result when it lies in the raw range.
template <typename T>
bool roundIntoRange(T r, int rawMin, int rawMax, int* value)
{
    r = r + (r < 0 ? T(-0.5) : T(0.5));
    const double rounded = std::trunc((double) r);
    if (! (rounded >= rawMin && rounded <= rawMax))
        return false;
    *value = (int) rounded;
    return true;
}
} // namespace

CStringConverterCont::entry::entry(int minValue, int maxValue, const char* line)
    : rawMin(minValue), rawMax(maxValue), displayMin((float) minValue), displayMax((float) maxValue)
{
    const auto fields = mathutl::breakstring(line, '\t');
    if (fields.empty())
        return;

    std::string formatField;
    if (fields.size() >= 2)
    {
        int a = 0, b = 0;
        const int rawCount = std::sscanf(fields[0].c_str(), "%i~%i", &a, &b);
        if (rawCount >= 1)
        {
            rawMin = a;
            rawMax = rawCount == 2 ? b : a;
        }

        if (fields.size() >= 3)
        {
            float c = 0, d = 0;
            const int displayCount = std::sscanf(fields[1].c_str(), "%f~%f", &c, &d);
            if (displayCount >= 1)
            {
                displayMin = c;
                displayMax = displayCount == 2 ? d : c;
            }
            formatField = fields[2];
        }
        else
        {
            displayMin = (float) rawMin;
            displayMax = (float) rawMax;
            formatField = fields[1];
        }
    }
    else
    {
        formatField = fields[0];
    }

    const auto items = mathutl::breakstring(formatField.c_str(), ',');
    if (! items.empty())
    {
        fmt = items[0];
        expressions.assign(items.begin() + 1, items.end());
    }
}

bool CStringConverterCont::entry::isParsingRange() const noexcept
{
    return ! isSingleValue() && displayMin != displayMax && ! expressions.empty();
}

std::string CStringConverterCont::entry::format(int value) const
{
    if (isSingleValue())
    {
        const std::string display = labelDisplay(fmt);
        const std::string alternative = labelAlternative(fmt);
        return mathutl::makemultisz(display.c_str(), alternative.c_str());
    }

    if (! isParsingRange())
        return mathutl::makemultisz("", nullptr);

    std::string text;
    if (rawMin >= -smallRawLimit && rawMax <= smallRawLimit)
    {
        const float x =
            (displayMax - displayMin) * ((float) value - (float) rawMin) / ((float) rawMax - (float) rawMin) + displayMin;
        text = printValue(fmt, expressions, x);
    }
    else
    {
        const double x =
            ((double) displayMax - (double) displayMin) * ((double) value - (double) rawMin) / ((double) rawMax - (double) rawMin)
            + (double) displayMin;
        text = printValue(fmt, expressions, x);
    }
    return mathutl::makemultisz(text.c_str(), nullptr);
}

bool CStringConverterCont::entry::parse(const char* text, int* value) const
{
    if (text == nullptr)
        text = "";

    if (isSingleValue())
    {
        double a = 0, b = 0;
        if (! leadingNumber(text, &a))
            a = 0;
        if (! leadingNumber(labelDisplay(fmt).c_str(), &b))
            b = 0;
        if (b >= a)
        {
            *value = rawMin;
            return true;
        }
        return false;
    }

    if (! isParsingRange())
        return false;

    if (rawMin >= -smallRawLimit && rawMax <= smallRawLimit)
    {
        char* end = nullptr;
        const float x = std::strtof(text, &end);
        if (end == text)
            return false;
        const float r = ((float) rawMax - (float) rawMin) * (x - displayMin) / (displayMax - displayMin) + (float) rawMin;
        return roundIntoRange(r, rawMin, rawMax, value);
    }

    double x = 0;
    if (! leadingNumber(text, &x))
        return false;
    const double r = ((double) rawMax - (double) rawMin) * (x - (double) displayMin) / ((double) displayMax - (double) displayMin)
                     + (double) rawMin;
    return roundIntoRange(r, rawMin, rawMax, value);
}

CStringConverterCont::CStringConverterCont(unsigned char, int minValue, int maxValue, const char* format)
    : min(minValue), max(maxValue)
{
    for (const auto& line : mathutl::breakstring(format, '\n'))
        entries.emplace_back(minValue, maxValue, line.c_str());

    for (const auto& e : entries)
    {
        min = std::min(min, e.rawMin);
        max = std::max(max, e.rawMax);
    }
}

std::string CStringConverterCont::Format(int value) const
{
    for (const auto& e : entries)
        if (e.rawMin <= value && value <= e.rawMax)
            return e.format(value);

    char text[32];
    std::snprintf(text, sizeof(text), "%d", value);
    return mathutl::makemultisz(text, nullptr);
}

bool CStringConverterCont::nearestRawEnd(const char* text, int* value) const
{
    double x = 0;
    if (text == nullptr || ! leadingNumber(text, &x) || std::isnan(x))
        return false;

    bool hasRange = false;
    bool found = false;
    double bestDistance = 0;
    auto consider = [&](double display, int raw) {
        const double distance = std::fabs(display - x);
        if (! found || distance < bestDistance)
        {
            found = true;
            bestDistance = distance;
            *value = raw;
        }
    };

    for (const auto& e : entries)
    {
        if (e.isParsingRange())
        {
            hasRange = true;
            consider(e.displayMin, e.rawMin);
            consider(e.displayMax, e.rawMax);
        }
        else if (e.isSingleValue())
        {
            double label = 0;
            if (leadingNumber(labelDisplay(e.fmt).c_str(), &label))
                consider(label, e.rawMin);
        }
    }
    return hasRange && found;
}

int CStringConverterCont::Parse(const char* text) const
{
    int value = 0;
    for (const auto& e : entries)
        if (e.parse(text, &value))
            return value;

    // A typed number beyond every range entry stores the end on its side:
    // read as a plain integer it would land on a wrong point of the scale.
    if (nearestRawEnd(text, &value))
        return value;

    return (int) mathutl::parseleadinginteger(text);
}
