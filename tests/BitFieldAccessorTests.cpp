#include "ParamTable/CAccessorSBF16B.h"
#include "ParamTable/CAccessorSBF16L.h"
#include "ParamTable/CAccessorSBF24L.h"
#include "ParamTable/CAccessorSBF32B.h"
#include "ParamTable/CAccessorSBF8.h"
#include "ParamTable/CAccessorSBF8C2.h"
#include "ParamTable/CAccessorSBF8C64.h"
#include "ParamTable/CAccessorUBF16B.h"
#include "ParamTable/CAccessorUBF16L.h"
#include "ParamTable/CAccessorUBF24B.h"
#include "ParamTable/CAccessorUBF24L.h"
#include "ParamTable/CAccessorUBF32B.h"
#include "ParamTable/CAccessorUBF32BSF4.h"
#include "ParamTable/CAccessorUBF8.h"
#include "ParamTable/CAccessorUBF8OKXAMP.h"
#include "ParamTable/CAccessorUBF8OKXFX1.h"
#include "ParamTable/CAccessorUBF8OPWAMP.h"
#include "ParamTable/CAccessorUBF8OPWFX1.h"
#include "ParamTable/CAccessorUBF8SF2.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>

namespace
{
using Bytes = std::array<unsigned char, 8>;
}

TEST(BitFieldAccessor, EightBitFieldKeepsNeighbouringBits)
{
    CAccessorUBF8 bit1(0, 1, 1);
    unsigned char b = 0xFF;
    EXPECT_EQ(bit1.GetRaw(&b, 0), 1);
    EXPECT_EQ(bit1.PutRaw(&b, 0, 0), 0);
    EXPECT_EQ(b, 0xFD);
    EXPECT_EQ(bit1.PutRaw(&b, 0, 3), 1); // cut to the field
    EXPECT_EQ(b, 0xFF);

    Bytes buf {};
    buf.fill(0xAA);
    CAccessorUBF8 nibble(0, 4, 7);
    EXPECT_EQ(nibble.PutRaw(buf.data(), 3, 5), 5);
    EXPECT_EQ(buf[3], 0x5A);
    EXPECT_EQ(buf[2], 0xAA);
    EXPECT_EQ(buf[4], 0xAA);
}

TEST(BitFieldAccessor, SignedAndBiasedEightBit)
{
    CAccessorSBF8 nibble(0, 0, 3);
    unsigned char b = 0x0F;
    EXPECT_EQ(nibble.GetRaw(&b, 0), -1);
    b = 0xF0;
    EXPECT_EQ(nibble.PutRaw(&b, 0, -8), -8);
    EXPECT_EQ(b, 0xF8);
    EXPECT_EQ(nibble.PutRaw(&b, 0, 8), -8);
    EXPECT_EQ(nibble.PutRaw(&b, 0, 7), 7);

    CAccessorSBF8C64 c64(0, 0, 7);
    b = 0x40;
    EXPECT_EQ(c64.GetRaw(&b, 0), 0);
    b = 0x00;
    EXPECT_EQ(c64.GetRaw(&b, 0), -64);
    EXPECT_EQ(c64.PutRaw(&b, 0, 10), 10);
    EXPECT_EQ(b, 74);

    CAccessorSBF8C2 c2(0, 0, 7);
    b = 0;
    EXPECT_EQ(c2.GetRaw(&b, 0), -2);

    CAccessorUBF8SF2 sf2(0, 0, 7);
    b = 0x00;
    EXPECT_EQ(sf2.GetRaw(&b, 0), 1);
    b = 0x0C;
    EXPECT_EQ(sf2.GetRaw(&b, 0), 4);
    b = 0;
    EXPECT_EQ(sf2.PutRaw(&b, 0, 4), 4);
    EXPECT_EQ(b, 0x0C);
}

