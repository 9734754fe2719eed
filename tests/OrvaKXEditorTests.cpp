// The Orva KX editor against a simulated amplifier, driven with the mouse
// through its real widgets: knobs, switches, pedal pictures and catalogue
// cells each send their parameter once; the amplifier's own changes move
// only their widget; a type change re-places and hides the value page's
// knobs; edits during a transfer are stored and not sent.
#include "Action/MidiManager.h"
#include "GUI/Catalog/CJVCatalogBasePane.h"
#include "GUI/Catalog/CJVCatalogCell.h"
#include "GUI/Catalog/OKXCatalogComponent.h"
#include "GUI/Catalog/RSCatalogOrvaKXCell.h"
#include "GUI/Editor/EditorComponent.h"
#include "GUI/Orva/COKXEditorLibrarianComponent.h"
#include "GUI/Orva/OKXEditParamComponent.h"
#include "GUI/Orva/OKXPGNameEditComponent.h"
#include "GUI/Orva/OKXValueParamAmpComponent.h"
#include "GUI/Orva/OKXValueParamBaseComponent.h"
#include "GUI/Widgets/RSComboBox.h"
#include "GUI/Widgets/RSImageButton.h"
#include "GUI/Widgets/RSKnob.h"
#include "OrvaKX/OKXDataCenter.h"
#include "OrvaKX/OrvaKXTypeNames.h"
#include "ParamTable/COrvaUserEditSectionBase.h"
#include "support/OrvaOverlayFixture.h"

using testing_support::pumpFor;
using testing_support::pumpUntil;

namespace
{
struct OrvaKXEditor : testing_support::OrvaOverlayFixture
{
    void SetUp() override
    {
        dc = start<OKXDataCenter>(2);
        ASSERT_NE(dc, nullptr);
        view = dynamic_cast<COKXEditorLibrarianComponent*>(main->getView());
        ASSERT_NE(view, nullptr);
        page = view->getEditorComponent();
        ASSERT_NE(page, nullptr);
        area = dynamic_cast<OKXEditParamComponent*>(page->getEditParam());
        catalog = dynamic_cast<OKXCatalogComponent*>(page->getCatalog());
        ASSERT_NE(area, nullptr);
        ASSERT_NE(catalog, nullptr);
        // The connection's own set-up settles first; then a known program:
        // amp 0, both pedals on.
        pumpFor(500);
        section().PutParamIEx(0x300, 0, 0x1, CHGSRC_CONTROL);
        section().PutParamIEx(0x201, 1, 0x1, CHGSRC_CONTROL);
        section().PutParamIEx(0x202, 1, 0x1, CHGSRC_CONTROL);
        host->getMidiManager()->sendChangeMessage();
        pumpFor(100);
        ASSERT_TRUE(settle());
        amp->clearRecords();
    }

    COrvaUserEditSectionBase& section() const { return dc->getUserEditSection(); }

    juce::Component* find(juce::Component& parent, int paramId) const
    {
        for (auto* child : parent.getChildren())
            if ((int) child->getProperties().getWithDefault("PARAMID", -1) == paramId)
                return child;
        return nullptr;
    }

    // Shows a module's page by pressing its picture.
    void selectModule(RSImageButton& picture)
    {
        mouse.move(*area, { 5, 5 });
        mouse.click(picture, { 20, 20 });
        pumpFor(50);
        EXPECT_TRUE(settle());
        amp->clearRecords();
    }

    void turn(juce::Component& c, int dy)
    {
        const auto centre = c.getLocalBounds().getCentre();
        mouse.move(c, centre);
        mouse.press(c, centre);
        mouse.drag(c, centre.translated(0, -dy));
        mouse.release(c, centre.translated(0, -dy));
    }

    OKXDataCenter* dc = nullptr;
    COKXEditorLibrarianComponent* view = nullptr;
    EditorComponent* page = nullptr;
    OKXEditParamComponent* area = nullptr;
    OKXCatalogComponent* catalog = nullptr;
};
} // namespace

