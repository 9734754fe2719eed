#include "ParamTable/mathexp.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(ExpressionEvaluator, Values)
{
    // Binary operators of one level run left to right: 1+2*3 is 9.
    const struct
    {
        const char* expr;
        float v, expected;
    } cases[] = {
        { "v", 5.5f, 5.5f },
        { "v*10", 5.5f, 55.0f },
        { "1+2*3", 0, 9.0f },
        { "1+(2*3)", 0, 7.0f },
        { "2*(1+(3-1))", 0, 6.0f },
        { "10-2-3", 0, 5.0f },
        { "8/2/2", 0, 2.0f },
        { "-v+1", 2, -1.0f },
        { "!v", 2, 0.0f },
        { "!v", 0, 1.0f },
        { "v*-2", 3, -6.0f },
        { "-(v+1)", 3, -4.0f },
        { "v>=5&v<=10", -20, 1.0f },
        { "v>=5&v<=10", 50, 1.0f }, // ((v >= 5) & v) <= 10
        { "(v>=5)&(v<=10)", 7, 1.0f },
        { "(v>=5)&(v<=10)", 11, 0.0f },
        { "(v>=5)&(v<=10)", 4, 0.0f },
        { "3<=3", 0, 1.0f },
        { "3!=3", 0, 0.0f },
        { "3=3", 0, 1.0f },
        { "2<1", 0, 0.0f },
        { "2>1", 0, 1.0f },
        { "0|v", 0, 0.0f },
        { "0|v", 3, 1.0f },
        { "nan!=nan", 0, 1.0f },
        { "0x10+v", 1, 17.0f },
        { ".5*v", 4, 2.0f },
        { "1e2", 0, 100.0f },
        { " v", 2, 2.0f }, // a leading blank
    };
    for (const auto& c : cases)
    {
        float out = -12345.0f;
        EXPECT_TRUE(mathexp::eval(c.expr, c.v, &out)) << c.expr;
        EXPECT_FLOAT_EQ(out, c.expected) << c.expr << " with v=" << c.v;
    }

    float out = 0;
    for (const char* infinite : { "inf", "1/0" })
    {
        ASSERT_TRUE(mathexp::eval(infinite, 0.0f, &out));
        EXPECT_TRUE(std::isinf(out) && out > 0) << infinite;
    }
    ASSERT_TRUE(mathexp::eval("nan", 0.0f, &out));
    EXPECT_TRUE(std::isnan(out));
}

TEST(ExpressionEvaluator, SyntaxFailuresWriteNoResult)
{
    // Only CR, LF, tab and blank separate tokens; "!" is no binary operator.
    for (const char* expr : { "--v", "v*--2", "v!1", "v-", "*v", "v ", "v\n", "(v )", "", (const char*) nullptr, "()", "(v", "v)",
                              "v, v", "2v", "V", "v==1", "1 2", "\f1" })
    {
        float out = 777.0f;
        EXPECT_FALSE(mathexp::eval(expr, 1.0f, &out)) << (expr != nullptr ? expr : "null");
        EXPECT_EQ(out, 777.0f);
    }
}

TEST(ExpressionEvaluator, DoublePrecisionKeepsLiterals)
{
    double out = 0;
    ASSERT_TRUE(mathexp::eval("0.1+v", 0.0, &out));
    EXPECT_EQ(out, 0.1); // not rounded to float
    ASSERT_TRUE(mathexp::eval("1+2*3", 0.0, &out));
    EXPECT_EQ(out, 9.0);
    ASSERT_TRUE(mathexp::eval("v*-2", 1e10, &out));
    EXPECT_EQ(out, -2e10);
    out = 5;
    EXPECT_FALSE(mathexp::eval("v ", 1.0, &out));
    EXPECT_EQ(out, 5.0);
}
