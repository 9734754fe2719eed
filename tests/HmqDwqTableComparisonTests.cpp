// Compares the code's HMQ and DWQ tables (module rows, program rows, record layouts, initial
// programs, type-change tables, custom rows, initial custom slots, part copies, factory presets)
// with the independent transcriptions under tests/data, field by field, and checks the rules
// that tie the code's tables to each other.

#include "DWQ/DWQPresetROMProg.h"
#include "DWQ/DWQTypeNames.h"
#include "HMQ/HMQPresetROMProgData.h"
#include "HMQ/HMQTypeNames.h"
#include "ParamTable/DWQ/CDWQUserEditSectionImpl.h"
#include "ParamTable/DWQ/DWQModuleTables.h"
#include "ParamTable/DWQ/DWQParamEditTable.h"
#include "ParamTable/HMQ/CHMQUserEditSectionImpl.h"
#include "ParamTable/HMQ/HMQCustomTables.h"
#include "ParamTable/HMQ/HMQModuleTables.h"
#include "ParamTable/HMQ/HMQParamEditTable.h"
#include "ParamTable/HMQ/sCustomAmpFXBuf.h"
#include "support/TranscribedTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

using transcribed::Row;
using transcribed::Tables;

namespace
{
struct ModuleArray
{
    std::string key; // e.g. "HMQ.amp"
    const TABLEDESC* tables;
    unsigned numTypes;
};

const std::vector<ModuleArray>& moduleArrays()
{
    static const std::vector<ModuleArray> m = {
        { "HMQ.amp", HMQ::TABLEARRAY_AmpFX, 20 },      { "HMQ.pedal1", HMQ::TABLEARRAY_Pedal1FX, 10 },
        { "HMQ.pedal2", HMQ::TABLEARRAY_Pedal2FX, 7 }, { "HMQ.rev", HMQ::TABLEARRAY_RevFX, 4 },
        { "DWQ.mod", DWQ::TABLEARRAY_ModFX, 5 },       { "DWQ.amp", DWQ::TABLEARRAY_AmpFX, 11 },
        { "DWQ.dlyrev", DWQ::TABLEARRAY_DlyRevFX, 5 }
    };
    return m;
}

const Tables& load(const std::string& file)
{
    static std::map<std::string, Tables> cache;
    auto it = cache.find(file);
    if (it == cache.end())
        it = cache.emplace(file, Tables::load(file)).first;
    return it->second;
}
std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return (char) std::tolower(c); });
    return s;
}
const Tables& file(const std::string& model, const char* what)
{
    return load(lower(model) + "_" + what + ".tsv");
}

std::string where(const std::string& key, const Row& row)
{
    return key + " (data line " + std::to_string(row.line) + ")";
}

// A code row against a module-row line: id, name, unit, atype, byte, bits, default, min, max,
// flags, format, tooltip key; PTYPE 5 and init 0.
void expectModuleRow(const SParamDesc& c, const Row& r, const std::string& at)
{
    EXPECT_EQ((long long) (uint32_t) c.id, r.number(0)) << at;
    EXPECT_STREQ(c.name, r.text(1).c_str()) << at;
    EXPECT_STREQ(c.unit, r.text(2).c_str()) << at;
    EXPECT_EQ((int) c.atype, r.integer(3)) << at;
    EXPECT_EQ((int) c.offset, r.integer(4)) << at;
    EXPECT_EQ((int) c.firstBit, r.integer(5)) << at;
    EXPECT_EQ((int) c.lastBit, r.integer(6)) << at;
    EXPECT_EQ(c.defValue, r.integer(7)) << at;
    EXPECT_EQ(c.minValue, r.integer(8)) << at;
    EXPECT_EQ(c.maxValue, r.integer(9)) << at;
    EXPECT_EQ((long long) c.flags, r.number(10)) << at;
    EXPECT_STREQ(c.format, r.text(11).c_str()) << at;
    EXPECT_STREQ(c.tooltip, r.text(12).c_str()) << at;
    EXPECT_EQ(c.ptype, PTYPE_CONT) << at;
    EXPECT_EQ(c.initValue, 0) << at;
}

