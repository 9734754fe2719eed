// The Orva PW editor page end to end against the simulated amplifier: built
// from the form tables, every gesture on a real widget gives its bytes at the
// amplifier once, every change from the amplifier moves its widget.
#include "Action/MidiManager.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Catalog/COPWCatalogBasePane.h"
#include "GUI/Catalog/OPWCatalogComponent.h"
#include "GUI/Catalog/RSCatalogCell.h"
#include "GUI/Editor/CEditorLibrarianComponent.h"
#include "GUI/Editor/EditTarget.h"
#include "GUI/Editor/PGNameBoxComponent.h"
#include "GUI/Editor/ParamPageSupport.h"
#include "GUI/Orva/OPWEditParamComponent.h"
#include "GUI/Orva/OPWEditorComponent.h"
#include "GUI/Orva/OPWPGNameEditComponent.h"
#include "GUI/Orva/OPWValueParamBaseComponent.h"
#include "GUI/Shell/EditorLibrarianViewFactory.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "GUI/Widgets/MIDIIndicator.h"
#include "GUI/Widgets/RSComboBox.h"
#include "GUI/Widgets/RSImageButton.h"
#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSLabel.h"
#include "GUI/Widgets/RSReadOnlyTextEditor.h"
#include "OrvaPW/OPWDataCenter.h"
#include "OrvaPW/OrvaPWTypeNames.h"
#include "ParamTable/COrvaUserEditSectionBase.h"
#include "UIForm/UIFormIds.h"
#include "UIForm/UIFormManager.h"
#include "UIForm/UI_FORM_Utils.h"
#include "support/BootedHostFixture.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

using namespace testing_support;

namespace
{
juce::Component* findByParamId(juce::Component& root, int paramId, int kind = -1)
{
    for (auto* child : root.getChildren())
    {
        const int pid = child->getProperties().getWithDefault(UIFormProperty::ParamId, -1);
        const int id = child->getProperties().getWithDefault(UIFormProperty::Id, -1);
        if (pid == paramId && (kind == -1 || id == kind))
            return child;
        if (auto* found = findByParamId(*child, paramId, kind))
            return found;
    }
    return nullptr;
}

juce::MouseEvent mouseAt(juce::Component& c, juce::Point<float> pos)
{
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent(juce::Desktop::getInstance().getMainMouseSource(), pos, juce::ModifierKeys::leftButtonModifier, 1.0f,
                            0.0f, 0.0f, 0.0f, 0.0f, &c, &c, now, pos, now, 1, false);
}

struct OrvaPWPage : BootedHostFixture
{
    // Shows the window, connects the amplifier and synchronises.
    void start(int model = 3)
    {
        amp = std::make_unique<SimulatedAmplifier>(ports, model);
        host = Host::createInstance();
        host->getMasterGuiController()->showMainWindow();
        host->setBootFlag(true);
        host->getMasterConnectionManager()->scanDevices(true);
        ASSERT_TRUE(pumpUntil([this] { return ! host->isBooting(); }, testing_support::patienceMs));
        ASSERT_TRUE(pumpUntil([this] { return currentDataCenter() != nullptr && currentDataCenter()->isConnected(); },
                              testing_support::patienceMs));
        pumpFor(50);
        host->getActionManager()->stopTimer(ActionManager::eREQID_DELAYED_SYNCRONIZE);
        auto* midi = host->getMidiManager();
        ASSERT_TRUE(pumpUntil([midi] { return ! midi->isSyncRunning(); }, testing_support::patienceMs));
        ASSERT_TRUE(synchronise(*amp, [this] { return log.contains("ActionManager::handleMessage(17)"); }));
        ASSERT_TRUE(settleRefreshes());
        main = host->getMasterGuiManager()->getMainWindow()->getMainComponent();
        ASSERT_NE(main->getView(), nullptr);
        page = dynamic_cast<OPWEditorComponent*>(main->getView()->getEditorComponent());
        ASSERT_NE(page, nullptr);
        area = dynamic_cast<OPWEditParamComponent*>(page->getEditParam());
        catalog = dynamic_cast<OPWCatalogComponent*>(page->getCatalog());
        ASSERT_NE(area, nullptr);
        ASSERT_NE(catalog, nullptr);
        section = EditTarget::orvaEditSection();
        ASSERT_NE(section, nullptr);
    }

