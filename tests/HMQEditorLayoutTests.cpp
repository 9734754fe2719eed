// The HMQ editor page's structure: every form item built where its table
// puts it, the page geometry for two widths, the slot labels of the name
// strip, the catalogue tables, what the page does without a data centre,
// and screenshots of the value pages and the catalogue panes.
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Catalog/CHMQCatalogAmpPane.h"
#include "GUI/Catalog/CHMQCatalogDelayPane.h"
#include "GUI/Catalog/CHMQCatalogPedal1Pane.h"
#include "GUI/Catalog/CHMQCatalogPedal2Pane.h"
#include "GUI/Editor/AmpFXModelModuleDragItem.h"
#include "GUI/HMQ/HMQPGNameEditComponent.h"
#include "GUI/HMQ/RSHMQAmpImageButton.h"
#include "GUI/HMQ/RSHMQPedal1FXImageButton.h"
#include "GUI/HMQ/RSHMQPedal2FXImageButton.h"
#include "GUI/HMQ/RSHMQRevFXImageButton.h"
#include "GUI/Widgets/RSComboBox.h"
#include "GUI/Widgets/RSToggleSwitch.h"
#include "HMQ/HMQTypeNames.h"
#include "ParamTable/CSectionEventPoster.h"
#include "UIForm/HMQ/HMQFormTables.h"
#include "UIForm/UIFormIds.h"
#include "UIForm/UI_FORM_Utils.h"
#include "support/HMQEditorTestSupport.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
struct HMQOffline : ::testing::Test
{
    // Hands the section events to the page's area and strip, as the GUI
    // router does for the view of the main window.
    struct Router : juce::MessageListener
    {
        HMQEditorComponent* page = nullptr;
        void handleMessage(const juce::Message& m) override
        {
            auto* my = dynamic_cast<const MyMessage*>(&m);
            if (my == nullptr || my->getRecord() == nullptr)
                return;
            if (page != nullptr)
            {
                if (my->getId() == MessageId::SectionReinitialized)
                    page->getEditParam()->changeListenerCallback(nullptr);
                page->getEditParam()->handleMessageSub(m);
                page->getCatalog()->handleMessageSub(m);
            }
            const_cast<MyMessage*>(my)->deleteRecord();
        }
    };

    void SetUp() override
    {
        host = Host::createInstance();
        host->changeDeviceEnvironment(DeviceInfo(kProductModelHMQ, false, 0, {}, 0, {}, 0, 0, 0, kMediaTypeUnknown));
        ASSERT_NE(host->getDeviceEnvironment(), nullptr);
        CSectionEventPoster::setTargetOverride(&router);
    }
    void TearDown() override
    {
        CSectionEventPoster::setTargetOverride(nullptr);
        view.reset();
        Host::destroyInstance();
    }
    HMQEditorComponent* build()
    {
        view = std::make_unique<CHMQEditorLibrarianComponent>();
        view->initialise();
        view->addToDesktop(0);
        view->setVisible(true);
        auto* editor = view->getEditorPage();
        router.page = editor;
        // As after a connection: the program is loaded, the amp is selected.
        if (auto* dc = dynamic_cast<HMQDataCenter*>(host->getDeviceEnvironment()->getDataCenter()))
        {
            dc->getUserEditSection().OnReinitialized();
            dc->getUserEditSection().FireOnCatalogSelect(0);
        }
        testing_support::pumpFor(50);
        view->changeListenerCallback(nullptr);
        // The module pictures finish their moves.
        testing_support::pumpUntil([editor] {
            auto* area = dynamic_cast<HMQEditParamComponent*>(editor->getEditParam());
            for (int m = 0; m < 4; ++m)
                if (area->getModulePicture(m) != nullptr && area->getAnimator().isAnimating(area->getModulePicture(m)))
                    return false;
            return true;
        });
        return editor;
    }
    Router router;
    Host* host = nullptr;
    std::unique_ptr<CHMQEditorLibrarianComponent> view;
};

juce::Component* findItem(juce::Component& parent, const UI_FORMINFO& item)
{
    for (auto* child : parent.getChildren())
    {
        const auto& p = child->getProperties();
        if ((int) p.getWithDefault("ID", -2) == item.id && (int) p.getWithDefault("PARAMID", -2) == item.paramId
            && (int) p.getWithDefault("X", -1) == item.x && (int) p.getWithDefault("Y", -1) == item.y)
            return child;
    }
    return nullptr;
}

MyMessage* message(int id, int a = 0, int b = 0, int c = 0)
{
    return MyMessage::create(id, a, b, c);
}
} // namespace