// The value a row reads from a record: its bit field of one byte or of the 16-bit little-endian word.
int readValue(const unsigned char* rec, const SParamDesc& d)
{
    const int word = d.atype == ATYPE_UBF16L ? rec[d.offset] | (rec[d.offset + 1] << 8) : rec[d.offset];
    return (word >> d.firstBit) & ((1 << (d.lastBit - d.firstBit + 1)) - 1);
}

// The ids of the rows (of the record's current module types) whose stored value lies outside the row.
std::set<int> outOfRange(const unsigned char* rec, const std::vector<std::pair<const TABLEDESC*, int>>& modules)
{
    std::set<int> out;
    for (const auto& [tables, byte] : modules)
    {
        const auto& table = tables[rec[byte]];
        for (size_t i = 0; i < table.count; ++i)
        {
            const int v = readValue(rec, table.rows[i]);
            if (v < table.rows[i].minValue || v > table.rows[i].maxValue)
                out.insert(table.rows[i].id);
        }
    }
    return out;
}
std::set<int> hmqOutOfRange(const unsigned char* rec)
{
    return outOfRange(rec, { { HMQ::TABLEARRAY_AmpFX, 18 },
                             { HMQ::TABLEARRAY_Pedal1FX, 31 },
                             { HMQ::TABLEARRAY_Pedal2FX, 39 },
                             { HMQ::TABLEARRAY_RevFX, 55 } });
}
std::set<int> dwqOutOfRange(const unsigned char* rec)
{
    return outOfRange(rec, { { DWQ::TABLEARRAY_ModFX, 23 }, { DWQ::TABLEARRAY_AmpFX, 18 }, { DWQ::TABLEARRAY_DlyRevFX, 26 } });
}

// Parameter ids named by a layout line: "0x400", "0x201, 0x202", "0x501-0x505" or "-".
bool layoutNames(const std::string& text, long long id)
{
    for (size_t start = 0; start < text.size();)
    {
        size_t end = text.find(", ", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string part = text.substr(start, end - start);
        const size_t dash = part.find('-', 1);
        long long lo = 0, hi = 0;
        if (dash == std::string::npos ? transcribed::parseNumber(part, lo) && lo == id
                                      : transcribed::parseNumber(part.substr(0, dash), lo)
                                            && transcribed::parseNumber(part.substr(dash + 1), hi) && lo <= id && id <= hi)
            return true;
        start = end + 2;
    }
    return false;
}

// A code row lies inside the record's layout line that names its id.
void expectInLayout(const std::string& model, const SParamDesc& c, const std::string& at)
{
    const auto width = c.atype == ATYPE_UBF16L ? 2u : c.atype == ATYPE_STR16 ? 16u : 1u;
    for (const auto& l : file(model, "program_rows").rows(model + ".sEditBuf.layout"))
        if (l.number(0) <= c.offset && c.offset <= l.number(1))
        {
            EXPECT_TRUE(layoutNames(l.text(2), (uint32_t) c.id)) << at << ": byte " << c.offset << " holds " << l.text(2);
            EXPECT_LE(c.offset + width - 1, l.number(1)) << at;
            return;
        }
    ADD_FAILURE() << at << ": byte " << c.offset << " outside the record";
}

std::map<long long, std::set<long long>> hiddenRules(const std::string& key)
{
    std::map<long long, std::set<long long>> m;
    const auto& t = file(key.substr(0, 3), "program_rows");
    if (t.has(key + ".prepare_hidden"))
        for (const auto& r : t.rows(key + ".prepare_hidden"))
            for (size_t i = 1; i < r.size(); ++i)
                m[r.number(0)].insert(r.number(i));
    return m;
}
} // namespace

