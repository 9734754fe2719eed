#include "ParamTable/CParamTable.h"
#include "ParamTable/CStringConverterCont.h"
#include "ParamTable/CStringConverterEnum.h"
#include "ParamTable/CStringConverterStr.h"
#include "ParamTable/IAccessorI.h"
#include "ParamTable/IAccessorS.h"

#include <gtest/gtest.h>

namespace
{
const char* const knob = "0~100\t0~10\t%.1f,v";
const char* const elevenNames = "A\nB\nC\nD\nE\nF\nG\nH\nI\nJ\nK";

const SParamDesc knobRows[] = {
    { "GAIN", "", "TT_Gain", 0x401, PTYPE_CONT, ATYPE_UBF8, 20, 0, 7, 50, 0, 2, 0, 0, knob },
    { "TREBLE", "", "", 0x402, PTYPE_CONT, ATYPE_UBF8, 21, 0, 7, 50, 0, 100, 0, 0, knob },
    { "BASS", "", "", 0x403, PTYPE_CONT, ATYPE_UBF8, 22, 0, 7, 50, 0, 100, 0, 0, knob },
};
const TABLEDESC knobTable { knobRows, 3 };

const SParamDesc mixedRows[] = {
    { "NAME", "", "", (int32_t) 0xFFFF0000, PTYPE_STR, ATYPE_STR16, 0, 0, 0, 0, 0, 0, 0, 0, "" },
    { " ", "", "", 0x300, PTYPE_NONE, ATYPE_UBF8, 16, 0, 7, 0, 0, 0, 0, 0x120, "" },
    { "TYPE", "", "", 0x301, PTYPE_ENUM, ATYPE_UBF8, 17, 0, 7, 3, 0, 0, 0, 0, elevenNames },
    { "SENS", "", "", 0x100, PTYPE_CONT, ATYPE_UBF16L, 18, 0, 30, 0, 0, 10, 0, 0x10, "%.0f,v" },
    { "ODD", "", "", 0x302, (PTYPE) 2, ATYPE_UBF8, 20, 0, 7, 1, 0, 5, 0, 0, "" },
    { "TYPE AGAIN", "", "", 0x301, PTYPE_ENUM, ATYPE_UBF8, 21, 0, 7, 0, 0, 1, 0, 0, "X\nY" },
};
const TABLEDESC mixedTable { mixedRows, 6 };
} // namespace

TEST(ParamTable, ContinuousRowsAreIndexedAndWidened)
{
    CParamTable* table = CParamTable::GetInstance(knobTable, 0);
    ASSERT_EQ(table->GetCount(), 3u);
    for (int id : { 0x401, 0x402, 0x403 })
    {
        uint32_t index = 99;
        ASSERT_TRUE(table->FindIndex(id, &index)) << id;
        const SParamDesc& row = table->GetEntry(index);
        EXPECT_EQ(row.id, id);
        EXPECT_EQ(row.minValue, 0);
        EXPECT_EQ(row.maxValue, 100);
        EXPECT_EQ(row.initValue, 50);
        EXPECT_NE(dynamic_cast<CStringConverterCont*>(row.converter), nullptr);
        EXPECT_NE(dynamic_cast<IAccessorI*>(row.accessor), nullptr);
    }
    EXPECT_FALSE(table->FindIndex(0x404, nullptr));
    EXPECT_EQ(knobRows[0].maxValue, 2) << "the static table is not changed";
    EXPECT_EQ(knobRows[0].accessor, nullptr);

    // Every row with the same layout and format shares accessor and converter.
    EXPECT_EQ(table->GetEntry(1).accessor, table->GetEntry(2).accessor);
    EXPECT_EQ(table->GetEntry(1).converter, table->GetEntry(2).converter);
}

