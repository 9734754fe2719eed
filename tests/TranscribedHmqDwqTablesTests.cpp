// Self-checks of the HMQ and DWQ reference transcriptions under tests/data/: counts, id order,
// byte offsets inside the 62- or 30-byte record, bit ranges, ranges and defaults, and agreement
// between tables that state the same fact twice (type-name lists, type rules and stored flags,
// custom rows and module rows, initial records and presets read through the rows). A slip in
// the data shows up here before any comparison with the code's tables is made.

#include "support/TranscribedTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

using transcribed::Row;
using transcribed::Tables;

namespace
{
// Row fields (after the key) of the module rows and the custom rows.
enum RowField { fId, fName, fUnit, fAtype, fByte, fFirst, fLast, fDef, fMin, fMax, fFlags, fFormat, fTooltip, kRowFields };
// Program-table fields (after the key).
enum ProgField { pRow, pId, pPtype, pAtype, pByte, pFirst, pLast, pMin, pMax, pFlags, pFormat, pName, pDef, pInit, pTooltip, kProgFields };

const std::string kFmt010 = "0~100\t0~10\t%.1f,v";

const Tables& load(const char* file)
{
    static std::map<std::string, Tables> cache;
    auto it = cache.find(file);
    if (it == cache.end())
        it = cache.emplace(file, Tables::load(file)).first;
    return it->second;
}
const Tables& typeNames() { return load("type_names.tsv"); }

struct ModuleShape
{
    const char* model;
    const char* module;
    int types;
    int rows;
    std::vector<long long> ids;  // row ids in order
    std::vector<long long> bytes;  // byte of each row
};
const std::vector<ModuleShape>& modules()
{
    static const std::vector<ModuleShape> m = {
        { "HMQ", "amp", 20, 13,
          { 0x400, 0x401, 0x402, 0x403, 0x404, 0x405, 0x406, 0x407, 0x408, 0x409, 0x40A, 0x40B, 0x100 },
          { 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 16 } },
        { "HMQ", "pedal1", 10, 6, { 0x500, 0x501, 0x502, 0x503, 0x504, 0x505 }, { 32, 34, 35, 36, 37, 38 } },
        { "HMQ", "pedal2", 7, 6, { 0x600, 0x601, 0x602, 0x603, 0x604, 0x605 }, { 40, 42, 43, 44, 45, 46 } },
        { "HMQ", "rev", 4, 5, { 0x800, 0x801, 0x802, 0x803, 0x804 }, { 56, 57, 58, 59, 60 } },
        { "DWQ", "mod", 5, 1, { 0x401 }, { 24 } },
        { "DWQ", "amp", 11, 4, { 0x301, 0x302, 0x303, 0x304 }, { 19, 20, 21, 22 } },
        { "DWQ", "dlyrev", 5, 2, { 0x501, 0x502 }, { 27, 28 } },
    };
    return m;
}

const Tables& moduleFile(const std::string& model) { return load(model == "HMQ" ? "hmq_module_rows.tsv" : "dwq_module_rows.tsv"); }
const Tables& programFile(const std::string& model) { return load(model == "HMQ" ? "hmq_program_rows.tsv" : "dwq_program_rows.tsv"); }
const Tables& initFile(const std::string& model) { return load(model == "HMQ" ? "hmq_program_init.tsv" : "dwq_program_init.tsv"); }
size_t recordSize(const std::string& model) { return model == "HMQ" ? 62 : 30; }

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

// Width in bytes of a row's field.
size_t width(const Row& r, int atypeField) { return r.number(size_t(atypeField)) == 17 ? 2 : 1; }

// The value a row reads from a record: the bit field of one byte, or the 16-bit little-endian word.
long long readValue(const std::vector<long long>& rec, const Row& r)
{
    const size_t at = size_t(r.number(fByte));
    const long long word = r.number(fAtype) == 17 ? (rec.at(at) | (rec.at(at + 1) << 8)) : rec.at(at);
    const long long first = r.number(fFirst), last = r.number(fLast);
    return (word >> first) & ((1LL << (last - first + 1)) - 1);
}

// A record given as byte-offset/value lines; bytes not listed keep fill.
std::vector<long long> record(const std::vector<Row>& rows, size_t size, long long fill)
{
    std::vector<long long> rec(size, fill);
    for (const auto& r : rows)
    {
        EXPECT_LT(size_t(r.number(0)), size) << "line " << r.line;
        EXPECT_GE(r.number(1), 0) << "line " << r.line;
        EXPECT_LE(r.number(1), 255) << "line " << r.line;
        if (size_t(r.number(0)) < size)
            rec[size_t(r.number(0))] = r.number(1);
    }
    return rec;
}

// A format made only of "value\ttext" lines (no ranges, no printf part) lists every value from
// min to max, each once and in order.
void expectListFormatMatchesRange(const Row& r, int fmtField, int minField, int maxField, const std::string& where)
{
    const std::string& f = r.text(size_t(fmtField));
    if (f.find('%') != std::string::npos || f.find('~') != std::string::npos || f.find('\t') == std::string::npos)
        return;
    std::vector<long long> values;
    size_t start = 0;
    while (start <= f.size())
    {
        size_t end = f.find('\n', start);
        if (end == std::string::npos)
            end = f.size();
        const std::string entry = f.substr(start, end - start);
        long long v = -1;
        const bool numbered = entry.find('\t') != std::string::npos && transcribed::parseNumber(entry.substr(0, entry.find('\t')), v);
        if (!numbered)
            return;  // a text list without values ("Off\tOn") is not a value list
        values.push_back(v);
        start = end + 1;
    }
    std::vector<long long> expected;
    for (long long v = r.number(size_t(minField)); v <= r.number(size_t(maxField)); ++v)
        expected.push_back(v);
    EXPECT_EQ(values, expected) << where << " line " << r.line;
}

// Parameter ids named by a layout line: "0x400", "0x201, 0x202", "0x501-0x505" or "-".
bool layoutNames(const std::string& text, long long id)
{
    size_t start = 0;
    while (start < text.size())
    {
        size_t end = text.find(", ", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string part = text.substr(start, end - start);
        const size_t dash = part.find('-', 1);
        long long lo = 0, hi = 0;
        if (dash == std::string::npos)
        {
            if (transcribed::parseNumber(part, lo) && lo == id)
                return true;
        }
        else if (transcribed::parseNumber(part.substr(0, dash), lo) && transcribed::parseNumber(part.substr(dash + 1), hi) && lo <= id &&
                 id <= hi)
            return true;
        start = end + 2;
    }
    return false;
}

// The layout line that holds byte `byte` of the record.
const Row* layoutLine(const std::string& model, long long byte)
{
    for (const auto& r : programFile(model).rows(model + ".sEditBuf.layout"))
        if (r.number(0) <= byte && byte <= r.number(1))
            return &r;
    return nullptr;
}

std::map<long long, std::set<long long>> hiddenRules(const std::string& model, const std::string& module)
{
    std::map<long long, std::set<long long>> m;
    const std::string key = model + "." + module + ".prepare_hidden";
    if (!programFile(model).has(key))
        return m;
    for (const auto& r : programFile(model).rows(key))
        for (size_t i = 1; i < r.size(); ++i)
            m[r.number(0)].insert(r.number(i));
    return m;
}

// Checks every row of the record's current module types: the value read through the row lies in
// the row's range. Returns the ids that fall outside, as "module:id".
std::set<std::string> outOfRange(const std::string& model, const std::vector<long long>& rec)
{
    std::map<std::string, long long> current;
    if (model == "HMQ")
        current = { { "amp", rec[18] }, { "pedal1", rec[31] }, { "pedal2", rec[39] }, { "rev", rec[55] } };
    else
        current = { { "mod", rec[23] }, { "amp", rec[18] }, { "dlyrev", rec[26] } };
    std::set<std::string> out;
    for (const auto& [module, type] : current)
    {
        const std::string key = typeKey(model, module, int(type));
        if (!moduleFile(model).has(key))
        {
            ADD_FAILURE() << model << " record holds " << module << " type " << type << ", which has no rows";
            continue;
        }
        for (const auto& r : moduleFile(model).rows(key))
        {
            const long long v = readValue(rec, r);
            if (v < r.number(fMin) || v > r.number(fMax))
                out.insert(module + ":" + r.raw(fId));
        }
    }
    return out;
}
} // namespace

// ---------------------------------------------------------------------------------------------
// Module rows

TEST(TranscribedHmqDwqModuleRows, EveryModuleHasItsTypesTimesRowsAndTheEnumeratedCount)
{
    std::map<std::string, size_t> keysPerModel;
    std::map<std::string, long long> enumCount;
    for (const auto& e : typeNames().rows("type_enum"))
        enumCount[e.raw(3)] = e.number(2);
    for (const auto& m : modules())
    {
        const std::string prefix = std::string(m.model) + "." + m.module;
        EXPECT_EQ(moduleFile(m.model).keysWithPrefix(prefix + ".type").size(), size_t(m.types)) << prefix;
        EXPECT_EQ(enumCount.at(prefix), m.types) << prefix;
        EXPECT_EQ(typeNames().rows(prefix + ".names").size(), size_t(m.types)) << prefix;
        for (int type = 0; type < m.types; ++type)
        {
            const auto& rows = moduleFile(m.model).rows(typeKey(m.model, m.module, type));
            EXPECT_EQ(rows.size(), size_t(m.rows)) << typeKey(m.model, m.module, type);
            for (const auto& r : rows)
                EXPECT_EQ(r.size(), size_t(kRowFields)) << m.model << " line " << r.line;
        }
        keysPerModel[m.model] += size_t(m.types);
    }
    for (const auto& [model, keys] : keysPerModel)
        EXPECT_EQ(moduleFile(model).keys().size(), keys) << model << ": stray keys";
}

TEST(TranscribedHmqDwqModuleRows, IdsComeInOrderAndKeepTheirByteInEveryType)
{
    for (const auto& m : modules())
        for (int type = 0; type < m.types; ++type)
        {
            const auto& rows = moduleFile(m.model).rows(typeKey(m.model, m.module, type));
            std::vector<long long> ids, bytes;
            for (const auto& r : rows)
            {
                ids.push_back(r.number(fId));
                bytes.push_back(r.number(fByte));
            }
            EXPECT_EQ(ids, m.ids) << typeKey(m.model, m.module, type);
            EXPECT_EQ(bytes, m.bytes) << typeKey(m.model, m.module, type);
        }
}

TEST(TranscribedHmqDwqModuleRows, FieldsStayInsideTheRecordAndTheirRanges)
{
    for (const auto& m : modules())
    {
        const std::string model(m.model);
        for (int type = 0; type < m.types; ++type)
        {
            const std::string key = typeKey(model, m.module, type);
            for (const auto& r : moduleFile(model).rows(key))
            {
                SCOPED_TRACE(key + " line " + std::to_string(r.line));
                const long long atype = r.number(fAtype), first = r.number(fFirst), last = r.number(fLast);
                ASSERT_TRUE(atype == 2 || atype == 17);
                EXPECT_LE(size_t(r.number(fByte)) + width(r, fAtype), recordSize(model));
                EXPECT_GE(r.number(fByte), 16);  // never inside the name
                EXPECT_GE(first, 0);
                EXPECT_LE(first, last);
                EXPECT_LE(last, atype == 17 ? 15 : 7);
                // The 16-bit rows are the first Pedal1/Pedal2 row, SPEED and TIME.
                const std::set<long long> wide = { 0x500, 0x600, 0x401, 0x502 };
                EXPECT_EQ(atype == 17, model == "HMQ" ? (r.number(fId) == 0x500 || r.number(fId) == 0x600) : wide.count(r.number(fId)) == 1);
                if (atype == 17)
                    EXPECT_EQ(last - first, 15);
                // The layout line of the row's byte names the row's id, and a wide field stays in it.
                const Row* line = layoutLine(model, r.number(fByte));
                ASSERT_NE(line, nullptr);
                EXPECT_TRUE(layoutNames(line->text(2), r.number(fId))) << line->text(2);
                EXPECT_LE(r.number(fByte) + static_cast<long long>(width(r, fAtype)) - 1, line->number(1));

                EXPECT_LE(r.number(fMin), r.number(fDef));
                EXPECT_LE(r.number(fDef), r.number(fMax));
                EXPECT_LE(r.number(fMax), (1LL << (last - first + 1)) - 1);  // the range fits the bits
                EXPECT_GE(r.number(fFlags), 0);
                EXPECT_FALSE(r.text(fFormat).empty());
                expectListFormatMatchesRange(r, fFormat, fMin, fMax, key);
                // A hidden row is the empty row; a visible row carries a name (and, on the HMQ, a tooltip key).
                if (r.number(fFlags) & 0x4)
                    EXPECT_EQ(r.text(fName), "");
                else
                {
                    EXPECT_FALSE(r.text(fName).empty());
                    EXPECT_EQ(r.text(fTooltip).empty(), model == "DWQ");
                }
                const std::set<std::string> units = { "", "    ", "[Hz]", "[ms]" };
                EXPECT_EQ(units.count(r.text(fUnit)), 1u) << '"' << r.text(fUnit) << '"';
            }
        }
    }
}

TEST(TranscribedHmqDwqModuleRows, StoredHideFlagsAreExactlyTheTypeRules)
{
    // HMQ: the tables carry flag 0x4 on exactly the rows the type rules hide. DWQ: the OFF tables
    // carry no flag; the rules alone hide.
    for (const auto& m : modules())
    {
        const auto rules = hiddenRules(m.model, m.module);
        for (const auto& [id, types] : rules)
            for (long long t : types)
            {
                EXPECT_GE(t, 0);
                EXPECT_LT(t, m.types);
                EXPECT_NE(std::find(m.ids.begin(), m.ids.end(), id), m.ids.end()) << std::hex << id;
            }
        for (int type = 0; type < m.types; ++type)
            for (const auto& r : moduleFile(m.model).rows(typeKey(m.model, m.module, type)))
            {
                const bool stored = (r.number(fFlags) & 0x4) != 0;
                const bool ruled = rules.count(r.number(fId)) && rules.at(r.number(fId)).count(type);
                EXPECT_EQ(stored, std::string(m.model) == "HMQ" && ruled) << typeKey(m.model, m.module, type) << " " << r.raw(fId);
            }
    }
    EXPECT_EQ(hiddenRules("HMQ", "amp").size(), 1u);
    EXPECT_EQ(hiddenRules("DWQ", "mod").at(0x401), (std::set<long long> { 0 }));
    EXPECT_EQ(hiddenRules("DWQ", "dlyrev").size(), 2u);
    EXPECT_TRUE(hiddenRules("HMQ", "rev").empty());
    EXPECT_TRUE(hiddenRules("DWQ", "amp").empty());

    // The HMQ amp hides BRIGHT CAP on exactly the types without the BRIGHT parameter.
    const auto& bright = typeNames().rows("HMQ.amp.hasBRIGHTparam");
    ASSERT_EQ(bright.size(), 20u);
    for (int type = 0; type < 20; ++type)
    {
        const Row& cap = moduleFile("HMQ").rows(typeKey("HMQ", "amp", type))[7];
        ASSERT_EQ(cap.number(fId), 0x407);
        EXPECT_EQ((cap.number(fFlags) & 0x4) == 0, bright[size_t(type)].number(1) == 1) << "amp type " << type;
    }
}

TEST(TranscribedHmqDwqModuleRows, TypeChangeTablesLandInsideTheNewTypesRows)
{
    // HMQ Pedal2: the value written on a type change is the minimum of the type's first row.
    const auto& p2 = initFile("HMQ").rows("HMQ.pedal2.m_SpeedAdjustTable");
    ASSERT_EQ(p2.size(), 7u);
    for (int type = 0; type < 7; ++type)
    {
        EXPECT_EQ(p2[size_t(type)].number(0), type);
        const Row& first = moduleFile("HMQ").rows(typeKey("HMQ", "pedal2", type))[0];
        EXPECT_EQ(p2[size_t(type)].number(1), first.number(fMin)) << "pedal2 type " << type;
    }
    // DWQ modulation: clamped to the new type's SPEED row, the value is that row's minimum (OFF's 0 becomes 300).
    const auto& mod = initFile("DWQ").rows("DWQ.mod.m_SpeedAdjustTable");
    ASSERT_EQ(mod.size(), 5u);
    for (int type = 0; type < 5; ++type)
    {
        EXPECT_EQ(mod[size_t(type)].number(0), type);
        const Row& speed = moduleFile("DWQ").rows(typeKey("DWQ", "mod", type))[0];
        EXPECT_EQ(std::clamp(mod[size_t(type)].number(1), speed.number(fMin), speed.number(fMax)), speed.number(fMin)) << "mod type " << type;
    }
    EXPECT_EQ(mod[0].number(1), 0);
    // DWQ amp: NR and MIDDLE values per amp type lie inside their rows.
    for (const char* key : { "DWQ.amp.m_NRadjustTable", "DWQ.amp.m_MIDadjustTable" })
    {
        const auto& rows = initFile("DWQ").rows(key);
        ASSERT_EQ(rows.size(), 11u) << key;
        for (size_t t = 0; t < rows.size(); ++t)
        {
            EXPECT_EQ(rows[t].number(0), static_cast<long long>(t)) << key;
            EXPECT_GE(rows[t].number(1), 0) << key;
            EXPECT_LE(rows[t].number(1), 100) << key;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Program tables, layouts, limits, state values

TEST(TranscribedHmqDwqProgramTables, ParamEditRowsAreInOrderAndInsideTheRecord)
{
    const std::map<std::string, std::vector<long long>> ids = {
        { "HMQ", { 0xFFFF0000, 0x100, 0x201, 0x301, 0x202, 0x302, 0x204, 0x304, 0x300, 0x400, 0x401, 0x402, 0x403, 0x404, 0x405, 0x406,
                   0x407, 0x408, 0x409, 0x40A, 0x40B, 0x8000001E, 0x8000001F } },
        { "DWQ", { 0xFFFF0000, 0x80000011, 0x400, 0x401, 0x80000012, 0x500, 0x501, 0x502, 0x300, 0x301, 0x302, 0x303, 0x304, 0x200,
                   0x100, 0x80000013, 0x80000014 } },
    };
    for (const auto& [model, expectedIds] : ids)
    {
        const auto& rows = programFile(model).rows(model + ".TABLE_PARAMEDIT");
        ASSERT_EQ(rows.size(), expectedIds.size()) << model;
        for (size_t i = 0; i < rows.size(); ++i)
        {
            const Row& r = rows[i];
            SCOPED_TRACE(model + " line " + std::to_string(r.line));
            ASSERT_EQ(r.size(), size_t(kProgFields));
            EXPECT_EQ(r.number(pRow), static_cast<long long>(i));
            const long long id = r.number(pId);
            EXPECT_EQ(id, expectedIds[i]);
            const long long atype = r.number(pAtype), first = r.number(pFirst), last = r.number(pLast);
            EXPECT_TRUE(atype == 1 || atype == 2 || atype == 17);
            const long long ptype = r.number(pPtype);
            EXPECT_EQ(ptype == 4, id == 0xFFFF0000);  // only the name is text
            EXPECT_EQ(ptype == 4, atype == 1);
            EXPECT_TRUE(ptype == 4 || ptype == 5 || ptype == 6);
            EXPECT_GE(first, 0);
            EXPECT_LE(first, last);
            EXPECT_LE(last, atype == 17 ? 15 : 7);
            EXPECT_LE(r.number(pMin), r.number(pDef));
            EXPECT_LE(r.number(pDef), r.number(pMax));
            if (r.number(pPtype) == 5)
                EXPECT_LE(r.number(pMax), (1LL << (last - first + 1)) - 1);
            EXPECT_EQ(r.number(pInit), 0);
            EXPECT_FALSE(r.text(pName).empty());
            const bool pseudo = id >= 0x80000000LL && id != 0xFFFF0000;
            if (pseudo && model == "DWQ")
                EXPECT_EQ(r.number(pByte), 0);  // the offset inside the row's own state byte
            else
            {
                EXPECT_LE(size_t(r.number(pByte)) + (atype == 17 ? 2 : 1), recordSize(model));
                const Row* line = layoutLine(model, r.number(pByte));
                ASSERT_NE(line, nullptr);
                EXPECT_TRUE(layoutNames(line->text(2), id)) << line->text(2);
            }
        }
    }
    // The HMQ on/off bits sit in byte 17 at the bit their id's index names.
    for (const auto& r : programFile("HMQ").rows("HMQ.TABLE_PARAMEDIT"))
        if ((r.number(pId) & ~0xFFLL) == 0x200)
        {
            EXPECT_EQ(r.number(pByte), 17);
            EXPECT_EQ(r.number(pFirst), r.number(pId) & 0xFF);
            EXPECT_EQ(r.number(pLast), r.number(pId) & 0xFF);
        }
}

TEST(TranscribedHmqDwqProgramTables, TypeRowsListTheTypeNamesAndLimitsMatchTheCounts)
{
    const std::map<std::string, std::map<long long, std::string>> typeIds = {
        { "HMQ", { { 0x300, "amp" }, { 0x301, "pedal1" }, { 0x302, "pedal2" }, { 0x304, "rev" } } },
        { "DWQ", { { 0x300, "amp" }, { 0x400, "mod" }, { 0x500, "dlyrev" } } },
    };
    for (const auto& [model, byId] : typeIds)
    {
        std::map<long long, const Row*> rowOf;
        for (const auto& r : programFile(model).rows(model + ".TABLE_PARAMEDIT"))
            rowOf[r.number(pId)] = &r;
        size_t valueLists = 0;
        for (const auto& [id, r] : rowOf)
            valueLists += r->number(pPtype) == 6 ? 1 : 0;
        EXPECT_EQ(valueLists, byId.size()) << model;
        for (const auto& [id, module] : byId)
        {
            const Row& r = *rowOf.at(id);
            EXPECT_EQ(r.number(pPtype), 6) << model << " " << module;
            EXPECT_EQ(r.number(pLast), 6) << model << " " << module;
            EXPECT_EQ(r.text(pFormat), joinNames(typeNames().rows(model + "." + module + ".names"))) << model << " " << module;
        }
        const auto& limits = programFile(model).rows(model + ".type_limits");
        ASSERT_EQ(limits.size(), byId.size()) << model;
        for (const auto& l : limits)
        {
            EXPECT_EQ(l.number(1), 0);
            EXPECT_EQ(size_t(l.number(2) + 1), typeNames().rows(model + "." + l.raw(0) + ".names").size()) << model << " " << l.raw(0);
            EXPECT_EQ(size_t(l.number(2) + 1), moduleFile(model).keysWithPrefix(model + "." + l.raw(0) + ".type").size());
        }
    }
}

TEST(TranscribedHmqDwqProgramTables, RecordLayoutsCoverTheirRecordsOnce)
{
    for (const char* model : { "HMQ", "DWQ" })
    {
        long long next = 0;
        for (const auto& r : programFile(model).rows(std::string(model) + ".sEditBuf.layout"))
        {
            EXPECT_EQ(r.number(0), next) << model << " line " << r.line;
            EXPECT_LE(r.number(0), r.number(1)) << model << " line " << r.line;
            EXPECT_FALSE(r.text(2).empty());
            next = r.number(1) + 1;
        }
        EXPECT_EQ(size_t(next), recordSize(model)) << model;
    }
}

TEST(TranscribedHmqDwqProgramTables, PseudoRowsAgreeWithWhatTheyStandFor)
{
    // HMQ: the two read-only mirrors sit on the bytes and ranges of BIAS SHIFT and CLASS.
    std::map<long long, const Row*> hmq;
    for (const auto& r : programFile("HMQ").rows("HMQ.TABLE_PARAMEDIT"))
        hmq[r.number(pId)] = &r;
    for (const auto& [mirror, of] : std::map<long long, long long> { { 0x8000001E, 0x40A }, { 0x8000001F, 0x40B } })
    {
        EXPECT_EQ(hmq.at(mirror)->number(pByte), hmq.at(of)->number(pByte));
        EXPECT_EQ(hmq.at(mirror)->number(pMax), hmq.at(of)->number(pMax));
        EXPECT_EQ(hmq.at(mirror)->number(pFlags), 1);
        EXPECT_EQ(hmq.at(of)->number(pFlags), 0);
    }
    // DWQ: the state values agree with their program rows; initial values 0, 0, 1, 1.
    std::map<long long, const Row*> dwq;
    for (const auto& r : programFile("DWQ").rows("DWQ.TABLE_PARAMEDIT"))
        dwq[r.number(pId)] = &r;
    const auto& states = programFile("DWQ").rows("DWQ.state_bytes");
    ASSERT_EQ(states.size(), 4u);
    const long long initial[] = { 0, 0, 1, 1 };
    for (size_t i = 0; i < states.size(); ++i)
    {
        const Row& s = states[i];
        const Row& r = *dwq.at(s.number(0));
        EXPECT_EQ(s.number(0), 0x80000011LL + static_cast<long long>(i));
        EXPECT_EQ(s.number(1), static_cast<long long>(i) + 1);
        EXPECT_EQ(s.number(2), r.number(pMin));
        EXPECT_EQ(s.number(3), r.number(pMax));
        EXPECT_EQ(s.number(4), r.number(pDef));
        EXPECT_EQ(s.text(5), r.text(pFormat));
        EXPECT_EQ(s.number(6), initial[i]);
        EXPECT_GE(s.number(6), s.number(2));
        EXPECT_LE(s.number(6), s.number(3));
    }
    // The remembered types (3, 4) range over the non-zero types of their modules.
    EXPECT_EQ(states[2].number(3) + 1, static_cast<long long>(typeNames().rows("DWQ.mod.names").size()));
    EXPECT_EQ(states[3].number(3) + 1, static_cast<long long>(typeNames().rows("DWQ.dlyrev.names").size()));
}

// ---------------------------------------------------------------------------------------------
// Initial programs and presets

TEST(TranscribedHmqDwqRecords, InitialProgramsAreValidRecords)
{
    for (const char* m : { "HMQ", "DWQ" })
    {
        const std::string model(m);
        const auto& rows = initFile(model).rows(model + ".m_InitProgData");
        ASSERT_EQ(rows.size(), recordSize(model)) << model;
        for (size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(rows[i].number(0), static_cast<long long>(i)) << model;
        const auto rec = record(rows, recordSize(model), -1);
        for (size_t i = 0; i < 16; ++i)
            EXPECT_EQ(rec[i], 0x20) << model << " name byte " << i;
        // Every row of the current types holds a value in range, except the DWQ SPEED of type OFF,
        // which the record keeps at 0 (reads clamp it to 300).
        const std::set<std::string> expected = model == "DWQ" ? std::set<std::string> { "mod:0x401" } : std::set<std::string> {};
        EXPECT_EQ(outOfRange(model, rec), expected) << model;
    }
    const auto hmq = record(initFile("HMQ").rows("HMQ.m_InitProgData"), 62, -1);
    EXPECT_EQ(hmq[17], 0);  // all modules off
    EXPECT_EQ(hmq[16], 30);
    const auto dwq = record(initFile("DWQ").rows("DWQ.m_InitProgData"), 30, -1);
    EXPECT_EQ(dwq[28] | (dwq[29] << 8), 40);
    EXPECT_EQ(dwq[23], 0);
    EXPECT_EQ(dwq[26], 0);
}

TEST(TranscribedHmqDwqRecords, PresetNamesFitTheNameField)
{
    for (const char* m : { "HMQ", "DWQ" })
    {
        const std::string model(m);
        const auto& names = load(model == "HMQ" ? "hmq_presets.tsv" : "dwq_presets.tsv").rows(model + ".preset_names");
        std::vector<long long> indices;
        std::set<std::string> distinct;
        for (const auto& r : names)
        {
            indices.push_back(r.number(0));
            const std::string& n = r.text(1);
            EXPECT_FALSE(n.empty()) << model << " line " << r.line;
            EXPECT_LE(n.size(), 16u) << n;
            EXPECT_NE(n.front(), ' ') << n;
            EXPECT_NE(n.back(), ' ') << n;
            for (char c : n)
                EXPECT_TRUE(c >= 0x20 && c < 0x7F) << n;
            distinct.insert(n);
        }
        EXPECT_EQ(distinct.size(), names.size()) << model << " repeats a name";
        std::vector<long long> expected;
        for (long long i = 0; i < (model == "HMQ" ? 60 : 11); ++i)
            if (!(model == "HMQ" && i == 51))  // preset 51's name is not fixed
                expected.push_back(i);
        EXPECT_EQ(indices, expected) << model;
    }
}

TEST(TranscribedHmqDwqRecords, HmqPresetBytesAreValidAndFollowTheAmpTypePattern)
{
    const Tables& t = load("hmq_presets.tsv");
    const auto& amp = t.rows("HMQ.preset_amp_type");
    ASSERT_EQ(amp.size(), 60u);
    for (size_t i = 0; i < amp.size(); ++i)
    {
        EXPECT_EQ(amp[i].number(0), static_cast<long long>(i));
        EXPECT_EQ(amp[i].number(1), static_cast<long long>(i % 20));
    }
    const auto& p0 = t.rows("HMQ.preset0");
    ASSERT_EQ(p0.size(), 46u);
    for (size_t i = 0; i < p0.size(); ++i)
        EXPECT_EQ(p0[i].number(0), static_cast<long long>(16 + i));
    const auto rec = record(p0, 62, 0x20);
    EXPECT_EQ(rec[18], amp[0].number(1));
    EXPECT_EQ(rec[17] & ~0x16LL, 0);  // only the module on/off bits 1, 2 and 4
    EXPECT_TRUE(outOfRange("HMQ", rec).empty());
}

TEST(TranscribedHmqDwqRecords, DwqPresetsAreValidRecords)
{
    const Tables& t = load("dwq_presets.tsv");
    for (int p = 0; p < 11; ++p)
    {
        const std::string key = "DWQ.preset" + std::to_string(p);
        const auto& rows = t.rows(key);
        ASSERT_EQ(rows.size(), 14u) << key;
        for (size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(rows[i].number(0), static_cast<long long>(16 + i)) << key;
        const auto rec = record(rows, 30, 0x20);
        // A preset with modulation OFF keeps SPEED 0, as the initial program does.
        const std::set<std::string> expected = rec[23] == 0 ? std::set<std::string> { "mod:0x401" } : std::set<std::string> {};
        EXPECT_EQ(outOfRange("DWQ", rec), expected) << key;
        EXPECT_LE(rec[16], 100) << key;
        EXPECT_LE(rec[17], 100) << key;
    }
    EXPECT_EQ(t.keysWithPrefix("DWQ.preset").size(), 12u);  // 11 records and the names
}

// ---------------------------------------------------------------------------------------------
// HMQ custom settings

TEST(TranscribedHmqCustom, RowsRunThroughTheIdsInsideTheirSlots)
{
    const Tables& t = load("hmq_custom_rows.tsv");
    const auto& rows = t.rows("HMQ.TABLE_CUSTOMEDIT");
    ASSERT_EQ(rows.size(), 102u);
    std::vector<long long> expected;
    for (long long n = 0; n <= 0x66; ++n)
        if (n != 0x0F)
            expected.push_back(0x90000000LL + n);
    std::vector<long long> ids;
    for (const auto& r : rows)
    {
        SCOPED_TRACE("line " + std::to_string(r.line));
        ASSERT_EQ(r.size(), size_t(kRowFields));
        ids.push_back(r.number(fId));
        const long long atype = r.number(fAtype), byte = r.number(fByte), first = r.number(fFirst), last = r.number(fLast);
        ASSERT_TRUE(atype == 2 || atype == 17);
        EXPECT_GE(byte % 62, 16);                                // never inside a slot's name
        EXPECT_LE(byte % 62 + static_cast<long long>(width(r, fAtype)), 62);  // never across two slots
        EXPECT_LE(byte + static_cast<long long>(width(r, fAtype)), 248);
        EXPECT_GE(first, 0);
        EXPECT_LE(first, last);
        EXPECT_LE(last, atype == 17 ? 15 : 7);
        if (atype == 17)
            EXPECT_EQ(last, 15);
        EXPECT_EQ(r.number(fDef), r.number(fMin));
        EXPECT_LE(r.number(fMin), r.number(fMax));
        EXPECT_LE(r.number(fMax), (1LL << (last - first + 1)) - 1);
        EXPECT_EQ(r.text(fTooltip), "");
        EXPECT_FALSE(r.text(fName).empty());
        EXPECT_TRUE(r.text(fUnit).empty() || r.text(fUnit) == "Hz" || r.text(fUnit) == "ms") << r.text(fUnit);
        expectListFormatMatchesRange(r, fFormat, fMin, fMax, "HMQ.TABLE_CUSTOMEDIT");
        // The byte inside the slot is a parameter byte of the program record.
        const Row* line = layoutLine("HMQ", byte % 62);
        ASSERT_NE(line, nullptr);
        EXPECT_NE(line->text(2), "-");
    }
    EXPECT_EQ(ids, expected);
}

TEST(TranscribedHmqCustom, TypeRowsFollowTheSlotRoles)
{
    const Tables& t = load("hmq_custom_rows.tsv");
    std::map<long long, const Row*> byId;
    for (const auto& r : t.rows("HMQ.TABLE_CUSTOMEDIT"))
        byId[r.number(fId)] = &r;
    const auto& slots = t.rows("HMQ.custom.slots");
    ASSERT_EQ(slots.size(), 4u);
    for (long long s = 0; s < 4; ++s)
    {
        const Row& slot = slots[size_t(s)];
        EXPECT_EQ(slot.number(0), s);
        // (id, byte in the slot, first type, last type) of the slot's Pedal1, Pedal2 and reverb type rows.
        const long long groups[3][4] = {
            { 0x90000003 + s, 31, slot.number(3), slot.number(4) },
            { 0x90000007 + s, 39, slot.number(6), slot.number(7) },
            { 0x9000000B + s, 55, slot.number(9), slot.number(9) },
        };
        for (const auto& g : groups)
        {
            const Row& r = *byId.at(g[0]);
            EXPECT_EQ(r.number(fByte), 62 * s + g[1]) << r.raw(fId);
            EXPECT_EQ(r.number(fMin), g[2]) << r.raw(fId);
            EXPECT_EQ(r.number(fMax), g[3]) << r.raw(fId);
            EXPECT_EQ(r.number(fLast), 6) << r.raw(fId);
        }
        if (s < 3)
        {
            const Row& ampType = *byId.at(0x90000000 + s);
            EXPECT_EQ(ampType.number(fByte), 62 * s + 18);
            EXPECT_EQ(ampType.number(fMax) + 1, static_cast<long long>(typeNames().rows("HMQ.amp.names").size()));
            EXPECT_FALSE(slot.text(1).empty());
        }
        else
            EXPECT_EQ(slot.text(1), "");
    }
    // The variants split each module's types without gap or overlap.
    for (size_t first : { 3u, 6u })
    {
        long long next = 0;
        for (const auto& slot : slots)
        {
            EXPECT_EQ(slot.number(first), next);
            next = slot.number(first + 1) + 1;
        }
        EXPECT_EQ(size_t(next), typeNames().rows(first == 3 ? "HMQ.pedal1.names" : "HMQ.pedal2.names").size());
    }
}

TEST(TranscribedHmqCustom, EffectVariantRowsMatchTheModuleRowsOfTheirFirstType)
{
    // Each custom effect row sits at its slot's copy of the module row's byte and has the module
    // row's accessor, bits, range, flags and format. Names agree too, except the delay variant's
    // MIX and HI DAMP (LEVEL and TONE in the module rows).
    const Tables& t = load("hmq_custom_rows.tsv");
    const auto& slots = t.rows("HMQ.custom.slots");
    size_t compared = 0;
    for (const auto& r : t.rows("HMQ.TABLE_CUSTOMEDIT"))
    {
        const long long n = r.number(fId) - 0x90000000LL;
        if (n < 0x28)
            continue;  // type rows and amp rows
        const long long slot = r.number(fByte) / 62, inSlot = r.number(fByte) % 62;
        const char* module = inSlot <= 38 ? "pedal1" : inSlot <= 46 ? "pedal2" : "rev";
        const long long type = std::string(module) == "pedal1" ? slots[size_t(slot)].number(3)
                               : std::string(module) == "pedal2" ? slots[size_t(slot)].number(6)
                                                                 : slots[size_t(slot)].number(9);
        const Row* match = nullptr;
        for (const auto& m : moduleFile("HMQ").rows(typeKey("HMQ", module, int(type))))
            if (m.number(fByte) == inSlot)
                match = &m;
        ASSERT_NE(match, nullptr) << r.raw(fId);
        SCOPED_TRACE(r.raw(fId) + " against " + typeKey("HMQ", module, int(type)) + " " + match->raw(fId));
        for (int f : { fAtype, fFirst, fLast, fMin, fMax, fFlags })
            EXPECT_EQ(r.number(size_t(f)), match->number(size_t(f))) << "field " << f;
        EXPECT_EQ(r.text(fFormat), match->text(fFormat));
        if (r.text(fName) == "MIX" && match->text(fName) == "LEVEL")
            EXPECT_EQ(n, 0x4E);
        else if (r.text(fName) == "HI DAMP")
            EXPECT_EQ(match->text(fName), "TONE");
        else
            EXPECT_EQ(r.text(fName), match->text(fName));
        ++compared;
    }
    EXPECT_EQ(compared, 102u - 15u - 24u);
}

TEST(TranscribedHmqCustom, AmpRowsRepeatPerSlotAndMatchTheRecordFields)
{
    const auto& rows = load("hmq_custom_rows.tsv").rows("HMQ.TABLE_CUSTOMEDIT");
    std::map<long long, const Row*> byId;
    for (const auto& r : rows)
        byId[r.number(fId)] = &r;
    const long long bytes[8] = { 16, 24, 25, 26, 27, 28, 29, 30 };
    for (long long s = 0; s < 3; ++s)
        for (long long k = 0; k < 8; ++k)
        {
            const Row& r = *byId.at(0x90000010 + 8 * s + k);
            const Row& slot0 = *byId.at(0x90000010 + k);
            EXPECT_EQ(r.number(fByte), 62 * s + bytes[k]) << r.raw(fId);
            for (int f : { fAtype, fFirst, fLast, fMin, fMax, fFlags })
                EXPECT_EQ(r.number(size_t(f)), slot0.number(size_t(f))) << r.raw(fId) << " field " << f;
            EXPECT_EQ(r.text(fName), slot0.text(fName));
            EXPECT_EQ(r.text(fFormat), slot0.text(fFormat));
        }
    // The switch and BIAS rows have the ranges and formats of the amp rows with narrow bits.
    const auto& amp12 = moduleFile("HMQ").rows(typeKey("HMQ", "amp", 12));
    for (long long k = 3; k < 8; ++k)
    {
        const Row& r = *byId.at(0x90000010 + k);
        const Row& a = amp12[size_t(7 + (k - 3))];
        EXPECT_EQ(a.number(fByte), bytes[k]);
        EXPECT_EQ(r.text(fName), a.text(fName));
        for (int f : { fFirst, fLast, fMin, fMax })
            EXPECT_EQ(r.number(size_t(f)), a.number(size_t(f))) << r.raw(fId) << " field " << f;
        EXPECT_EQ(r.text(fFormat), a.text(fFormat));
    }
}

TEST(TranscribedHmqCustom, InitialBufferHoldsFourSlotsAndOnlyTheKnownOutOfRangeValues)
{
    const Tables& t = load("hmq_custom_rows.tsv");
    const auto& chunkRows = t.rows("HMQ.INITCHUNK_CUSTOMPARAM");
    ASSERT_EQ(chunkRows.size(), 248u);
    for (size_t i = 0; i < chunkRows.size(); ++i)
        EXPECT_EQ(chunkRows[i].number(0), static_cast<long long>(i));
    const auto chunk = record(chunkRows, 248, -1);
    const long long marks[4] = { 0x17, 0x17, 0x17, 0x16 };
    for (size_t s = 0; s < 4; ++s)
    {
        for (size_t i = 0; i < 16; ++i)
            EXPECT_EQ(chunk[62 * s + i], 0) << "slot " << s << " name byte " << i;
        EXPECT_EQ(chunk[62 * s + 17], marks[s]) << "slot " << s;
    }
    std::set<long long> outside;
    for (const auto& r : t.rows("HMQ.TABLE_CUSTOMEDIT"))
    {
        const long long v = readValue(chunk, r);
        if (v < r.number(fMin) || v > r.number(fMax))
            outside.insert(r.number(fByte));
    }
    // Slot 0 VOICE (36) and FLANGER LOW CUT (44); slot 1 CHORUS SPEED (94-95), LOW CUT (99), HIGH CUT (100).
    EXPECT_EQ(outside, (std::set<long long> { 36, 44, 94, 99, 100 }));
}

TEST(TranscribedHmqCustom, PartCopiesStayInsideTheirModulesAndMasksKeepTheRanges)
{
    const auto& copies = load("hmq_custom_rows.tsv").rows("HMQ.part_copy");
    std::map<long long, const Row*> prog;
    for (const auto& r : programFile("HMQ").rows("HMQ.TABLE_PARAMEDIT"))
        prog[r.number(pByte)] = &r;
    std::map<std::string, std::set<long long>> bytesOf;
    for (const auto& c : copies)
    {
        SCOPED_TRACE("line " + std::to_string(c.line));
        const long long first = c.number(1), last = c.number(2), mask = c.number(3);
        EXPECT_GE(first, 16);
        EXPECT_LE(first, last);
        EXPECT_LE(last, 61);
        EXPECT_TRUE(mask == 0 || mask == 1 || mask == 3 || mask == 0xFF);
        for (long long b = first; b <= last; ++b)
        {
            EXPECT_TRUE(bytesOf[c.raw(0)].insert(b).second) << "byte " << b << " copied twice";
            // A narrowing mask keeps every value of the byte's range.
            if (mask != 0 && mask != 0xFF && prog.count(b))
                EXPECT_EQ(prog.at(b)->number(pMax) & ~mask, 0) << "byte " << b;
        }
    }
    EXPECT_EQ(bytesOf.size(), 8u);
    for (const char* part : { "Pedal1", "Pedal2", "Reverb" })
        EXPECT_EQ(bytesOf.at(std::string("Copy") + part + "Part_fromCustomBuf"), bytesOf.at(std::string("Copy") + part + "Part_fromEditBuf"))
            << part;
    // The module copies cover the type byte and every module parameter byte.
    const std::map<std::string, std::pair<long long, long long>> span = {
        { "Pedal1", { 31, 38 } }, { "Pedal2", { 39, 46 } }, { "Reverb", { 55, 60 } } };
    for (const auto& [part, range] : span)
        for (long long b = range.first; b <= range.second; ++b)
            EXPECT_EQ(bytesOf.at("Copy" + part + "Part_fromEditBuf").count(b), 1u) << part << " byte " << b;
    // The amp copies carry NR, the amp type and bytes 24-30; only the edit-to-custom copy clears 19-23.
    for (long long b : { 16, 18, 24, 25, 26, 27, 28, 29, 30 })
    {
        EXPECT_EQ(bytesOf.at("CopyAmpPart_fromCustomBuf").count(b), 1u) << b;
        EXPECT_EQ(bytesOf.at("CopyAmpPart_fromEditBuf").count(b), 1u) << b;
    }
    for (long long b = 19; b <= 23; ++b)
    {
        EXPECT_EQ(bytesOf.at("CopyAmpPart_fromCustomBuf").count(b), 0u) << b;
        EXPECT_EQ(bytesOf.at("CopyAmpPart_fromEditBuf").count(b), 1u) << b;
    }
}