TEST_F(HMQOffline, EveryFormItemIsBuiltWhereItsTableSaysWithItsParameter)
{
    auto* editor = build();
    ASSERT_NE(editor, nullptr);
    auto* area = dynamic_cast<HMQEditParamComponent*>(editor->getEditParam());
    ASSERT_NE(area, nullptr);

    struct Layer
    {
        const UI_FORMINFO* items;
        int count;
        juce::Component* parent;
    };
    const Layer layers[] = {
        { HMQ::g_uiFormItem_ID_EDIT_PARAM, 4, area },
        { HMQ::g_uiFormItem_ID_AMP_PARAM, 36, area->getValuePage(0) },
        { HMQ::g_uiFormItem_ID_PEDAL1_PARAM, 21, area->getValuePage(1) },
        { HMQ::g_uiFormItem_ID_REVERB_PARAM, 18, area->getValuePage(2) },
        { HMQ::g_uiFormItem_ID_PEDAL2_PARAM, 21, area->getValuePage(3) },
    };
    for (const auto& layer : layers)
    {
        ASSERT_NE(layer.parent, nullptr);
        int built = 0;
        for (int i = 0; i < layer.count; ++i)
        {
            const auto& item = layer.items[i];
            auto* widget = findItem(*layer.parent, item);
            ASSERT_NE(widget, nullptr) << item.className << " " << item.text << " at " << item.x << "," << item.y;
            ++built;
            const bool picture = item.id == UIFormControlKind::TypePicker;
            // The pictures take the size of their artwork.
            if (! picture)
                EXPECT_EQ(widget->getBounds(), juce::Rectangle<int>(item.x, item.y, item.width, item.height)) << item.text;
            EXPECT_EQ(widget->getProperties()["TEXT"].toString(), juce::String(item.text)) << item.className;
        }
        // Nothing else: the value pages' children are exactly their items.
        if (layer.parent != area)
            EXPECT_EQ(layer.parent->getNumChildComponents(), built);
    }

    // Each knob is linked to the display, title and unit of its group.
    auto* pedal1 = area->getValuePage(1);
    auto* val1 = findWidget<RSKnob>(*pedal1, 0x500);
    ASSERT_NE(val1, nullptr);
    EXPECT_EQ((int) val1->getValueDisplay()->getProperties()["PARAMID"], (int) 0x80000001);
    EXPECT_EQ(val1->getNameLabel()->getProperties()["TEXT"].toString(), "VAL1");
    ASSERT_NE(val1->getUnitLabel(), nullptr);
    EXPECT_EQ(val1->getUnitLabel()->getProperties()["UNIT"].toString(), "VAL1");
    // The reverb page's unit label belongs to its third knob.
    auto* reverb = area->getValuePage(2);
    EXPECT_EQ(findWidget<RSKnob>(*reverb, 0x800)->getUnitLabel(), nullptr);
    EXPECT_NE(findWidget<RSKnob>(*reverb, 0x802)->getUnitLabel(), nullptr);
    // The amp switches have no value display; BIAS and CLASS do.
    auto* ampPage = area->getValuePage(0);
    EXPECT_EQ(findWidget<RSKnob>(*ampPage, 0x407)->getValueDisplay(), nullptr);
    EXPECT_NE(findWidget<RSKnob>(*ampPage, 0x40A)->getValueDisplay(), nullptr);

    // The on pictures stand at their form places, the off places 45 higher;
    // the amp has neither.
    for (int module = 1; module < 4; ++module)
    {
        auto* picture = area->getModulePicture(module);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->m_OffBounds.getY(), picture->m_OnBounds.getY() - 45);
        EXPECT_EQ(picture->getModuleIndex(), module);
    }
    EXPECT_FALSE(area->hasPlaces(0));
    EXPECT_TRUE(area->hasPlaces(1) && area->hasPlaces(2) && area->hasPlaces(3));
    EXPECT_NE(dynamic_cast<RSHMQPedal2FXImageButton*>(area->getModulePicture(3)), nullptr);
    EXPECT_NE(dynamic_cast<RSHMQRevFXImageButton*>(area->getModulePicture(2)), nullptr);
}

TEST_F(HMQOffline, PageGeometryFollowsItsWidth)
{
    for (int width : { 1024, 700, 768 })
    {
        HMQEditorComponent page(width, 560);
        page.initialize();
        const int catalogHeight = width * 200 / 758 + 19;
        EXPECT_EQ(page.getCatalog()->getBounds(), juce::Rectangle<int>(5, 43, width - 10, catalogHeight));
        EXPECT_EQ(page.getEditParam()->getBounds(), juce::Rectangle<int>(0, 230, juce::jmax(width, 768), 348));
        EXPECT_EQ(page.getNameEdit()->getBounds(), juce::Rectangle<int>(0, 0, 346, 38));
    }
    HMQEditorComponent wide(1024, 560);
    wide.initialize();
    EXPECT_EQ(wide.getCatalog()->getHeight(), 289);
}

