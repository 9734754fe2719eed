// Self-checks of the reference transcriptions under tests/data/: the loader's text and number
// handling, and the invariants the tables must satisfy on their own (counts, order, offsets,
// bit ranges, agreement between tables that state the same fact twice). A slip in the data
// shows up here before any comparison with the code's tables is made.

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
// Module-row field positions (after the key).
enum ModuleField { fId, fName, fUnit, fAtype, fByte, fFirst, fLast, fDef, fMin, fMax, fFlags, fFormat, kModuleFields };

const Tables& moduleRows()
{
    static const Tables t = Tables::load("orva_module_rows.tsv");
    return t;
}
const Tables& typeNames()
{
    static const Tables t = Tables::load("type_names.tsv");
    return t;
}
const Tables& programRows()
{
    static const Tables t = Tables::load("orva_program_rows.tsv");
    return t;
}
const Tables& programInit()
{
    static const Tables t = Tables::load("orva_program_init.tsv");
    return t;
}

std::string typeKey(const std::string& model, const std::string& module, int type)
{
    return model + "." + module + ".type" + std::to_string(type);
}

std::string joinNames(const std::vector<Row>& names)
{
    std::string s;
    for (const auto& r : names)
        s += (s.empty() ? "" : "\n") + r.text(1);
    return s;
}

// Map of one value_to_type / type_to_value table.
std::map<long long, long long> pairs(const Tables& t, const std::string& key)
{
    std::map<long long, long long> m;
    for (const auto& r : t.rows(key))
    {
        EXPECT_TRUE(m.emplace(r.number(0), r.number(1)).second) << key << " repeats " << r.number(0);
    }
    return m;
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
    EXPECT_EQ(transcribed::unquote(R"("\\t")"), "\\t");  // an escaped backslash followed by a plain t

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
    EXPECT_TRUE(transcribed::parseNumber("08", v));  // decimal, not octal
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
    EXPECT_THROW(a[0].number(1), std::runtime_error);  // a text is not a number
    EXPECT_THROW(a[0].text(0), std::runtime_error);    // a number is not a text
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
            for (const auto& r : rows)
                EXPECT_EQ(r.size(), size_t(kModuleFields)) << "line " << r.line;
        }
        keys += size_t(m.types);
    }
    EXPECT_EQ(t.keys().size(), keys);  // no stray keys
}

TEST(TranscribedModuleRows, IdsComeInTheSameOrderInEveryTypeAndKeepTheirByte)
{
    const Tables& t = moduleRows();
    const std::map<std::string, std::vector<long long>> expectedIds = {
        { "amp", { 0x400, 0x401, 0x402, 0x403, 0x404, 0x405, 0x406, 0x407, 0x408, 0x409, 0x100 } },
        { "fx1", { 0x500, 0x501, 0x502, 0x503, 0x504, 0x505 } },
        { "fx2", { 0x600, 0x601, 0x602, 0x603, 0x604, 0x605 } },
    };
    // One byte per control, in id order; NR SENS at 16, TIME a 16-bit field at 40-41.
    const std::map<long long, long long> expectedByte = {
        { 0x100, 16 }, { 0x400, 19 }, { 0x401, 20 }, { 0x402, 21 }, { 0x403, 22 }, { 0x404, 23 },
        { 0x405, 24 }, { 0x406, 25 }, { 0x407, 26 }, { 0x408, 27 }, { 0x409, 28 }, { 0x500, 32 },
        { 0x501, 33 }, { 0x502, 34 }, { 0x503, 35 }, { 0x504, 36 }, { 0x505, 37 }, { 0x600, 40 },
        { 0x601, 42 }, { 0x602, 43 }, { 0x603, 44 }, { 0x604, 45 }, { 0x605, 46 },
    };
    for (const auto& m : kModules)
        for (int type = 0; type < m.types; ++type)
        {
            const auto& rows = t.rows(typeKey(m.model, m.module, type));
            std::vector<long long> ids;
            for (const auto& r : rows)
            {
                ids.push_back(r.number(fId));
                EXPECT_EQ(r.number(fByte), expectedByte.at(r.number(fId))) << "line " << r.line;
            }
            EXPECT_EQ(ids, expectedIds.at(m.module)) << typeKey(m.model, m.module, type);
        }
}