    // The messages the amplifier received since the last call, as function
    // byte and arguments.
    std::vector<std::vector<int>> takeReceived()
    {
        pumpFor(30);
        auto out = requestsOf(*amp);
        amp->clearRecords();
        return out;
    }

    template <typename T>
    T* widget(int paramId, int kind = -1)
    {
        return dynamic_cast<T*>(findByParamId(*area, paramId, kind));
    }

    std::unique_ptr<SimulatedAmplifier> amp;
    MainComponent* main = nullptr;
    OPWEditorComponent* page = nullptr;
    OPWEditParamComponent* area = nullptr;
    OPWCatalogComponent* catalog = nullptr;
    COrvaUserEditSectionBase* section = nullptr;
};

std::vector<int> paramChange(int id, int value)
{
    return { 0x41, (id >> 8) & 0x7F, id & 0x7F, value & 0x7F, (value >> 7) & 0x7F };
}
} // namespace

TEST_F(OrvaPWPage, IsBuiltFromTheFormTables)
{
    start();
    // The page: name strip, catalogue strip, parameter area, header.
    const int w = page->getWidth();
    EXPECT_EQ(w, 768);
    EXPECT_EQ(page->getNameEdit()->getBounds(), juce::Rectangle<int>(0, 0, 540, 36));
    EXPECT_EQ(catalog->getBounds(), juce::Rectangle<int>(12, 48, w - 24, (w * 190) / 755 + 19));
    EXPECT_EQ(area->getBounds(), juce::Rectangle<int>(0, 228, 768, 348));
    EXPECT_EQ(page->getMenuButton()->getBounds(), juce::Rectangle<int>(w - 46, 6, 28, 25));
    EXPECT_EQ(page->getHelpButton()->getX(), w - 46 - 50);
    EXPECT_EQ(page->getMIDIIndicator()->getRight(), page->getHelpButton()->getX() - 10);

    // Every item of every layer lands with its parameter id at its form
    // bounds (the value pages' controls at their slots, checked below).
    auto* forms = UIFormManager::GetInstance();
    const std::pair<int, juce::Component*> layers[] = {
        { UIFormLayerId::EditParam, area },
        { UIFormLayerId::AmpParam, area->getValuePage(0) },
        { UIFormLayerId::Pedal1Param, area->getValuePage(1) },
        { UIFormLayerId::Pedal2Param, area->getValuePage(2) },
    };
    for (const auto& [layerId, parent] : layers)
    {
        const auto* layer = forms->GetLayerFormInfoById(layerId);
        ASSERT_NE(layer, nullptr);
        int made = 0;
        for (int i = 0; i < layer->childCount; ++i)
        {
            const auto& item = layer->children[i];
            std::unique_ptr<juce::Component> probe(UI_FORM_Utils::CreateControl(nullptr, item));
            if (probe == nullptr)
                continue;
            ++made;
            const auto text = probe->getProperties()[UIFormProperty::Text].toString();
            bool found = false;
            for (auto* child : parent->getChildren())
            {
                const auto& p = child->getProperties();
                if ((int) p[UIFormProperty::ParamId] == item.paramId && (int) p[UIFormProperty::Id] == item.id
                    && p[UIFormProperty::Text].toString() == text && (int) p[UIFormProperty::X] == item.x
                    && (int) p[UIFormProperty::Y] == item.y && (int) p[UIFormProperty::Width] == item.width
                    && (int) p[UIFormProperty::Height] == item.height)
                    found = true;
            }
            EXPECT_TRUE(found) << "layer " << layerId << " item " << i << " " << item.className;
        }
        EXPECT_GT(made, 0);
    }

    // The pictures: pedals on at their form bounds, off 45 pixels higher.
    for (auto* pedal : { area->getPedal1Picture(), area->getPedal2Picture() })
    {
        ASSERT_NE(pedal, nullptr);
        const int x = pedal->getProperties()["X"], y = pedal->getProperties()["Y"];
        EXPECT_EQ(pedal->m_OnBounds.getPosition(), juce::Point<int>(x, y));
        EXPECT_EQ(pedal->m_OffBounds.getPosition(), juce::Point<int>(x, y - 45));
    }
    ASSERT_NE(area->getAmpPicture(), nullptr);
    EXPECT_EQ(area->getAmpPicture()->getType(), section->GetParamI(0x300));

    // The value pages sit under the pictures, one shown at a time.
    for (int m = 0; m < 3; ++m)
        EXPECT_EQ(area->getValuePage(m)->getBounds(), juce::Rectangle<int>(0, 197, 768, 143));
}

