#include "ParamTable/mathexp.h"

#include <gtest/gtest.h>
#include <cmath>

namespace
{
float evalF(const char* expr, float v, bool* ok = nullptr)
{
    float out = -12345.0f;
    const bool result = mathexp::eval(expr, v, &out);
    if (ok != nullptr)
        *ok = result;
    return out;
}

bool fails(const char* expr, float v = 1.0f)
{
    float out = 777.0f;
    const bool ok = mathexp::eval(expr, v, &out);
    return ! ok && out == 777.0f; // a failure writes no result
}
} // namespace

TEST(ExpressionEvaluator, VariableAndLeftToRightOrder)
{
    EXPECT_FLOAT_EQ(evalF("v", 5.5f), 5.5f);
    EXPECT_FLOAT_EQ(evalF("v*10", 5.5f), 55.0f);
    EXPECT_FLOAT_EQ(evalF("1+2*3", 0), 9.0f);
    EXPECT_FLOAT_EQ(evalF("1+(2*3)", 0), 7.0f);
    EXPECT_FLOAT_EQ(evalF("2*(1+(3-1))", 0), 6.0f);
    EXPECT_FLOAT_EQ(evalF("10-2-3", 0), 5.0f);
    EXPECT_FLOAT_EQ(evalF("8/2/2", 0), 2.0f);
}

TEST(ExpressionEvaluator, UnaryMinusAndNot)
{
    EXPECT_FLOAT_EQ(evalF("-v+1", 2), -1.0f);
    EXPECT_FLOAT_EQ(evalF("!v", 2), 0.0f);
    EXPECT_FLOAT_EQ(evalF("!v", 0), 1.0f);
    EXPECT_FLOAT_EQ(evalF("v*-2", 3), -6.0f);
    EXPECT_FLOAT_EQ(evalF("-(v+1)", 3), -4.0f);
    EXPECT_TRUE(fails("--v"));
    EXPECT_TRUE(fails("v*--2"));
    EXPECT_TRUE(fails("v!1")); // "!" is no binary operator
    EXPECT_TRUE(fails("v-"));
    EXPECT_TRUE(fails("*v"));
}

TEST(ExpressionEvaluator, ComparisonsAndLogic)
{
    // ((v >= 5) & v) <= 10 holds for every v.
    for (float v : { -20.0f, 0.0f, 7.0f, 50.0f })
        EXPECT_FLOAT_EQ(evalF("v>=5&v<=10", v), 1.0f) << v;
    EXPECT_FLOAT_EQ(evalF("(v>=5)&(v<=10)", 7), 1.0f);
    EXPECT_FLOAT_EQ(evalF("(v>=5)&(v<=10)", 11), 0.0f);
    EXPECT_FLOAT_EQ(evalF("(v>=5)&(v<=10)", 4), 0.0f);
    EXPECT_FLOAT_EQ(evalF("3<=3", 0), 1.0f);
    EXPECT_FLOAT_EQ(evalF("3!=3", 0), 0.0f);
    EXPECT_FLOAT_EQ(evalF("3=3", 0), 1.0f);
    EXPECT_FLOAT_EQ(evalF("2<1", 0), 0.0f);
    EXPECT_FLOAT_EQ(evalF("2>1", 0), 1.0f);
    EXPECT_FLOAT_EQ(evalF("0|v", 0), 0.0f);
    EXPECT_FLOAT_EQ(evalF("0|v", 3), 1.0f);
    EXPECT_FLOAT_EQ(evalF("nan!=nan", 0), 1.0f);
}

TEST(ExpressionEvaluator, NumberLiterals)
{
    EXPECT_FLOAT_EQ(evalF("0x10+v", 1), 17.0f);
    EXPECT_FLOAT_EQ(evalF(".5*v", 4), 2.0f);
    EXPECT_FLOAT_EQ(evalF("1e2", 0), 100.0f);
    EXPECT_TRUE(std::isinf(evalF("inf", 0)));
    EXPECT_TRUE(std::isinf(evalF("1/0", 0)));
    EXPECT_GT(evalF("1/0", 0), 0.0f);
    EXPECT_TRUE(std::isnan(evalF("nan", 0)));
}

TEST(ExpressionEvaluator, SyntaxFailures)
{
    bool ok = false;
    evalF(" v", 2, &ok);
    EXPECT_TRUE(ok) << "a leading blank is allowed";
    EXPECT_TRUE(fails("v "));
    EXPECT_TRUE(fails("v\n"));
    EXPECT_TRUE(fails("(v )"));
    EXPECT_TRUE(fails(""));
    EXPECT_TRUE(fails(nullptr));
    EXPECT_TRUE(fails("()"));
    EXPECT_TRUE(fails("(v"));
    EXPECT_TRUE(fails("v)"));
    EXPECT_TRUE(fails("v, v"));
    EXPECT_TRUE(fails("2v"));
    EXPECT_TRUE(fails("V"));
    EXPECT_TRUE(fails("v==1"));
    EXPECT_TRUE(fails("1 2"));
    EXPECT_TRUE(fails("\f1")); // only CR, LF, tab and blank separate tokens
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
