// The four form blocks: layer order and counts, the layer records, the
// invariants every item keeps, and the first and last item of every layer.
#include "ParamTable/DWQ/DWQModuleTables.h"
#include "ParamTable/DWQ/DWQParamEditTable.h"
#include "ParamTable/HMQ/HMQModuleTables.h"
#include "ParamTable/HMQ/HMQParamEditTable.h"
#include "ParamTable/orvaKX/OKXGlobalTables.h"
#include "ParamTable/orvaKX/OKXModuleTables.h"
#include "ParamTable/orvaKX/OKXParamEditTable.h"
#include "ParamTable/orvaPW/OPWGlobalTables.h"
#include "ParamTable/orvaPW/OPWModuleTables.h"
#include "ParamTable/orvaPW/OPWParamEditTable.h"
#include "UIForm/DWQ/DWQFormTables.h"
#include "UIForm/HMQ/HMQFormTables.h"
#include "UIForm/UIFormManager.h"
#include "UIForm/UI_FORM_Utils.h"
#include "UIForm/orvaKX/OKXFormTables.h"
#include "UIForm/orvaPW/OPWFormTables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace
{
// Every class name the control factory knows.
std::set<std::string> knownClassNames()
{
    UI_FORMINFO probe {};
    probe.className = "label";
    UI_FORM_Utils::GetItemClassInt(probe);
    std::set<std::string> names;
    for (const auto& entry : UI_FORM_Utils::gClassName2IntMap)
        names.insert(entry.first);
    return names;
}

// Known names that no shipped table uses.
const std::set<std::string> unusedClassNames = {
    "edittext",
    "popupmenu",
    "valuebar",
    "knob_Acurve",
    "knob_Ccurve",
    "knobswitch",
    "knobswitchGR",
    "knobswitch_small",
    "knobswitch_slide_hmq",
    "knobswitch_compvoice_orvakx",
    "knobswitch_small_orvakx",
    "knobswitch_compvoice_small_orvakx",
    "knobswitch_small_orvapw",
    "imgbtn_pedal_nodrag_dwq",
    "imgbtn_rev_nodrag_dwq",
    "img_amp_dwq",
    "img_pedal_dwq",
    "img_rev_dwq",
    "img_amp_hmq",
    "img_pedal1_hmq",
    "img_pedal2_hmq",
    "img_rev_hmq",
    "img_nr",
    "img_gain",
    "popup_amp_dwq",
    "popup_pedal_dwq",
    "popup_rev_dwq",
    "popup_amp_hmq",
    "popup_pedal1_hmq",
    "popup_pedal2_hmq",
    "popup_rev_hmq",
};

struct ModelBlock
{
    const char* name;
    const UI_FORMINFO_BLOCK* block;
    std::vector<int> layerIds;
    std::vector<int> itemCounts;
};

const std::vector<ModelBlock>& blocks()
{
    // clang-format off
    static const std::vector<ModelBlock> all = {
        { "orvaPW", &orvaPW::g_uiFormInfoBlock,
          { 1047, 1052, 1053, 1055, 1040, 1041, 1048, 1056, 1057, 1059, 1042, 1043, 1044, 1045 },
          { 3, 21, 22, 32, 4, 46, 3, 21, 22, 32, 4, 46, 3, 2 } },
        { "orvaKX", &orvaKX::g_uiFormInfoBlock,
          { 1047, 1052, 1053, 1055, 1040, 1041, 1048, 1056, 1057, 1059, 1042, 1043, 1044, 1045 },
          { 3, 22, 22, 30, 4, 46, 3, 21, 22, 30, 4, 46, 3, 2 } },
        { "HMQ", &HMQ::g_uiFormInfoBlock,
          { 1047, 1052, 1053, 1054, 1055, 1048, 1056, 1057, 1058, 1059 },
          { 4, 21, 21, 18, 36, 4, 21, 21, 18, 36 } },
        { "DWQ", &DWQ::g_uiFormInfoBlock, { 1047, 1048, 1049 }, { 34, 32, 32 } },
    };
    // clang-format on
    return all;
}

void addRows(std::set<int32_t>& ids, const SParamDesc* rows, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        if (rows[i].id != -1)
            ids.insert(rows[i].id);
}

template <size_t N>
void addTables(std::set<int32_t>& ids, const TABLEDESC (&tables)[N])
{
    for (const auto& t : tables)
        addRows(ids, t.rows, (size_t) t.count);
}

// Every parameter id of a model's tables: edit buffer, module types and, on
// the Orva models, global and audio-EQ settings.
std::set<int32_t> parameterIds(const std::string& model)
{
    std::set<int32_t> ids;
    if (model == "orvaPW")
    {
        addRows(ids, orvaPW::TABLE_PARAMEDIT, std::size(orvaPW::TABLE_PARAMEDIT));
        addRows(ids, orvaPW::TABLE_GLOBALPARAM, std::size(orvaPW::TABLE_GLOBALPARAM));
        addRows(ids, orvaPW::TABLE_AUDIOEQPARAM, std::size(orvaPW::TABLE_AUDIOEQPARAM));
        addTables(ids, orvaPW::TABLEARRAY_AmpFX);
        addTables(ids, orvaPW::TABLEARRAY_FX1FX);
        addTables(ids, orvaPW::TABLEARRAY_FX2FX);
    }
    else if (model == "orvaKX")
    {
        addRows(ids, orvaKX::TABLE_PARAMEDIT, std::size(orvaKX::TABLE_PARAMEDIT));
        addRows(ids, orvaKX::TABLE_GLOBALPARAM, std::size(orvaKX::TABLE_GLOBALPARAM));
        addRows(ids, orvaKX::TABLE_AUDIOEQPARAM, std::size(orvaKX::TABLE_AUDIOEQPARAM));
        addTables(ids, orvaKX::TABLEARRAY_AmpFX);
        addTables(ids, orvaKX::TABLEARRAY_FX1FX);
        addTables(ids, orvaKX::TABLEARRAY_FX2FX);
    }
    else if (model == "HMQ")
    {
        addRows(ids, HMQ::TABLE_PARAMEDIT, std::size(HMQ::TABLE_PARAMEDIT));
        addTables(ids, HMQ::TABLEARRAY_Pedal1FX);
        addTables(ids, HMQ::TABLEARRAY_Pedal2FX);
        addTables(ids, HMQ::TABLEARRAY_RevFX);
        addTables(ids, HMQ::TABLEARRAY_AmpFX);
    }
    else
    {
        addRows(ids, DWQ::TABLE_PARAMEDIT, std::size(DWQ::TABLE_PARAMEDIT));
        addTables(ids, DWQ::TABLEARRAY_ModFX);
        addTables(ids, DWQ::TABLEARRAY_AmpFX);
        addTables(ids, DWQ::TABLEARRAY_DlyRevFX);
    }
    return ids;
}

bool isDisplayId(int32_t id)
{
    return ((uint32_t) id & 0xFF000000u) == 0x80000000u;
}

bool isEqDisplayId(int32_t id)
{
    return ((uint32_t) id & 0xFF000000u) == 0x81000000u;
}

bool isAudioEQLayer(int layerId)
{
    return layerId == 1041 || layerId == 1043;
}

std::string where(const ModelBlock& m, const UI_FORMINFO& layer, int index)
{
    return std::string(m.name) + " layer " + std::to_string(layer.id) + " item " + std::to_string(index + 1);
}
} // namespace