TEST(TranscribedModuleRows, FieldsStayInsideTheRecordAndTheirRanges)
{
    const Tables& t = moduleRows();
    const std::set<std::string> fxUnits = { "[Hz]", "[ms]", "    ", "" };
    // The one row whose default lies outside its range on purpose: OKX ROOM keeps TIME's default
    // 30 below its minimum 130 (and declares bits 0-30 on its 16-bit field).
    const std::string roomKey = typeKey("OKX", "fx2", 4);
    for (const auto& key : t.keys())
        for (const auto& r : t.rows(key))
        {
            SCOPED_TRACE(key + " line " + std::to_string(r.line));
            const long long atype = r.number(fAtype), byte = r.number(fByte);
            const long long first = r.number(fFirst), last = r.number(fLast);
            EXPECT_TRUE(atype == 2 || atype == 17);
            EXPECT_GE(byte, 0);
            EXPECT_LE(byte + (atype == 17 ? 1 : 0), 61);
            EXPECT_GE(first, 0);
            EXPECT_LE(first, last);
            EXPECT_LE(last, 31);
            if (atype == 2)
                EXPECT_LE(last, 7);  // one-byte fields
            else
                EXPECT_EQ(r.number(fId), 0x600);  // only TIME is the 16-bit field

            const long long def = r.number(fDef), lo = r.number(fMin), hi = r.number(fMax);
            EXPECT_LE(lo, hi);
            if (!(key == roomKey && r.number(fId) == 0x600))
            {
                EXPECT_GE(def, lo);
                EXPECT_LE(def, hi);
            }
            EXPECT_GE(r.number(fFlags), 0);
            EXPECT_FALSE(r.text(fFormat).empty());
            if (key.find(".amp.") != std::string::npos)
                EXPECT_EQ(r.text(fUnit), "");
            else
                EXPECT_EQ(fxUnits.count(r.text(fUnit)), 1u) << '"' << r.text(fUnit) << '"';
            // A visible row (no hide flag 0x4) carries a name.
            if ((r.number(fFlags) & 0x4) == 0)
                EXPECT_FALSE(r.text(fName).empty());
        }
    const auto& room = t.rows(roomKey)[0];
    EXPECT_EQ(room.number(fDef), 30);
    EXPECT_EQ(room.number(fMin), 130);
    EXPECT_EQ(room.number(fLast), 30);
}

TEST(TranscribedModuleRows, ListFormatsMatchTheirRange)
{
    // A format made only of "value\ttext" lines without ranges or printf parts lists every
    // value from min to max, each once and in order.
    const Tables& t = moduleRows();
    for (const auto& key : t.keys())
        for (const auto& r : t.rows(key))
        {
            const std::string& f = r.text(fFormat);
            if (f.find('%') != std::string::npos || f.find('~') != std::string::npos)
                continue;
            std::vector<long long> values;
            size_t start = 0;
            while (start <= f.size())
            {
                size_t end = f.find('\n', start);
                if (end == std::string::npos)
                    end = f.size();
                const std::string entry = f.substr(start, end - start);
                long long v = -1;
                ASSERT_NE(entry.find('\t'), std::string::npos) << key << " line " << r.line;
                ASSERT_TRUE(transcribed::parseNumber(entry.substr(0, entry.find('\t')), v)) << key << " line " << r.line;
                values.push_back(v);
                start = end + 1;
            }
            std::vector<long long> expected;
            for (long long v = r.number(fMin); v <= r.number(fMax); ++v)
                expected.push_back(v);
            EXPECT_EQ(values, expected) << key << " line " << r.line;
        }
}

