#pragma once

#include <string>

namespace testing_support
{
// The expected two-item text: first, NUL, second, NUL.
inline std::string multi(const std::string& first, const std::string& second)
{
    std::string s = first;
    s.push_back('\0');
    s += second;
    s.push_back('\0');
    return s;
}

inline std::string multi(const std::string& text)
{
    return multi(text, text);
}
} // namespace testing_support