TEST(UIFormTables, LayerOrderAndItemCountsOfEveryBlock)
{
    for (const auto& m : blocks())
    {
        SCOPED_TRACE(m.name);
        ASSERT_EQ(m.block->layerCount, (int) m.layerIds.size());
        ASSERT_NE(m.block->layers, nullptr);
        for (int i = 0; i < m.block->layerCount; ++i)
        {
            EXPECT_EQ(m.block->layers[i].id, m.layerIds[(size_t) i]);
            EXPECT_EQ(m.block->layers[i].childCount, m.itemCounts[(size_t) i]) << "layer " << m.layerIds[(size_t) i];
        }
    }
}

TEST(UIFormTables, LayerRecordsAreBareLayersOfTheFullArea)
{
    for (const auto& m : blocks())
    {
        std::set<int> seen;
        for (int i = 0; i < m.block->layerCount; ++i)
        {
            const auto& layer = m.block->layers[i];
            SCOPED_TRACE(std::string(m.name) + " layer " + std::to_string(layer.id));
            EXPECT_STREQ(layer.className, "Layer");
            EXPECT_STREQ(layer.text, "");
            EXPECT_STREQ(layer.fontFace, "");
            EXPECT_EQ(layer.fontHeight, 0);
            EXPECT_EQ(layer.fontStyle, 0);
            EXPECT_EQ(layer.paramId, -1);
            EXPECT_EQ(layer.x, 0);
            EXPECT_EQ(layer.y, 0);
            EXPECT_EQ(layer.width, 559);
            EXPECT_EQ(layer.height, 230);
            EXPECT_NE(layer.children, nullptr);
            EXPECT_TRUE(seen.insert(layer.id).second) << "layer id twice";
        }
    }
}

