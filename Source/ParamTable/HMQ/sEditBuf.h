#pragma once

// The HMQ program record: 62 bytes (name 0-15, NR SENS 16, module switches 17,
// amp 18-30, Pedal1 31-38, Pedal2 39-46, Reverb 55-60). Edit buffer, user
// programs, presets and program files share it.
namespace HMQ
{
struct sCustomAmpFXBuf;

struct sEditBuf
{
    unsigned char bytes[62];

    // One module's part of a custom slot into this record. The amp part
    // leaves GAIN to VOLUME alone and masks each switch to its width.
    void CopyAmpPart_fromCustomBuf(const sCustomAmpFXBuf* custom);
    void CopyPedal1Part_fromCustomBuf(const sCustomAmpFXBuf* custom);
    void CopyPedal2Part_fromCustomBuf(const sCustomAmpFXBuf* custom);
    void CopyReverbPart_fromCustomBuf(const sCustomAmpFXBuf* custom);
};
static_assert(sizeof(sEditBuf) == 62, "the program record is 62 bytes");
} // namespace HMQ