TEST_F(OrvaKXEditor, PageStandsWholeAndEachWidgetKindSendsItsParameterOnce)
{
    // The page: name strip, catalogue of 23 / 11 / 8 cells, the area with
    // its three pictures and value pages.
    EXPECT_NE(dynamic_cast<OKXPGNameEditComponent*>(page->getNameEdit()), nullptr);
    ASSERT_EQ(catalog->getNumPanes(), 3);
    EXPECT_EQ(catalog->getPane(0)->getNumColumns(), 23);
    EXPECT_EQ(catalog->getPane(1)->getNumColumns(), 11);
    EXPECT_EQ(catalog->getPane(2)->getNumColumns(), 8);
    EXPECT_EQ(catalog->getPane(0)->getCellWidth(), 196);
    EXPECT_NE(dynamic_cast<RSCatalogOrvaKXCell*>(catalog->getPane(0)->getCell(0, 22)), nullptr);
    EXPECT_EQ(catalog->getPane(0)->getCell(0, 22)->getName(), "FLAT");
    auto* amp0 = area->getAmpPicture();
    auto* pedal1 = area->getPedal1Picture();
    auto* pedal2 = area->getPedal2Picture();
    ASSERT_NE(amp0, nullptr);
    ASSERT_NE(pedal1, nullptr);
    ASSERT_NE(pedal2, nullptr);
    EXPECT_EQ(pedal1->m_OnBounds.getPosition(), juce::Point<int>(97, 69));
    EXPECT_EQ(pedal1->m_OffBounds, pedal1->m_OnBounds.translated(0, -45));
    EXPECT_EQ(pedal2->m_OnBounds.getPosition(), juce::Point<int>(328, 69));
    for (int m = 0; m < 3; ++m)
        ASSERT_NE(dynamic_cast<OKXValueParamBaseComponent*>(area->getValuePage(m)), nullptr);

    // Knob: GAIN on the amp page.
    selectModule(*amp0);
    EXPECT_EQ(area->getShownPage(), 0);
    EXPECT_TRUE(area->getValuePage(0)->isVisible());
    auto* gain = dynamic_cast<RSKnob*>(area->getValuePage(0)->findByParamId(0x400));
    ASSERT_NE(gain, nullptr);
    turn(*gain, 50);
    const int g = section().GetParamI(0x400);
    EXPECT_GT(g, 0);
    EXPECT_EQ(receivedAfter(1), (std::vector<std::vector<int>> { paramChange(0x400, g) }));
    testing_support::saveScreenshot(*main, "orva-kx-editor-amp");

    // Switch: the first pedal's on/off switch on its page; the picture
    // slides up.
    selectModule(*pedal1);
    EXPECT_EQ(area->getShownPage(), 1);
    auto* onOff = dynamic_cast<juce::Button*>(area->getValuePage(1)->findByParamId(0x201));
    ASSERT_NE(onOff, nullptr);
    mouse.click(*onOff, onOff->getLocalBounds().getCentre());
    EXPECT_EQ(receivedAfter(1), (std::vector<std::vector<int>> { paramChange(0x201, 0) }));
    ASSERT_TRUE(pumpUntil([&] { return pedal1->getY() == 24; }));

    // Picture drag: the second pedal dragged up switches it off.
    amp->clearRecords();
    mouse.move(*area, { 5, 5 });
    mouse.dragFromTo(*pedal2, { 56, 60 }, *area, { 384, 60 }, 6);
    EXPECT_EQ(receivedAfter(1), (std::vector<std::vector<int>> { paramChange(0x202, 0) }));
    ASSERT_TRUE(pumpUntil([&] { return pedal2->getY() == 24 && ! area->isDragAndDropActive(); }));
    // ... and dropped below itself, back on.
    amp->clearRecords();
    mouse.move(*area, { 5, 5 });
    mouse.dragFromTo(*pedal2, { 56, 60 }, *area, { 384, 160 }, 6);
    EXPECT_EQ(receivedAfter(1), (std::vector<std::vector<int>> { paramChange(0x202, 1) }));
    ASSERT_TRUE(pumpUntil([&] { return pedal2->getY() == 69 && ! area->isDragAndDropActive(); }));

    // Catalogue cell: a click on amp model 5 writes it once; a click on the
    // selected cell writes nothing.
    selectModule(*amp0);
    auto* pane = catalog->getPane(0);
    ASSERT_TRUE(pane->isVisible());
    auto* cell = pane->getCell(0, 5);
    catalog->getViewport(0)->setViewPosition(cell->getX() - 20, 0);
    mouse.click(*cell, { 60, 60 });
    EXPECT_EQ(receivedAfter(1), (std::vector<std::vector<int>> { paramChange(0x300, 5) }));
    EXPECT_EQ(section().GetParamI(0x300), 5);
    ASSERT_TRUE(pumpUntil([&] { return cell->isSelected(); }));
    amp->clearRecords();
    mouse.click(*cell, { 60, 60 });
    pumpFor(50);
    EXPECT_EQ(amp->getNumReceived(), 0);
    testing_support::saveScreenshot(*main, "orva-kx-editor-catalogue");
}

TEST_F(OrvaKXEditor, AmplifierChangesMoveTheirWidgetAndFlatHidesItsRows)
{
    selectModule(*area->getAmpPicture());
    auto* ampPage = area->getValuePage(0);
    auto* gain = dynamic_cast<RSKnob*>(ampPage->findByParamId(0x400));
    auto* presence = ampPage->findByParamId(0x405);
    ASSERT_NE(gain, nullptr);
    ASSERT_NE(presence, nullptr);
    EXPECT_TRUE(presence->isVisible());
    const int gainX = gain->getX();

    // A knob turned on the amplifier.
    amp->sendParamChange(0x04, 0x00, 77);
    ASSERT_TRUE(pumpUntil([&] { return gain->getCurrentValue() == 77; }));

    // The amplifier switches to FLAT: presence, resonance and the three
    // switches hide, GAIN moves one slot right, and the amp picture and the
    // catalogue follow.
    amp->sendParamChange(0x03, 0x00, orvaKX::getAmpTypeValue((orvaKX::eAmpType) 22));
    ASSERT_TRUE(pumpUntil([&] { return ! presence->isVisible(); }));
    EXPECT_FALSE(ampPage->findByParamId(0x406)->isVisible());
    EXPECT_EQ(gain->getX(), gainX + 66);
    EXPECT_EQ(area->getAmpPicture()->getType(), 22);
    ASSERT_TRUE(pumpUntil([&] { return catalog->getPane(0)->getCell(0, 22)->isSelected(); }));

    // A pedal switched off on the amplifier slides its picture up.
    amp->sendParamChange(0x02, 0x01, 0);
    ASSERT_TRUE(pumpUntil([&] { return area->getPedal1Picture()->getY() == 24; }));

    // Nothing went back to the amplifier.
    pumpFor(50);
    EXPECT_EQ(amp->getNumReceived(), 0);
    testing_support::saveScreenshot(*main, "orva-kx-editor-flat");
}

