#include "ParamTable/CBitFieldAccessor.h"

#include <algorithm>

CBitFieldAccessor::CBitFieldAccessor(unsigned bytes, ByteOrder byteOrder, Signedness sig, unsigned first, unsigned last)
    : wordBytes(bytes), order(byteOrder), signedness(sig)
{
    const unsigned wordBits = wordBytes * 8;
    const unsigned top = std::min(last, wordBits - 1);
    if (first <= top)
    {
        const unsigned width = top - first + 1;
        const uint64_t bits = (width >= 64 ? ~uint64_t(0) : ((uint64_t(1) << width) - 1)) << first;
        mask = (uint32_t) (bits & ((uint64_t(1) << wordBits) - 1));
        shift = first;
        sign = uint32_t(1) << (top - first);
    }
}

unsigned CBitFieldAccessor::byteShift(unsigned byteIndex) const
{
    // Bit position, inside the word, of the byte at buf + offset + byteIndex.
    return order == bigEndian ? 8 * (wordBytes - 1 - byteIndex) : 8 * byteIndex;
}

uint32_t CBitFieldAccessor::readWord(const unsigned char* p) const
{
    uint32_t word = 0;
    for (unsigned i = 0; i < wordBytes; ++i)
        word |= uint32_t(p[i]) << byteShift(i);
    return word;
}

int CBitFieldAccessor::GetRaw(const void* buf, unsigned offset) const
{
    if (buf == nullptr)
        return 0;
    const auto* p = static_cast<const unsigned char*>(buf) + offset;
    return fieldToValue((uint32_t) ((uint64_t(readWord(p)) & mask) >> shift));
}

int CBitFieldAccessor::PutRaw(void* buf, unsigned offset, int value) const
{
    if (buf == nullptr)
        return 0;

    auto* p = static_cast<unsigned char*>(buf) + offset;
    const uint64_t bits = ((uint64_t) valueToField(value) << shift) & mask;
    for (unsigned i = 0; i < wordBytes; ++i)
    {
        const unsigned s = byteShift(i);
        const auto byteMask = (unsigned char) ((mask >> s) & 0xFF);
        if (byteMask != 0)
            p[i] = (unsigned char) ((p[i] & ~byteMask) | ((bits >> s) & byteMask));
    }
    return GetRaw(buf, offset);
}

int CBitFieldAccessor::fieldToValue(uint32_t field) const
{
    if (signedness == signedField)
        return (int) ((int64_t) (field ^ sign) - (int64_t) sign);
    return (int) field;
}

int64_t CBitFieldAccessor::valueToField(int value) const
{
    if (signedness == signedField)
        return ((int64_t) value + sign) ^ sign;
    return value;
}