TEST(HmqDwqTableComparison, ModuleRowsMatchTheTranscription)
{
    size_t compared = 0;
    for (const auto& module : moduleArrays())
    {
        const auto model = module.key.substr(0, 3);
        const auto& data = file(model, "module_rows");
        EXPECT_EQ(data.keysWithPrefix(module.key + ".type").size(), module.numTypes) << module.key;
        for (unsigned type = 0; type < module.numTypes; ++type)
        {
            const auto key = module.key + ".type" + std::to_string(type);
            const auto& rows = data.rows(key);
            const auto& table = module.tables[type];
            ASSERT_EQ(table.count, rows.size()) << key;
            for (size_t i = 0; i < rows.size(); ++i, ++compared)
            {
                expectModuleRow(table.rows[i], rows[i], where(key, rows[i]));
                expectInLayout(model, table.rows[i], where(key, rows[i]));
            }
        }
    }
    EXPECT_EQ(compared, (size_t) (20 * 13 + 10 * 6 + 7 * 6 + 4 * 5 + 5 * 1 + 11 * 4 + 5 * 2));
}

TEST(HmqDwqTableComparison, ProgramRowsLayoutsAndLimitsMatchTheTranscription)
{
    const std::pair<std::string, const TABLEDESC*> models[] = { { "HMQ", &HMQ::TABLEDESC_PARAMEDIT },
                                                                { "DWQ", &DWQ::TABLEDESC_PARAMEDIT } };
    for (const auto& [model, table] : models)
    {
        const auto key = model + ".TABLE_PARAMEDIT";
        const auto& rows = file(model, "program_rows").rows(key);
        ASSERT_EQ(table->count, rows.size()) << key;
        for (size_t i = 0; i < rows.size(); ++i)
        {
            const auto& r = rows[i];
            const auto& c = table->rows[i];
            const auto at = where(key, r);
            EXPECT_EQ((int) i, r.integer(0)) << at;
            EXPECT_EQ((long long) (uint32_t) c.id, r.number(1)) << at;
            EXPECT_EQ((int) c.ptype, r.integer(2)) << at;
            EXPECT_EQ((int) c.atype, r.integer(3)) << at;
            EXPECT_EQ((int) c.offset, r.integer(4)) << at;
            EXPECT_EQ((int) c.firstBit, r.integer(5)) << at;
            EXPECT_EQ((int) c.lastBit, r.integer(6)) << at;
            EXPECT_EQ(c.minValue, r.integer(7)) << at;
            EXPECT_EQ(c.maxValue, r.integer(8)) << at;
            EXPECT_EQ((long long) c.flags, r.number(9)) << at;
            EXPECT_STREQ(c.format, r.text(10).c_str()) << at;
            EXPECT_STREQ(c.name, r.text(11).c_str()) << at;
            EXPECT_EQ(c.defValue, r.integer(12)) << at;
            EXPECT_EQ(c.initValue, r.integer(13)) << at;
            EXPECT_STREQ(c.tooltip, r.text(14).c_str()) << at;
            // The DWQ pseudo ids address the section's own state bytes, not the record.
            if (! (model == "DWQ" && (uint32_t) c.id >= 0x80000011u && (uint32_t) c.id <= 0x80000014u))
                expectInLayout(model, c, at);
        }
    }

    // Module type limits: a type past the last selects the last.
    HMQ::sEditBuf hmqBuf {};
    HMQ::CHMQUserEditSectionImpl hmq;
    hmq.Init(nullptr, &hmqBuf);
    DWQ::sEditBuf dwqBuf {};
    DWQ::CDWQUserEditSectionImpl dwq;
    dwq.Init(nullptr, &dwqBuf);
    const std::map<std::string, ISection*> subs = { { "HMQ.amp", hmq.GetAmpFX() },    { "HMQ.pedal1", hmq.GetFX1FX() },
                                                    { "HMQ.pedal2", hmq.GetFX2FX() }, { "HMQ.rev", hmq.GetRevFX() },
                                                    { "DWQ.mod", dwq.GetFX1FX() },    { "DWQ.amp", dwq.GetAmpFX() },
                                                    { "DWQ.dlyrev", dwq.GetRevFX() } };
    size_t limits = 0;
    for (const char* model : { "HMQ", "DWQ" })
        for (const auto& r : file(model, "program_rows").rows(std::string(model) + ".type_limits"))
        {
            auto* sub = static_cast<CFXSectionImpl*>(subs.at(std::string(model) + "." + r.raw(0)));
            sub->InitFXType(1000);
            EXPECT_EQ((int) sub->GetFXType(), r.integer(2)) << model << " " << r.raw(0);
            EXPECT_EQ(r.integer(1), 0);
            ++limits;
        }
    EXPECT_EQ(limits, subs.size());

    // The DWQ editor-side values: their rows and their initial values.
    for (const auto& s : file("DWQ", "program_rows").rows("DWQ.state_bytes"))
    {
        SParamDesc d {};
        ASSERT_TRUE(dwq.GetParamDesc(s.integer(0), &d)) << s.raw(0);
        EXPECT_EQ(d.minValue, s.integer(2)) << s.raw(0);
        EXPECT_EQ(d.maxValue, s.integer(3)) << s.raw(0);
        EXPECT_EQ(d.defValue, s.integer(4)) << s.raw(0);
        EXPECT_STREQ(d.format, s.text(5).c_str()) << s.raw(0);
        EXPECT_EQ((int) DWQ::CDWQUserEditSectionImpl().getStateByte(s.integer(1)), s.integer(6)) << s.raw(0);
    }
}

