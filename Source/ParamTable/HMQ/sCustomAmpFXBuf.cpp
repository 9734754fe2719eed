#include "ParamTable/HMQ/sCustomAmpFXBuf.h"

#include "ParamTable/HMQ/sEditBuf.h"

#include <cstring>

namespace HMQ
{
void sCustomAmpFXBuf::CopyAmpPart_fromEditBuf(const sEditBuf* edit)
{
    if (edit == nullptr)
        return;
    bytes[16] = edit->bytes[16];
    bytes[18] = edit->bytes[18];
    std::memset(bytes + 19, 0, 5);
    std::memcpy(bytes + 24, edit->bytes + 24, 7);
}

void sCustomAmpFXBuf::CopyPedal1Part_fromEditBuf(const sEditBuf* edit)
{
    if (edit != nullptr)
        std::memcpy(bytes + 31, edit->bytes + 31, 8);
}

void sCustomAmpFXBuf::CopyPedal2Part_fromEditBuf(const sEditBuf* edit)
{
    if (edit != nullptr)
        std::memcpy(bytes + 39, edit->bytes + 39, 8);
}

void sCustomAmpFXBuf::CopyReverbPart_fromEditBuf(const sEditBuf* edit)
{
    if (edit != nullptr)
        std::memcpy(bytes + 55, edit->bytes + 55, 7);
}
} // namespace HMQ
