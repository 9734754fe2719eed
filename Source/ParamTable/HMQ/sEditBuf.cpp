#include "ParamTable/HMQ/sEditBuf.h"

#include "ParamTable/HMQ/sCustomAmpFXBuf.h"

#include <cstring>

namespace HMQ
{
void sEditBuf::CopyAmpPart_fromCustomBuf(const sCustomAmpFXBuf* custom)
{
    if (custom == nullptr)
        return;
    const unsigned char* c = custom->bytes;
    bytes[16] = c[16];
    bytes[18] = c[18];
    bytes[24] = c[24];
    bytes[25] = c[25];
    bytes[26] = c[26] & 0x01;
    bytes[27] = c[27] & 0x01;
    bytes[28] = c[28] & 0x01;
    bytes[29] = c[29] & 0x03;
    bytes[30] = c[30] & 0x01;
}

void sEditBuf::CopyPedal1Part_fromCustomBuf(const sCustomAmpFXBuf* custom)
{
    if (custom != nullptr)
        std::memcpy(bytes + 31, custom->bytes + 31, 8);
}

void sEditBuf::CopyPedal2Part_fromCustomBuf(const sCustomAmpFXBuf* custom)
{
    if (custom != nullptr)
        std::memcpy(bytes + 39, custom->bytes + 39, 8);
}

void sEditBuf::CopyReverbPart_fromCustomBuf(const sCustomAmpFXBuf* custom)
{
    if (custom != nullptr)
        std::memcpy(bytes + 55, custom->bytes + 55, 7);
}
} // namespace HMQ