TEST(HmqDwqTableComparison, InitialProgramsAndTypeChangeTablesMatchTheTranscription)
{
    const std::pair<std::string, const unsigned char*> inits[] = { { "HMQ", HMQ::m_InitProgData },
                                                                   { "DWQ", DWQ::m_InitProgData } };
    for (const auto& [model, init] : inits)
    {
        const auto& rows = file(model, "program_init").rows(model + ".m_InitProgData");
        ASSERT_EQ(rows.size(), model == "HMQ" ? 62u : 30u);
        for (size_t i = 0; i < rows.size(); ++i)
        {
            EXPECT_EQ(rows[i].integer(0), (int) i) << model;
            EXPECT_EQ((int) init[i], rows[i].integer(1)) << model << " byte " << i;
        }
    }
    const std::pair<std::string, std::function<int(int)>> tables[] = {
        { "HMQ.pedal2.m_SpeedAdjustTable", [](int t) { return (int) HMQ::CHMQPedal2FXSectionImpl::m_SpeedAdjustTable[t]; } },
        { "DWQ.mod.m_SpeedAdjustTable", [](int t) { return DWQ::CDWQModFXSectionImpl::m_SpeedAdjustTable[t]; } },
        { "DWQ.amp.m_NRadjustTable", [](int t) { return DWQ::CDWQAmpFXSectionImpl::m_NRadjustTable[t]; } },
        { "DWQ.amp.m_MIDadjustTable", [](int t) { return DWQ::CDWQAmpFXSectionImpl::m_MIDadjustTable[t]; } }
    };
    for (const auto& [key, value] : tables)
    {
        const auto& rows = file(key.substr(0, 3), "program_init").rows(key);
        EXPECT_EQ(rows.size(), key == "HMQ.pedal2.m_SpeedAdjustTable" ? 7u : key == "DWQ.mod.m_SpeedAdjustTable" ? 5u : 11u);
        for (size_t t = 0; t < rows.size(); ++t)
        {
            EXPECT_EQ(rows[t].integer(0), (int) t) << key;
            EXPECT_EQ(value((int) t), rows[t].integer(1)) << key << " type " << t;
        }
    }
}

