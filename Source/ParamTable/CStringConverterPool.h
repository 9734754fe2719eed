#pragma once

#include "ParamTable/IStringConverter.h"
#include "ParamTable/ParamKinds.h"

#include <map>
#include <memory>
#include <string>

// Shares one converter among all rows with the same model byte, PTYPE,
// range (as 16-bit values) and format; owns the converters.
class CStringConverterPool
{
public:
    struct SCDESC
    {
        unsigned char model = 0;
        unsigned char ptype = 0;
        short min = 0;
        short max = 0;
        const char* format = nullptr;

        // The pool key: "model,ptype,min,max," followed by the whole format.
        std::string tostring() const;
    };

    CStringConverterPool();
    ~CStringConverterPool();

    // The converter for this combination, or null for a PTYPE without one.
    IStringConverter* Get(unsigned char model, PTYPE ptype, int min, int max, const char* format);

private:
    std::map<std::string, std::unique_ptr<IStringConverter>> converters;
};
