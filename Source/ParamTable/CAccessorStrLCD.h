#pragma once

#include "ParamTable/IAccessorS.h"
#include "ParamTable/TESSARA_LCD.h"
#include "ParamTable/mathutl.h"

#include <cstring>

// Text field of N display codes, one per byte. Reads stop before the first
// character that is not printable and are blank-padded to N characters.
template <unsigned N>
class CAccessorStrLCD : public IAccessorS
{
public:
    std::string Get(const void* buf, unsigned offset) const override
    {
        if (buf == nullptr)
            return mathutl::makemultisz("", nullptr);

        const auto* p = static_cast<const unsigned char*>(buf) + offset;
        std::string text;
        for (unsigned k = 0; k < N; ++k)
        {
            const unsigned char c = TESSARA_LCD::decodechar(p[k]);
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
            p[k] = k < length ? TESSARA_LCD::encodechar((unsigned char) text[k]) : 0;
        return Get(buf, offset);
    }
};
