// The DWQR editor page against the simulated DWQR, through its real
// widgets: knobs, zone switches, module pictures and their drags, the
// catalogue strip; what each gesture sends, what each change from the
// amplifier moves, and the layout the form table gives.
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Catalog/CDWQCatalogModPane.h"
#include "GUI/Catalog/CJVCatalogCell.h"
#include "GUI/Catalog/DWQCatalogComponent.h"
#include "GUI/DWQ/RSDWQAmpImageButton.h"
#include "GUI/DWQ/RSDWQPedalFXImageButton.h"
#include "GUI/DWQ/RSDWQRevFXImageButton.h"
#include "GUI/Editor/AmpFXModelModuleDragItem.h"
#include "GUI/Editor/PGNameEditComponent.h"
#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSReadOnlyTextEditor.h"
#include "GUI/Widgets/RSToggleSwitch.h"
#include "GUI/Widgets/RSTouchScrollViewport.h"
#include "UIForm/UIFormManager.h"
#include "support/DWQScreenFixture.h"

#include <gtest/gtest.h>

using namespace testing_support;
using Section = DWQ::CDWQUserEditSectionImpl;

namespace
{
constexpr int idGain = 0x301, idTreble = 0x302, idAmpType = 0x300, idModType = 0x400, idDlyRevType = 0x500;

struct DWQEditorPage : DWQScreenFixture
{
    void SetUp() override { bootScreen(); }

    DWQCatalogComponent* catalog() const { return dynamic_cast<DWQCatalogComponent*>(editor()->getCatalog()); }

    // A module drag over the area at y, with the picture of `module` as source.
    juce::DragAndDropTarget::SourceDetails moduleDrag(int module, int y)
    {
        juce::Array<juce::var> description { AmpFXModelModuleDragID, module };
        juce::Component* source = module == 1 ? (juce::Component*) area()->getModPicture() : area()->getDlyRevPicture();
        return { juce::var(description), source, { 60, y } };
    }

    bool waitForPictureY(juce::Component* picture, int y)
    {
        return pumpUntil([picture, y] { return picture->getY() == y; });
    }
};
} // namespace

TEST_F(DWQEditorPage, AKnobGestureSendsItsParameterOnceAndAChangeFromTheAmplifierMovesOnlyItsKnob)
{
    auto* gain = widget<RSKnob>(idGain);
    auto* treble = widget<RSKnob>(idTreble);
    ASSERT_NE(gain, nullptr);
    ASSERT_NE(treble, nullptr);
    // The synchronised program is shown.
    EXPECT_EQ(gain->getCurrentValue(), 33);
    EXPECT_EQ(treble->getCurrentValue(), 44);
    auto* display = dynamic_cast<RSReadOnlyTextEditor*>(gain->getValueDisplay());
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->getText(), "3.3");

    // A drag upwards on the knob.
    const auto centre = gain->getLocalBounds().getCentre().toFloat();
    gain->mouseDown(mouseOn(*gain, centre, centre));
    gain->mouseDrag(mouseOn(*gain, centre.translated(0, -40), centre));
    gain->mouseUp(mouseOn(*gain, centre.translated(0, -40), centre));
    const int value = gain->getCurrentValue();
    ASSERT_GT(value, 33);
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0], paramChange(idGain, value));
    EXPECT_EQ(amp->getParam(idGain), value);
    EXPECT_EQ(dc->getEditBuf()[19], value);
    EXPECT_EQ(display->getText(), juce::String(value / 10.0, 1));

    // The amplifier turns its treble knob: only the treble knob moves, and
    // nothing goes back.
    amp->clearRecords();
    amp->sendParamChange(3, 2, 71);
    ASSERT_TRUE(pumpUntil([treble] { return treble->getCurrentValue() == 71; }));
    pumpFor(150);
    EXPECT_EQ(gain->getCurrentValue(), value);
    EXPECT_EQ(amp->getNumReceived(), 0);
}

