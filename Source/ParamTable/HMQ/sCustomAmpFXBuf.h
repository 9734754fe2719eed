#pragma once

// One custom amp/effect slot: laid out like the program record (sEditBuf);
// byte 17 marks which modules of the slot are custom settings.
namespace HMQ
{
struct sEditBuf;

struct sCustomAmpFXBuf
{
    unsigned char bytes[62];

    // One module's part of a program record into this slot. A custom amp
    // carries no GAIN to VOLUME: those bytes are cleared.
    void CopyAmpPart_fromEditBuf(const sEditBuf* edit);
    void CopyPedal1Part_fromEditBuf(const sEditBuf* edit);
    void CopyPedal2Part_fromEditBuf(const sEditBuf* edit);
    void CopyReverbPart_fromEditBuf(const sEditBuf* edit);
};
static_assert(sizeof(sCustomAmpFXBuf) == 62, "a custom slot is 62 bytes");
} // namespace HMQ
