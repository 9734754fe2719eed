#pragma once

#include "ParamTable/IAccessorS.h"
#include "ParamTable/TESSARA_LCD.h"
#include "ParamTable/mathutl.h"

#include <cstring>

// Blank-padded text field of N bytes (the program name). Reads stop before
// the first byte that is not printable; results are multi-strings.
template <unsigned N>
class CAccessorStr : public IAccessorS
{
public:
    std::string Get(const void* buf, unsigned offset) const override
    {
        if (buf == nullptr)
            return mathutl::makemultisz("", nullptr);

        const auto* p = static_cast<const unsigned char*>(buf) + offset;
        unsigned n = 0;
        while (n < N && TESSARA_LCD::ischarprint(p[n]))
            ++n;
        std::string text(reinterpret_cast<const char*>(p), n);
        text.append(N - n, ' ');
        return mathutl::makemultisz(text.c_str(), text.c_str());
    }

    std::string Put(void* buf, unsigned offset, const char* text) const override
    {
        if (buf == nullptr)
            return mathutl::makemultisz("", nullptr);

        auto* p = static_cast<unsigned char*>(buf) + offset;
        const size_t length = text != nullptr ? std::strlen(text) : 0;
        const size_t copied = length < N ? length : N;
        if (copied > 0)
            std::memcpy(p, text, copied);
        std::memset(p + copied, ' ', N - copied);

        const std::string stored(reinterpret_cast<const char*>(p), N);
        return mathutl::makemultisz(stored.c_str(), stored.c_str());
    }
};
