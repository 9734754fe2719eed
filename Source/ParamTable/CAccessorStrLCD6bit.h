#pragma once

#include "ParamTable/IAccessorS.h"
#include "ParamTable/TESSARA_LCD.h"
#include "ParamTable/mathutl.h"

#include <cstring>

// Text field of N display codes of 6 bits each, packed least-significant bit
// first from the start bit of the first byte on. Writes change only the
// characters' bits; every other bit of the bytes keeps its value.
template <unsigned N>
class CAccessorStrLCD6bit : public IAccessorS
{
public:
    explicit CAccessorStrLCD6bit(unsigned firstBit) : startBit(firstBit & 7u) {}

    std::string Get(const void* buf, unsigned offset) const override
    {
        if (buf == nullptr)
            return mathutl::makemultisz("", nullptr);

        const auto* p = static_cast<const unsigned char*>(buf) + offset;
        std::string text;
        for (unsigned k = 0; k < N; ++k)
        {
            const unsigned char c = TESSARA_LCD::decodechar(readCode(p, k));
            if (! TESSARA_LCD::ischarprint(c))
                break;
            text.push_back((char) c);
        }
        text.append(N - text.size(), ' ');
        return mathutl::makemultisz(text.c_str(), text.c_str());
    }

    std::string Put(void* buf, unsigned offset, const char* text) const override
    {
        if (buf == nullptr)
            return mathutl::makemultisz("", nullptr);

        auto* p = static_cast<unsigned char*>(buf) + offset;
        const size_t length = text != nullptr ? std::strlen(text) : 0;
        for (unsigned k = 0; k < N; ++k)
            writeCode(p, k, k < length ? TESSARA_LCD::encodechar((unsigned char) text[k]) : 0);
        return Get(buf, offset);
    }

    unsigned getStartBit() const noexcept { return startBit; }

private:
    // Character k starts at bit (start + 6k) of the field, counted from bit 0
    // of the first byte; it spans two bytes when it starts at bit 3 or above.
    unsigned char readCode(const unsigned char* p, unsigned k) const
    {
        const unsigned bit = startBit + 6 * k;
        const unsigned y = bit / 8, b = bit % 8;
        unsigned word = p[y];
        if (b >= 3)
            word |= unsigned(p[y + 1]) << 8;
        return (unsigned char) ((word >> b) & 0x3F);
    }

    void writeCode(unsigned char* p, unsigned k, unsigned char code) const
    {
        const unsigned bit = startBit + 6 * k;
        const unsigned y = bit / 8, b = bit % 8;
        const unsigned mask = 0x3Fu << b;
        const unsigned bits = (unsigned(code) & 0x3Fu) << b;
        p[y] = (unsigned char) ((p[y] & ~mask) | (bits & 0xFF));
        if (b >= 3)
            p[y + 1] = (unsigned char) ((p[y + 1] & ~(mask >> 8)) | (bits >> 8));
    }

    unsigned startBit;
};
