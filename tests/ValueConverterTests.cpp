#include "ParamTable/CStringConverterCont.h"
#include "ParamTable/CStringConverterEnum.h"
#include "ParamTable/CStringConverterPool.h"
#include "ParamTable/CStringConverterStr.h"
#include "support/MultiString.h"

#include <gtest/gtest.h>

using testing_support::multi;

namespace
{
const char* const knob = "0~100\t0~10\t%.1f,v";
const char* const speedScale = "0~9\t0.1~0.145\t%.3f,v\n10~24\t0.15~0.29\t%.2f,v\n25~39\t0.30~0.58\t%.2f,v\n"
                               "40~49\t0.60~0.96\t%.2f,v\n50~59\t1.00~1.45\t%.2f,v\n60~74\t1.5~2.9\t%.1f,v\n"
                               "75~89\t3.0~5.8\t%.1f,v\n90~99\t6.0~9.6\t%.1f,v\n100\t10.0";
} // namespace

TEST(ValueConverter, ContinuousScales)
{
    // A value no entry covers prints as its number; typed values are read on
    // the linear scale (not through the expression), half rounds away from
    // zero, and a typed value beyond the scale stores the nearest end.
    const char* const centred = "0~48\t-12~12\t%.1f,v";
    const char* const labelled = "0\tOFF\n1~4\t1~4\t%.0f,v";
    const struct
    {
        const char* scale;
        int lo, hi;
        std::vector<std::pair<int, const char*>> formats;
        std::vector<std::pair<const char*, int>> parses;
    } cases[] = {
        { knob,
          0,
          100,
          { { 0, "0.0" }, { 55, "5.5" }, { 100, "10.0" }, { 150, "150" } },
          { { "5.5", 55 }, { "10.04", 100 }, { "0.04", 0 }, { "0.05", 1 }, { "11", 100 }, { "-3", 0 }, { "abc", 0 } } },
        { centred, 0, 48, { { 24, "0.0" }, { 0, "-12.0" } }, { { "-11.5", 1 }, { "-40", 0 }, { "40", 48 } } },
        { "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v", 0, 100, { { 49, "-0.2" }, { 50, "0.0" } }, {} },
        { "100~10000\t0.1~10.0\t%.3f,v", 100, 10000, { { 100, "0.100" } }, { { "2.5", 2500 } } },
        { "0~10\t0~10\t%.0f,v*10", 0, 10, { { 3, "30" } }, { { "3", 3 } } },
        { "0~10\t0~10\t%.1f,v+", 0, 10, { { 3, "0.0" } }, {} },
        // Beyond 24 bits the computation runs in double precision.
        { "0~100000000\t0~100000000\t%.0f,v", 0, 100000000, { { 99999999, "99999999" } }, { { "99999999", 99999999 } } },
        { labelled, 0, 4, { { 0, "OFF" }, { 3, "3" }, { 9, "9" } }, { { "OFF", 0 }, { "2", 2 }, { "9", 4 } } },
        { speedScale, 0, 100, { { 100, "10.0" }, { 0, "0.100" }, { 55, "1.25" } }, { { "25", 100 } } },
        // No entry parses: the plain integer fallback.
        { "Off\tOn", 0, 5, { { 3, "" } }, { { "On", 0 }, { "4", 4 } } },
        { "", 0, 0, { { 7, "7" } }, { { "0x1F", 31 } } },
    };
    for (const auto& c : cases)
    {
        CStringConverterCont converter(0, c.lo, c.hi, c.scale);
        for (const auto& [value, text] : c.formats)
            EXPECT_EQ(converter.Format(value), multi(text)) << c.scale << " / " << value;
        for (const auto& [text, value] : c.parses)
            EXPECT_EQ(converter.Parse(text), value) << c.scale << " / " << text;
    }

    CStringConverterCont bars(0, 0, 1, "0\tA|B\n1\tC|\n");
    EXPECT_EQ(bars.Format(0), multi("A", "B"));
    EXPECT_EQ(bars.Format(1), multi("C"));

    EXPECT_EQ(CStringConverterCont(0, 0, 2, knob).Range(), std::make_pair(0, 100));
    EXPECT_EQ(CStringConverterCont(0, -5, 2, knob).Range(), std::make_pair(-5, 100));
    EXPECT_EQ(CStringConverterCont(0, 0, 200, knob).Range(), std::make_pair(0, 200));
}