TEST_F(DWQEditorPage, TheZoneSwitchesSwitchTheEffectsAndTheirPicturesFollow)
{
    auto* mod = area()->getModPicture();
    auto* dly = area()->getDlyRevPicture();
    ASSERT_NE(mod, nullptr);
    ASSERT_NE(dly, nullptr);
    // Modulation off: its picture stands 45 pixels above its form place.
    EXPECT_EQ(mod->getY(), 81 - 45);
    EXPECT_EQ(dly->getY(), 81);
    EXPECT_EQ(section().GetParamI(Section::idModOn), 0);
    EXPECT_EQ(section().GetParamI(Section::idDlyRevOn), 1);

    auto* dlySwitch = widget<juce::Button>(Section::idDlyRevOn);
    ASSERT_NE(dlySwitch, nullptr);
    dlySwitch->triggerClick();
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0], paramChange(idDlyRevType, 0));
    EXPECT_EQ(dc->getEditBuf()[26], 0);
    EXPECT_FALSE(dlySwitch->getToggleState());
    EXPECT_TRUE(waitForPictureY(dly, 81 - 45));
    // The catalogue shows the delay/reverb pane.
    EXPECT_EQ(catalog()->getCurrentKind(), 2);

    // On again: the type the amplifier had is restored.
    amp->clearRecords();
    dlySwitch->triggerClick();
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0], paramChange(idDlyRevType, 2));
    EXPECT_TRUE(dlySwitch->getToggleState());
    EXPECT_TRUE(waitForPictureY(dly, 81));

    // With no type remembered, the modulation comes on with its first real
    // type, not with 0 (which would leave it off while shown on).
    amp->clearRecords();
    section().setStateByte(3, 0);
    auto* modSwitch = widget<juce::Button>(Section::idModOn);
    ASSERT_NE(modSwitch, nullptr);
    modSwitch->triggerClick();
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0], paramChange(idModType, 1));
    EXPECT_EQ(section().GetParamI(idModType), 1);
    EXPECT_EQ(section().GetParamI(Section::idModOn), 1);
    EXPECT_TRUE(waitForPictureY(mod, 81));
    EXPECT_EQ(mod->getType(), 1);
}

TEST_F(DWQEditorPage, DraggingAnEffectPictureUpOrDownSwitchesIt)
{
    auto* mod = area()->getModPicture();
    auto* dly = area()->getDlyRevPicture();
    ASSERT_NE(mod, nullptr);

    // Dropped between its top and its bottom line: nothing changes.
    area()->itemDragEnter(moduleDrag(2, 100));
    area()->itemDropped(moduleDrag(2, 100));
    ASSERT_TRUE(settleAt(0));
    EXPECT_EQ(dly->getY(), 81);

    // The delay/reverb picture dropped above itself: off, sent once.
    area()->itemDragEnter(moduleDrag(2, 60));
    area()->itemDropped(moduleDrag(2, 60));
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0], paramChange(idDlyRevType, 0));
    EXPECT_EQ(section().GetParamI(Section::idDlyRevOn), 0);
    EXPECT_TRUE(waitForPictureY(dly, 36));

    // The modulation picture (off) dropped below its bottom: on with its
    // remembered type.
    amp->clearRecords();
    const int remembered = section().GetParamI(Section::idLastModType);
    ASSERT_GT(remembered, 0);
    area()->itemDragEnter(moduleDrag(1, 200));
    area()->itemDropped(moduleDrag(1, 200));
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0], paramChange(idModType, remembered));
    EXPECT_TRUE(waitForPictureY(mod, 81));

    // A drop while the picture still slides changes nothing.
    amp->clearRecords();
    area()->itemDragEnter(moduleDrag(1, 20));
    area()->itemDropped(moduleDrag(1, 20));
    area()->itemDragEnter(moduleDrag(1, 200));
    area()->itemDropped(moduleDrag(1, 200));
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0], paramChange(idModType, 0));
    EXPECT_TRUE(waitForPictureY(mod, 36));
}

