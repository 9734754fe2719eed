#pragma once

#include "ParamTable/IAccessorI.h"

#include <cstdint>

// Common part of the numeric accessors: a bit field inside a word of 1 to 4
// bytes in either byte order. Masks are built in 64 bits and cut to the word,
// so a field as wide as the word is handled and bits declared beyond the word
// have no effect. A null buffer reads 0 and is never written.
class CBitFieldAccessor : public IAccessorI
{
public:
    int GetRaw(const void* buf, unsigned offset) const override;
    int PutRaw(void* buf, unsigned offset, int value) const override;
    int Get(const void* buf, unsigned offset) const override { return GetRaw(buf, offset); }
    int Put(void* buf, unsigned offset, int value) const override { return PutRaw(buf, offset, value); }

    uint32_t getMask() const noexcept { return mask; }
    uint32_t getShift() const noexcept { return shift; }

protected:
    enum ByteOrder
    {
        bigEndian,
        littleEndian
    };
    enum Signedness
    {
        unsignedField,
        signedField
    };

    CBitFieldAccessor(unsigned wordBytes, ByteOrder order, Signedness signedness, unsigned first, unsigned last);

    // The kind's rules between the field's bits and the value.
    virtual int fieldToValue(uint32_t field) const;
    virtual int64_t valueToField(int value) const;

    uint32_t mask = 0;
    uint32_t shift = 0;
    uint32_t sign = 0; // weight of the field's top bit (used by the signed kinds)

private:
    uint32_t readWord(const unsigned char* p) const;
    unsigned byteShift(unsigned byteIndex) const;

    unsigned wordBytes;
    ByteOrder order;
    Signedness signedness;
};