TEST_F(OrvaPWPage, EveryGestureGivesItsBytesAtTheAmplifierOnce)
{
    start();
    takeReceived();

    // A knob.
    auto* gain = widget<RSKnob>(0x400);
    ASSERT_NE(gain, nullptr);
    const int newGain = gain->getCurrentValue() == 33 ? 34 : 33;
    gain->setValue(newGain, juce::sendNotificationSync);
    EXPECT_EQ(takeReceived(), (std::vector<std::vector<int>> { paramChange(0x400, newGain) }));
    EXPECT_EQ(section->GetParamI(0x400), newGain);

    // A knob switch (the six-position knob of the amp page).
    auto* resonance = widget<RSKnob>(0x406);
    ASSERT_NE(resonance, nullptr);
    const int newResonance = section->GetParamI(0x406) == 2 ? 3 : 2;
    resonance->setValue(newResonance, juce::sendNotificationSync);
    EXPECT_EQ(takeReceived(), (std::vector<std::vector<int>> { paramChange(0x406, newResonance) }));

    // The value display under a knob turns it with the wheel.
    auto* volume = widget<RSKnob>(0x404);
    ASSERT_NE(volume, nullptr);
    auto* display = dynamic_cast<RSReadOnlyTextEditor*>(volume->getValueDisplay());
    ASSERT_NE(display, nullptr);
    const int before = section->GetParamI(0x404);
    juce::MouseWheelDetails wheel {};
    wheel.deltaY = before < 50 ? 0.5f : -0.5f;
    const auto now = juce::Time::getCurrentTime();
    const juce::MouseEvent wheelEvent(juce::Desktop::getInstance().getMainMouseSource(), { 5.0f, 5.0f }, juce::ModifierKeys(),
                                      0.0f, 0.0f, 0.0f, 0.0f, 0.0f, display, display, now, { 5.0f, 5.0f }, now, 0, false);
    display->mouseWheelMove(wheelEvent, wheel);
    const int after = section->GetParamI(0x404);
    EXPECT_NE(after, before);
    EXPECT_EQ(takeReceived(), (std::vector<std::vector<int>> { paramChange(0x404, after) }));
    EXPECT_EQ(display->getText(), juce::String(section->GetParamS(0x404)));

    // The pedal-1 on/off switch: one change, the picture slides, no echo.
    auto* pedalSwitch = widget<juce::Button>(0x201, UIFormControlKind::OnOffSwitch);
    ASSERT_NE(pedalSwitch, nullptr);
    const int wasOn = section->GetParamI(0x201);
    pedalSwitch->triggerClick();
    auto sent = takeReceived();
    EXPECT_EQ(sent, (std::vector<std::vector<int>> { paramChange(0x201, wasOn ? 0 : 1) }));
    EXPECT_EQ(pedalSwitch->getToggleState(), wasOn == 0);
    EXPECT_TRUE(pumpUntil([&] { return ! area->getAnimator().isAnimating(); }));
    auto* pedal1 = area->getPedal1Picture();
    EXPECT_EQ(pedal1->getY(), wasOn ? pedal1->m_OffBounds.getY() : pedal1->m_OnBounds.getY());
    EXPECT_EQ(area->getSelectedModule(), 1);

    // A press on another module's picture selects it in the catalogue and
    // sends nothing.
    auto* pedal2 = area->getPedal2Picture();
    area->mouseDownByOtherComponent(pedal2);
    pumpFor(30);
    EXPECT_EQ(catalog->getCurrentKind(), 2);
    EXPECT_TRUE(catalog->getPane(2)->isVisible());
    EXPECT_TRUE(area->getValuePage(2)->isVisible());
    EXPECT_TRUE(takeReceived().empty());

    // A catalogue cell: the amp type, once; the picture follows.
    area->mouseDownByOtherComponent(area->getAmpPicture());
    pumpFor(30);
    auto* ampPane = dynamic_cast<COPWCatalogBasePane*>(catalog->getPane(0));
    const int newType = section->GetParamI(0x300) == 5 ? 6 : 5;
    auto* cell = dynamic_cast<RSCatalogCell*>(ampPane->getCell(0, newType));
    ASSERT_NE(cell, nullptr);
    cell->mouseDown(mouseAt(*cell, { 40.0f, 40.0f }));
    cell->mouseUp(mouseAt(*cell, { 40.0f, 40.0f }));
    EXPECT_EQ(takeReceived(),
              (std::vector<std::vector<int>> { paramChange(0x300, orvaPW::getAmpTypeValue((orvaPW::eAmpType) newType)) }));
    EXPECT_EQ(area->getAmpPicture()->getType(), newType);
    EXPECT_TRUE(ampPane->getCell(0, newType)->isSelected());
    // The same cell again writes nothing.
    cell->mouseDown(mouseAt(*cell, { 40.0f, 40.0f }));
    cell->mouseUp(mouseAt(*cell, { 40.0f, 40.0f }));
    EXPECT_TRUE(takeReceived().empty());
    // The right key steps to the next type.
    ampPane->grabKeyboardFocus();
    if (newType + 1 < ampPane->getNumColumns())
    {
        EXPECT_TRUE(ampPane->keyPressed(juce::KeyPress(juce::KeyPress::rightKey)) || ! ampPane->hasKeyboardFocus(true));
        if (ampPane->hasKeyboardFocus(true))
        {
            EXPECT_EQ(takeReceived(), (std::vector<std::vector<int>> {
                                          paramChange(0x300, orvaPW::getAmpTypeValue((orvaPW::eAmpType)(newType + 1))) }));
        }
    }
    takeReceived();

    // The name: Return stores and sends the edit buffer once, each byte of a
    // letter beyond ASCII as a blank; a focus loss discards what was typed.
    auto* box = page->getNameEdit()->getNameBox();
    box->setText(juce::String(juce::CharPointer_UTF8("B\xc3\xa4sse ~1")), true);
    page->getNameEdit()->textEditorReturnKeyPressed(*box);
    sent = takeReceived();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0][0], 0x40);
    const auto received = amp->getEditBuffer();
    ASSERT_GE(received.size(), 16u);
    EXPECT_EQ(std::string(received.begin(), received.begin() + 16), "B  sse ~1       ");
    EXPECT_EQ(EditTarget::dataCenter()->getCurProgName(), "B  sse ~1");
    box->setText("Typed only", true);
    page->getNameEdit()->textEditorFocusLost(*box);
    EXPECT_EQ(box->getText(), "B  sse ~1");
    EXPECT_TRUE(takeReceived().empty());
}