TEST_F(DWQEditorPage, APressOnAModulePictureShowsItsCataloguePaneAndNeverTheOverlay)
{
    auto* mod = area()->getModPicture();
    auto* amplifier = area()->getAmpPicture();
    ASSERT_NE(amplifier, nullptr);

    clickOn(*mod);
    ASSERT_TRUE(pumpUntil([this] { return catalog()->getCurrentKind() == 1 && catalog()->getPane(1)->isVisible(); }));
    EXPECT_FALSE(catalog()->getPane(0)->isVisible());
    EXPECT_EQ(area()->getSelectedModule(), 1);

    // Again on the selected module: only the previous module changes.
    clickOn(*mod);
    pumpFor(100);
    EXPECT_EQ(area()->getSelectedModule(), 1);
    EXPECT_EQ(area()->getPrevSelectedModule(), 1);
    EXPECT_FALSE(mainComponent()->isCatalogSelMiniShowing());

    clickOn(*amplifier);
    ASSERT_TRUE(pumpUntil([this] { return catalog()->getCurrentKind() == 0 && catalog()->getPane(0)->isVisible(); }));
    EXPECT_EQ(amp->getNumReceived(), 0);
}

TEST_F(DWQEditorPage, ACatalogueCellPicksItsTypeOnceAndFollowsTypeChangesFromElsewhere)
{
    auto* cat = catalog();
    ASSERT_NE(cat, nullptr);
    auto* ampPane = cat->getPane(0);
    auto* modPane = dynamic_cast<CDWQCatalogModPane*>(cat->getPane(1));
    ASSERT_NE(modPane, nullptr);
    EXPECT_EQ(ampPane->getNumColumns(), 11);
    EXPECT_EQ(ampPane->getCellWidth(), 196);
    EXPECT_EQ(modPane->getCellWidth(), 112);
    // The program's amp type is the current cell after the synchronisation.
    EXPECT_EQ(ampPane->getCurrentColumn(), 4);
    EXPECT_TRUE(ampPane->getCell(0, 4)->isSelected());

    // A click on BRIT 800 writes amp type 7 with the catalogue as source.
    auto* cell = ampPane->getCell(0, 7);
    clickOn(*cell);
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0], paramChange(idAmpType, 7));
    EXPECT_TRUE(cell->isSelected());
    EXPECT_FALSE(ampPane->getCell(0, 4)->isSelected());
    ASSERT_TRUE(pumpUntil([this] { return area()->getAmpPicture()->getType() == 7; }));

    // Clicking the selected current cell again writes nothing; a double
    // click on it neither.
    clickOn(*cell);
    ampPane->mouseDoubleClickedByOtherComponent(cell, 0, 7);
    ASSERT_TRUE(settleAt(1));

    // The amplifier switches to DOUBLE REC: the cell follows and the strip
    // scrolls towards it.
    amp->clearRecords();
    amp->sendParamChange(3, 0, 10);
    ASSERT_TRUE(pumpUntil([ampPane] { return ampPane->getCell(0, 10)->isSelected(); }));
    EXPECT_EQ(ampPane->getCurrentColumn(), 10);
    EXPECT_GT(cat->getViewport(0)->getViewPositionX(), 0);
    EXPECT_EQ(amp->getNumReceived(), 0);

    // Modulation: a key step to the right writes the next column's type
    // (column + 1, since type 0 is off).
    clickOn(*modPane->getCell(0, 1));
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0], paramChange(idModType, 2));
    amp->clearRecords();
    EXPECT_TRUE(modPane->rightKeyPressed());
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0], paramChange(idModType, 3));
    ASSERT_TRUE(pumpUntil([modPane] { return modPane->getCell(0, 2)->isSelected(); }));

    // Switching the modulation off keeps its cell highlighted; on again
    // highlights the restored type.
    amp->clearRecords();
    auto* modSwitch = widget<juce::Button>(Section::idModOn);
    modSwitch->triggerClick();
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0], paramChange(idModType, 0));
    pumpFor(100);
    EXPECT_TRUE(modPane->getCell(0, 2)->isSelected());
    modSwitch->triggerClick();
    ASSERT_TRUE(pumpUntil([this] { return section().GetParamI(idModType) == 3; }));
    EXPECT_TRUE(modPane->getCell(0, 2)->isSelected());
}