TEST(UIFormTables, EveryItemKeepsTheRecordInvariants)
{
    const std::set<int> kinds = { 1025, 1026, 1030, 1032, 1033, 1034, 1035 };
    for (const auto& m : blocks())
    {
        const auto ids = parameterIds(m.name);
        for (int l = 0; l < m.block->layerCount; ++l)
        {
            const auto& layer = m.block->layers[l];
            for (int i = 0; i < layer.childCount; ++i)
            {
                const auto& item = layer.children[i];
                SCOPED_TRACE(where(m, layer, i));
                ASSERT_NE(item.className, nullptr);
                ASSERT_NE(item.text, nullptr);
                ASSERT_NE(item.fontFace, nullptr);
                EXPECT_GE(UI_FORM_Utils::GetItemClassInt(item), 0) << item.className;
                EXPECT_EQ(kinds.count(item.id), 1u) << item.id;
                EXPECT_STREQ(item.fontFace, "Arial");
                EXPECT_EQ(item.fontStyle, 0);
                EXPECT_GE(item.fontHeight, 0);
                EXPECT_GE(item.width, 0);
                EXPECT_GE(item.height, 0);
                EXPECT_EQ(item.childCount, 0);
                EXPECT_EQ(item.children, nullptr);

                const int32_t p = item.paramId;
                const bool pseudo = isAudioEQLayer(layer.id) ? isEqDisplayId(p) : isDisplayId(p);
                EXPECT_TRUE(p == -1 || pseudo || ids.count(p) == 1) << std::hex << p;

                // The control kind and the class name agree.
                const std::string cls = item.className;
                if (item.id == 1026)
                {
                    EXPECT_EQ(cls, "ulabel");
                }
                if (item.id == 1032)
                {
                    EXPECT_EQ(cls, "edittext_ro");
                    EXPECT_TRUE(pseudo) << std::hex << p;
                }
                if (item.id == 1030)
                {
                    EXPECT_EQ(cls, "switch");
                }
                if (item.id == 1033)
                {
                    EXPECT_EQ(cls.rfind("knob", 0), 0u) << cls;
                    EXPECT_EQ(ids.count(p), 1u) << std::hex << p;
                }
                if (item.id == 1034)
                {
                    EXPECT_EQ(cls.rfind("imgbtn_", 0), 0u) << cls;
                    EXPECT_EQ(ids.count(p), 1u) << std::hex << p;
                }
                if (item.id == 1025)
                {
                    EXPECT_TRUE(cls == "label" || cls == "label_hmq" || cls == "label_orvapw") << cls;
                }
                if (cls.rfind("knob", 0) == 0)
                {
                    EXPECT_EQ(item.id, 1033);
                }

                // A class made for one model is used in that model's block
                // only (the Orva KX borrows the HMQ's labels).
                const std::string model = m.name;
                auto has = [&cls](const char* part) { return cls.find(part) != std::string::npos; };
                if (has("_orvapw"))
                {
                    EXPECT_EQ(model, "orvaPW") << cls;
                }
                if (has("_orvakx"))
                {
                    EXPECT_EQ(model, "orvaKX") << cls;
                }
                if (has("_dwq"))
                {
                    EXPECT_EQ(model, "DWQ") << cls;
                }
                if (has("_hmq") && cls != "label_hmq")
                {
                    EXPECT_EQ(model, "HMQ") << cls;
                }

                // The type pickers of the HMQ and the Orva models are bound to
                // their module's type: pedal 1, pedal 2, amp.
                if (model != "DWQ" && item.id == 1034)
                {
                    if (cls.rfind("imgbtn_pedal1_", 0) == 0)
                    {
                        EXPECT_EQ(p, 0x301);
                    }
                    if (cls.rfind("imgbtn_pedal2_", 0) == 0)
                    {
                        EXPECT_EQ(p, 0x302);
                    }
                    if (cls.rfind("imgbtn_amp_", 0) == 0)
                    {
                        EXPECT_EQ(p, 0x300);
                    }
                }
            }
        }
    }
}

