// Compares the code's Orva tables (module rows, program rows, initial program, speed
// adjustment) and the type-name lists and wire maps with the independent transcriptions
// under tests/data, and checks the tables' own invariants.

#include "DWQ/DWQTypeNames.h"
#include "HMQ/HMQTypeNames.h"
#include "OrvaKX/OrvaKXTypeNames.h"
#include "OrvaPW/OrvaPWTypeNames.h"
#include "ParamTable/CParamTable.h"
#include "ParamTable/orvaKX/COKXUserEditSectionImpl.h"
#include "ParamTable/orvaKX/OKXModuleTables.h"
#include "ParamTable/orvaKX/OKXParamEditTable.h"
#include "ParamTable/orvaPW/COPWUserEditSectionImpl.h"
#include "ParamTable/orvaPW/OPWModuleTables.h"
#include "ParamTable/orvaPW/OPWParamEditTable.h"
#include "support/TranscribedTables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>

using transcribed::Row;
using transcribed::Tables;

namespace
{
struct ModuleArray
{
    std::string key; // e.g. "OKX.amp"
    const TABLEDESC* tables;
    unsigned numTypes;
};

std::vector<ModuleArray> moduleArrays()
{
    return { { "OKX.amp", orvaKX::TABLEARRAY_AmpFX, 23 }, { "OKX.fx1", orvaKX::TABLEARRAY_FX1FX, 11 },
             { "OKX.fx2", orvaKX::TABLEARRAY_FX2FX, 8 },  { "OPW.amp", orvaPW::TABLEARRAY_AmpFX, 17 },
             { "OPW.fx1", orvaPW::TABLEARRAY_FX1FX, 11 }, { "OPW.fx2", orvaPW::TABLEARRAY_FX2FX, 8 } };
}

std::string where(const std::string& key, const Row& row)
{
    return key + " (data line " + std::to_string(row.line) + ")";
}
} // namespace