TEST_F(DWQEditorPage, EventsNamingNoPaneOrNoCellChangeNothing)
{
    auto* cat = catalog();
    auto* modPane = dynamic_cast<CDWQCatalogModPane*>(cat->getPane(1));
    const int kind = cat->getCurrentKind();
    const bool paneShown = cat->getPane(kind)->isVisible();
    // Module indexes the strip has no pane for.
    for (int module : { -1, 3, 99 })
    {
        MyMessage select(new MyMessageRecord { MessageId::CatalogSelect, 1, module });
        cat->handleMessageSub(select);
    }
    EXPECT_EQ(cat->getCurrentKind(), kind);
    EXPECT_EQ(cat->getPane(kind)->isVisible(), paneShown);

    // The modulation is off (type 0, which no cell carries): its pane keeps
    // the last type's cell, whether told by an event or a re-read.
    ASSERT_EQ(section().GetParamI(idModType), 0);
    const int column = modPane->getCurrentColumn();
    ASSERT_TRUE(modPane->getCell(0, column)->isSelected());
    MyMessage typeChange(new MyMessageRecord { MessageId::SectionValueChanged, 1, idModType, 2 });
    cat->handleMessageSub(typeChange);
    modPane->reinitialized();
    modPane->SetInitSelectedModel(0);
    EXPECT_EQ(modPane->getCurrentColumn(), column);
    EXPECT_TRUE(modPane->getCell(0, column)->isSelected());
    EXPECT_EQ(amp->getNumReceived(), 0);
}

TEST_F(DWQEditorPage, AnEditDuringAnyTransferIsStoredButNotSent)
{
    auto* midi = host->getMidiManager();
    auto* gain = widget<RSKnob>(idGain);
    for (int which = 0; which < 2; ++which)
    {
        midi->setBulkReceive(which == 0);
        midi->setBulkTransmit(which == 1);
        gain->setValue(50 + which, juce::sendNotificationSync);
        EXPECT_EQ(dc->getEditBuf()[19], 50 + which);
        clickOn(*catalog()->getPane(0)->getCell(0, which + 1));
        EXPECT_EQ(dc->getEditBuf()[18], which + 1);
    }
    midi->setBulkReceive(false);
    midi->setBulkTransmit(false);
    ASSERT_TRUE(settleAt(0));
}

TEST_F(DWQEditorPage, ThePageStandsWhereTheFormTableAndTheLayoutPutIt)
{
    auto* page = editor();
    // A 1280 x 800 window: the editor page is 768 wide.
    EXPECT_EQ(view()->getEditorPage()->getBounds(), juce::Rectangle<int>(256, 0, 768, 560));
    EXPECT_EQ(page->getCatalog()->getBounds(), juce::Rectangle<int>(5, 43, 758, 221));
    EXPECT_EQ(page->getEditParam()->getBounds(), juce::Rectangle<int>(0, 238, 768, 348));
    EXPECT_EQ(page->getWriteButton()->getX(), 362);
    EXPECT_EQ(page->getHelpButton()->getX(), 408);
    EXPECT_EQ(page->getMenuButton()->getBounds(), juce::Rectangle<int>(722, 6, 28, 25));
    EXPECT_EQ(page->getNameEdit()->getBounds(), juce::Rectangle<int>(0, 0, 346, 38));

    // Every item of the form layer is a child at its form rectangle with its
    // parameter id (pictures at their zone's place), and every knob has its
    // display and caption.
    const auto* layer = UIFormManager::GetInstance()->GetLayerFormInfoById(1047);
    ASSERT_NE(layer, nullptr);
    ASSERT_EQ(area()->getNumChildComponents(), layer->childCount);
    for (int i = 0; i < layer->childCount; ++i)
    {
        const auto& item = layer->children[i];
        auto* child = area()->getChildComponent(i);
        SCOPED_TRACE(item.className + juce::String(" ") + item.text);
        EXPECT_EQ((int) child->getProperties()["PARAMID"], item.paramId);
        EXPECT_EQ((int) child->getProperties()["ID"], item.id);
        if (item.id != 1034)
            EXPECT_EQ(child->getBounds(), juce::Rectangle<int>(item.x, item.y, item.width, item.height));
        // Every knob has its value display; the NR and VOLUME captions carry
        // other texts than their knobs and stay as the form wrote them.
        if (auto* knob = dynamic_cast<RSKnob*>(child))
            EXPECT_NE(knob->getValueDisplay(), nullptr);
    }
    EXPECT_EQ(area()->getModPicture()->m_OffBounds, area()->getModPicture()->m_OnBounds.translated(0, -45));

    saveScreenshot(*view(), "dwq_editor_page");
    saveScreenshot(*catalog(), "dwq_catalogue_amp");
}

