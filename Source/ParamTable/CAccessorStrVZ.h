#pragma once

#include "ParamTable/IAccessorS.h"

#include <cstring>

// Zero-padded text field of N bytes. Reads end at the last byte that is
// neither 0 nor a blank and return the bare text; an empty text is not written.
template <unsigned N>
class CAccessorStrVZ : public IAccessorS
{
public:
    std::string Get(const void* buf, unsigned offset) const override
    {
        if (buf == nullptr)
            return {};

        const auto* p = static_cast<const unsigned char*>(buf) + offset;
        unsigned n = N;
        while (n > 0 && (p[n - 1] == 0 || p[n - 1] == ' '))
            --n;
        return std::string(reinterpret_cast<const char*>(p), n);
    }

    std::string Put(void* buf, unsigned offset, const char* text) const override
    {
        const size_t length = text != nullptr ? std::strlen(text) : 0;
        const size_t copied = length < N ? length : N;
        if (buf == nullptr || copied == 0)
            return {};

        auto* p = static_cast<unsigned char*>(buf) + offset;
        std::memset(p + copied, 0, N - copied);
        std::memcpy(p, text, copied);
        return std::string(text, copied);
    }
};