TEST(ParamTable, MixedRowKinds)
{
    CParamTable* table = CParamTable::GetInstance(mixedTable, 0);
    ASSERT_EQ(table->GetCount(), 6u);

    uint32_t index = 0;
    ASSERT_TRUE(table->FindIndex((int) 0xFFFF0000, &index));
    const SParamDesc& name = table->GetEntry(index);
    EXPECT_EQ(name.minValue, 0);
    EXPECT_EQ(name.maxValue, 0);
    EXPECT_NE(dynamic_cast<CStringConverterStr*>(name.converter), nullptr);
    EXPECT_NE(dynamic_cast<IAccessorS*>(name.accessor), nullptr);

    // A row of no parameter keeps its place but leaves the index.
    const SParamDesc& none = table->GetEntry(1);
    EXPECT_EQ(none.id, -1);
    EXPECT_EQ(none.flags, 0x121u);
    EXPECT_EQ(none.accessor, nullptr);
    EXPECT_EQ(none.converter, nullptr);
    EXPECT_FALSE(table->FindIndex(0x300, nullptr));

    // The later row with the same id wins the index; the earlier list row
    // still has its range from its eleven names.
    ASSERT_TRUE(table->FindIndex(0x301, &index));
    EXPECT_EQ(index, 5u);
    EXPECT_EQ(table->GetEntry(2).minValue, 0);
    EXPECT_EQ(table->GetEntry(2).maxValue, 10);
    EXPECT_NE(dynamic_cast<CStringConverterEnum*>(table->GetEntry(2).converter), nullptr);

    // A 16-bit field declared up to bit 30 reads and writes only its two bytes.
    const SParamDesc& sens = table->GetEntry(3);
    auto* acc = dynamic_cast<IAccessorI*>(sens.accessor);
    ASSERT_NE(acc, nullptr);
    unsigned char buf[24] = {};
    buf[20] = 0x5A;
    EXPECT_EQ(acc->Put(buf, sens.offset, 0x1234), 0x1234);
    EXPECT_EQ(buf[18], 0x34);
    EXPECT_EQ(buf[19], 0x12);
    EXPECT_EQ(buf[20], 0x5A);

    // An unused value kind gets neither accessor nor converter, keeps its
    // range and is still indexed.
    const SParamDesc& odd = table->GetEntry(4);
    EXPECT_EQ(odd.accessor, nullptr);
    EXPECT_EQ(odd.converter, nullptr);
    EXPECT_EQ(odd.maxValue, 5);
    EXPECT_TRUE(table->FindIndex(0x302, nullptr));
}

TEST(ParamTable, FormatVariantsByModelByte)
{
    const std::string variants = std::string("0\f%.0f,v\f1\f%.1f,v");
    EXPECT_EQ(CParamTable::extractformatforpmid(variants.c_str(), 0), "%.0f,v");
    EXPECT_EQ(CParamTable::extractformatforpmid(variants.c_str(), 1), "%.1f,v");
    EXPECT_EQ(CParamTable::extractformatforpmid(variants.c_str(), 2), "");
    EXPECT_EQ(CParamTable::extractformatforpmid("%.1f,v", 7), "%.1f,v");
    EXPECT_EQ(CParamTable::extractformatforpmid("", 0), "");
    EXPECT_EQ(CParamTable::extractformatforpmid(nullptr, 0), "");
    EXPECT_EQ(CParamTable::extractformatforpmid("0x41\fA\f0\fB", 0x41), "A");
    EXPECT_EQ(CParamTable::extractformatforpmid("010\fA\f0\fB", 8), "A");
    EXPECT_EQ(CParamTable::extractformatforpmid("5\fA\fC", 5), "A");
    EXPECT_EQ(CParamTable::extractformatforpmid("5\fA\fC", 0), "") << "the third item is never selected";
}

TEST(ParamTable, RowsBuiltPerModelByteFromTheirVariant)
{
    static const SParamDesc rows[] = {
        { "LEVEL", "", "", 0x10, PTYPE_CONT, ATYPE_UBF8, 0, 0, 7, 0, 0, 100, 0, 0,
          "0\f0~100\t0~10\t%.1f,v\f1\f0~100\t0~100\t%.0f,v" },
    };
    static const TABLEDESC desc { rows, 1 };
    const SParamDesc& a = CParamTable::GetInstance(desc, 0)->GetEntry(0);
    const SParamDesc& b = CParamTable::GetInstance(desc, 1)->GetEntry(0);
    const SParamDesc& c = CParamTable::GetInstance(desc, 2)->GetEntry(0);
    EXPECT_EQ(std::string(a.converter->Format(55).c_str()), "5.5");
    EXPECT_EQ(std::string(b.converter->Format(55).c_str()), "55");
    EXPECT_EQ(std::string(c.converter->Format(55).c_str()), "55") << "no variant: plain integers";
    EXPECT_EQ(a.format, rows[0].format) << "the row keeps the whole format text";
}

TEST(ParamTable, WorkingTablesArePooled)
{
    CParamTable* first = CParamTable::GetInstance(knobTable, 0);
    EXPECT_EQ(first, CParamTable::GetInstance(knobTable, 0));
    EXPECT_NE(first, CParamTable::GetInstance(knobTable, 1));

    // Keyed by the handle's address: an equal copy gives its own table.
    static const TABLEDESC copy { knobRows, 3 };
    EXPECT_NE(first, CParamTable::GetInstance(copy, 0));
}

TEST(ParamTable, SetupEntryLeavesAttachedRowsAlone)
{
    SParamDesc row = knobRows[0];
    CParamTable::SetupEntry(&row, 0);
    EXPECT_EQ(row.maxValue, 100);
    row.maxValue = 7;
    row.initValue = 9;
    CParamTable::SetupEntry(&row, 0);
    EXPECT_EQ(row.maxValue, 7);
    EXPECT_EQ(row.initValue, 9);
}
