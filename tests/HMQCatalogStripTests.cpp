// The HMQ catalogue strip on its own over an offline HMQ: picks by click,
// cancelled by a horizontal drag, the marked cell, key steps, following type
// changes made elsewhere (and scrolling unless the change was a pick), the
// clearing of a module's mark, and values or modules with no cell.
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Catalog/CHMQCatalogBasePane.h"
#include "GUI/Catalog/HMQCatalogComponent.h"
#include "ParamTable/CSectionEventPoster.h"
#include "support/HMQEditorTestSupport.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
struct HMQCatalogStrip : ::testing::Test
{
    // Records the section events and hands them to the strip, as the GUI
    // router does.
    struct Router : juce::MessageListener
    {
        HMQCatalogComponent* strip = nullptr;
        std::vector<MyMessageRecord> events;
        void handleMessage(const juce::Message& m) override
        {
            auto* my = dynamic_cast<const MyMessage*>(&m);
            if (my == nullptr || my->getRecord() == nullptr)
                return;
            events.push_back(*my->getRecord());
            if (strip != nullptr)
                strip->handleMessageSub(m);
            const_cast<MyMessage*>(my)->deleteRecord();
        }
        // The values written to a parameter, in order.
        std::vector<std::pair<int, int>> writes(int paramId) const
        {
            std::vector<std::pair<int, int>> out;
            for (const auto& e : events)
                if (e.id == MessageId::SectionValueChanged && e.a == paramId)
                    out.push_back({ e.a, e.b });
            return out;
        }
    };

    void SetUp() override
    {
        host = Host::createInstance();
        host->changeDeviceEnvironment(DeviceInfo(kProductModelHMQ, false, 0, {}, 0, {}, 0, 0, 0, kMediaTypeUnknown));
        ASSERT_NE(host->getDeviceEnvironment(), nullptr);
        dc = dynamic_cast<HMQDataCenter*>(host->getDeviceEnvironment()->getDataCenter());
        ASSERT_NE(dc, nullptr);
        CSectionEventPoster::setTargetOverride(&router);
        strip = std::make_unique<HMQCatalogComponent>(758, 221, false);
        strip->initialise();
        strip->addToDesktop(0);
        strip->setVisible(true);
        router.strip = strip.get();
        strip->reinitialized();
    }

    void TearDown() override
    {
        CSectionEventPoster::setTargetOverride(nullptr);
        strip.reset();
        Host::destroyInstance();
    }

    void post(int id, int a, int b = 0)
    {
        std::unique_ptr<MyMessage> m(MyMessage::create(id, a, b));
        strip->handleMessageSub(*m);
    }

    CHMQCatalogBasePane* pane(int kind) const { return dynamic_cast<CHMQCatalogBasePane*>(strip->getPane(kind)); }
    HMQ::CHMQUserEditSectionImpl& section() const { return dc->getUserEditSection(); }

    // A press at the cell's middle, a drag of dx pixels, a release.
    void pressDragRelease(juce::Component& cell, float dx)
    {
        const juce::Point<float> start(60.0f, 60.0f);
        auto& c = static_cast<juce::Component&>(cell);
        c.mouseDown(mouseEventAt(cell, start, start, false));
        c.mouseDrag(mouseEventAt(cell, start.translated(dx, 0.0f), start, true));
        c.mouseUp(mouseEventAt(cell, start.translated(dx, 0.0f), start, true, {}));
        pumpFor(20);
    }

    Host* host = nullptr;
    HMQDataCenter* dc = nullptr;
    Router router;
    std::unique_ptr<HMQCatalogComponent> strip;
};
} // namespace

TEST_F(HMQCatalogStrip, BuildsFourPanesInKindOrderWithNoneShown)
{
    const int widths[] = { 3960, 1160, 488, 824 };
    const int columns[] = { 20, 10, 4, 7 };
    const int params[] = { 768, 769, 772, 770 };
    const int partials[] = { 0, 1, 3, 2 };
    for (int kind = 0; kind < 4; ++kind)
    {
        auto* p = pane(kind);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->getBounds().withPosition(0, 0), juce::Rectangle<int>(0, 0, widths[kind], 202));
        EXPECT_FALSE(p->isVisible());
        EXPECT_FALSE(strip->getViewport(kind)->isVisible());
        EXPECT_EQ(p->getNumColumns(), columns[kind]);
        EXPECT_EQ(p->getParamId(), params[kind]);
        EXPECT_EQ(p->getCellWidth(), kind == 0 ? 196 : 112);
        EXPECT_EQ(p->getCellHeight(), 202);
        EXPECT_EQ(p->getPartialId(), partials[kind]);
        EXPECT_EQ(strip->getViewport(kind)->getBounds(), juce::Rectangle<int>(0, 0, 758, 202));
    }
    EXPECT_TRUE(pane(0)->getModuleByCatalogKind(4).isEmpty());
}

TEST_F(HMQCatalogStrip, AClickPicksOnceAHorizontalDragOfTwentyPixelsPicksNothing)
{
    post(MessageId::CatalogSelect, 1);
    auto* p = pane(1);
    ASSERT_TRUE(p->isVisible());
    const int was = section().GetParamI(769);
    const int target = (was + 3) % 10;

    pressDragRelease(*p->getCell(0, target), 20.0f);
    EXPECT_TRUE(router.writes(769).empty());
    pressDragRelease(*p->getCell(0, target), 19.0f);
    EXPECT_EQ(router.writes(769), (std::vector<std::pair<int, int>> { { 769, CHGSRC_CATALOG } }));
    EXPECT_EQ(section().GetParamI(769), target);
    EXPECT_TRUE(p->getCell(0, target)->isSelected());
    EXPECT_FALSE(p->getCell(0, was)->isSelected());

    // The marked cell again: nothing; after its module's mark is cleared
    // the same value is written again.
    pressDragRelease(*p->getCell(0, target), 0.0f);
    EXPECT_EQ(router.writes(769).size(), 1u);
    post(MessageId::CatalogReserved, 1);
    EXPECT_FALSE(p->getCell(0, target)->isSelected());
    pressDragRelease(*p->getCell(0, target), 0.0f);
    EXPECT_EQ(router.writes(769).size(), 2u);
}