TEST_F(OrvaPWPage, AChangeFromTheAmplifierMovesExactlyItsWidget)
{
    start();
    auto* middle = widget<RSKnob>(0x402);
    auto* bass = widget<RSKnob>(0x403);
    ASSERT_NE(middle, nullptr);
    ASSERT_NE(bass, nullptr);
    const int bassBefore = bass->getCurrentValue();
    takeReceived();

    // Select pedal 2 first, so that the change also shows the amp page.
    area->mouseDownByOtherComponent(area->getPedal2Picture());
    pumpFor(30);
    const int value = middle->getCurrentValue() == 77 ? 78 : 77;
    amp->sendParamChange(0x04, 0x02, value);
    ASSERT_TRUE(pumpUntil([&] { return middle->getCurrentValue() == value; }));
    pumpFor(30);
    EXPECT_EQ(bass->getCurrentValue(), bassBefore);
    EXPECT_TRUE(area->getValuePage(0)->isVisible());
    EXPECT_FALSE(area->getValuePage(2)->isVisible());
    EXPECT_EQ(area->getSelectedModule(), 0);
    EXPECT_TRUE(takeReceived().empty()); // no echo

    // The pedal-2 switch follows the amplifier, and its picture slides.
    const int on = section->GetParamI(0x202);
    amp->sendParamChange(0x02, 0x02, on ? 0 : 1);
    ASSERT_TRUE(pumpUntil([&] { return section->GetParamI(0x202) == (on ? 0 : 1); }));
    auto* pedalSwitch = widget<juce::Button>(0x202, UIFormControlKind::OnOffSwitch);
    ASSERT_TRUE(pumpUntil([&] { return pedalSwitch->getToggleState() == (on == 0); }));
    auto* pedal2 = area->getPedal2Picture();
    ASSERT_TRUE(pumpUntil([&] { return ! area->getAnimator().isAnimating(pedal2); }));
    EXPECT_EQ(pedal2->getY(), on ? pedal2->m_OffBounds.getY() : pedal2->m_OnBounds.getY());
    EXPECT_TRUE(takeReceived().empty());
}