TEST(ValueConverter, EnumScoringAndFormatting)
{
    CStringConverterEnum rev(0, 0, 0, "ROOM\nSPRING\nHALL\nPLATE");
    EXPECT_EQ(rev.Parse("room"), 0);
    EXPECT_EQ(rev.Parse("HA"), 2);
    EXPECT_EQ(rev.Parse("xyz"), 0);
    EXPECT_EQ(rev.Parse("PLATE"), 3);
    EXPECT_EQ(rev.Parse("pl"), 3);
    EXPECT_EQ(rev.Parse(nullptr), 0);
    EXPECT_EQ(rev.Range(), std::make_pair(0, 3));
    EXPECT_EQ(rev.Format(1), multi("SPRING"));
    EXPECT_EQ(rev.Format(4), multi(""));
    EXPECT_EQ(rev.Format(-1), multi(""));

    // An exact match beats an earlier match ignoring case or by beginning.
    CStringConverterEnum cases(0, 0, 0, "Ab\nAB\nA");
    EXPECT_EQ(cases.Parse("AB"), 1);
    EXPECT_EQ(cases.Parse("A"), 2);
    EXPECT_EQ(cases.Parse("ab"), 0);

    CStringConverterEnum alternatives(0, 0, 0, "3\tLONG NAME|LN\nB");
    EXPECT_EQ(alternatives.Format(0), multi("LONG NAME", "LN"));
    EXPECT_EQ(alternatives.Format(1), multi("B"));

    CStringConverterEnum empty(0, 0, 0, "");
    EXPECT_EQ(empty.Range(), std::make_pair(0, -1));
    EXPECT_EQ(empty.Parse("x"), 0);
}

TEST(ValueConverter, TextConverterAndPool)
{
    CStringConverterStr s;
    EXPECT_EQ(s.Format(-12), multi("-12"));
    EXPECT_EQ(s.Parse("010"), 8);
    EXPECT_EQ(s.Parse(nullptr), 0);
    EXPECT_EQ(s.Range(), std::make_pair(0, 0));

    const CStringConverterPool::SCDESC desc { 0, 5, 0, 100, knob };
    EXPECT_EQ(desc.tostring(), std::string("0,5,0,100,") + knob);

    CStringConverterPool pool;
    IStringConverter* a = pool.Get(0, PTYPE_CONT, 0, 100, knob);
    EXPECT_EQ(a, pool.Get(0, PTYPE_CONT, 0, 100, knob));
    EXPECT_NE(a, pool.Get(1, PTYPE_CONT, 0, 100, knob));
    EXPECT_NE(a, pool.Get(0, PTYPE_CONT9, 0, 100, knob));
    EXPECT_EQ(a, pool.Get(0, PTYPE_CONT, 0, 65636, knob)) << "the range enters the key as 16-bit values";
    EXPECT_NE(dynamic_cast<CStringConverterEnum*>(pool.Get(0, PTYPE_ENUM8, 0, 0, "A")), nullptr);
    EXPECT_NE(dynamic_cast<CStringConverterStr*>(pool.Get(0, PTYPE_STR, 0, 0, "")), nullptr);
    EXPECT_EQ(pool.Get(0, PTYPE_NONE, 0, 0, ""), nullptr);
    EXPECT_EQ(pool.Get(0, (PTYPE) 3, 0, 0, ""), nullptr);
    EXPECT_EQ(pool.Get(0, (PTYPE) 11, 0, 0, ""), nullptr);
}
