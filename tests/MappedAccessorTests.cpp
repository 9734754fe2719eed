#include "ParamTable/CAccessorMapped.h"
#include "ParamTable/CAccessorPool.h"
#include "ParamTable/CAccessorUBF16L.h"
#include "ParamTable/CAccessorUBF8.h"
#include "ParamTable/CAccessorUBF8OPWFX1.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(MappedAccessor, PositionsAndRawValues)
{
    CAccessorMapped<CAccessorUBF8> acc(0, 0, 7, { 0, 2, 5 });
    unsigned char b = 5;
    EXPECT_EQ(acc.Get(&b, 0), 2);
    b = 3;
    EXPECT_EQ(acc.Get(&b, 0), 0) << "unknown raw value reads as position 0";
    EXPECT_EQ(acc.Put(&b, 0, 1), 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(acc.Put(&b, 0, 7), 0) << "a position past the list writes the raw 0";
    EXPECT_EQ(b, 0);
    b = 9;
    EXPECT_EQ(acc.Put(&b, 0, -1), 0);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(acc.Get(nullptr, 0), 0);
    EXPECT_EQ(acc.Put(nullptr, 0, 2), 0);

    // Only HoldsListValue tells a raw value outside the list from the first
    // entry; a list of the positions themselves reads the same way.
    CAccessorMapped<CAccessorUBF8> positions(0, 0, 6, { 0, 1, 2, 3 });
    for (const auto& [raw, position, held] :
         { std::tuple { 0, 0, true }, { 3, 3, true }, { 4, 0, false }, { 83, 0, false }, { 0x83, 3, true }, { 0xC4, 0, false } })
    {
        b = (unsigned char) raw;
        EXPECT_EQ(positions.Get(&b, 0), position) << raw;
        EXPECT_EQ(positions.HoldsListValue(&b, 0), held) << raw;
    }
    EXPECT_FALSE(positions.HoldsListValue(nullptr, 0));
}

TEST(MappedAccessor, ListValuesAfterTheKindsTranslation)
{
    // FX1 types 3 and 8 of the Orva PW are the wire values 3 and 9.
    CAccessorMapped<CAccessorUBF8OPWFX1> acc(0, 0, 7, { 3, 8 });
    unsigned char b = 0;
    EXPECT_EQ(acc.Put(&b, 0, 1), 1);
    EXPECT_EQ(b, 9);

    // A value stored that does not fit the field reads back cut, and so
    // misses the list.
    CAccessorMapped<CAccessorUBF16L> narrow(0, 0, 3, { 1, 20 });
    unsigned char w[2] = {};
    EXPECT_EQ(narrow.Put(w, 0, 1), 0);
    EXPECT_EQ(w[0], 4);
}

TEST(MappedAccessor, PoolSharesAndSeparatesByLayoutAndList)
{
    CAccessorPool pool;
    IAccessor* a = pool.Get(0, PTYPE_ENUM, ATYPE_UBF8, 0, 7, "0\tA\n5\tB");
    IAccessor* b = pool.Get(0, PTYPE_ENUM, ATYPE_UBF8, 0, 7, "0\tA\n5\tB");
    IAccessor* c = pool.Get(0, PTYPE_ENUM, ATYPE_UBF8, 0, 7, "0\tA\n6\tB");
    IAccessor* d = pool.Get(0, PTYPE_ENUM, ATYPE_UBF8, 0, 6, "0\tA\n5\tB");
    IAccessor* plain = pool.Get(0, PTYPE_CONT, ATYPE_UBF8, 0, 7, "0\tA\n5\tB");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    EXPECT_NE(a, d);
    EXPECT_NE(a, plain);

    unsigned char raw = 5;
    EXPECT_EQ(dynamic_cast<IAccessorI*>(a)->Get(&raw, 0), 1);
    EXPECT_EQ(dynamic_cast<IAccessorI*>(plain)->Get(&raw, 0), 5);

    EXPECT_EQ(pool.Get(0, PTYPE_ENUM, ATYPE_UBF24B, 0, 7, "A"), nullptr);
    EXPECT_NE(pool.Get(0, PTYPE_CONT, ATYPE_UBF24B, 0, 23, ""), nullptr);
    EXPECT_EQ(pool.Get(0, PTYPE_CONT, (ATYPE) 21, 0, 7, ""), nullptr);
    EXPECT_EQ(pool.Get(0, PTYPE_CONT, ATYPE_STR16, 0, 7, ""), nullptr);
    EXPECT_EQ(pool.Get(0, PTYPE_NONE, ATYPE_UBF8, 0, 7, ""), nullptr);
    EXPECT_EQ(pool.Get(0, (PTYPE) 11, ATYPE_UBF8, 0, 7, ""), nullptr);
    EXPECT_EQ(pool.Get(0, PTYPE_STR, ATYPE_UBF8, 0, 7, ""), nullptr);
    EXPECT_NE(dynamic_cast<IAccessorS*>(pool.Get(0, PTYPE_STR, ATYPE_STR16, 0, 0, "")), nullptr);
}
