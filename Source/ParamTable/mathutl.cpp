#include "ParamTable/mathutl.h"

#include <cstdlib>
#include <cstring>

namespace mathutl
{
std::vector<std::string> breakstring(const char* text, char separator)
{
    std::vector<std::string> items;
    if (text == nullptr)
        return items;

    const size_t length = std::strlen(text);
    size_t pos = 0;
    while (pos < length)
    {
        const char* found = static_cast<const char*>(std::memchr(text + pos, separator, length - pos));
        const size_t stop = found != nullptr ? (size_t) (found - text) : length;
        items.emplace_back(text + pos, stop - pos);
        pos = stop + 1;
    }
    return items;
}

void breakenumstring(const char* text, std::vector<int>* values, std::vector<std::string>* names,
                     std::vector<std::string>* alternatives)
{
    if (values != nullptr)
        values->clear();
    if (names != nullptr)
        names->clear();
    if (alternatives != nullptr)
        alternatives->clear();

    int n = 0;
    for (const auto& line : breakstring(text, '\n'))
    {
        std::string body = line;
        const auto tab = line.find('\t');
        if (tab != std::string::npos)
        {
            n = (int) parseleadinginteger(line.substr(0, tab).c_str());
            body = line.substr(tab + 1);
        }

        const auto bar = body.find('|');
        const std::string name = body.substr(0, bar);
        std::string alternative;
        if (bar != std::string::npos)
        {
            const auto secondBar = body.find('|', bar + 1);
            alternative = body.substr(bar + 1, secondBar == std::string::npos ? std::string::npos : secondBar - bar - 1);
        }
        if (alternative.empty())
            alternative = name;

        if (values != nullptr)
            values->push_back(n);
        if (names != nullptr)
            names->push_back(name);
        if (alternatives != nullptr)
            alternatives->push_back(alternative);
        ++n;
    }
}

std::string makemultisz(const char* first, const char* second)
{
    const char* a = first != nullptr ? first : "";
    const char* b = (second != nullptr && *second != '\0') ? second : a;

    std::string result(a);
    result.push_back('\0');
    result.append(b);
    result.push_back('\0');
    return result;
}

long parseleadinginteger(const char* text)
{
    if (text == nullptr)
        return 0;
    return std::strtol(text, nullptr, 0);
}
} // namespace mathutl