TEST(BitFieldAccessor, ByteOrder)
{
    const unsigned char bytes[] = { 0x12, 0x34, 0x56, 0x78 };
    EXPECT_EQ(CAccessorUBF16B(0, 0, 15).GetRaw(bytes, 0), 0x1234);
    EXPECT_EQ(CAccessorUBF16L(0, 0, 15).GetRaw(bytes, 0), 0x3412);
    EXPECT_EQ(CAccessorUBF24B(0, 0, 23).GetRaw(bytes, 1), 0x345678);
    EXPECT_EQ(CAccessorUBF24L(0, 0, 23).GetRaw(bytes, 1), 0x785634);
    EXPECT_EQ(CAccessorUBF32B(0, 0, 31).GetRaw(bytes, 0), 0x12345678);

    const unsigned char sixteen[] = { 0x00, 0x00, 0x01, 0x00 };
    EXPECT_EQ(CAccessorUBF32BSF4(0, 0, 31).GetRaw(sixteen, 0), 16);

    Bytes buf {};
    CAccessorUBF16L le(0, 0, 15);
    EXPECT_EQ(le.PutRaw(buf.data(), 2, 0xBEEF), 0xBEEF);
    EXPECT_EQ(buf[2], 0xEF);
    EXPECT_EQ(buf[3], 0xBE);
    CAccessorUBF16B be(0, 0, 15);
    EXPECT_EQ(be.PutRaw(buf.data(), 4, 0xBEEF), 0xBEEF);
    EXPECT_EQ(buf[4], 0xBE);
    EXPECT_EQ(buf[5], 0xEF);

    // A field spanning the byte boundary of a big-endian word.
    Bytes span {};
    span.fill(0xFF);
    CAccessorUBF16B middle(0, 4, 11);
    EXPECT_EQ(middle.PutRaw(span.data(), 0, 0), 0);
    EXPECT_EQ(span[0], 0xF0);
    EXPECT_EQ(span[1], 0x0F);
}

TEST(BitFieldAccessor, SignExtensionOverWiderWords)
{
    const unsigned char minus2[] = { 0xFF, 0xFE };
    EXPECT_EQ(CAccessorSBF16B(0, 0, 15).GetRaw(minus2, 0), -2);
    EXPECT_EQ(CAccessorSBF16L(0, 0, 15).GetRaw(minus2, 0), -257);

    unsigned char buf[3] = {};
    CAccessorSBF24L s24(0, 0, 23);
    EXPECT_EQ(s24.PutRaw(buf, 0, -1000000), -1000000);
    EXPECT_EQ(buf[2], 0xF0);
    EXPECT_EQ(s24.PutRaw(buf, 0, 8388607), 8388607);
}

TEST(BitFieldAccessor, ThirtyTwoBitFieldsUseTheWholeWord)
{
    unsigned char buf[6] = { 0x11, 0, 0, 0, 0, 0x22 };
    CAccessorUBF32B u32(0, 0, 31);
    EXPECT_EQ(u32.PutRaw(buf, 1, (int) 0xDEADBEEF), (int) 0xDEADBEEF);
    EXPECT_EQ(buf[1], 0xDE);
    EXPECT_EQ(buf[4], 0xEF);
    EXPECT_EQ(buf[0], 0x11) << "byte before the word untouched";
    EXPECT_EQ(buf[5], 0x22) << "byte after the word untouched";

    CAccessorSBF32B s32(0, 0, 31);
    EXPECT_EQ(s32.PutRaw(buf, 1, -2), -2);
    EXPECT_EQ(s32.PutRaw(buf, 1, INT32_MIN), INT32_MIN);
    EXPECT_EQ(s32.PutRaw(buf, 1, INT32_MAX), INT32_MAX);
    EXPECT_EQ(s32.getMask(), 0xFFFFFFFFu);

    // Bits 4 to 31 of a scaled word: the low nibble is kept.
    unsigned char scaled[4] = { 0, 0, 0, 0x0F };
    CAccessorUBF32BSF4 sf4(0, 0, 31);
    EXPECT_EQ(sf4.PutRaw(scaled, 0, 0x100), 0x100);
    EXPECT_EQ(scaled[2], 0x10);
}

TEST(BitFieldAccessor, ScaledFieldsTakeNegativeValuesThroughTheirMask)
{
    // Values below the field's range wrap as two's complement cut to the
    // field (the sanitiser build stops on a shift of a negative value).
    unsigned char word[4] = { 0, 0, 0, 0x0F };
    CAccessorUBF32BSF4 sf4(0, 0, 31);
    EXPECT_EQ(sf4.PutRaw(word, 0, -1), 0x0FFFFFFF);
    EXPECT_EQ(word[0], 0xFF);
    EXPECT_EQ(word[3], 0xF0); // the fraction nibble is written as zeros

    unsigned char b = 0x03;
    CAccessorUBF8SF2 sf2(0, 0, 7);
    EXPECT_EQ(sf2.PutRaw(&b, 0, 0), 64); // -1 << 2, cut to the byte: 0xFC
    EXPECT_EQ(b, 0xFC);
    b = 0;
    EXPECT_EQ(sf2.PutRaw(&b, 0, -63), 1); // -64 << 2 = -256: nothing of it in the byte
    EXPECT_EQ(b, 0x00);
}

