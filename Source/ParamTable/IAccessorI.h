#pragma once

#include "ParamTable/IAccessor.h"

// Numeric accessor. The raw value is the field as stored (after the kind's
// own translation); the parameter value is the raw value, or its position in
// the row's value list for list parameters.
class IAccessorI : public IAccessor
{
public:
    virtual int GetRaw(const void* buf, unsigned offset) const = 0;
    // Writes the raw value and returns it as read back.
    virtual int PutRaw(void* buf, unsigned offset, int value) const = 0;
    virtual int Get(const void* buf, unsigned offset) const = 0;
    // Writes a parameter value and returns the value as stored.
    virtual int Put(void* buf, unsigned offset, int value) const = 0;
};