TEST(TranscribedModuleRows, SpeedAdjustTableLandsWhereTheTypeChangeRuleSays)
{
    // On an FX2 type change TIME becomes the type's adjust value clamped to the type's TIME range:
    // 100 ms for the delays, the room maximum for ROOM, the minimum for HALL, SPRING and PLATE.
    for (const char* model : { "OKX", "OPW" })
    {
        const auto& adjust = programInit().rows(std::string(model) + ".m_SpeedAdjustTable");
        ASSERT_EQ(adjust.size(), 8u);
        for (int type = 0; type < 8; ++type)
        {
            const Row& time = moduleRows().rows(typeKey(model, "fx2", type))[0];
            ASSERT_EQ(time.number(fId), 0x600);
            EXPECT_EQ(adjust[size_t(type)].number(0), type);
            const long long clamped = std::clamp(adjust[size_t(type)].number(1), time.number(fMin), time.number(fMax));
            const long long expected = type < 4 ? 100 : type == 4 ? time.number(fMax) : time.number(fMin);
            EXPECT_EQ(clamped, expected) << model << " fx2 type " << type;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Type names and value maps

TEST(TranscribedTypeNames, EveryEnumerationHasItsCountOfNamesInOrder)
{
    const Tables& t = typeNames();
    const auto& enums = t.rows("type_enum");
    ASSERT_EQ(enums.size(), 12u);
    for (const auto& e : enums)
    {
        const std::string key = e.raw(3) + ".names";
        const auto& names = t.rows(key);
        EXPECT_EQ(names.size(), size_t(e.number(2))) << key;
        std::set<std::string> distinct;
        for (size_t i = 0; i < names.size(); ++i)
        {
            EXPECT_EQ(names[i].number(0), static_cast<long long>(i)) << key;
            EXPECT_FALSE(names[i].text(1).empty()) << key;
            distinct.insert(names[i].text(1));
        }
        EXPECT_EQ(distinct.size(), names.size()) << key << " repeats a name";
    }
    EXPECT_EQ(t.rows("OKX.amp.names").size(), 23u);
    EXPECT_EQ(t.rows("OPW.amp.names").size(), 17u);
    EXPECT_EQ(t.rows("HMQ.amp.names").size(), 20u);
    EXPECT_EQ(t.rows("DWQ.amp.names").size(), 11u);
}

TEST(TranscribedTypeNames, OrvaNameListsAgreeWithTheProgramTableLists)
{
    // The Orva type names are printed twice: as name tables and as the value lists of the
    // program table's type rows. Both transcriptions must say the same.
    for (const char* model : { "OKX", "OPW" })
    {
        std::map<long long, std::string> formatById;
        for (const auto& r : programRows().rows(std::string(model) + ".TABLE_PARAMEDIT"))
            formatById[r.number(1)] = r.text(10);
        EXPECT_EQ(formatById.at(0x300), joinNames(typeNames().rows(std::string(model) + ".amp.names"))) << model;
        EXPECT_EQ(formatById.at(0x301), joinNames(typeNames().rows(std::string(model) + ".fx1.names"))) << model;
        EXPECT_EQ(formatById.at(0x302), joinNames(typeNames().rows("OKX.fx2.names"))) << model;
    }
}

TEST(TranscribedTypeNames, ValueMapsAreInverseBijectionsOverTheTypes)
{
    const Tables& t = typeNames();
    for (const char* prefix : { "OKX.amp", "OPW.amp", "OKX.fx1", "OPW.fx1" })
    {
        const std::string p(prefix);
        const auto forward = pairs(t, p + ".type_to_value");
        const auto backward = pairs(t, p + ".value_to_type");
        const size_t count = t.rows(p + ".names").size();
        ASSERT_EQ(forward.size(), count) << p;
        ASSERT_EQ(backward.size(), count) << p;
        long long expectedType = 0;
        for (const auto& [type, value] : forward)
        {
            EXPECT_EQ(type, expectedType++) << p;
            EXPECT_GE(value, 0) << p;
            EXPECT_LE(value, p.find("fx1") != std::string::npos ? 13 : 255) << p;
            ASSERT_EQ(backward.count(value), 1u) << p << " value " << value;
            EXPECT_EQ(backward.at(value), type) << p;
        }
    }
    // The values the type-change rules single out.
    EXPECT_EQ(pairs(t, "OKX.amp.type_to_value").at(22), 38);
    EXPECT_EQ(pairs(t, "OKX.amp.value_to_type").count(30), 0u);
    EXPECT_EQ(pairs(t, "OPW.amp.value_to_type").at(38), 16);
    EXPECT_EQ(pairs(t, "OPW.amp.value_to_type").count(21), 0u);
    EXPECT_EQ(pairs(t, "OPW.fx1.type_to_value").at(8), 9);
    EXPECT_EQ(pairs(t, "OPW.fx1.value_to_type").count(8), 0u);
}

TEST(TranscribedTypeNames, HmqBrightSetIsTheMaskOverAllAmpTypes)
{
    const auto& rows = typeNames().rows("HMQ.amp.hasBRIGHTparam");
    ASSERT_EQ(rows.size(), typeNames().rows("HMQ.amp.names").size());
    for (size_t i = 0; i < rows.size(); ++i)
    {
        EXPECT_EQ(rows[i].number(0), static_cast<long long>(i));
        EXPECT_EQ(rows[i].number(1), (0xD7DF5 >> i) & 1) << "type " << i;
    }
}

// ---------------------------------------------------------------------------------------------
// Orva program tables

TEST(TranscribedProgramTables, RecordLayoutCoversTheSixtyTwoBytesOnce)
{
    const auto& layout = programRows().rows("Orva.sEditBuf.layout");
    long long next = 0;
    for (const auto& r : layout)
    {
        EXPECT_EQ(r.number(0), next) << "line " << r.line;
        EXPECT_LE(r.number(0), r.number(1)) << "line " << r.line;
        next = r.number(1) + 1;
    }
    EXPECT_EQ(next, 62);
}

TEST(TranscribedProgramTables, ParamEditRowsAreInOrderAndInsideTheRecord)
{
    const std::vector<long long> ids = { 0xFFFF0000, 0x100, 0x201, 0x301, 0x202, 0x302, 0x300, 0x400, 0x401,
                                         0x402,      0x403, 0x404, 0x405, 0x406, 0x407, 0x408, 0x409 };
    // Byte of each id as the record layout places it.
    const std::map<long long, long long> byteOf = { { 0xFFFF0000, 0 }, { 0x100, 16 }, { 0x201, 17 }, { 0x202, 17 },
                                                    { 0x300, 18 },     { 0x301, 31 }, { 0x302, 39 } };
    for (const char* model : { "OKX", "OPW" })
    {
        const auto& rows = programRows().rows(std::string(model) + ".TABLE_PARAMEDIT");
        ASSERT_EQ(rows.size(), 17u) << model;
        for (size_t i = 0; i < rows.size(); ++i)
        {
            const Row& r = rows[i];
            SCOPED_TRACE(std::string(model) + " line " + std::to_string(r.line));
            ASSERT_EQ(r.size(), 14u);
            EXPECT_EQ(r.number(0), static_cast<long long>(i));
            EXPECT_EQ(r.number(1), ids[i]);
            const long long id = r.number(1), byte = r.number(4);
            const long long expectedByte = id >= 0x400 && id <= 0x409 ? 19 + (id - 0x400) : byteOf.at(id);
            EXPECT_EQ(byte, expectedByte);
            EXPECT_LE(byte, 61);
            EXPECT_GE(r.number(5), 0);
            EXPECT_LE(r.number(5), r.number(6));
            EXPECT_LE(r.number(6), 7);
            EXPECT_LE(r.number(7), r.number(8));
            EXPECT_EQ(r.number(12), 0);  // default
            EXPECT_EQ(r.number(13), 0);  // init
            EXPECT_FALSE(r.text(11).empty());
        }
    }
}

TEST(TranscribedProgramTables, TypeLimitsMatchTheTypeCounts)
{
    for (const char* model : { "OKX", "OPW" })
    {
        const auto& limits = programRows().rows(std::string(model) + ".type_limits");
        ASSERT_EQ(limits.size(), 3u);
        for (const auto& r : limits)
        {
            EXPECT_EQ(r.number(1), 0);
            const std::string& module = r.raw(0);
            const long long types = r.number(2) + 1;
            EXPECT_EQ(size_t(types), moduleRows().keysWithPrefix(std::string(model) + "." + module + ".type").size())
                << model << " " << module;
            const std::string namesKey = std::string(module == "fx2" ? "OKX" : model) + "." + module + ".names";
            EXPECT_EQ(size_t(types), typeNames().rows(namesKey).size()) << namesKey;
        }
    }
}

TEST(TranscribedProgramTables, OkxHiddenAmendmentsNameValidTypes)
{
    const auto& rows = programRows().rows("OKX.amp.prepare_hidden");
    ASSERT_EQ(rows.size(), 5u);
    for (const auto& r : rows)
    {
        EXPECT_GE(r.number(0), 0x405);
        EXPECT_LE(r.number(0), 0x409);
        long long previous = -1;
        long long mask = 0;
        for (size_t i = 1; i < r.size(); ++i)
        {
            EXPECT_GT(r.number(i), previous);
            EXPECT_LE(r.number(i), 22);
            previous = r.number(i);
            mask |= 1LL << r.number(i);
        }
        if (r.number(0) == 0x407)
            EXPECT_EQ(mask, 0x62810A);
    }
}

TEST(TranscribedProgramTables, InitialProgramIsAValidRecord)
{
    for (const char* model : { "OKX", "OPW" })
    {
        const std::string m(model);
        const auto& rows = programInit().rows(m + ".m_InitProgData");
        ASSERT_EQ(rows.size(), 62u) << m;
        std::vector<long long> b;
        for (size_t i = 0; i < rows.size(); ++i)
        {
            EXPECT_EQ(rows[i].number(0), static_cast<long long>(i)) << m;
            EXPECT_GE(rows[i].number(1), 0);
            EXPECT_LE(rows[i].number(1), 255);
            b.push_back(rows[i].number(1));
        }
        for (size_t i = 0; i < 16; ++i)
            EXPECT_EQ(b[i], 0x20) << m << " name byte " << i;
        // The type bytes hold wire values that map back to a type.
        EXPECT_EQ(pairs(typeNames(), m + ".amp.value_to_type").count(b[18]), 1u) << m;
        EXPECT_EQ(pairs(typeNames(), m + ".fx1.value_to_type").count(b[31]), 1u) << m;
        EXPECT_LE(b[39], 7);
        // TIME (little-endian) is the HALL minimum the adjust table asks for: 320 ms.
        EXPECT_EQ(b[40] | (b[41] << 8), 320) << m;
        // Every module control holds a value inside the range of the record's current type.
        const std::pair<const char*, long long> current[] = {
            { "amp", pairs(typeNames(), m + ".amp.value_to_type").at(b[18]) },
            { "fx1", pairs(typeNames(), m + ".fx1.value_to_type").at(b[31]) },
            { "fx2", b[39] },
        };
        for (const auto& [module, type] : current)
            for (const auto& r : moduleRows().rows(typeKey(m, module, int(type))))
            {
                const size_t at = size_t(r.number(fByte));
                const long long value = r.number(fAtype) == 17 ? (b[at] | (b[at + 1] << 8)) : b[at];
                EXPECT_GE(value, r.number(fMin)) << m << " id " << r.raw(fId);
                EXPECT_LE(value, r.number(fMax)) << m << " id " << r.raw(fId);
            }
    }
}