TEST_F(OrvaPWPage, ATypeChangeRebuildsTheValuePageWithItsRowsAndRanges)
{
    start();
    // Pedal 1 becomes COMP: SENS, ATTACK, LEVEL and VOICE at slots 16-19,
    // the fifth and sixth values hidden.
    section->PutParamIEx(0x301, orvaPW::FX1_COMP, PutFlags::normalEdit, CHGSRC_CONTROL);
    pumpFor(80);
    auto* page1 = area->getValuePage(1);
    EXPECT_TRUE(page1->isVisible());
    const juce::Point<int> positions[] = { { 212, 26 }, { 278, 26 }, { 344, 26 }, { 410, 26 } };
    for (int k = 0; k < 4; ++k)
    {
        auto* knob = widget<RSKnob>(0x500 + k);
        ASSERT_NE(knob, nullptr);
        SParamDesc desc {};
        ASSERT_TRUE(section->GetParamDesc(0x500 + k, &desc));
        EXPECT_EQ(knob->getPosition(), positions[k]) << k;
        EXPECT_TRUE(knob->isVisible());
        EXPECT_EQ(knob->getRSKnobMax(), desc.maxValue);
        EXPECT_EQ(knob->getRSKnobMin(), desc.minValue);
        auto* name = dynamic_cast<juce::Label*>(knob->getNameLabel());
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->getText(), juce::String::fromUTF8(desc.name));
    }
    EXPECT_FALSE(widget<RSKnob>(0x504)->isVisible());
    EXPECT_FALSE(widget<RSKnob>(0x505)->isVisible());
    // The title and the on/off switch keep their form bounds.
    EXPECT_EQ(widget<juce::Component>(0x201, UIFormControlKind::OnOffSwitch)->getBounds(), juce::Rectangle<int>(24, 40, 48, 48));

    // The amp page with CLASSIC BRIGHT: GAIN at slot 2.
    section->PutParamIEx(0x300, 0, PutFlags::normalEdit, CHGSRC_CONTROL);
    pumpFor(80);
    auto* gain = widget<RSKnob>(0x400);
    EXPECT_EQ(gain->getBounds(), juce::Rectangle<int>(189, 26, 70, 70));
    EXPECT_EQ(gain->getNameLabel()->getPosition(), juce::Point<int>(201, 10));
    EXPECT_EQ(gain->getValueDisplay()->getPosition(), juce::Point<int>(204, 92));
    EXPECT_FALSE(widget<RSKnob>(0x405)->isVisible());
}