TEST(HMQNameStrip, SlotLabelsByProgramNumber)
{
    const juce::StringArray files { "one", "two", "three" };
    struct Case
    {
        int program;
        const char* text;
        bool right;
    };
    const Case cases[] = {
        { 0, "PRESET 1", false },  { 59, "PRESET 60", false }, { 60, "USER A-1", false }, { 63, "USER A-4", false },
        { 64, "USER B-1", false }, { 67, "USER B-4", false },  { 68, "one:1", true },     { 78, "one:11", true },
        { 79, "two:1", true },     { 90, "three:1", true },    { 100, "three:11", true },
    };
    for (const auto& c : cases)
    {
        juce::String text;
        juce::Justification justification(0);
        ASSERT_TRUE(HMQPGNameEditComponent::slotLabel(c.program, files, text, justification)) << c.program;
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(justification.getFlags(), c.right ? juce::Justification::centredRight : juce::Justification::centredLeft);
    }
    juce::String text = "kept";
    juce::Justification justification(0);
    EXPECT_FALSE(HMQPGNameEditComponent::slotLabel(101, files, text, justification));
    EXPECT_EQ(text, "kept");
}

TEST(HMQCatalogTables, CellsMatchTheTypeNamesAndPictures)
{
    // The names against the type-name tables, the pictures against the
    // pickers' (except the three amp pictures with a brand word).
    RSHMQAmpImageButton amp(nullptr, false, "amp");
    RSHMQPedal1FXImageButton pedal1(nullptr, false, "p1");
    RSHMQPedal2FXImageButton pedal2(nullptr, false, "p2");
    RSHMQRevFXImageButton reverb(nullptr, false, "rev");
    struct Table
    {
        const Catalog::tagCatalogCellAttributes* cells;
        int count;
        const juce::StringArray& names;
        RSImageButton& picker;
    };
    const Table tables[] = {
        { CHMQCatalogAmpPane::m_cellAttributes, 20, HMQ::getAmpTypeNames(), amp },
        { CHMQCatalogPedal1Pane::sm_amCatalogCellAttrs, 10, HMQ::getPedal1TypeNames(), pedal1 },
        { CHMQCatalogPedal2Pane::sm_amCatalogCellAttrs, 7, HMQ::getPedal2TypeNames(), pedal2 },
        { CHMQCatalogDelayPane::sm_amCatalogCellAttrs, 4, HMQ::getRevTypeNames(), reverb },
    };
    for (const auto& t : tables)
    {
        ASSERT_EQ(t.names.size(), t.count);
        juce::StringArray keys;
        for (int i = 0; i < t.count; ++i)
        {
            const auto& cell = t.cells[i];
            EXPECT_EQ(cell.model, i);
            EXPECT_EQ(cell.name, t.names[i]);
            EXPECT_EQ(cell.colour, juce::Colours::white);
            EXPECT_TRUE(cell.tooltipKey.startsWith(&t.picker == &amp ? "TT_AMP_" : "TT_FX_")) << cell.tooltipKey;
            keys.addIfNotAlreadyThere(cell.tooltipKey);
            const bool brandPicture = &t.picker == &amp && (i == 4 || i == 5 || i == 12);
            if (! brandPicture)
                EXPECT_EQ(cell.imageName, t.picker.getPngName(i)) << cell.name;
        }
        EXPECT_EQ(keys.size(), t.count) << "tooltip keys repeat";
    }
    EXPECT_EQ(CHMQCatalogAmpPane::m_cellAttributes[4].imageName, CHMQCatalogAmpPane::m_cellAttributes[5].imageName);
    EXPECT_TRUE(CHMQCatalogAmpPane::m_cellAttributes[4].imageName.endsWith("OverDriveSP_shadow_196x171"));
    EXPECT_TRUE(CHMQCatalogAmpPane::m_cellAttributes[12].imageName.endsWith("SLO_shadow_196x171"));
}