TEST_F(OrvaKXEditor, EditsDuringAnyTransferAreStoredNotSentAndEmptyChoicesAreIgnored)
{
    selectModule(*area->getAmpPicture());
    auto* gain = dynamic_cast<RSKnob*>(area->getValuePage(0)->findByParamId(0x400));
    ASSERT_NE(gain, nullptr);
    auto* midi = host->getMidiManager();

    // Each transfer flag on its own holds the sending back.
    for (int flag = 0; flag < 3; ++flag)
    {
        midi->setBulkReceive(flag == 0);
        midi->setBulkTransmit(flag == 1);
        midi->setAudioEQBulkReceive(flag == 2);
        const int before = section().GetParamI(0x400);
        turn(*gain, flag % 2 == 0 ? 30 : -30);
        EXPECT_NE(section().GetParamI(0x400), before) << flag;

        // A catalogue pick during the transfer: stored, not sent.
        auto* cell = catalog->getPane(0)->getCell(0, 3 + flag);
        catalog->getViewport(0)->setViewPosition(cell->getX() - 20, 0);
        mouse.click(*cell, { 60, 60 });
        EXPECT_EQ(section().GetParamI(0x300), 3 + flag) << flag;
        // ... and a step to the next model with the arrow key.
        EXPECT_TRUE(catalog->getPane(0)->rightKeyPressed());
        EXPECT_EQ(section().GetParamI(0x300), 4 + flag) << flag;
        pumpFor(50);
        EXPECT_EQ(amp->getNumReceived(), 0) << flag;
    }
    midi->setBulkReceive(false);
    midi->setBulkTransmit(false);
    midi->setAudioEQBulkReceive(false);

    // A choice box with nothing chosen writes nothing.
    RSComboBox box("probe");
    box.getProperties().set("PARAMID", 0x400);
    box.addItem("one", 1);
    box.setSelectedId(0, juce::dontSendNotification);
    const int before = section().GetParamI(0x400);
    area->comboBoxChanged(&box);
    EXPECT_EQ(section().GetParamI(0x400), before);
    pumpFor(30);
    EXPECT_EQ(amp->getNumReceived(), 0);

    // The pictures' touch-down memory is reset on demand (the user panel
    // asks for it on its presses).
    area->getAmpPicture()->m_TouchDown = false;
    area->getPedal2Picture()->m_TouchDown = false;
    area->ResetTouchDownMemory();
    EXPECT_TRUE(area->getAmpPicture()->m_TouchDown);
    EXPECT_TRUE(area->getPedal2Picture()->m_TouchDown);
}

TEST(OrvaKXValuePage, SlotOriginsPlaceAWidgetAtItsSlotPlusItsFormOffset)
{
    OKXValueParamAmpComponent page(nullptr, 1024, 143);
    page.initSlotBounds();
    ASSERT_EQ(page.getSlotOrigins().size(), 22u);
    juce::Component knob;
    knob.getProperties().set("X", 5);
    knob.getProperties().set("Y", 27);
    knob.getProperties().set("WIDTH", 54);
    knob.getProperties().set("HEIGHT", 54);
    knob.setBounds(1, 2, 3, 4);

    EXPECT_TRUE(page.ModifySlotBounds(&knob, 3));
    EXPECT_EQ(knob.getBounds(), juce::Rectangle<int>(257, 39, 54, 54));
    EXPECT_TRUE(page.ModifySlotBounds(&knob, 9));
    EXPECT_EQ(knob.getPosition(), juce::Point<int>(648 + 5, 12 + 27));
    EXPECT_TRUE(page.ModifySlotBounds(&knob, 14));
    EXPECT_EQ(knob.getPosition(), juce::Point<int>(5, 92 + 27));
    EXPECT_TRUE(page.ModifySlotBounds(&knob, 21));
    EXPECT_EQ(knob.getPosition(), juce::Point<int>(539 + 5, 27));

    // Slot 0 and slots past the last origin place nothing.
    knob.setBounds(1, 2, 3, 4);
    for (int slot : { 0, 22, 31 })
        EXPECT_FALSE(page.ModifySlotBounds(&knob, slot));
    EXPECT_EQ(knob.getBounds(), juce::Rectangle<int>(1, 2, 3, 4));
    EXPECT_EQ(page.getUIFormTableID(), 1055);
    EXPECT_EQ(page.getPartialId(), 0);
}