TEST_F(OrvaPWPage, ASynchronisationRefreshesEveryWidget)
{
    start();
    // Our copy drifts away from the amplifier's (stored and announced, not
    // sent); a synchronisation reads the amplifier's program back.
    const auto amplifierRecord = amp->getEditBuffer();
    for (int k = 0; k < 5; ++k)
        section->PutParamIEx(0x400 + k, 90, PutFlags::announce, CHGSRC_CONTROL);
    pumpFor(50);
    ASSERT_EQ(widget<RSKnob>(0x400)->getCurrentValue(), 90);

    ASSERT_TRUE(synchronise(*amp, [this] { return log.contains("ActionManager::handleMessage(17)"); }));
    pumpFor(80);
    EXPECT_EQ(bytes(EditTarget::dataCenter()->getEditBuf(), 62), amp->getEditBuffer());
    int refreshed = 0;
    for (int id = 0x400; id <= 0x406; ++id)
    {
        auto* knob = widget<RSKnob>(id);
        ASSERT_NE(knob, nullptr);
        EXPECT_EQ(knob->getCurrentValue(), section->GetParamI(id)) << std::hex << id;
        refreshed += knob->getCurrentValue() != 90 ? 1 : 0;
        auto* display = dynamic_cast<juce::Label*>(knob->getValueDisplay());
        if (display != nullptr && display->isVisible())
        {
            EXPECT_EQ(display->getText(), ParamPageSupport::formatValue(*section, id, section->GetParamI(id))) << std::hex << id;
        }
    }
    EXPECT_GT(refreshed, 0);
    for (int id = 0x500; id <= 0x505; ++id)
        if (auto* knob = widget<RSKnob>(id); knob != nullptr && knob->isVisible())
        {
            EXPECT_EQ(knob->getCurrentValue(), section->GetParamI(id)) << std::hex << id;
        }
    EXPECT_EQ(area->getAmpPicture()->getType(), section->GetParamI(0x300));
    EXPECT_EQ(area->getPedal1Picture()->getType(), section->GetParamI(0x301));
    EXPECT_EQ(area->getPedal2Picture()->getType(), section->GetParamI(0x302));
    juce::ignoreUnused(amplifierRecord);
}

TEST_F(OrvaPWPage, AnEditDuringATransferIsStoredButNotSent)
{
    start();
    takeReceived();
    auto* midi = host->getMidiManager();
    auto* gain = widget<RSKnob>(0x400);
    ASSERT_NE(gain, nullptr);
    int value = gain->getCurrentValue();
    for (int flag = 0; flag < 3; ++flag)
    {
        midi->setBulkReceive(flag == 0);
        midi->setBulkTransmit(flag == 1);
        midi->setAudioEQBulkReceive(flag == 2);
        value = value == 20 ? 21 : 20;
        gain->setValue(value, juce::sendNotificationSync);
        EXPECT_EQ(section->GetParamI(0x400), value);
        EXPECT_TRUE(takeReceived().empty()) << "flag " << flag;
    }
    // A catalogue click too.
    auto* ampPane = dynamic_cast<COPWCatalogBasePane*>(catalog->getPane(0));
    const int type = section->GetParamI(0x300) == 3 ? 4 : 3;
    auto* cell = dynamic_cast<RSCatalogCell*>(ampPane->getCell(0, type));
    cell->mouseDown(mouseAt(*cell, { 40.0f, 40.0f }));
    cell->mouseUp(mouseAt(*cell, { 40.0f, 40.0f }));
    EXPECT_EQ(section->GetParamI(0x300), type);
    EXPECT_TRUE(takeReceived().empty());
    midi->setAudioEQBulkReceive(false);
    gain->setValue(value + 1, juce::sendNotificationSync);
    EXPECT_EQ(takeReceived(), (std::vector<std::vector<int>> { paramChange(0x400, value + 1) }));
}

