#include "Action/midiutils.h"

unsigned char* encode8to7buffer(unsigned char* dst, const unsigned char* src, int len)
{
    for (int start = 0; start < len; start += 7)
    {
        const int count = (len - start < 7) ? len - start : 7;
        unsigned char topBits = 0;
        for (int k = 0; k < count; ++k)
            if ((src[start + k] & 0x80) != 0)
                topBits = (unsigned char) (topBits | (1 << k));

        *dst++ = topBits;
        for (int k = 0; k < count; ++k)
            *dst++ = (unsigned char) (src[start + k] & 0x7F);
    }
    return dst;
}

int decode7to8buffer(unsigned char* dst, const unsigned char* src, int len)
{
    int written = 0;
    for (int start = 0; start < len; start += 8)
    {
        const int count = (len - start < 8) ? len - start : 8;
        const unsigned char topBits = src[start];
        for (int k = 0; k + 1 < count; ++k)
        {
            // Only the low seven bits of a SysEx data byte are data.
            const unsigned char low = (unsigned char) (src[start + 1 + k] & 0x7F);
            dst[written++] = (unsigned char) (low | (((topBits >> k) & 1) << 7));
        }
    }
    return written;
}