TEST(HmqDwqTableComparison, CustomRowsInitialSlotsAndPartCopiesMatchTheTranscription)
{
    const auto& data = load("hmq_custom_rows.tsv");
    const auto& rows = data.rows("HMQ.TABLE_CUSTOMEDIT");
    ASSERT_EQ(HMQ::TABLEDESC_CUSTOMEDIT.count, rows.size());
    ASSERT_EQ(rows.size(), 102u);
    for (size_t i = 0; i < rows.size(); ++i)
        expectModuleRow(HMQ::TABLE_CUSTOMEDIT[i], rows[i], where("HMQ.TABLE_CUSTOMEDIT", rows[i]));

    const auto& chunk = data.rows("HMQ.INITCHUNK_CUSTOMPARAM");
    ASSERT_EQ(chunk.size(), 248u);
    for (size_t i = 0; i < chunk.size(); ++i)
    {
        EXPECT_EQ(chunk[i].integer(0), (int) i);
        EXPECT_EQ((int) HMQ::INITCHUNK_CUSTOMPARAM[i], chunk[i].integer(1)) << "custom byte " << i;
    }

    // Each copy: destination = source & mask on the listed bytes, every other byte untouched.
    using Copy = std::function<void(HMQ::sEditBuf&, HMQ::sCustomAmpFXBuf&)>;
    const std::map<std::string, std::pair<bool, Copy>> copies = {
        { "CopyAmpPart_fromCustomBuf", { true, [](auto& e, auto& c) { e.CopyAmpPart_fromCustomBuf(&c); } } },
        { "CopyPedal1Part_fromCustomBuf", { true, [](auto& e, auto& c) { e.CopyPedal1Part_fromCustomBuf(&c); } } },
        { "CopyPedal2Part_fromCustomBuf", { true, [](auto& e, auto& c) { e.CopyPedal2Part_fromCustomBuf(&c); } } },
        { "CopyReverbPart_fromCustomBuf", { true, [](auto& e, auto& c) { e.CopyReverbPart_fromCustomBuf(&c); } } },
        { "CopyAmpPart_fromEditBuf", { false, [](auto& e, auto& c) { c.CopyAmpPart_fromEditBuf(&e); } } },
        { "CopyPedal1Part_fromEditBuf", { false, [](auto& e, auto& c) { c.CopyPedal1Part_fromEditBuf(&e); } } },
        { "CopyPedal2Part_fromEditBuf", { false, [](auto& e, auto& c) { c.CopyPedal2Part_fromEditBuf(&e); } } },
        { "CopyReverbPart_fromEditBuf", { false, [](auto& e, auto& c) { c.CopyReverbPart_fromEditBuf(&e); } } }
    };
    std::map<std::string, std::map<int, int>> masks;
    for (const auto& r : data.rows("HMQ.part_copy"))
        for (int b = r.integer(1); b <= r.integer(2); ++b)
            EXPECT_TRUE(masks[r.raw(0)].emplace(b, r.integer(3)).second) << r.raw(0) << " byte " << b;
    EXPECT_EQ(masks.size(), copies.size());
    for (const auto& [name, copy] : copies)
    {
        HMQ::sEditBuf edit;
        HMQ::sCustomAmpFXBuf custom;
        std::fill(std::begin(edit.bytes), std::end(edit.bytes), 0xA5);
        std::fill(std::begin(custom.bytes), std::end(custom.bytes), 0xA5);
        unsigned char* source = copy.first ? custom.bytes : edit.bytes;
        const unsigned char* dest = copy.first ? edit.bytes : custom.bytes;
        for (int i = 0; i < 62; ++i)
            source[i] = (unsigned char) (0xF0 + i);
        copy.second(edit, custom);
        for (int b = 0; b < 62; ++b)
        {
            const auto m = masks[name].find(b);
            EXPECT_EQ((int) dest[b], m == masks[name].end() ? 0xA5 : (0xF0 + b) & 0xFF & m->second) << name << " byte " << b;
        }
    }
}

