// The form manager: its life with Host, the block of each model id and the
// layer lookup.
#include "Application/Host.h"
#include "Core/DeviceInfo.h"
#include "GUI/Shell/MainComponent.h"
#include "UIForm/DWQ/DWQFormTables.h"
#include "UIForm/HMQ/HMQFormTables.h"
#include "UIForm/UIFormManager.h"
#include "UIForm/orvaKX/OKXFormTables.h"
#include "UIForm/orvaPW/OPWFormTables.h"

#include <gtest/gtest.h>

namespace
{
DeviceInfo offline(int model)
{
    return DeviceInfo((eProductModelId) model, false, 0, {}, 0, {}, 0, 0, 0, kMediaTypeUnknown);
}
} // namespace

TEST(UIFormManagerLife, InitializeTwiceKeepsOneInstanceAndUninitializeDeletesIt)
{
    ASSERT_EQ(Host::getInstance(), nullptr);
    ASSERT_EQ(UIFormManager::GetInstance(), nullptr);

    UIFormManager::Uninitialize(); // nothing to undo
    EXPECT_EQ(UIFormManager::GetInstance(), nullptr);

    EXPECT_TRUE(UIFormManager::Initialize());
    auto* first = UIFormManager::GetInstance();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(UIFormManager::Initialize());
    EXPECT_EQ(UIFormManager::GetInstance(), first);

    // The count never rises above one: one Uninitialize ends it.
    UIFormManager::Uninitialize();
    EXPECT_EQ(UIFormManager::GetInstance(), nullptr);
    UIFormManager::Uninitialize();
    EXPECT_EQ(UIFormManager::GetInstance(), nullptr);

    EXPECT_TRUE(UIFormManager::Initialize());
    EXPECT_NE(UIFormManager::GetInstance(), nullptr);
    UIFormManager::Uninitialize();
}

TEST(UIFormManagerLife, HostCreatesAndDeletesTheManager)
{
    ASSERT_EQ(UIFormManager::GetInstance(), nullptr);
    Host::createInstance();
    EXPECT_NE(UIFormManager::GetInstance(), nullptr);
    Host::destroyInstance();
    EXPECT_EQ(UIFormManager::GetInstance(), nullptr);
    MainComponent::m_TargetModelId = -1;
}

TEST(UIFormManagerBlocks, EachModelIdHasItsBlockAndTheWirelessVariantsShare)
{
    EXPECT_EQ(UIFormManager::getFormInfoBlockForModel(0), &DWQ::g_uiFormInfoBlock);
    EXPECT_EQ(UIFormManager::getFormInfoBlockForModel(1), &HMQ::g_uiFormInfoBlock);
    EXPECT_EQ(UIFormManager::getFormInfoBlockForModel(2), &orvaKX::g_uiFormInfoBlock);
    EXPECT_EQ(UIFormManager::getFormInfoBlockForModel(3), &orvaPW::g_uiFormInfoBlock);
    EXPECT_EQ(UIFormManager::getFormInfoBlockForModel(4), &orvaKX::g_uiFormInfoBlock);
    EXPECT_EQ(UIFormManager::getFormInfoBlockForModel(5), &orvaPW::g_uiFormInfoBlock);
    EXPECT_EQ(UIFormManager::getFormInfoBlockForModel(-1), nullptr);
    EXPECT_EQ(UIFormManager::getFormInfoBlockForModel(6), nullptr);
}

struct UIFormManagerWithHost : ::testing::Test
{
    void SetUp() override { host = Host::createInstance(); }
    void TearDown() override
    {
        Host::destroyInstance();
        MainComponent::m_TargetModelId = -1;
    }
    Host* host = nullptr;
};

TEST_F(UIFormManagerWithHost, TheBlockFollowsHostsDeviceEnvironment)
{
    auto* manager = UIFormManager::GetInstance();
    ASSERT_NE(manager, nullptr);

    // Nothing connected: no block, no layer.
    EXPECT_EQ(manager->getFormInfoBlock(), nullptr);
    EXPECT_EQ(manager->GetLayerFormInfoById(1047), nullptr);

    const UI_FORMINFO_BLOCK* expected[] = { &DWQ::g_uiFormInfoBlock,    &HMQ::g_uiFormInfoBlock,    &orvaKX::g_uiFormInfoBlock,
                                            &orvaPW::g_uiFormInfoBlock, &orvaKX::g_uiFormInfoBlock, &orvaPW::g_uiFormInfoBlock };
    for (int model = 0; model < 6; ++model)
    {
        SCOPED_TRACE(model);
        host->changeDeviceEnvironment(offline(model));
        ASSERT_NE(host->getDeviceEnvironment(), nullptr);
        EXPECT_EQ(manager->getFormInfoBlock(), expected[model]);
        auto* layer = manager->GetLayerFormInfoById(1047);
        ASSERT_NE(layer, nullptr);
        EXPECT_EQ(layer, &expected[model]->layers[0]);
    }
}

