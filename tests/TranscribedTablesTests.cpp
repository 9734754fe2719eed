// Self-checks of the reference transcriptions under tests/data/: the loader's text and number
// handling and the table counts. Everything else in the data is checked by comparing it with
// the code's own tables, which were transcribed separately.

#include "support/TranscribedTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using transcribed::Row;
using transcribed::Tables;

namespace
{
const Tables& moduleRows()
{
    static const Tables t = Tables::load("orva_module_rows.tsv");
    return t;
}

std::string typeKey(const std::string& model, const std::string& module, int type)
{
    return model + "." + module + ".type" + std::to_string(type);
}

struct ModuleShape
{
    const char* model;
    const char* module;
    int types;
    int rows;
};
const ModuleShape kModules[] = {
    { "OKX", "amp", 23, 11 }, { "OPW", "amp", 17, 11 }, { "OKX", "fx1", 11, 6 },
    { "OPW", "fx1", 11, 6 },  { "OKX", "fx2", 8, 6 },   { "OPW", "fx2", 8, 6 },
};
} // namespace

// ---------------------------------------------------------------------------------------------
// Loader

TEST(TranscribedLoader, UnquotesTextsAndTurnsEscapesIntoCharacters)
{
    EXPECT_EQ(transcribed::unquote(R"("")"), "");
    EXPECT_EQ(transcribed::unquote(R"("    ")"), "    ");
    EXPECT_EQ(transcribed::unquote(R"("0\tOFF\n1\tON")"), "0\tOFF\n1\tON");
    EXPECT_EQ(transcribed::unquote(R"("a\\b\"c")"), "a\\b\"c");
    EXPECT_EQ(transcribed::unquote(R"("\\t")"), "\\t"); // an escaped backslash followed by a plain t

    EXPECT_THROW(transcribed::unquote("abc"), std::runtime_error);
    EXPECT_THROW(transcribed::unquote(R"("abc)"), std::runtime_error);
    EXPECT_THROW(transcribed::unquote(R"("a\qb")"), std::runtime_error);
    EXPECT_THROW(transcribed::unquote(R"("a\")"), std::runtime_error);
    EXPECT_THROW(transcribed::unquote(R"("a"b")"), std::runtime_error);
}

TEST(TranscribedLoader, ParsesDecimalHexAndNegativeNumbersOnly)
{
    long long v = 0;
    EXPECT_TRUE(transcribed::parseNumber("0", v));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(transcribed::parseNumber("1650", v));
    EXPECT_EQ(v, 1650);
    EXPECT_TRUE(transcribed::parseNumber("-1", v));
    EXPECT_EQ(v, -1);
    EXPECT_TRUE(transcribed::parseNumber("0x4C10", v));
    EXPECT_EQ(v, 0x4C10);
    EXPECT_TRUE(transcribed::parseNumber("0xd7df5", v));
    EXPECT_EQ(v, 0xD7DF5);
    EXPECT_TRUE(transcribed::parseNumber("0xFFFF0000", v));
    EXPECT_EQ(v, 0xFFFF0000LL);
    EXPECT_TRUE(transcribed::parseNumber("08", v)); // decimal, not octal
    EXPECT_EQ(v, 8);

    for (const char* bad : { "", "-", "0x", "12a", "0x1G", " 1", "1 ", "1.5", "+1" })
        EXPECT_FALSE(transcribed::parseNumber(bad, v)) << '"' << bad << '"';
}

TEST(TranscribedLoader, SplitsLinesIntoKeyedRowsAndSkipsComments)
{
    const std::string text = "# comment\n"
                             "\n"
                             "A.x\t0x10\t\"GAIN\"\t\"\"\r\n"
                             "B.y\t-3\n"
                             "A.x\t7\t\"a\\tb\"\t\"    \"\n";
    const Tables t = Tables::parse(text, "inline");
    ASSERT_EQ(t.keys(), (std::vector<std::string> { "A.x", "B.y" }));
    const auto& a = t.rows("A.x");
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0].line, 3);
    EXPECT_EQ(a[0].number(0), 16);
    EXPECT_EQ(a[0].text(1), "GAIN");
    EXPECT_EQ(a[0].text(2), "");
    EXPECT_EQ(a[1].text(1), "a\tb");
    EXPECT_EQ(a[1].text(2), "    ");
    EXPECT_THROW(a[0].number(1), std::runtime_error); // a text is not a number
    EXPECT_THROW(a[0].text(0), std::runtime_error);   // a number is not a text
    EXPECT_THROW(a[0].raw(3), std::runtime_error);
    EXPECT_EQ(t.rows("B.y")[0].integer(0), -3);
    EXPECT_THROW(t.rows("C.z"), std::runtime_error);

    EXPECT_THROW(Tables::parse("K\t\"open\n", "bad"), std::runtime_error);
    EXPECT_THROW(Tables::parse("K\t1\t\t2\n", "bad"), std::runtime_error);
}

TEST(TranscribedLoader, EveryDataFileLoadsWithWellFormedFields)
{
    for (const char* file : { "type_names.tsv", "orva_module_rows.tsv", "orva_program_rows.tsv", "orva_program_init.tsv" })
    {
        const Tables t = Tables::load(file);
        EXPECT_FALSE(t.keys().empty()) << file;
    }
}

// ---------------------------------------------------------------------------------------------
// Orva module rows

TEST(TranscribedModuleRows, EveryModuleHasItsTypesTimesRows)
{
    const Tables& t = moduleRows();
    size_t keys = 0;
    for (const auto& m : kModules)
    {
        const std::string prefix = std::string(m.model) + "." + m.module + ".type";
        EXPECT_EQ(t.keysWithPrefix(prefix).size(), size_t(m.types)) << prefix;
        for (int type = 0; type < m.types; ++type)
        {
            const auto& rows = t.rows(typeKey(m.model, m.module, type));
            EXPECT_EQ(rows.size(), size_t(m.rows)) << typeKey(m.model, m.module, type);
            // id, name, unit, atype, byte, first bit, last bit, default, min, max, flags, format
            for (const auto& r : rows)
                EXPECT_EQ(r.size(), size_t(12)) << "line " << r.line;
        }
        keys += size_t(m.types);
    }
    EXPECT_EQ(t.keys().size(), keys); // no stray keys
}