TEST_F(OrvaPWPage, GuardsAgainstMissingRowsAndOutOfRangeEvents)
{
    start();
    takeReceived();
    auto route = [&](int id, int a, int b = 0) {
        auto* message = MyMessage::create(id, a, b);
        host->getMasterGuiController()->handleMessage(*message);
        delete message;
    };
    // Module selections outside 0..2, unknown parameters.
    const int shown = area->getShownPage();
    route(MessageId::CatalogSelect, 3);
    route(MessageId::CatalogSelect, -1);
    route(MessageId::SectionValueChanged, 0x7777, 0);
    route(MessageId::SectionRangeChanged, 0x7777, 0);
    EXPECT_EQ(area->getShownPage(), shown);

    // A combo box with nothing selected writes nothing.
    auto* combo = new RSComboBox("probe");
    combo->getProperties().set(UIFormProperty::ParamId, 0x300);
    area->addChildComponent(combo);
    combo->addItem("x", 1);
    combo->setSelectedId(0, juce::dontSendNotification);
    area->comboBoxChanged(combo);
    // A knob whose row is missing writes nothing.
    auto* stray = new RSKnob("knob_L_orvapw", RSKnob::CurveLinear, RSKnob::FocusDrawNone, juce::Colours::white);
    stray->getProperties().set(UIFormProperty::ParamId, 0x4FF);
    area->addChildComponent(stray);
    stray->setRange(0, 100, 1);
    area->sliderValueChanged(stray);
    EXPECT_TRUE(takeReceived().empty());

    // Without a data centre, nothing is dereferenced and nothing sent.
    host->getMidiManager()->setBulkReceive(false);
    OPWEditorComponent orphan(768, 573);
    orphan.initialize();
    auto* message = MyMessage::create(MessageId::SectionValueChanged, 0x400, 2);
    orphan.getEditParam()->handleMessageSub(*message);
    orphan.getCatalog()->handleMessageSub(*message);
    delete message;
}

TEST_F(OrvaPWPage, SwitchingModelsLeavesNoDanglingListener)
{
    start();
    auto* manager = host->getMasterGuiManager();
    for (int round = 0; round < 6; ++round)
    {
        // The DWQR's view, over the Orva PW's data centre: it writes nothing.
        manager->changeTargetModel(0);
        ASSERT_NE(main->getView(), nullptr);
        EXPECT_FALSE(main->getView()->isOrvaView());
        amp->sendParamChange(0x04, 0x00, 10 + round);
        pumpFor(20);
        manager->changeTargetModel(3);
        manager->changeTargetModel(5);
        ASSERT_NE(main->getView(), nullptr);
        host->getMidiManager()->sendChangeMessage();
        amp->sendParamChange(0x04, 0x01, 10 + round);
        pumpFor(20);
        manager->showCatalogSelMini();
        amp->sendParamChange(0x03, 0x00, 0);
        pumpFor(20);
        manager->hideCatalogSelMini();
    }
    manager->changeTargetModel(3);
    pumpFor(50);
}

TEST_F(OrvaPWPage, Screenshots)
{
    start();
    auto* content = host->getMasterGuiManager()->getMainWindow()->getContentComponent();
    for (int module = 0; module < 3; ++module)
    {
        area->mouseDownByOtherComponent(module == 0 ? area->getAmpPicture()
                                                    : (module == 1 ? area->getPedal1Picture() : area->getPedal2Picture()));
        pumpFor(80);
        ASSERT_EQ(area->getShownPage(), module);
        ASSERT_TRUE(area->getValuePage(module)->isVisible());
        ASSERT_TRUE(catalog->getPane(module)->isVisible());
        const char* names[] = { "orvapw_editor_amp", "orvapw_editor_pedal1", "orvapw_editor_pedal2" };
        saveScreenshot(*content, names[module]);
        const char* panes[] = { "orvapw_catalog_amp", "orvapw_catalog_pedal1", "orvapw_catalog_pedal2" };
        saveScreenshot(*catalog, panes[module]);
    }
    host->getMasterGuiManager()->showCatalogSelMini();
    section->FireOnCatalogSelect(0);
    pumpFor(80);
    auto* mini = dynamic_cast<OPWCatalogComponent*>(host->getMasterGuiManager()->getCatalogSelMini());
    ASSERT_NE(mini, nullptr);
    EXPECT_EQ(mini->getWidth(), page->getWidth());
    EXPECT_EQ(mini->getBounds().getBottomRight(), main->getLocalBounds().getBottomRight());
    saveScreenshot(*content, "orvapw_catalog_small");
}

