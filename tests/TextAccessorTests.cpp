#include "ParamTable/CAccessorPool.h"
#include "ParamTable/CAccessorStr.h"
#include "ParamTable/CAccessorStrLCD.h"
#include "ParamTable/CAccessorStrLCD6bit.h"
#include "ParamTable/CAccessorStrV.h"
#include "ParamTable/CAccessorStrVZ.h"
#include "ParamTable/TESSARA_LCD.h"
#include "support/MultiString.h"

#include <array>
#include <cstring>
#include <gtest/gtest.h>

using testing_support::multi;

TEST(TextAccessor, DisplayPrintableTest)
{
    for (int c : { 0x01, 0x0C, 0x1F, (int) '<', (int) '>' })
        EXPECT_FALSE(TESSARA_LCD::ischarprint((unsigned char) c)) << c;
    for (int c : { 0x00, 0x0A, (int) ' ', (int) '0', (int) 'A', (int) 'Z', (int) '~', 0xC8 })
        EXPECT_TRUE(TESSARA_LCD::ischarprint((unsigned char) c)) << c;
}

TEST(TextAccessor, ProgramNamePaddingAndCutting)
{
    CAccessorStr<16> acc;
    std::array<char, 20> buf;
    buf.fill('#');
    const std::string stored = "HELLO" + std::string(11, ' ');
    EXPECT_EQ(acc.Put(buf.data(), 2, "HELLO"), multi(stored));
    EXPECT_EQ(std::string(buf.data() + 2, 16), stored);
    EXPECT_EQ(buf[1], '#');
    EXPECT_EQ(buf[18], '#');

    EXPECT_EQ(acc.Put(buf.data(), 2, "ABCDEFGHIJKLMNOPQRST"), multi("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(buf[18], '#');
    EXPECT_EQ(acc.Put(buf.data(), 2, ""), multi(std::string(16, ' ')));

    // Reading stops at the first byte that is not printable and pads with blanks.
    std::memcpy(buf.data() + 2, "AB<CDEFGHIJKLMNO", 16);
    EXPECT_EQ(acc.Get(buf.data(), 2), multi("AB" + std::string(14, ' ')));

    EXPECT_EQ(acc.Get(nullptr, 0), multi(""));
    EXPECT_EQ(acc.Put(nullptr, 0, "X"), multi(""));
}

TEST(TextAccessor, ZeroPaddedAndVariableTexts)
{
    CAccessorStrVZ<32> vz;
    std::array<char, 32> zeros {};
    EXPECT_EQ(vz.Get(zeros.data(), 0), "");
    EXPECT_EQ(vz.Put(zeros.data(), 0, ""), "");
    EXPECT_EQ(zeros, (std::array<char, 32> {}));

    std::array<char, 32> field;
    field.fill('x');
    EXPECT_EQ(vz.Put(field.data(), 0, "abc"), "abc");
    EXPECT_EQ(field[3], 0);
    EXPECT_EQ(field[31], 0);
    EXPECT_EQ(vz.Get(field.data(), 0), "abc");

    CAccessorStrV<256> v;
    std::array<char, 256> big;
    big.fill('z');
    EXPECT_EQ(v.Put(big.data(), 0, "name  "), multi("name  "));
    EXPECT_EQ(big[255], ' ');
    EXPECT_EQ(v.Get(big.data(), 0), multi("name"));
    EXPECT_EQ(v.Put(big.data(), 0, ""), multi(""));
    EXPECT_EQ(v.Get(big.data(), 0), multi("name")) << "an empty text leaves the field";
}

TEST(TextAccessor, DisplayCodeOnePerByte)
{
    CAccessorStrLCD<10> lcd;
    std::array<unsigned char, 12> buf;
    buf.fill(0xEE);
    EXPECT_EQ(lcd.Put(buf.data(), 1, "Ab ^_"), multi("A  ^      "));
    EXPECT_EQ(buf[1], 33); // "A"
    EXPECT_EQ(buf[2], 0);  // lower case has no code
    EXPECT_EQ(buf[3], 0);  // blank
    EXPECT_EQ(buf[4], 62); // "^"
    EXPECT_EQ(buf[5], 0);  // "_" (95) has no code
    EXPECT_EQ(buf[10], 0);
    EXPECT_EQ(buf[0], 0xEE);
    EXPECT_EQ(buf[11], 0xEE);

    // Code 63 reads as a blank; code 28 is "<", which ends the text.
    const unsigned char codes[10] = { 40, 63, 41, 28, 33, 33, 33, 33, 33, 33 };
    EXPECT_EQ(lcd.Get(codes, 0), multi("H I" + std::string(7, ' ')));
}

TEST(TextAccessor, SixBitPackingFromBitZero)
{
    CAccessorStrLCD6bit<10> acc(0);
    std::array<unsigned char, 10> buf {};
    buf[7] = 0xF0;
    buf[8] = 0xAB;
    acc.Put(buf.data(), 0, "ABCDE");
    // A=33 (100001), B=34 (100010), C=35, D=36, E=37
    EXPECT_EQ(buf[0] & 0x3F, 33);
    EXPECT_EQ(((buf[0] >> 6) | ((buf[1] & 0x0F) << 2)), 34);
    EXPECT_EQ(((buf[1] >> 4) | ((buf[2] & 0x03) << 4)), 35);
    EXPECT_EQ(buf[2] >> 2, 36);
    EXPECT_EQ(buf[3] & 0x3F, 37) << "the fifth character starts again at bit 0 of byte 3";
    EXPECT_EQ(buf[7], 0xF0) << "bits 60 to 63 lie beyond the field";
    EXPECT_EQ(buf[8], 0xAB) << "60 bits from bit 0 end in byte 7";
    EXPECT_EQ(acc.Get(buf.data(), 0), multi("ABCDE     "));
}

TEST(TextAccessor, SixBitPackingFromBitThree)
{
    CAccessorStrLCD6bit<10> acc(3);
    std::array<unsigned char, 9> buf;
    buf.fill(0xFF);
    acc.Put(buf.data(), 0, "Z");
    // "Z" is code 58 (111010): low five bits at bits 3-7 of byte 0, top bit at bit 0 of byte 1.
    EXPECT_EQ(buf[0] & 0x07, 0x07) << "bits below the start bit keep their values";
    EXPECT_EQ(buf[0] >> 3, 58 & 0x1F);
    EXPECT_EQ(buf[1] & 0x01, 58 >> 5);
    // The other nine characters are code 0: bits 1 to 7 of byte 1 and up to bit 62.
    EXPECT_EQ(buf[1] & 0xFE, 0);
    EXPECT_EQ(buf[7] & 0x7F, 0);
    EXPECT_EQ(buf[7] & 0x80, 0x80) << "bit 63 lies beyond the field";
    EXPECT_EQ(buf[8], 0xFF);
    EXPECT_EQ(acc.Get(buf.data(), 0), multi("Z         "));

    // Round trip of a full text.
    EXPECT_EQ(acc.Put(buf.data(), 0, "0123456789"), multi("0123456789"));
}

TEST(TextAccessor, PoolHandsOutSharedTextAccessors)
{
    CAccessorPool pool;
    EXPECT_EQ(pool.Get(0, PTYPE_STR, ATYPE_STR16, 0, 0, ""), pool.Get(1, PTYPE_STR, ATYPE_STR16, 3, 9, "x"));
    EXPECT_NE(dynamic_cast<CAccessorStr<24>*>(pool.Get(0, PTYPE_STR, ATYPE_STR24, 0, 0, "")), nullptr);
    EXPECT_NE(dynamic_cast<CAccessorStrVZ<32>*>(pool.Get(0, PTYPE_STR, ATYPE_STRVZ32, 0, 0, "")), nullptr);
    EXPECT_NE(dynamic_cast<CAccessorStrV<256>*>(pool.Get(0, PTYPE_STR, ATYPE_STRV256, 0, 0, "")), nullptr);
    EXPECT_NE(dynamic_cast<CAccessorStrLCD<10>*>(pool.Get(0, PTYPE_STR, ATYPE_STRLCD10, 0, 0, "")), nullptr);
    auto* packed = dynamic_cast<CAccessorStrLCD6bit<10>*>(pool.Get(0, PTYPE_STR, ATYPE_STRLCD6BIT10, 0, 5, ""));
    ASSERT_NE(packed, nullptr);
    EXPECT_EQ(packed->getStartBit(), 5u) << "the row's last bit is the start bit";
}