TEST(OrvaTableComparison, ModuleRowsMatchTheTranscription)
{
    const auto data = Tables::load("orva_module_rows.tsv");
    size_t compared = 0;
    for (const auto& module : moduleArrays())
    {
        EXPECT_EQ(data.keysWithPrefix(module.key + ".type").size(), module.numTypes) << module.key;
        for (unsigned type = 0; type < module.numTypes; ++type)
        {
            const auto key = module.key + ".type" + std::to_string(type);
            const auto& rows = data.rows(key);
            const auto& table = module.tables[type];
            ASSERT_EQ(table.count, rows.size()) << key;
            for (size_t i = 0; i < rows.size(); ++i)
            {
                const auto& r = rows[i];
                const auto& c = table.rows[i];
                const auto at = where(key, r);
                EXPECT_EQ(c.id, r.integer(0)) << at;
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
                EXPECT_EQ(c.ptype, PTYPE_CONT) << at;
                EXPECT_STREQ(c.tooltip, "") << at;
                EXPECT_EQ(c.initValue, 0) << at;
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, (size_t) (23 * 11 + 17 * 11 + 2 * 11 * 6 + 2 * 8 * 6));
}

TEST(OrvaTableComparison, ModuleInvariants)
{
    for (const auto& module : moduleArrays())
    {
        for (unsigned type = 0; type < module.numTypes; ++type)
        {
            const auto& table = module.tables[type];
            const auto& first = module.tables[0];
            ASSERT_EQ(table.count, first.count);
            auto* working = CParamTable::GetInstance(table, 0);
            for (size_t i = 0; i < table.count; ++i)
            {
                const auto& row = table.rows[i];
                const auto at = module.key + " type " + std::to_string(type) + " row " + std::to_string(i);
                // Same ids in the same order for every type, fields inside the record.
                EXPECT_EQ(row.id, first.rows[i].id) << at;
                EXPECT_LT(row.offset + (row.atype == ATYPE_UBF16L ? 1u : 0u), 62u) << at;
                EXPECT_LE(row.firstBit, row.lastBit) << at;
                // Every row gets its accessor and a converter: the format parses.
                EXPECT_NE(working->GetEntry(i).accessor, nullptr) << at;
                EXPECT_NE(working->GetEntry(i).converter, nullptr) << at;
            }
        }
    }
}

TEST(OrvaTableComparison, ProgramRowsMatchTheTranscription)
{
    const auto data = Tables::load("orva_program_rows.tsv");
    const std::pair<const char*, const SParamDesc*> models[] = { { "OKX", orvaKX::TABLE_PARAMEDIT },
                                                                 { "OPW", orvaPW::TABLE_PARAMEDIT } };
    for (const auto& [model, table] : models)
    {
        const auto key = std::string(model) + ".TABLE_PARAMEDIT";
        const auto& rows = data.rows(key);
        ASSERT_EQ(rows.size(), 17u);
        for (size_t i = 0; i < rows.size(); ++i)
        {
            const auto& r = rows[i];
            const auto& c = table[i];
            const auto at = where(key, r);
            EXPECT_EQ((int) i, r.integer(0)) << at;
            EXPECT_EQ((long long) (uint32_t) c.id, r.number(1) & 0xFFFFFFFFLL) << at;
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
        }
    }

    // Module type limits: a type past the last selects the last.
    orvaKX::sEditBuf kxBuf {};
    orvaKX::COKXUserEditSectionImpl kx;
    kx.Init(nullptr, &kxBuf);
    orvaPW::sEditBuf pwBuf {};
    orvaPW::COPWUserEditSectionImpl pw;
    pw.Init(nullptr, &pwBuf);
    for (const auto& [prefix, section] : { std::make_pair(std::string("OKX"), (COrvaUserEditSectionBase*) &kx),
                                           std::make_pair(std::string("OPW"), (COrvaUserEditSectionBase*) &pw) })
    {
        for (const auto& r : data.rows(prefix + ".type_limits"))
        {
            const auto module = r.raw(0);
            auto* sub = static_cast<CFXSectionImpl*>(module == "amp"   ? section->GetAmpFX()
                                                     : module == "fx1" ? section->GetFX1FX()
                                                                       : section->GetFX2FX());
            sub->InitFXType(1000);
            EXPECT_EQ((int) sub->GetFXType(), r.integer(2)) << prefix << " " << module;
        }
    }
}

TEST(OrvaTableComparison, InitialProgramAndSpeedTableMatchTheTranscription)
{
    const auto data = Tables::load("orva_program_init.tsv");
    const std::pair<const char*, const unsigned char*> inits[] = { { "OKX", orvaKX::COKXUserEditSectionImpl::m_InitProgData },
                                                                   { "OPW", orvaPW::COPWUserEditSectionImpl::m_InitProgData } };
    for (const auto& [model, init] : inits)
    {
        const auto& rows = data.rows(std::string(model) + ".m_InitProgData");
        ASSERT_EQ(rows.size(), 62u);
        for (const auto& r : rows)
            EXPECT_EQ((int) init[r.integer(0)], r.integer(1)) << model << " byte " << r.integer(0);
    }
    const std::pair<const char*, const uint32_t*> speeds[] = { { "OKX", orvaKX::COKXFX2FXSectionImpl::m_SpeedAdjustTable },
                                                               { "OPW", orvaPW::COPWFX2FXSectionImpl::m_SpeedAdjustTable } };
    for (const auto& [model, table] : speeds)
    {
        const auto& rows = data.rows(std::string(model) + ".m_SpeedAdjustTable");
        ASSERT_EQ(rows.size(), 8u);
        for (const auto& r : rows)
            EXPECT_EQ((int) table[r.integer(0)], r.integer(1)) << model << " type " << r.integer(0);
    }
}

TEST(OrvaTableComparison, TypeNamesAndWireMapsMatchTheTranscription)
{
    const auto data = Tables::load("type_names.tsv");
    const std::map<std::string, std::function<juce::StringArray()>> lists = {
        { "OPW.amp", [] { return orvaPW::getAmpTypeNames(); } },    { "OPW.fx1", [] { return orvaPW::getFX1TypeNames(); } },
        { "OKX.amp", [] { return orvaKX::getAmpTypeNames(); } },    { "OKX.fx1", [] { return orvaKX::getFX1TypeNames(); } },
        { "OKX.fx2", [] { return orvaKX::getFX2TypeNames(); } },    { "HMQ.amp", [] { return HMQ::getAmpTypeNames(); } },
        { "HMQ.pedal1", [] { return HMQ::getPedal1TypeNames(); } }, { "HMQ.pedal2", [] { return HMQ::getPedal2TypeNames(); } },
        { "HMQ.rev", [] { return HMQ::getRevTypeNames(); } },       { "DWQ.amp", [] { return DWQ::getAmpTypeNames(); } },
        { "DWQ.mod", [] { return DWQ::getModTypeNames(); } },       { "DWQ.dlyrev", [] { return DWQ::getDlyRevTypeNames(); } }
    };

    for (const auto& e : data.rows("type_enum"))
    {
        const auto listKey = e.raw(3);
        ASSERT_TRUE(lists.count(listKey)) << listKey;
        const auto names = lists.at(listKey)();
        const auto& rows = data.rows(listKey + ".names");
        ASSERT_EQ(names.size(), e.integer(2)) << listKey;
        ASSERT_EQ((int) rows.size(), names.size()) << listKey;
        for (const auto& r : rows)
            EXPECT_EQ(names[r.integer(0)].toStdString(), r.text(1)) << listKey << " " << r.integer(0);
    }

    auto checkMap = [&](const std::string& key, int numTypes, const std::function<int(int)>& toWire,
                        const std::function<int(int)>& toType) {
        for (const auto& r : data.rows(key + ".type_to_value"))
            EXPECT_EQ(toWire(r.integer(0)), r.integer(1)) << key << " type " << r.integer(0);
        std::map<int, int> known;
        for (const auto& r : data.rows(key + ".value_to_type"))
            known[r.integer(0)] = r.integer(1);
        for (int wire = 0; wire < 256; ++wire)
            EXPECT_EQ(toType(wire), known.count(wire) ? known[wire] : -1) << key << " wire " << wire;
        EXPECT_EQ((int) data.rows(key + ".type_to_value").size(), numTypes) << key;
    };
    checkMap(
        "OKX.amp", 23, [](int t) { return (int) orvaKX::getAmpTypeValue((orvaKX::eAmpType) t); },
        [](int w) { return orvaKX::getAmpType((unsigned char) w); });
    checkMap(
        "OPW.amp", 17, [](int t) { return (int) orvaPW::getAmpTypeValue((orvaPW::eAmpType) t); },
        [](int w) { return orvaPW::getAmpType((unsigned char) w); });
    checkMap(
        "OKX.fx1", 11, [](int t) { return orvaKX::getFX1TypeValue((orvaKX::eFX1Type) t); },
        [](int w) { return orvaKX::getFX1Type((orvaKX::eMIDIFX1Type) w); });
    checkMap(
        "OPW.fx1", 11, [](int t) { return orvaPW::getFX1TypeValue((orvaPW::eFX1Type) t); },
        [](int w) { return orvaPW::getFX1Type((orvaPW::eMIDIFX1Type) w); });

    for (const auto& r : data.rows("HMQ.amp.hasBRIGHTparam"))
        EXPECT_EQ(HMQ::hasBRIGHTparam((HMQ::eAmpType) r.integer(0)), r.integer(1) != 0) << r.integer(0);
}