TEST(HmqDwqTableComparison, PresetNamesAndFixedBytesMatchTheTranscription)
{
    auto name = [](const unsigned char* rec) {
        std::string s(reinterpret_cast<const char*>(rec), 16);
        return s.substr(0, s.find_last_not_of(' ') + 1);
    };
    const auto& hmq = load("hmq_presets.tsv");
    const auto& hmqNames = hmq.rows("HMQ.preset_names");
    EXPECT_EQ(hmqNames.size(), 59u);
    for (const auto& r : hmqNames)
        if (r.integer(0) != 51) // preset 51's name is our own
        {
            EXPECT_EQ(name(HMQ::m_sPresetROMProgData + 62 * r.integer(0)), r.text(1)) << "HMQ preset " << r.integer(0);
        }
    const auto& p0 = hmq.rows("HMQ.preset0");
    ASSERT_EQ(p0.size(), 46u);
    for (size_t i = 0; i < p0.size(); ++i)
    {
        EXPECT_EQ(p0[i].integer(0), 16 + (int) i);
        EXPECT_EQ((int) HMQ::m_sPresetROMProgData[16 + i], p0[i].integer(1)) << "HMQ preset 0 byte " << 16 + i;
    }
    const auto& amp = hmq.rows("HMQ.preset_amp_type");
    ASSERT_EQ(amp.size(), 60u);
    for (const auto& r : amp)
        EXPECT_EQ((int) HMQ::m_sPresetROMProgData[62 * r.integer(0) + 18], r.integer(1)) << "HMQ preset " << r.integer(0);

    const auto& dwq = load("dwq_presets.tsv");
    const auto& dwqNames = dwq.rows("DWQ.preset_names");
    ASSERT_EQ(dwqNames.size(), (size_t) DWQ::kNumPresets);
    for (int p = 0; p < DWQ::kNumPresets; ++p)
    {
        EXPECT_EQ(dwqNames[p].integer(0), p);
        EXPECT_EQ(name(DWQ::m_sPresetROMProgData[p]), dwqNames[p].text(1)) << "DWQ preset " << p;
        const auto& bytes = dwq.rows("DWQ.preset" + std::to_string(p));
        ASSERT_EQ(bytes.size(), 14u);
        for (size_t i = 0; i < bytes.size(); ++i)
        {
            EXPECT_EQ(bytes[i].integer(0), 16 + (int) i);
            EXPECT_EQ((int) DWQ::m_sPresetROMProgData[p][16 + i], bytes[i].integer(1))
                << "DWQ preset " << p << " byte " << 16 + i;
        }
    }
}

// Rules that tie the tables to each other, checked on the code's tables.

TEST(HmqDwqTableComparison, StoredHideFlagsFollowTheTypeRules)
{
    // HMQ: the rows carry flag 0x4 on exactly the rows the type rules hide; DWQ: the OFF rows carry
    // no flag, the rule alone hides them. A hidden HMQ row is the empty row.
    for (const auto& module : moduleArrays())
    {
        const auto rules = hiddenRules(module.key);
        const bool hmq = module.key.rfind("HMQ", 0) == 0;
        for (unsigned type = 0; type < module.numTypes; ++type)
            for (size_t i = 0; i < module.tables[type].count; ++i)
            {
                const auto& row = module.tables[type].rows[i];
                const bool ruled = rules.count(row.id) && rules.at(row.id).count(type);
                EXPECT_EQ((row.flags & ParamFlags::hidden) != 0, hmq && ruled)
                    << module.key << " type " << type << " id " << row.id;
                if (row.flags & ParamFlags::hidden)
                {
                    EXPECT_STREQ(row.name, "") << module.key << " type " << type << " id " << row.id;
                }
            }
    }
    // The HMQ amp hides BRIGHT CAP on exactly the types without the BRIGHT parameter.
    for (int type = 0; type < 20; ++type)
    {
        const auto& cap = HMQ::TABLEARRAY_AmpFX[type].rows[7];
        ASSERT_EQ(cap.id, 0x407);
        EXPECT_EQ((cap.flags & ParamFlags::hidden) == 0, HMQ::hasBRIGHTparam((HMQ::eAmpType) type)) << "amp type " << type;
    }
}