TEST_F(UIFormManagerWithHost, LayersOfTheConnectedModelOnly)
{
    auto* manager = UIFormManager::GetInstance();

    host->changeDeviceEnvironment(offline(3));
    auto* eq = manager->GetLayerFormInfoById(1041);
    ASSERT_NE(eq, nullptr);
    EXPECT_EQ(eq, &orvaPW::g_uiFormInfoArray[5]);
    EXPECT_EQ(eq->children, orvaPW::g_uiFormItem_ID_AUDIOEQ_PARAM);
    EXPECT_EQ(manager->GetLayerFormInfoById(1045), &orvaPW::g_uiFormInfoArray[13]);
    EXPECT_EQ(manager->GetLayerFormInfoById(1054), nullptr); // the reverb page is HMQ's
    EXPECT_EQ(manager->GetLayerFormInfoById(1049), nullptr); // DWQ's only

    host->changeDeviceEnvironment(offline(1));
    EXPECT_EQ(manager->GetLayerFormInfoById(1041), nullptr);
    EXPECT_EQ(manager->GetLayerFormInfoById(1054), &HMQ::g_uiFormInfoArray[3]);

    host->changeDeviceEnvironment(offline(0));
    EXPECT_EQ(manager->GetLayerFormInfoById(1041), nullptr);
    EXPECT_EQ(manager->GetLayerFormInfoById(1052), nullptr);
    EXPECT_EQ(manager->GetLayerFormInfoById(1049), &DWQ::g_uiFormInfoArray[2]);
}

TEST(UIFormManagerLookup, FindsEveryLayerOfEveryBlockByItsId)
{
    for (int model = 0; model < 4; ++model)
    {
        auto* block = UIFormManager::getFormInfoBlockForModel(model);
        ASSERT_NE(block, nullptr);
        for (int i = 0; i < block->layerCount; ++i)
            EXPECT_EQ(UIFormManager::findLayer(block, block->layers[i].id), &block->layers[i]);
        EXPECT_EQ(UIFormManager::findLayer(block, 0), nullptr);
        EXPECT_EQ(UIFormManager::findLayer(block, 1033), nullptr); // an item kind, not a layer
        EXPECT_EQ(UIFormManager::findLayer(block, -1), nullptr);
    }
}

TEST(UIFormManagerLookup, OnlyRecordsOfClassLayerMatchAndTheFirstMatchWins)
{
    static const UI_FORMINFO items[] = {
        { "label", "A", "Arial", 12, 0, 1025, -1, 0, 0, 10, 10, 0, nullptr },
    };
    static const UI_FORMINFO layers[] = {
        { "layer", "", "", 0, 0, 1047, -1, 0, 0, 559, 230, 1, items },
        { "Layers", "", "", 0, 0, 1047, -1, 0, 0, 559, 230, 1, items },
        { "knob_L", "", "", 0, 0, 1047, -1, 0, 0, 559, 230, 0, nullptr },
        { "Layer", "", "", 0, 0, 1047, -1, 0, 0, 559, 230, 1, items },
        { "Layer", "", "", 0, 0, 1047, -1, 0, 0, 559, 230, 0, nullptr },
        { "Layer", "", "", 0, 0, 1025, -1, 0, 0, 559, 230, 0, nullptr },
    };
    const UI_FORMINFO_BLOCK block { 6, layers };
    EXPECT_EQ(UIFormManager::findLayer(&block, 1047), &layers[3]);
    EXPECT_EQ(UIFormManager::findLayer(&block, 1025), &layers[5]);

    // The walk stops at the count.
    const UI_FORMINFO_BLOCK shortBlock { 3, layers };
    EXPECT_EQ(UIFormManager::findLayer(&shortBlock, 1047), nullptr);

    const UI_FORMINFO_BLOCK empty { 0, layers };
    EXPECT_EQ(UIFormManager::findLayer(&empty, 1047), nullptr);
    const UI_FORMINFO_BLOCK negative { -1, layers };
    EXPECT_EQ(UIFormManager::findLayer(&negative, 1047), nullptr);
    EXPECT_EQ(UIFormManager::findLayer(nullptr, 1047), nullptr);
}
