#include "ParamTable/CStringConverterEnum.h"

#include "ParamTable/mathutl.h"

#include <algorithm>
#include <cctype>

namespace
{
bool equalIgnoringCase(const std::string& a, const std::string& b, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        if (std::tolower((unsigned char) a[i]) != std::tolower((unsigned char) b[i]))
            return false;
    return true;
}

int score(const std::string& name, const std::string& text)
{
    if (name == text)
        return 5;
    if (name.size() == text.size() && equalIgnoringCase(name, text, name.size()))
        return 4;
    const size_t common = std::min(name.size(), text.size());
    if (name.compare(0, common, text, 0, common) == 0)
        return 3;
    if (equalIgnoringCase(name, text, common))
        return 2;
    return 0;
}
} // namespace

CStringConverterEnum::CStringConverterEnum(unsigned char, int, int, const char* format)
{
    if (format != nullptr)
        mathutl::breakenumstring(format, nullptr, &names, &alternatives);
}

std::string CStringConverterEnum::Format(int value) const
{
    if (value >= 0 && (size_t) value < names.size())
        return mathutl::makemultisz(names[(size_t) value].c_str(), alternatives[(size_t) value].c_str());
    return mathutl::makemultisz("", nullptr);
}

int CStringConverterEnum::Parse(const char* text) const
{
    const std::string typed = text != nullptr ? text : "";
    int best = 0;
    int bestScore = 0;
    for (size_t i = 0; i < names.size(); ++i)
    {
        const int s = score(names[i], typed);
        if (s > bestScore)
        {
            bestScore = s;
            best = (int) i;
        }
    }
    return best;
}

std::pair<int, int> CStringConverterEnum::Range() const
{
    return { 0, (int) names.size() - 1 };
}