TEST(UIFormTables, ValueDisplaysPairWithTheirKnobByText)
{
    for (const auto& m : blocks())
    {
        for (int l = 0; l < m.block->layerCount; ++l)
        {
            const auto& layer = m.block->layers[l];
            std::set<std::string> knobTexts;
            std::set<int32_t> knobIds, displayIds;
            for (int i = 0; i < layer.childCount; ++i)
            {
                const auto& item = layer.children[i];
                if (item.id != 1033)
                    continue;
                EXPECT_TRUE(knobTexts.insert(item.text).second) << where(m, layer, i) << " knob text twice";
                EXPECT_TRUE(knobIds.insert(item.paramId).second) << where(m, layer, i) << " parameter twice";
            }
            for (int i = 0; i < layer.childCount; ++i)
            {
                const auto& item = layer.children[i];
                if (item.id != 1032)
                    continue;
                EXPECT_EQ(knobTexts.count(item.text), 1u) << where(m, layer, i) << " " << item.text;
                EXPECT_TRUE(displayIds.insert(item.paramId).second) << where(m, layer, i) << " display id twice";
            }
        }
    }
}

TEST(UIFormTables, TheTablesUseFiftySevenOfTheKnownClassNames)
{
    std::set<std::string> used;
    for (const auto& m : blocks())
        for (int l = 0; l < m.block->layerCount; ++l)
            for (int i = 0; i < m.block->layers[l].childCount; ++i)
                used.insert(m.block->layers[l].children[i].className);

    const auto known = knownClassNames();
    EXPECT_EQ(known.size(), 88u);
    EXPECT_EQ(used.size(), 57u);
    std::set<std::string> unused;
    for (const auto& name : known)
        if (used.count(name) == 0)
            unused.insert(name);
    EXPECT_EQ(unused, unusedClassNames);
}

TEST(UIFormTables, TheWirelessVariantsShareTheirBlocks)
{
    EXPECT_EQ(UIFormManager::getFormInfoBlockForModel(4), UIFormManager::getFormInfoBlockForModel(2));
    EXPECT_EQ(UIFormManager::getFormInfoBlockForModel(5), UIFormManager::getFormInfoBlockForModel(3));
}

