#include "ParamTable/mathutl.h"
#include "support/MultiString.h"

#include <gtest/gtest.h>

using testing_support::multi;
using Strings = std::vector<std::string>;

TEST(StringUtil, BreakString)
{
    EXPECT_EQ(mathutl::breakstring("a,,b", ','), (Strings { "a", "", "b" }));
    EXPECT_EQ(mathutl::breakstring("a,", ','), (Strings { "a" }));
    EXPECT_EQ(mathutl::breakstring(",a", ','), (Strings { "", "a" }));
    EXPECT_EQ(mathutl::breakstring("", ','), Strings {});
    EXPECT_EQ(mathutl::breakstring(nullptr, ','), Strings {});
    EXPECT_EQ(mathutl::breakstring("abc", ','), (Strings { "abc" }));
}

TEST(StringUtil, BreakEnumString)
{
    std::vector<int> values;
    Strings names, alternatives;
    mathutl::breakenumstring("OFF\nON", &values, &names, &alternatives);
    EXPECT_EQ(values, (std::vector<int> { 0, 1 }));
    EXPECT_EQ(names, (Strings { "OFF", "ON" }));
    EXPECT_EQ(alternatives, names);

    mathutl::breakenumstring("2\tA\nB\n7\tC|c", &values, &names, &alternatives);
    EXPECT_EQ(values, (std::vector<int> { 2, 3, 7 }));
    EXPECT_EQ(names, (Strings { "A", "B", "C" }));
    EXPECT_EQ(alternatives, (Strings { "A", "B", "c" }));

    // Hex and octal values, an empty alternative and a third bar item.
    mathutl::breakenumstring("0x10\tX|\n010\tY|y|z\n", &values, &names, &alternatives);
    EXPECT_EQ(values, (std::vector<int> { 16, 8 }));
    EXPECT_EQ(names, (Strings { "X", "Y" }));
    EXPECT_EQ(alternatives, (Strings { "X", "y" }));

    // Outputs are cleared; null outputs are skipped.
    mathutl::breakenumstring("", &values, nullptr, &alternatives);
    EXPECT_TRUE(values.empty());
    EXPECT_TRUE(alternatives.empty());
}

TEST(StringUtil, MakeMultiSz)
{
    EXPECT_EQ(mathutl::makemultisz("OFF", ""), multi("OFF"));
    EXPECT_EQ(mathutl::makemultisz("OFF", nullptr), multi("OFF"));
    EXPECT_EQ(mathutl::makemultisz("A", "B"), multi("A", "B"));
    EXPECT_EQ(mathutl::makemultisz("", ""), std::string(2, '\0'));
}
