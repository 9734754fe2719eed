#pragma once

// Reads and writes one parameter value in a raw byte buffer at an offset the
// caller gives. Accessors hold no buffer, so one object serves every row with
// the same layout.
class IAccessor
{
public:
    virtual ~IAccessor() = default;
};
