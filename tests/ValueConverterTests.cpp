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

TEST(ValueConverter, KnobScaleFormatsAndRounds)
{
    CStringConverterCont c(0, 0, 100, knob);
    EXPECT_EQ(c.Format(0), multi("0.0"));
    EXPECT_EQ(c.Format(55), multi("5.5"));
    EXPECT_EQ(c.Format(100), multi("10.0"));
    EXPECT_EQ(c.Format(150), multi("150")) << "a value no entry covers prints as its number";
    EXPECT_EQ(c.Parse("5.5"), 55);
    EXPECT_EQ(c.Parse("10.04"), 100);
    EXPECT_EQ(c.Parse("0.04"), 0);
    EXPECT_EQ(c.Parse("0.05"), 1) << "half rounds away from zero";

    CStringConverterCont centred(0, 0, 48, "0~48\t-12~12\t%.1f,v");
    EXPECT_EQ(centred.Format(24), multi("0.0"));
    EXPECT_EQ(centred.Format(0), multi("-12.0"));
    EXPECT_EQ(centred.Parse("-11.5"), 1);

    CStringConverterCont split(0, 0, 100, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v");
    EXPECT_EQ(split.Format(49), multi("-0.2"));
    EXPECT_EQ(split.Format(50), multi("0.0"));

    CStringConverterCont large(0, 100, 10000, "100~10000\t0.1~10.0\t%.3f,v");
    EXPECT_EQ(large.Format(100), multi("0.100"));
    EXPECT_EQ(large.Parse("2.5"), 2500);
}

TEST(ValueConverter, ExpressionsAndLargeRanges)
{
    CStringConverterCont scaled(0, 0, 10, "0~10\t0~10\t%.0f,v*10");
    EXPECT_EQ(scaled.Format(3), multi("30"));
    EXPECT_EQ(scaled.Parse("3"), 3) << "typed values are read on the linear scale, not inverted";

    CStringConverterCont broken(0, 0, 10, "0~10\t0~10\t%.1f,v+");
    EXPECT_EQ(broken.Format(3), multi("0.0"));

    // Beyond 24 bits the computation runs in double precision.
    CStringConverterCont wide(0, 0, 100000000, "0~100000000\t0~100000000\t%.0f,v");
    EXPECT_EQ(wide.Format(99999999), multi("99999999"));
    EXPECT_EQ(wide.Parse("99999999"), 99999999);
}

TEST(ValueConverter, LabelsAndSingleValues)
{
    CStringConverterCont c(0, 0, 4, "0\tOFF\n1~4\t1~4\t%.0f,v");
    EXPECT_EQ(c.Format(0), multi("OFF"));
    EXPECT_EQ(c.Format(3), multi("3"));
    EXPECT_EQ(c.Format(9), multi("9"));
    EXPECT_EQ(c.Parse("OFF"), 0);
    EXPECT_EQ(c.Parse("2"), 2);

    CStringConverterCont speed(0, 0, 100, speedScale);
    EXPECT_EQ(speed.Format(100), multi("10.0"));
    EXPECT_EQ(speed.Format(0), multi("0.100"));
    EXPECT_EQ(speed.Format(55), multi("1.25"));

    CStringConverterCont bars(0, 0, 1, "0\tA|B\n1\tC|\n");
    EXPECT_EQ(bars.Format(0), multi("A", "B"));
    EXPECT_EQ(bars.Format(1), multi("C"));

    CStringConverterCont offOn(0, 0, 5, "Off\tOn");
    EXPECT_EQ(offOn.Format(3), multi(""));
    EXPECT_EQ(offOn.Parse("On"), 0) << "no entry parses; plain integer fallback";
    EXPECT_EQ(offOn.Parse("4"), 4);

    CStringConverterCont rules(0, 0, 0, "");
    EXPECT_EQ(rules.Format(7), multi("7"));
    EXPECT_EQ(rules.Parse("0x1F"), 31);
}

TEST(ValueConverter, RangeWidening)
{
    EXPECT_EQ(CStringConverterCont(0, 0, 2, knob).Range(), std::make_pair(0, 100));
    EXPECT_EQ(CStringConverterCont(0, -5, 2, knob).Range(), std::make_pair(-5, 100));
    EXPECT_EQ(CStringConverterCont(0, 0, 200, knob).Range(), std::make_pair(0, 200));
}

TEST(ValueConverter, TypedValuesBeyondTheScaleStoreTheNearestEnd)
{
    CStringConverterCont c(0, 0, 100, knob);
    EXPECT_EQ(c.Parse("11"), 100);
    EXPECT_EQ(c.Parse("-3"), 0);
    EXPECT_EQ(c.Parse("abc"), 0);

    CStringConverterCont centred(0, 0, 48, "0~48\t-12~12\t%.1f,v");
    EXPECT_EQ(centred.Parse("-40"), 0);
    EXPECT_EQ(centred.Parse("40"), 48);

    CStringConverterCont labelled(0, 0, 4, "0\tOFF\n1~4\t1~4\t%.0f,v");
    EXPECT_EQ(labelled.Parse("9"), 4);

    CStringConverterCont speed(0, 0, 100, speedScale);
    EXPECT_EQ(speed.Parse("25"), 100) << "the 10.0 label is the top end";
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