namespace
{
struct ExpectedItem
{
    const char* model;
    int layer;
    int index;
    const char* className;
    const char* text;
    int id;
    int32_t paramId;
    int x, y, width, height, fontHeight;
};

// First and last item of every layer. The invariants above catch a picker
// bound to another module's type, a class of another model and a display id
// used twice, but not an item moved, resized or relabelled: these rows do.
// clang-format off
const ExpectedItem firstAndLastItems[] = {
    { "orvaPW", 1047, 0, "imgbtn_pedal1_orvapw", "tagPedalType", 1034, 0x301, 97, 69, 112, 108, 13 },
    { "orvaPW", 1047, 2, "imgbtn_amp_orvapw", "tagAmpType", 1034, 0x300, 529, 23, 170, 140, 13 },
    { "orvaPW", 1052, 0, "label", "FX1", 1025, -1, 16, 12, 66, 15, 15 },
    { "orvaPW", 1052, 20, "label_orvapw", "VAL6", 1025, -1, 9, 10, 56, 16, 12 },
    { "orvaPW", 1053, 0, "label", "FX2", 1025, -1, 16, 12, 66, 15, 15 },
    { "orvaPW", 1053, 21, "label_orvapw", "VAL6", 1025, -1, 6, 10, 66, 16, 12 },
    { "orvaPW", 1055, 0, "knobswitch_L_orvapw", "BRIGHT", 1033, 0x407, 22, -2, 40, 24, 0 },
    { "orvaPW", 1055, 31, "label_orvapw", "NR SENS", 1025, -1, 10, 10, 56, 16, 12 },
    { "orvaPW", 1040, 0, "label", "WIDE", 1025, -1, 10, 30, 100, 16, 15 },
    { "orvaPW", 1040, 3, "label", "Audio EQ", 1025, -1, 10, 266, 100, 16, 15 },
    { "orvaPW", 1041, 0, "label_orvapw", "AUDIO EQ", 1025, -1, 7, 10, 80, 16, 15 },
    { "orvaPW", 1041, 45, "edittext_ro", "HEQ_WIDTH", 1032, (int32_t) 0x8100000Cu, 350, 489, 36, 18, 15 },
    { "orvaPW", 1048, 0, "imgbtn_pedal1_orvapw", "tagPedal1Type", 1034, 0x301, 97, 69, 112, 108, 13 },
    { "orvaPW", 1048, 2, "imgbtn_amp_small_orvapw", "tagAmpType", 1034, 0x300, 529, 23, 170, 140, 13 },
    { "orvaPW", 1056, 0, "label", "FX1", 1025, -1, 16, 12, 66, 15, 15 },
    { "orvaPW", 1056, 20, "label_orvapw", "VAL6", 1025, -1, 9, 10, 56, 16, 12 },
    { "orvaPW", 1057, 0, "label", "FX2", 1025, -1, 16, 12, 66, 15, 15 },
    { "orvaPW", 1057, 21, "label_orvapw", "VAL6", 1025, -1, 6, 10, 66, 16, 12 },
    { "orvaPW", 1059, 0, "knobswitch_small_slide_orvapw", "BRIGHT", 1033, 0x407, 22, -2, 40, 24, 0 },
    { "orvaPW", 1059, 31, "label_orvapw", "NR SENS", 1025, -1, 10, 10, 56, 16, 12 },
    { "orvaPW", 1042, 0, "label", "WIDE", 1025, -1, 10, 10, 100, 16, 15 },
    { "orvaPW", 1042, 3, "label", "Audio EQ", 1025, -1, 10, 152, 100, 16, 15 },
    { "orvaPW", 1043, 0, "label_orvapw", "AUDIO EQ", 1025, -1, 7, 10, 80, 16, 12 },
    { "orvaPW", 1043, 45, "edittext_ro", "HEQ_WIDTH", 1032, (int32_t) 0x8100000Cu, 350, 489, 36, 18, 15 },
    { "orvaPW", 1044, 0, "label", "WIDE", 1025, -1, 10, 20, 100, 16, 15 },
    { "orvaPW", 1044, 2, "label", "AUDIO EQ", 1025, -1, 10, 108, 100, 16, 15 },
    { "orvaPW", 1045, 0, "label_orvapw", "USB ROUTING", 1025, -1, 7, 10, 80, 16, 15 },
    { "orvaPW", 1045, 1, "img_routing_orva", "USB ROUTING", 1035, -1, 10, 55, 405, 155, 15 },
    { "orvaKX", 1047, 0, "imgbtn_pedal1_orvakx", "tagPedalType", 1034, 0x301, 97, 69, 112, 108, 13 },
    { "orvaKX", 1047, 2, "imgbtn_amp_orvakx", "tagAmpType", 1034, 0x300, 529, 23, 170, 140, 13 },
    { "orvaKX", 1052, 0, "label", "FX1", 1025, -1, 16, 12, 66, 15, 15 },
    { "orvaKX", 1052, 21, "label_hmq", "VAL6", 1025, -1, 12, 10, 56, 16, 12 },
    { "orvaKX", 1053, 0, "label", "FX2", 1025, -1, 16, 12, 66, 15, 15 },
    { "orvaKX", 1053, 21, "label_hmq", "VAL6", 1025, -1, 6, 10, 66, 16, 12 },
    { "orvaKX", 1055, 0, "knobswitch_L_orvakx", "BRIGHT", 1033, 0x407, 22, -2, 40, 24, 0 },
    { "orvaKX", 1055, 29, "label_hmq", "NR SENS", 1025, -1, 10, 0, 56, 16, 12 },
    { "orvaKX", 1040, 0, "label", "WIDE", 1025, -1, 10, 30, 100, 16, 15 },
    { "orvaKX", 1040, 3, "label", "Audio EQ", 1025, -1, 10, 266, 100, 16, 15 },
    { "orvaKX", 1041, 0, "label_hmq", "AUDIO EQ", 1025, -1, 7, 10, 80, 16, 15 },
    { "orvaKX", 1041, 45, "edittext_ro", "HEQ_WIDTH", 1032, (int32_t) 0x8100000Cu, 350, 489, 36, 18, 15 },
    { "orvaKX", 1048, 0, "imgbtn_pedal1_orvakx", "tagPedal1Type", 1034, 0x301, 97, 69, 112, 108, 13 },
    { "orvaKX", 1048, 2, "imgbtn_amp_small_orvakx", "tagAmpType", 1034, 0x300, 529, 23, 170, 140, 13 },
    { "orvaKX", 1056, 0, "label", "FX1", 1025, -1, 16, 12, 66, 15, 15 },
    { "orvaKX", 1056, 20, "label_hmq", "VAL6", 1025, -1, 12, 10, 56, 16, 12 },
    { "orvaKX", 1057, 0, "label", "FX2", 1025, -1, 16, 12, 66, 15, 15 },
    { "orvaKX", 1057, 21, "label_hmq", "VAL6", 1025, -1, 6, 10, 66, 16, 12 },
    { "orvaKX", 1059, 0, "knobswitch_small_slide_orvakx", "BRIGHT", 1033, 0x407, 22, -2, 40, 24, 0 },
    { "orvaKX", 1059, 29, "label_hmq", "NR SENS", 1025, -1, 10, 0, 56, 16, 12 },
    { "orvaKX", 1042, 0, "label", "WIDE", 1025, -1, 10, 10, 100, 16, 15 },
    { "orvaKX", 1042, 3, "label", "Audio EQ", 1025, -1, 10, 152, 100, 16, 15 },
    { "orvaKX", 1043, 0, "label_hmq", "AUDIO EQ", 1025, -1, 7, 10, 80, 16, 12 },
    { "orvaKX", 1043, 45, "edittext_ro", "HEQ_WIDTH", 1032, (int32_t) 0x8100000Cu, 350, 489, 36, 18, 15 },
    { "orvaKX", 1044, 0, "label", "WIDE", 1025, -1, 10, 20, 100, 16, 15 },
    { "orvaKX", 1044, 2, "label", "AUDIO EQ", 1025, -1, 10, 108, 100, 16, 15 },
    { "orvaKX", 1045, 0, "label_hmq", "USB ROUTING", 1025, -1, 7, 10, 80, 16, 15 },
    { "orvaKX", 1045, 1, "img_routing_orva", "USB Routing", 1035, -1, 10, 55, 405, 155, 15 },
    { "HMQ", 1047, 0, "imgbtn_pedal1_hmq", "tagPedalType", 1034, 0x301, 46, 81, 112, 108, 16 },
    { "HMQ", 1047, 3, "imgbtn_amp_hmq", "tagAmpType", 1034, 0x300, 526, 21, 170, 140, 16 },
    { "HMQ", 1052, 0, "label", "PEDAL1", 1025, -1, 54, 18, 66, 15, 15 },
    { "HMQ", 1052, 20, "label_hmq", "VAL6", 1025, -1, 518, 18, 56, 16, 12 },
    { "HMQ", 1053, 0, "label", "PEDAL2", 1025, -1, 54, 18, 66, 15, 15 },
    { "HMQ", 1053, 20, "label_hmq", "VAL6", 1025, -1, 512, 18, 66, 16, 12 },
    { "HMQ", 1054, 0, "label", "REVERB", 1025, -1, 54, 18, 66, 15, 15 },
    { "HMQ", 1054, 17, "label_hmq", "VAL5", 1025, -1, 487, 18, 56, 16, 12 },
    { "HMQ", 1055, 0, "knobswitch_FX_hmq", "BRIGHT", 1033, 0x407, 22, 16, 40, 24, 0 },
    { "HMQ", 1055, 35, "edittext_ro", "CLASS", 1032, (int32_t) 0x8000001Fu, 715, 89, 50, 22, 15 },
    { "HMQ", 1048, 0, "imgbtn_pedal1_hmq", "tagPedal1Type", 1034, 0x301, 46, 81, 112, 108, 16 },
    { "HMQ", 1048, 3, "imgbtn_amp_small_hmq", "tagAmpType", 1034, 0x300, 526, 21, 170, 140, 16 },
    { "HMQ", 1056, 0, "label", "PEDAL1", 1025, -1, 54, 18, 66, 15, 15 },
    { "HMQ", 1056, 20, "label_hmq", "VAL6", 1025, -1, 518, 18, 56, 16, 12 },
    { "HMQ", 1057, 0, "label", "PEDAL2", 1025, -1, 54, 18, 66, 15, 15 },
    { "HMQ", 1057, 20, "label_hmq", "VAL6", 1025, -1, 512, 18, 66, 16, 12 },
    { "HMQ", 1058, 0, "label", "REVERB", 1025, -1, 54, 18, 66, 15, 15 },
    { "HMQ", 1058, 17, "label_hmq", "VAL5", 1025, -1, 487, 18, 56, 16, 12 },
    { "HMQ", 1059, 0, "knobswitch_small_slide_hmq", "BRIGHT", 1033, 0x407, 22, 16, 40, 24, 0 },
    { "HMQ", 1059, 35, "edittext_ro", "CLASS", 1032, (int32_t) 0x8000001Fu, 715, 89, 50, 22, 15 },
    { "DWQ", 1047, 0, "imgbtn_pedal_dwq", "tagPedalType", 1034, 0x400, 20, 81, 112, 111, 16 },
    { "DWQ", 1047, 33, "label", "VOLUME", 1025, -1, 678, 207, 56, 16, 12 },
    { "DWQ", 1048, 0, "imgbtn_pedal_dwq", "tagPedalType", 1034, 0x400, 20, 81, 112, 111, 16 },
    { "DWQ", 1048, 31, "label", "VOLUME", 1025, -1, 678, 207, 56, 16, 12 },
    { "DWQ", 1049, 0, "imgbtn_pedal_dwq", "tagPedalType", 1034, 0x400, 20, 81, 112, 111, 16 },
    { "DWQ", 1049, 31, "label", "VOLUME", 1025, -1, 678, 207, 56, 16, 12 },
};
// clang-format on

const UI_FORMINFO* findLayer(const char* model, int id)
{
    for (const auto& m : blocks())
        if (std::strcmp(m.name, model) == 0)
            return UIFormManager::findLayer(m.block, id);
    return nullptr;
}

void expectItem(const ExpectedItem& e)
{
    auto* layer = findLayer(e.model, e.layer);
    ASSERT_NE(layer, nullptr);
    ASSERT_LT(e.index, layer->childCount);
    const auto& item = layer->children[e.index];
    EXPECT_STREQ(item.className, e.className);
    EXPECT_STREQ(item.text, e.text);
    EXPECT_STREQ(item.fontFace, "Arial");
    EXPECT_EQ(item.fontHeight, e.fontHeight);
    EXPECT_EQ(item.fontStyle, 0);
    EXPECT_EQ(item.id, e.id);
    EXPECT_EQ(item.paramId, e.paramId);
    EXPECT_EQ(item.x, e.x);
    EXPECT_EQ(item.y, e.y);
    EXPECT_EQ(item.width, e.width);
    EXPECT_EQ(item.height, e.height);
}
} // namespace

