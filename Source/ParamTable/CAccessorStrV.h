#pragma once

#include "ParamTable/IAccessorS.h"
#include "ParamTable/mathutl.h"

#include <cstring>

// Blank-padded text field of N bytes read up to its last byte that is not a
// blank; an empty text is not written. Results are multi-strings.
template <unsigned N>
class CAccessorStrV : public IAccessorS
{
public:
    std::string Get(const void* buf, unsigned offset) const override
    {
        if (buf == nullptr)
            return mathutl::makemultisz("", nullptr);

        const auto* p = static_cast<const unsigned char*>(buf) + offset;
        unsigned n = N;
        while (n > 0 && p[n - 1] == ' ')
            --n;
        const std::string text(reinterpret_cast<const char*>(p), n);
        return mathutl::makemultisz(text.c_str(), text.c_str());
    }

    std::string Put(void* buf, unsigned offset, const char* text) const override
    {
        const size_t length = text != nullptr ? std::strlen(text) : 0;
        const size_t copied = length < N ? length : N;
        if (buf == nullptr || copied == 0)
            return mathutl::makemultisz("", nullptr);

        auto* p = static_cast<unsigned char*>(buf) + offset;
        std::memset(p + copied, ' ', N - copied);
        std::memcpy(p, text, copied);
        const std::string stored(text, copied);
        return mathutl::makemultisz(stored.c_str(), stored.c_str());
    }
};
