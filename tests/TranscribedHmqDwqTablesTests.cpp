// Self-checks of the HMQ and DWQ reference transcriptions under tests/data/: every table has its
// count of rows, every row its fields of the right kind (number or quoted text), and no file holds
// a stray key. Everything else in the data is checked by comparing it with the code's own tables
// (HmqDwqTableComparisonTests.cpp), which were transcribed separately.

#include "support/TranscribedTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

using transcribed::Row;
using transcribed::Tables;

namespace
{
// A table: its key, the number of its rows, and the kind of each field: 'n' a number, 't' a quoted
// text, 'i' an identifier; a trailing '+' repeats the last kind (at least once).
struct Shape
{
    std::string key;
    size_t rows;
    std::string fields;
};

const char* const kModuleRow = "nttnnnnnnnntt"; // id, name, unit, atype, byte, bits, default, min, max, flags, format, tooltip
const char* const kProgramRow =
    "nnnnnnnnnnttnnt"; // row, id, PTYPE, ATYPE, byte, bits, min, max, flags, format, name, default, init, tooltip

void addModule(std::vector<Shape>& shapes, const std::string& prefix, int types, size_t rows)
{
    for (int t = 0; t < types; ++t)
        shapes.push_back({ prefix + ".type" + std::to_string(t), rows, kModuleRow });
}

std::map<std::string, std::vector<Shape>> files()
{
    std::map<std::string, std::vector<Shape>> f;
    addModule(f["hmq_module_rows.tsv"], "HMQ.amp", 20, 13);
    addModule(f["hmq_module_rows.tsv"], "HMQ.pedal1", 10, 6);
    addModule(f["hmq_module_rows.tsv"], "HMQ.pedal2", 7, 6);
    addModule(f["hmq_module_rows.tsv"], "HMQ.rev", 4, 5);
    addModule(f["dwq_module_rows.tsv"], "DWQ.mod", 5, 1);
    addModule(f["dwq_module_rows.tsv"], "DWQ.amp", 11, 4);
    addModule(f["dwq_module_rows.tsv"], "DWQ.dlyrev", 5, 2);
    f["hmq_program_rows.tsv"] = { { "HMQ.TABLE_PARAMEDIT", 23, kProgramRow },
                                  { "HMQ.sEditBuf.layout", 26, "nntt" },
                                  { "HMQ.type_limits", 4, "inn" },
                                  { "HMQ.pedal1.prepare_hidden", 2, "nn+" },
                                  { "HMQ.pedal2.prepare_hidden", 2, "nn+" },
                                  { "HMQ.amp.prepare_hidden", 1, "nn+" } };
    f["dwq_program_rows.tsv"] = { { "DWQ.TABLE_PARAMEDIT", 17, kProgramRow }, { "DWQ.sEditBuf.layout", 10, "nntt" },
                                  { "DWQ.state_bytes", 4, "nnnnntn" },        { "DWQ.type_limits", 3, "inn" },
                                  { "DWQ.mod.prepare_hidden", 1, "nn+" },     { "DWQ.dlyrev.prepare_hidden", 2, "nn+" } };
    f["hmq_program_init.tsv"] = { { "HMQ.m_InitProgData", 62, "nn" }, { "HMQ.pedal2.m_SpeedAdjustTable", 7, "nn" } };
    f["dwq_program_init.tsv"] = { { "DWQ.m_InitProgData", 30, "nn" },
                                  { "DWQ.mod.m_SpeedAdjustTable", 5, "nn" },
                                  { "DWQ.amp.m_NRadjustTable", 11, "nn" },
                                  { "DWQ.amp.m_MIDadjustTable", 11, "nn" } };
    f["hmq_custom_rows.tsv"] = { { "HMQ.TABLE_CUSTOMEDIT", 102, kModuleRow },
                                 { "HMQ.INITCHUNK_CUSTOMPARAM", 248, "nn" },
                                 { "HMQ.custom.slots", 4, "nttnntnntn" },
                                 { "HMQ.part_copy", 16, "innn" } };
    f["hmq_presets.tsv"] = { { "HMQ.preset_names", 59, "nt" }, { "HMQ.preset0", 46, "nn" }, { "HMQ.preset_amp_type", 60, "nn" } };
    f["dwq_presets.tsv"] = { { "DWQ.preset_names", 11, "nt" } };
    for (int p = 0; p < 11; ++p)
        f["dwq_presets.tsv"].push_back({ "DWQ.preset" + std::to_string(p), 14, "nn" });
    return f;
}

// The kind of a field as written.
char kindOf(const Row& r, size_t i)
{
    if (r.quoted[i])
        return 't';
    long long v = 0;
    return transcribed::parseNumber(r.raw(i), v) ? 'n' : 'i';
}
} // namespace

TEST(TranscribedHmqDwqTables, EveryTableHasItsRowsAndFieldsAndNoStrayKeys)
{
    for (const auto& [name, shapes] : files())
    {
        const Tables t = Tables::load(name);
        std::vector<std::string> expectedKeys;
        for (const auto& s : shapes)
        {
            expectedKeys.push_back(s.key);
            ASSERT_TRUE(t.has(s.key)) << name << ": " << s.key;
            const auto& rows = t.rows(s.key);
            EXPECT_EQ(rows.size(), s.rows) << s.key;
            const bool repeats = s.fields.back() == '+';
            const std::string fixed = repeats ? s.fields.substr(0, s.fields.size() - 1) : s.fields;
            for (const auto& r : rows)
            {
                const auto at = name + " line " + std::to_string(r.line);
                if (repeats)
                    EXPECT_GE(r.size(), fixed.size()) << at;
                else
                    EXPECT_EQ(r.size(), fixed.size()) << at;
                for (size_t i = 0; i < r.size(); ++i)
                    EXPECT_EQ(kindOf(r, i), fixed[std::min(i, fixed.size() - 1)]) << at << " field " << i;
            }
        }
        EXPECT_EQ(t.keys(), expectedKeys) << name << ": stray, missing or reordered keys";
    }
}

TEST(TranscribedHmqDwqTables, RecordLayoutsCoverTheirRecordsOnce)
{
    const auto& t1 = Tables::load("hmq_program_rows.tsv");
    const auto& t2 = Tables::load("dwq_program_rows.tsv");
    for (const auto& [t, model, size] : { std::make_tuple(&t1, "HMQ", 62LL), std::make_tuple(&t2, "DWQ", 30LL) })
    {
        long long next = 0;
        for (const auto& r : t->rows(std::string(model) + ".sEditBuf.layout"))
        {
            EXPECT_EQ(r.number(0), next) << model << " line " << r.line;
            EXPECT_LE(r.number(0), r.number(1)) << model << " line " << r.line;
            next = r.number(1) + 1;
        }
        EXPECT_EQ(next, size) << model;
    }
}