TEST_F(HMQCatalogStrip, FollowsTypeChangesAndScrollsUnlessTheChangeWasAPick)
{
    auto* viewport = strip->getViewport(0);
    // An edit from a control: the amp pane comes up, the cell is marked and
    // scrolled towards the middle (758 / (2 x 196) = 1 cell to its left).
    section().PutParamIEx(768, 15, PutFlags::announce, CHGSRC_CONTROL);
    pumpFor(30);
    EXPECT_EQ(strip->getCurrentKind(), 0);
    EXPECT_TRUE(pane(0)->isVisible() && viewport->isVisible());
    EXPECT_TRUE(pane(0)->getCell(0, 15)->isSelected());
    EXPECT_EQ(viewport->getViewPositionX(), 14 * 196 + 20);

    // A pick does not scroll.
    section().PutParamIEx(768, 3, PutFlags::announce, CHGSRC_CATALOG);
    pumpFor(30);
    EXPECT_TRUE(pane(0)->getCell(0, 3)->isSelected());
    EXPECT_EQ(viewport->getViewPositionX(), 14 * 196 + 20);

    // Reverb and pedal-2 changes make their kinds current; the marks of
    // partial ids 2 and 3 belong to pedal 2 and the reverb.
    section().PutParamIEx(772, 2, PutFlags::announce, CHGSRC_DEVICE);
    pumpFor(30);
    EXPECT_EQ(strip->getCurrentKind(), 2);
    EXPECT_TRUE(pane(2)->isVisible());
    EXPECT_FALSE(pane(0)->isVisible());
    section().PutParamIEx(770, 6, PutFlags::announce, CHGSRC_DEVICE);
    pumpFor(30);
    EXPECT_EQ(strip->getCurrentKind(), 3);
    post(MessageId::CatalogReserved, 2);
    EXPECT_FALSE(pane(3)->getCell(0, 6)->isSelected());
    EXPECT_TRUE(pane(2)->getCell(0, 2)->isSelected());
    post(MessageId::CatalogReserved, 3);
    EXPECT_FALSE(pane(2)->getCell(0, 2)->isSelected());
}

TEST_F(HMQCatalogStrip, ArrowKeysStepAndStopAtTheEnds)
{
    section().PutParamIEx(768, 18, PutFlags::announce, CHGSRC_CONTROL);
    pumpFor(30);
    auto* p = pane(0);
    router.events.clear();
    // The key handlers the pane runs while it has the keyboard focus.
    EXPECT_TRUE(p->rightKeyPressed());
    pumpFor(30);
    EXPECT_EQ(section().GetParamI(768), 19);
    EXPECT_EQ(router.writes(768), (std::vector<std::pair<int, int>> { { 768, CHGSRC_CONTROL } }));
    // At the last cell the key is not used and nothing is written.
    EXPECT_FALSE(p->rightKeyPressed());
    EXPECT_FALSE(p->upKeyPressed());
    EXPECT_FALSE(p->downKeyPressed());
    EXPECT_FALSE(p->escKeyPressed());
    pumpFor(30);
    EXPECT_EQ(router.writes(768).size(), 1u);
    EXPECT_TRUE(p->leftKeyPressed());
    pumpFor(30);
    EXPECT_EQ(section().GetParamI(768), 18);
}

TEST_F(HMQCatalogStrip, ModulesAndValuesWithoutACellSelectNothing)
{
    post(MessageId::CatalogSelect, 2);
    for (int bad : { -1, 4, 1000 })
    {
        post(MessageId::CatalogSelect, bad);
        EXPECT_EQ(strip->getCurrentKind(), 2);
        EXPECT_TRUE(pane(2)->isVisible());
        post(MessageId::CatalogReserved, bad);
    }

    // A pane whose table lacks the current value marks no cell.
    struct TwoCellPane : CHMQCatalogBasePane
    {
        using CHMQCatalogBasePane::CHMQCatalogBasePane;
        const Catalog::tagCatalogAttributes& getCatalogTypeAttrs() const override { return attrs; }
        const Catalog::tagCatalogCellAttributes& getCatalogCellAttrs(int, int column) const override
        {
            return cells[juce::jlimit(0, 1, column)];
        }
        int getNumRows() const override { return 1; }
        int getNumColumns() const override { return 2; }
        void SetSelectedModel(int) override {}
        Catalog::tagCatalogAttributes attrs { "", 20, 1 };
        Catalog::tagCatalogCellAttributes cells[2] { { 0, "A", "", juce::Colours::white, "" },
                                                     { 1, "B", "", juce::Colours::white, "" } };
    };
    TwoCellPane small(0, 768, 300, 100);
    small.init(300, 100);
    section().PutParamIEx(768, 9, PutFlags::normalEdit & ~PutFlags::send, CHGSRC_CONTROL);
    std::unique_ptr<MyMessage> change(MyMessage::create(MessageId::SectionValueChanged, 768, 0));
    small.handleMessage(*change);
    EXPECT_FALSE(small.getCell(0, 0)->isSelected());
    EXPECT_FALSE(small.getCell(0, 1)->isSelected());
    EXPECT_FALSE(small.isSelectionShown());
    small.reinitialized();
    EXPECT_FALSE(small.getCell(0, 0)->isSelected());
}