TEST(HmqDwqTableComparison, TypeRowsListTheModulesTypeNames)
{
    const std::pair<int, const juce::StringArray*> hmq[] = { { 0x300, &HMQ::getAmpTypeNames() },
                                                             { 0x301, &HMQ::getPedal1TypeNames() },
                                                             { 0x302, &HMQ::getPedal2TypeNames() },
                                                             { 0x304, &HMQ::getRevTypeNames() } };
    const std::pair<int, const juce::StringArray*> dwq[] = { { 0x300, &DWQ::getAmpTypeNames() },
                                                             { 0x400, &DWQ::getModTypeNames() },
                                                             { 0x500, &DWQ::getDlyRevTypeNames() } };
    auto check = [](const TABLEDESC& table, const auto& lists) {
        for (const auto& [id, names] : lists)
        {
            const auto* row =
                std::find_if(table.rows, table.rows + table.count, [id = id](const SParamDesc& r) { return r.id == id; });
            ASSERT_NE(row, table.rows + table.count) << std::hex << id;
            EXPECT_EQ(row->ptype, PTYPE_ENUM) << std::hex << id;
            EXPECT_EQ(std::string(row->format), names->joinIntoString("\n").toStdString()) << std::hex << id;
        }
    };
    check(HMQ::TABLEDESC_PARAMEDIT, hmq);
    check(DWQ::TABLEDESC_PARAMEDIT, dwq);
}

TEST(HmqDwqTableComparison, TypeChangeTablesLandInsideTheNewTypesRows)
{
    // HMQ Pedal2: the first value of the new type is that type's lowest.
    for (int type = 0; type < 7; ++type)
        EXPECT_EQ((int) HMQ::CHMQPedal2FXSectionImpl::m_SpeedAdjustTable[type], HMQ::TABLEARRAY_Pedal2FX[type].rows[0].minValue)
            << "pedal2 type " << type;
    // DWQ modulation: clamped to the new type's SPEED row, the value is the row's lowest.
    for (int type = 0; type < 5; ++type)
    {
        const auto& speed = DWQ::TABLEARRAY_ModFX[type].rows[0];
        EXPECT_EQ(std::clamp(DWQ::CDWQModFXSectionImpl::m_SpeedAdjustTable[type], speed.minValue, speed.maxValue), speed.minValue)
            << "mod type " << type;
    }
    // DWQ amp: NR and MIDDLE lie inside their program rows.
    SParamDesc nr {}, mid {};
    DWQ::sEditBuf buf {};
    DWQ::CDWQUserEditSectionImpl dwq;
    dwq.Init(nullptr, &buf);
    ASSERT_TRUE(dwq.GetParamDesc(0x100, &nr) && dwq.GetParamDesc(0x303, &mid));
    for (int type = 0; type < 11; ++type)
    {
        EXPECT_GE(DWQ::CDWQAmpFXSectionImpl::m_NRadjustTable[type], nr.minValue);
        EXPECT_LE(DWQ::CDWQAmpFXSectionImpl::m_NRadjustTable[type], nr.maxValue);
        EXPECT_GE(DWQ::CDWQAmpFXSectionImpl::m_MIDadjustTable[type], mid.minValue);
        EXPECT_LE(DWQ::CDWQAmpFXSectionImpl::m_MIDadjustTable[type], mid.maxValue);
    }
}