TEST_F(DWQEditorPage, TheSmallCatalogueFollowsTheProgramAsTheStripDoes)
{
    auto* main = mainComponent();
    main->showCatalogSelMini();
    ASSERT_TRUE(main->isCatalogSelMiniShowing());
    auto* mini = dynamic_cast<DWQCatalogComponent*>(main->getCatalogSelMini());
    ASSERT_NE(mini, nullptr);
    EXPECT_TRUE(mini->getPane(0)->getCell(0, 4)->isSelected());

    amp->sendParamChange(3, 0, 9);
    ASSERT_TRUE(pumpUntil([mini] { return mini->getPane(0)->getCell(0, 9)->isSelected(); }));
    EXPECT_TRUE(catalog()->getPane(0)->getCell(0, 9)->isSelected());
    EXPECT_TRUE(mini->getPane(0)->isVisible());
    EXPECT_TRUE(mini->getViewport(0)->isVisible());
    EXPECT_FALSE(mini->getPane(1)->isVisible());
    // A pick in the small strip is one edit.
    clickOn(*mini->getPane(0)->getCell(0, 6));
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0], paramChange(idAmpType, 6));
    saveScreenshot(*main, "dwq_small_catalogue");
    main->hideCatalogSelMini();
}

// A click on the marked cell writes only when the program holds a byte that
// is none of the pane's types. With the modulation off (the list's OFF) and
// CHORUS marked, nothing is written. A program received with bytes outside
// the lists (amp 75, modulation 83) keeps its bytes and reads as the first
// entry everywhere: DELUXE CL, the modulation OFF with its zone off. The
// marked cells then send their type once, and a second click nothing.
TEST_F(DWQEditorPage, AClickOnTheMarkedCellWritesOnlyWhenTheProgramHoldsNoneOfTheTypes)
{
    auto* cat = catalog();
    auto* ampPane = cat->getPane(0);
    auto* modPane = cat->getPane(1);
    ASSERT_EQ(dc->getEditBuf()[23], 0);
    const int modColumn = modPane->getCurrentColumn();
    auto* modCell = modPane->getCell(0, modColumn);
    ASSERT_TRUE(modCell->isSelected());
    clickOn(*modCell);
    modPane->mouseDoubleClickedByOtherComponent(modCell, 0, modColumn);
    EXPECT_TRUE(settleAt(0)) << testing::PrintToString(received());
    EXPECT_EQ(section().GetParamI(Section::idModOn), 0);

    auto record = startProgram();
    record[18] = 75;
    record[23] = 83;
    amp->send(SimulatedAmplifier::makeFrame(amp->getModelByte(), 0x40, {}, record));
    ASSERT_TRUE(pumpUntil([this] { return dc->getEditBuf()[23] == 83; }));
    ASSERT_TRUE(pumpUntil([ampPane] { return ampPane->getCell(0, 0)->isSelected(); }));
    pumpFor(300);
    EXPECT_EQ(dc->getEditBuf()[18], 75);
    EXPECT_EQ(section().GetParamI(idAmpType), 0);
    EXPECT_EQ(section().GetParamI(idModType), 0);
    EXPECT_EQ(section().GetParamI(Section::idModOn), 0);
    EXPECT_FALSE(widget<juce::Button>(Section::idModOn)->getToggleState());
    EXPECT_EQ(area()->getAmpPicture()->getType(), 0);
    EXPECT_EQ(ampPane->getCurrentColumn(), 0);
    EXPECT_TRUE(modPane->getCell(0, modColumn)->isSelected());
    saveScreenshot(*mainComponent(), "dwq_type_bytes_outside_the_lists");

    clickOn(*ampPane->getCell(0, 0));
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0], paramChange(idAmpType, 0));
    clickOn(*modCell);
    ASSERT_TRUE(settleAt(2));
    EXPECT_EQ(received()[1], paramChange(idModType, modColumn + 1));
    clickOn(*ampPane->getCell(0, 0));
    clickOn(*modCell);
    EXPECT_TRUE(settleAt(2));
}
