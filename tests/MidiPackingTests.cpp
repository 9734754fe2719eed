#include "Action/midiutils.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
std::vector<unsigned char> pack(const std::vector<unsigned char>& src)
{
    std::vector<unsigned char> out(src.size() * 2 + 2, 0xEE);
    auto* end = encode8to7buffer(out.data(), src.data(), (int) src.size());
    out.resize((size_t) (end - out.data()));
    return out;
}

std::vector<unsigned char> pattern(int n)
{
    std::vector<unsigned char> v;
    for (int i = 0; i < n; ++i)
        v.push_back((unsigned char) ((i * 73 + 0x81) & 0xFF));
    return v;
}
} // namespace

TEST(MidiPacking, KnownVector)
{
    const std::vector<unsigned char> src { 0x81, 0x02, 0xFF };
    const auto packed = pack(src);
    EXPECT_EQ(packed, (std::vector<unsigned char> { 0x05, 0x01, 0x02, 0x7F }));

    unsigned char back[8] = {};
    EXPECT_EQ(decode7to8buffer(back, packed.data(), (int) packed.size()), 3);
    EXPECT_EQ(std::vector<unsigned char>(back, back + 3), src);
}

TEST(MidiPacking, RoundTripsOfRecordSizesStayInSysExRange)
{
    for (int n : { 62, 30, 18, 16, 19 })
    {
        const auto src = pattern(n);
        const auto packed = pack(src);
        EXPECT_EQ((int) packed.size(), n + (n + 6) / 7) << n;
        for (auto b : packed)
            EXPECT_LT(b, 0x80) << n;

        std::vector<unsigned char> back((size_t) n + 8, 0);
        EXPECT_EQ(decode7to8buffer(back.data(), packed.data(), (int) packed.size()), n);
        back.resize((size_t) n);
        EXPECT_EQ(back, src) << n;
    }
    EXPECT_EQ(pack(pattern(62)).size(), 71u);
    EXPECT_EQ(pack(pattern(30)).size(), 35u);
    EXPECT_EQ(pack(pattern(18)).size(), 21u);
}

TEST(MidiPacking, GroupBoundaries)
{
    const auto seven = pack(pattern(7));
    ASSERT_EQ(seven.size(), 8u);
    const auto eight = pack(pattern(8));
    ASSERT_EQ(eight.size(), 10u);
    // The second group holds one byte: its top-bit byte has only bit 0 in use.
    EXPECT_EQ(eight[8] & ~1, 0);
    EXPECT_EQ(eight[9], pattern(8)[7] & 0x7F);

    // Unpacking: a last group of one byte yields nothing.
    unsigned char out[16];
    EXPECT_EQ(decode7to8buffer(out, eight.data(), 9), 7);
    EXPECT_EQ(decode7to8buffer(out, eight.data(), 10), 8);

    std::vector<unsigned char> none;
    unsigned char guard = 0xAA;
    EXPECT_EQ(encode8to7buffer(&guard, none.data(), 0), &guard);
    EXPECT_EQ(guard, 0xAA);
    EXPECT_EQ(decode7to8buffer(out, &guard, 0), 0);
}