TEST(HmqDwqTableComparison, InitialProgramsAndFactoryPresetsHoldValuesInRange)
{
    EXPECT_EQ(hmqOutOfRange(HMQ::m_InitProgData), std::set<int> {});
    for (int p = 0; p < 60; ++p)
        EXPECT_EQ(hmqOutOfRange(HMQ::m_sPresetROMProgData + 62 * p), std::set<int> {}) << "HMQ preset " << p;
    // The DWQ keeps SPEED 0 with modulation OFF (reads clamp it to the OFF row's 300).
    const std::set<int> speedOfOff { 0x401 };
    EXPECT_EQ(dwqOutOfRange(DWQ::m_InitProgData), speedOfOff);
    for (int p = 0; p < DWQ::kNumPresets; ++p)
        EXPECT_EQ(dwqOutOfRange(DWQ::m_sPresetROMProgData[p]),
                  DWQ::m_sPresetROMProgData[p][23] == 0 ? speedOfOff : std::set<int> {})
            << "DWQ preset " << p;
}

TEST(HmqDwqTableComparison, CustomRowsFollowTheModuleRowsOfTheirSlots)
{
    // Each custom effect row has its slot's module row's accessor, bits, range, flags and format
    // (first type of the slot's variant), at that row's byte in the slot; the delay variant names
    // LEVEL and TONE MIX and HI DAMP. The type rows span the variant's types.
    const auto& slots = load("hmq_custom_rows.tsv").rows("HMQ.custom.slots");
    ASSERT_EQ(slots.size(), 4u);
    size_t matched = 0;
    for (const auto& c : HMQ::TABLE_CUSTOMEDIT)
    {
        const int n = c.id - (int) 0x90000000, slot = (int) c.offset / 62, inSlot = (int) c.offset % 62;
        if (n < 0x10)
        {
            const int group = n < 3 ? -1 : (n - 3) / 4; // amp, pedal1, pedal2, reverb
            if (group < 0)
                EXPECT_EQ(c.maxValue + 1, HMQ::getAmpTypeNames().size());
            else
            {
                const auto& s = slots[(size_t) (n - 3) % 4];
                EXPECT_EQ(c.minValue, s.integer(3 * group + 3)) << std::hex << c.id;
                EXPECT_EQ(c.maxValue, s.integer(group == 2 ? 9 : 3 * group + 4)) << std::hex << c.id;
            }
            continue;
        }
        if (n < 0x28)
            continue; // the amp rows, narrower than the per-type rows
        const auto& s = slots[(size_t) slot];
        const TABLEDESC& t = inSlot <= 38   ? HMQ::TABLEARRAY_Pedal1FX[s.integer(3)]
                             : inSlot <= 46 ? HMQ::TABLEARRAY_Pedal2FX[s.integer(6)]
                                            : HMQ::TABLEARRAY_RevFX[s.integer(9)];
        const SParamDesc* m =
            std::find_if(t.rows, t.rows + t.count, [&](const SParamDesc& r) { return (int) r.offset == inSlot; });
        ASSERT_NE(m, t.rows + t.count) << std::hex << c.id;
        const std::string at = "custom id " + std::to_string(n);
        EXPECT_EQ(c.atype, m->atype) << at;
        EXPECT_EQ(c.firstBit, m->firstBit) << at;
        EXPECT_EQ(c.lastBit, m->lastBit) << at;
        EXPECT_EQ(c.minValue, m->minValue) << at;
        EXPECT_EQ(c.maxValue, m->maxValue) << at;
        EXPECT_EQ(c.flags, m->flags) << at;
        EXPECT_STREQ(c.format, m->format) << at;
        const std::string mine(c.name), theirs(m->name);
        EXPECT_TRUE(mine == theirs || (mine == "MIX" && theirs == "LEVEL") || (mine == "HI DAMP" && theirs == "TONE"))
            << at << " " << mine;
        ++matched;
    }
    EXPECT_EQ(matched, 102u - 15u - 24u);
}