namespace
{
double processCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return (double) usage.ru_utime.tv_sec + (double) usage.ru_stime.tv_sec
           + ((double) usage.ru_utime.tv_usec + (double) usage.ru_stime.tv_usec) / 1e6;
}

long residentKilobytes()
{
    juce::StringArray lines;
    juce::File("/proc/self/status").readLines(lines);
    for (auto& line : lines)
        if (line.startsWith("VmRSS:"))
            return line.fromFirstOccurrenceOf(":", false, false).trim().getLargeIntValue();
    return -1;
}

void printFigures(const char* what, std::vector<double> samples, const char* unit)
{
    std::sort(samples.begin(), samples.end());
    std::printf("%s: median %.3f %s, worst %.3f %s over %d\n", what, samples[samples.size() / 2], unit, samples.back(), unit,
                (int) samples.size());
}
} // namespace

// Figures for the closing note (run on a Release build):
// --gtest_also_run_disabled_tests --gtest_filter=*BenchmarkEditorPage*
TEST_F(OrvaPWPage, DISABLED_BenchmarkEditorPage)
{
    start();
    std::printf("resident memory with the Orva PW view shown: %ld kB\n", residentKilobytes());

    // Building the whole view, as the main component does.
    std::vector<double> builds;
    for (int run = 0; run < 50; ++run)
    {
        const auto begin = juce::Time::getMillisecondCounterHiRes();
        std::unique_ptr<CEditorLibrarianComponent> view(EditorLibrarianViewFactory::createView(3));
        view->initialise();
        main->addChildComponent(view.get());
        view->setBounds(main->getLocalBounds());
        view->setVisible(true);
        builds.push_back(juce::Time::getMillisecondCounterHiRes() - begin);
        main->removeChildComponent(view.get());
    }
    printFigures("Orva PW view build", builds, "ms");

    // A knob gesture to its bytes at the port.
    auto* gain = widget<RSKnob>(0x400);
    ASSERT_NE(gain, nullptr);
    std::vector<double> gestures;
    for (int run = 0; run < 200; ++run)
    {
        amp->clearRecords();
        const auto begin = juce::Time::getMillisecondCounterHiRes();
        gain->setValue(run % 2 == 0 ? 40 : 41, juce::sendNotificationSync);
        while (amp->getNumReceived() == 0 && juce::Time::getMillisecondCounterHiRes() - begin < 1000.0)
        {}
        gestures.push_back(juce::Time::getMillisecondCounterHiRes() - begin);
    }
    printFigures("knob gesture to bytes at the port", gestures, "ms");

    // Idle with the editor shown.
    pumpFor(500);
    const double cpuBefore = processCpuSeconds();
    pumpFor(10000);
    std::printf("idle CPU over 10 s: %.2f %%\n", (processCpuSeconds() - cpuBefore) / 10.0 * 100.0);

    // The same without a view, for comparison (what the test's own loop and
    // the application's other timers cost).
    host->getMasterGuiManager()->changeTargetModel(0);
    pumpFor(500);
    const double bareBefore = processCpuSeconds();
    pumpFor(10000);
    std::printf("idle CPU over 10 s without a view: %.2f %%\n", (processCpuSeconds() - bareBefore) / 10.0 * 100.0);
}