TEST(BitFieldAccessor, SixteenBitFieldDeclaredToBitThirty)
{
    CAccessorUBF16L wide(0, 0, 30);
    EXPECT_EQ(wide.getMask(), 0xFFFFu);
    unsigned char buf[4] = { 0, 0, 0x77, 0x77 };
    EXPECT_EQ(wide.PutRaw(buf, 0, 0x12345), 0x2345);
    EXPECT_EQ(buf[2], 0x77);
    EXPECT_EQ(buf[3], 0x77);

    // A signed one takes its sign from bit 15, the top of the word.
    CAccessorSBF16B signedWide(0, 0, 30);
    const unsigned char minus1[] = { 0xFF, 0xFF };
    EXPECT_EQ(signedWide.GetRaw(minus1, 0), -1);
}

TEST(BitFieldAccessor, FirstBitAboveLastBitGivesAnEmptyField)
{
    unsigned char b = 0xFF;
    CAccessorUBF8 empty(0, 5, 2);
    EXPECT_EQ(empty.GetRaw(&b, 0), 0);
    EXPECT_EQ(empty.PutRaw(&b, 0, 7), 0);
    EXPECT_EQ(b, 0xFF);
}

TEST(BitFieldAccessor, NullBufferReadsZeroAndWritesNothing)
{
    std::vector<std::unique_ptr<IAccessorI>> all;
    all.push_back(std::make_unique<CAccessorUBF8>(0, 0, 7));
    all.push_back(std::make_unique<CAccessorUBF8SF2>(0, 0, 7));
    all.push_back(std::make_unique<CAccessorUBF8OKXAMP>(0, 0, 7));
    all.push_back(std::make_unique<CAccessorUBF8OPWAMP>(0, 0, 7));
    all.push_back(std::make_unique<CAccessorUBF8OKXFX1>(0, 0, 7));
    all.push_back(std::make_unique<CAccessorUBF8OPWFX1>(0, 0, 7));
    all.push_back(std::make_unique<CAccessorSBF8>(0, 0, 7));
    all.push_back(std::make_unique<CAccessorSBF8C64>(0, 0, 7));
    all.push_back(std::make_unique<CAccessorSBF8C2>(0, 0, 7));
    all.push_back(std::make_unique<CAccessorUBF16B>(0, 0, 15));
    all.push_back(std::make_unique<CAccessorSBF16B>(0, 0, 15));
    all.push_back(std::make_unique<CAccessorUBF24B>(0, 0, 23));
    all.push_back(std::make_unique<CAccessorUBF32B>(0, 0, 31));
    all.push_back(std::make_unique<CAccessorUBF32BSF4>(0, 0, 31));
    all.push_back(std::make_unique<CAccessorSBF32B>(0, 0, 31));
    all.push_back(std::make_unique<CAccessorUBF16L>(0, 0, 15));
    all.push_back(std::make_unique<CAccessorSBF16L>(0, 0, 15));
    all.push_back(std::make_unique<CAccessorUBF24L>(0, 0, 23));
    all.push_back(std::make_unique<CAccessorSBF24L>(0, 0, 23));
    for (size_t i = 0; i < all.size(); ++i)
    {
        EXPECT_EQ(all[i]->GetRaw(nullptr, 4), 0) << i;
        EXPECT_EQ(all[i]->Get(nullptr, 4), 0) << i;
        EXPECT_EQ(all[i]->PutRaw(nullptr, 4, 5), 0) << i;
        EXPECT_EQ(all[i]->Put(nullptr, 4, 5), 0) << i;
    }
}

TEST(BitFieldAccessor, OrvaAmpAndFX1Translations)
{
    unsigned char b = 22;
    CAccessorUBF8OKXAMP okx(0, 0, 7);
    EXPECT_EQ(okx.GetRaw(&b, 0), 22);
    b = 38;
    EXPECT_EQ(okx.GetRaw(&b, 0), 22);
    EXPECT_EQ(okx.PutRaw(&b, 0, 22), 22);
    EXPECT_EQ(b, 38);

    CAccessorUBF8OPWAMP opw(0, 0, 7);
    b = 22;
    EXPECT_EQ(opw.GetRaw(&b, 0), 0);
    EXPECT_EQ(opw.PutRaw(&b, 0, 16), 16);
    EXPECT_EQ(b, 38);

    CAccessorUBF8OKXFX1 okxFx(0, 0, 7);
    b = 0;
    EXPECT_EQ(okxFx.PutRaw(&b, 0, 0), 0);
    EXPECT_EQ(b, 3);
    b = 1;
    EXPECT_EQ(okxFx.GetRaw(&b, 0), -1);

    CAccessorUBF8OPWFX1 opwFx(0, 0, 7);
    b = 0;
    EXPECT_EQ(opwFx.PutRaw(&b, 0, 9), 9);
    EXPECT_EQ(b, 12);
    EXPECT_EQ(opwFx.PutRaw(&b, 0, 50), 10) << "a type past the list is clamped";
    EXPECT_EQ(b, 13);
}