TEST(UIFormTables, FirstAndLastItemOfEveryLayer)
{
    int checked = 0;
    for (const auto& e : firstAndLastItems)
    {
        SCOPED_TRACE(std::string(e.model) + " layer " + std::to_string(e.layer) + " item " + std::to_string(e.index + 1));
        expectItem(e);
        ++checked;
    }
    // Two items for each of the 41 layers.
    EXPECT_EQ(checked, 82);
}

TEST(UIFormTables, ItemsThatDifferBetweenTheModels)
{
    // The DWQ on/off switches sit below the layer record's area; the small
    // layers drop them.
    EXPECT_EQ(DWQ::g_uiFormItem_ID_EDIT_PARAM[1].paramId, (int32_t) 0x80000011u);
    EXPECT_EQ(DWQ::g_uiFormItem_ID_EDIT_PARAM[1].y, 505);
    EXPECT_EQ(DWQ::g_uiFormItem_ID_EDIT_PARAM[7].paramId, (int32_t) 0x80000012u);
    for (const auto* small : { DWQ::g_uiFormItem_ID_EDIT_PARAM_Phone, DWQ::g_uiFormItem_ID_EDIT_PARAM_SmallTablet })
        for (int i = 0; i < 32; ++i)
            EXPECT_NE(small[i].id, 1030);
    EXPECT_STREQ(DWQ::g_uiFormItem_ID_EDIT_PARAM_Phone[13].className, "imgbtn_amp_small_dwq");

    // The Orva amp pages' switches stand at y -2 in their slot; OPW's
    // bright and low-cut switches have value displays, OKX's do not.
    EXPECT_EQ(orvaPW::g_uiFormItem_ID_AMP_PARAM[0].y, -2);
    EXPECT_EQ(orvaPW::g_uiFormItem_ID_AMP_PARAM[1].id, 1032);
    EXPECT_STREQ(orvaPW::g_uiFormItem_ID_AMP_PARAM[26].className, "knobswitch_6point_orvapw");
    EXPECT_EQ(orvaKX::g_uiFormItem_ID_AMP_PARAM[0].y, -2);
    EXPECT_EQ(orvaKX::g_uiFormItem_ID_AMP_PARAM[1].id, 1025);
    EXPECT_STREQ(orvaKX::g_uiFormItem_ID_AMP_PARAM[24].className, "knob_L_orvakx");

    // OKX's copies of the OPW layers: twin classes, its own caption colour
    // class, and its routing image's text.
    EXPECT_STREQ(orvaKX::g_uiFormItem_ID_EDIT_PARAM[0].className, "imgbtn_pedal1_orvakx");
    EXPECT_STREQ(orvaKX::g_uiFormItem_ID_AUDIOEQ_PARAM[5].className, "knob_L_orvakx_EQ");
    EXPECT_STREQ(orvaKX::g_uiFormItem_ID_AUDIOEQ_PARAM[8].className, "label_hmq");
    EXPECT_STREQ(orvaKX::g_uiFormItem_ID_AUDIOEQ_PARAM[8].text, "SUBGROWLER");
    EXPECT_EQ(orvaKX::g_uiFormItem_ID_AUDIOEQ_PARAM[9].paramId, 0x6100);
    EXPECT_EQ(orvaPW::g_uiFormItem_ID_AUDIOEQ_PARAM[9].paramId, 0x6100);
    EXPECT_STREQ(orvaKX::g_uiFormItem_ID_USBRouting_PARAM[0].text, "USB ROUTING");
    EXPECT_STREQ(orvaKX::g_uiFormItem_ID_USBRouting_PARAM[1].text, "USB Routing");
    EXPECT_STREQ(orvaPW::g_uiFormItem_ID_USBRouting_PARAM[1].text, "USB ROUTING");
    EXPECT_EQ(orvaPW::g_uiFormItem_ID_USBRouting_PARAM[1].width, 405);
    EXPECT_EQ(orvaPW::g_uiFormItem_ID_USBRouting_PARAM[1].height, 155);

    // The global panels carry the routing mode on different items.
    EXPECT_EQ(orvaPW::g_uiFormItem_ID_GLOBAL_PARAM[1].paramId, -1);
    EXPECT_EQ(orvaPW::g_uiFormItem_ID_GLOBAL_PARAM[2].paramId, 0x4300);
    EXPECT_EQ(orvaKX::g_uiFormItem_ID_GLOBAL_PARAM[1].paramId, 0x4300);
    EXPECT_EQ(orvaKX::g_uiFormItem_ID_GLOBAL_PARAM[2].paramId, -1);
    EXPECT_EQ(orvaKX::g_uiFormItem_ID_GLOBAL_PARAM_Mini[1].paramId, 0x4300);
    const auto& image = orvaPW::g_uiFormItem_ID_GLOBAL_PARAM_Small[2];
    EXPECT_EQ((std::vector<int> { image.x, image.y, image.width, image.height }), (std::vector<int> { 10, 80, 220, 80 }));

    // HMQ's value pages are absolute: the pedal knobs step by 66 pixels.
    for (int k = 0; k < 6; ++k)
    {
        EXPECT_EQ(HMQ::g_uiFormItem_ID_PEDAL1_PARAM[3 + 3 * k].x, 181 + 66 * k);
        EXPECT_EQ(HMQ::g_uiFormItem_ID_PEDAL1_PARAM[3 + 3 * k].paramId, 0x500 + k);
        EXPECT_EQ(HMQ::g_uiFormItem_ID_PEDAL2_PARAM[3 + 3 * k].x, 181 + 66 * k);
        EXPECT_EQ(HMQ::g_uiFormItem_ID_PEDAL2_PARAM[3 + 3 * k].paramId, 0x600 + k);
    }
    EXPECT_STREQ(HMQ::g_uiFormItem_ID_EDIT_PARAM_Small[3].className, "imgbtn_amp_small_hmq");
    EXPECT_STREQ(HMQ::g_uiFormItem_ID_EDIT_PARAM_Small[2].text, "tagDlyRevType");
}