TEST(HMQWithoutDataCentre, MessagesGesturesAndDropsDoNothing)
{
    // No Host at all: no device environment, no data centre, no section.
    ASSERT_EQ(Host::getInstance(), nullptr);
    HMQEditorComponent page(768, 560);
    page.initialize();
    auto* area = dynamic_cast<HMQEditParamComponent*>(page.getEditParam());
    auto* catalog = dynamic_cast<HMQCatalogComponent*>(page.getCatalog());
    ASSERT_NE(area, nullptr);
    ASSERT_NE(catalog, nullptr);

    // Without forms nothing is built, and every message is safe.
    for (int id : { 1, 2, 3, 4, 7, 10, 12, 13, 14, 15 })
        for (int a : { -1, 0, 3, 4, 7, 513, 768, 772, 0x400, (int) 0x8000001E })
        {
            std::unique_ptr<MyMessage> m(message(id, a, 2, 100));
            area->handleMessageSub(*m);
            catalog->handleMessageSub(*m);
        }
    area->changeListenerCallback(nullptr);
    catalog->reinitialized();
    EXPECT_EQ(area->getCurrentValuePage(), 3); // the last code 7 within 0..3 wins
    for (int k = 0; k < 4; ++k)
        EXPECT_NE(catalog->getPane(k), nullptr);
}

TEST_F(HMQOffline, FaultyInputsIndexNothingAndWriteNothing)
{
    auto* editor = build();
    auto* area = dynamic_cast<HMQEditParamComponent*>(editor->getEditParam());
    auto* catalog = dynamic_cast<HMQCatalogComponent*>(editor->getCatalog());
    auto* dc = dynamic_cast<HMQDataCenter*>(host->getDeviceEnvironment()->getDataCenter());
    ASSERT_NE(dc, nullptr);
    auto& section = dc->getUserEditSection();
    const auto before = std::vector<unsigned char>(dc->getEditBuf(), dc->getEditBuf() + 62);

    // Module indices outside 0..3 select no pane and no page.
    std::unique_ptr<MyMessage> select(message(MessageId::CatalogSelect, 1));
    area->handleMessageSub(*select);
    catalog->handleMessageSub(*select);
    for (int bad : { 4, -1, 99 })
    {
        std::unique_ptr<MyMessage> m(message(MessageId::CatalogSelect, bad));
        area->handleMessageSub(*m);
        catalog->handleMessageSub(*m);
        EXPECT_EQ(area->getCurrentValuePage(), 1);
        EXPECT_EQ(catalog->getCurrentKind(), 1);
        std::unique_ptr<MyMessage> clear(message(MessageId::CatalogReserved, bad));
        catalog->handleMessageSub(*clear);
    }

    // A combo box with nothing selected writes nothing.
    auto* box = new RSComboBox("type");
    box->getProperties().set("PARAMID", 0x300);
    box->getProperties().set("ID", UIFormControlKind::ComboBox);
    area->addChildComponent(box);
    box->addItem("x", 1);
    box->setSelectedId(0, juce::dontSendNotification);
    area->comboBoxChanged(box);
    EXPECT_EQ(std::vector<unsigned char>(dc->getEditBuf(), dc->getEditBuf() + 62), before);

    // A drop of a module that has no picture, or of no module, changes nothing.
    const AmpFXModelModuleDragItem noModule(AmpFXModelModuleDragID, 7);
    juce::DragAndDropTarget::SourceDetails drop(noModule, nullptr, { 100, 20 });
    area->itemDragEnter(drop);
    area->itemDragMove(drop);
    area->itemDropped(drop);
    juce::DragAndDropTarget::SourceDetails junk(juce::var("x"), nullptr, { 100, 20 });
    area->itemDropped(junk);
    EXPECT_EQ(std::vector<unsigned char>(dc->getEditBuf(), dc->getEditBuf() + 62), before);
    EXPECT_EQ(section.GetParamI(0x300), before[18]);
}

TEST_F(HMQOffline, ScreenshotsOfTheValuePagesAndTheCatalogue)
{
    auto* editor = build();
    auto* area = dynamic_cast<HMQEditParamComponent*>(editor->getEditParam());
    auto* catalog = dynamic_cast<HMQCatalogComponent*>(editor->getCatalog());
    const char* names[] = { "amp", "pedal1", "reverb", "pedal2" };
    for (int module = 0; module < 4; ++module)
    {
        std::unique_ptr<MyMessage> m(message(MessageId::CatalogSelect, module));
        area->handleMessageSub(*m);
        catalog->handleMessageSub(*m);
        ASSERT_TRUE(area->getValuePage(module)->isVisible());
        for (int other = 0; other < 4; ++other)
            EXPECT_EQ(area->getValuePage(other)->isVisible(), other == module);
        EXPECT_TRUE(catalog->getPane(module)->isVisible());
        EXPECT_TRUE(saveScreenshot(*editor, juce::String("hmq_editor_") + names[module]).existsAsFile());
        EXPECT_TRUE(saveScreenshot(*catalog, juce::String("hmq_catalog_") + names[module]).existsAsFile());
    }
    EXPECT_TRUE(saveScreenshot(*view, "hmq_view").existsAsFile());
}
