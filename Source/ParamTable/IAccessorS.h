#pragma once

#include "ParamTable/IAccessor.h"

#include <string>

// Text accessor over a fixed-size field.
class IAccessorS : public IAccessor
{
public:
    virtual std::string Get(const void* buf, unsigned offset) const = 0;
    // Writes the text and returns it as stored.
    virtual std::string Put(void* buf, unsigned offset, const char* text) const = 0;
};
