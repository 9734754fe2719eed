#include "ParamTable/CStringConverterStr.h"

#include "ParamTable/mathutl.h"

#include <cstdio>

std::string CStringConverterStr::Format(int value) const
{
    char text[32];
    std::snprintf(text, sizeof(text), "%d", value);
    return mathutl::makemultisz(text, nullptr);
}

int CStringConverterStr::Parse(const char* text) const
{
    return (int) mathutl::parseleadinginteger(text);
}
