// The HMQ editor page end to end against the simulated HMQ: every gesture on
// a real widget reaches the amplifier as exactly one parameter change; every
// change from the amplifier moves exactly its widget; a synchronisation
// refreshes every widget; during a transfer edits are stored, not sent.
#include "Application/StateHolder.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Catalog/CHMQCatalogBasePane.h"
#include "GUI/Editor/AmpFXModelModuleDragItem.h"
#include "GUI/Editor/PGNameBoxComponent.h"
#include "GUI/HMQ/HMQFormWiring.h"
#include "GUI/HMQ/HMQPGNameEditComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Widgets/RSImageButton.h"
#include "GUI/Widgets/RSKnobSwitch.h"
#include "GUI/Widgets/RSReadOnlyTextEditor.h"
#include "GUI/Widgets/RSToggleSwitch.h"
#include "ParamTable/CSectionEventPoster.h"
#include "ParamTable/HMQ/CHMQUserEditSectionImpl.h"
#include "support/HMQEditorTestSupport.h"
#include "support/PeerMouse.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
using Changes = std::vector<std::pair<int, int>>;

struct HMQEditorPage : BootedHostFixture
{
    // The real binary's road: the main window is up when the HMQ connects,
    // so the view switch builds the HMQ view and the GUI router feeds it.
    void SetUp() override
    {
        amp = std::make_unique<SimulatedAmplifier>(ports, 1);
        // The amplifier plays a known program (amp type 0, GAIN 40),
        // whichever road it takes into the editor.
        auto record = amp->getEditBuffer();
        record[18] = 0;
        record[19] = 40;
        amp->setEditBuffer(record);
        dc = bootWithWindow();
        ASSERT_NE(dc, nullptr);
        ASSERT_NE(view(), nullptr);
        pumpFor(100);
        dc->UpdateEditBuf(record.data());
        view()->changeListenerCallback(host->getMidiManager());
        // The amp is selected as after a connection.
        section().FireOnCatalogSelect(0);
        ASSERT_TRUE(pumpUntil([this] { return knob(0x400)->getCurrentValue() == 40 && area()->getCurrentValuePage() == 0; }));
        pumpFor(20);
        ASSERT_TRUE(settle());
        amp->clearRecords();
    }

    // As boot(), with the main window shown before the scan.
    HMQDataCenter* bootWithWindow()
    {
        host = Host::createInstance();
        host->getMasterGuiController()->showMainWindow();
        host->setBootFlag(true);
        host->getMasterConnectionManager()->scanDevices(true);
        EXPECT_TRUE(pumpUntil([this] { return ! host->isBooting(); }, testing_support::patienceMs));
        EXPECT_TRUE(pumpUntil([this] { return currentDataCenter() != nullptr && currentDataCenter()->isConnected(); },
                              testing_support::patienceMs));
        pumpFor(50);
        host->getActionManager()->stopTimer(ActionManager::eREQID_DELAYED_SYNCRONIZE);
        auto* midi = host->getMidiManager();
        EXPECT_TRUE(pumpUntil([midi] { return ! midi->isSyncRunning(); }, testing_support::patienceMs));
        return dynamic_cast<HMQDataCenter*>(currentDataCenter());
    }

    CHMQEditorLibrarianComponent* view() const
    {
        auto* window = host->getMasterGuiController()->getMainWindow();
        auto* main = window != nullptr ? window->getMainComponent() : nullptr;
        return main != nullptr ? dynamic_cast<CHMQEditorLibrarianComponent*>(main->getView()) : nullptr;
    }
    HMQEditorComponent* editor() const { return view()->getEditorPage(); }
    HMQEditParamComponent* area() const { return dynamic_cast<HMQEditParamComponent*>(editor()->getEditParam()); }
    HMQCatalogComponent* catalog() const { return dynamic_cast<HMQCatalogComponent*>(editor()->getCatalog()); }
    HMQ::CHMQUserEditSectionImpl& section() const { return dc->getUserEditSection(); }

    RSKnob* knob(int id) const { return findWidget<RSKnob>(*area(), id); }
    juce::String displayOf(int id) const
    {
        auto* display = dynamic_cast<juce::Label*>(knob(id)->getValueDisplay());
        return display != nullptr ? display->getText() : juce::String("(none)");
    }

    // Waits until the amplifier has the changes, a little longer and until
    // nothing is on its way, so that a second, unwanted message would be
    // seen too.
    Changes changesAfter(size_t expected)
    {
        pumpUntil([&] { return paramChangesOf(*amp).size() >= expected; });
        pumpFor(60);
        EXPECT_TRUE(settle());
        return paramChangesOf(*amp);
    }

    std::unique_ptr<SimulatedAmplifier> amp;
    HMQDataCenter* dc = nullptr;
};
} // namespace

TEST_F(HMQEditorPage, EachWidgetKindSendsItsBytesOnce)
{
    // Knob: a drag of a quarter of the throw turns GAIN by 25.
    auto* gainKnob = knob(0x400);
    ASSERT_NE(gainKnob, nullptr);
    ASSERT_EQ(gainKnob->getCurrentValue(), 40);
    // A mouse drag of 75 pixels up turns it by 30 (250 pixels the whole range).
    PeerMouse mouse;
    const auto middle = gainKnob->getLocalBounds().getCentre();
    mouse.dragFromTo(*gainKnob, middle, *gainKnob, middle.translated(0, -75), 1);
    const int turned = 70;
    EXPECT_EQ(changesAfter(1), (Changes { { 0x400, turned } }));
    EXPECT_EQ(section().GetParamI(0x400), turned);
    EXPECT_EQ(displayOf(0x400), juce::String(section().GetParamS(0x400)));

    // Knob switch: a click on BIAS steps it; the editor-side mirror follows
    // and is never sent.
    amp->clearRecords();
    auto* bias = dynamic_cast<RSKnobSwitch*>(knob(0x40A));
    ASSERT_NE(bias, nullptr);
    const int biasWas = section().GetParamI(0x40A);
    clickOn(*bias, { 20.0f, 10.0f });
    const auto biasChanges = changesAfter(1);
    ASSERT_EQ(biasChanges.size(), 1u);
    EXPECT_EQ(biasChanges[0].first, 0x40A);
    EXPECT_NE(biasChanges[0].second, biasWas);
    EXPECT_EQ(section().GetParamI((int) 0x8000001E), biasChanges[0].second);
    EXPECT_EQ(displayOf(0x40A), juce::String(section().GetParamS(0x40A)));

    // On/off switch of the pedal-1 page: one write, the picture heads for
    // its raised place, pedal 1 becomes the module in focus.
    amp->clearRecords();
    auto* pedal1Switch = findWidget<RSToggleSwitch>(*area(), 0x201);
    ASSERT_NE(pedal1Switch, nullptr);
    const int pedal1On = section().GetParamI(0x201);
    clickOn(*pedal1Switch);
    EXPECT_EQ(changesAfter(1), (Changes { { 0x201, pedal1On == 0 ? 1 : 0 } }));
    auto* pedal1Picture = area()->getModulePicture(1);
    ASSERT_NE(pedal1Picture, nullptr);
    const auto expectedPlace = pedal1On == 0 ? pedal1Picture->m_OnBounds : pedal1Picture->m_OffBounds;
    EXPECT_TRUE(pumpUntil([&] { return pedal1Picture->getY() == expectedPlace.getY(); }));
    EXPECT_EQ(area()->getSelectedModule(), 1);
    EXPECT_TRUE(area()->getValuePage(1)->isVisible());
    EXPECT_EQ(catalog()->getCurrentKind(), 1);

    // Picture press: selects its module, sends nothing.
    amp->clearRecords();
    auto* reverbPicture = area()->getModulePicture(2);
    ASSERT_NE(reverbPicture, nullptr);
    clickOn(*reverbPicture, { 30.0f, 30.0f });
    EXPECT_TRUE(pumpUntil([&] { return area()->getCurrentValuePage() == 2; }));
    EXPECT_TRUE(area()->getValuePage(2)->isVisible());
    EXPECT_FALSE(area()->getValuePage(1)->isVisible());
    EXPECT_EQ(catalog()->getCurrentKind(), 2);
    EXPECT_EQ(changesAfter(0), Changes {});

    // Catalogue cell: a click on the amp pane's sixth cell picks BOUTIQUE OD.
    section().FireOnCatalogSelect(0);
    pumpFor(20);
    auto* ampPane = dynamic_cast<CHMQCatalogBasePane*>(catalog()->getPane(0));
    auto* cell = ampPane->getCell(0, 5);
    clickOn(*cell, { 50.0f, 50.0f });
    EXPECT_EQ(changesAfter(1), (Changes { { 0x300, 5 } }));
    EXPECT_TRUE(pumpUntil([&] { return area()->getModulePicture(0)->getType() == 5; }));
    EXPECT_TRUE(cell->isSelected());
    // A second click on the marked cell writes nothing.
    clickOn(*cell, { 50.0f, 50.0f });
    EXPECT_EQ(changesAfter(1).size(), 1u);
    pumpFor(600);
    saveScreenshot(*editor(), "hmq_editor_connected");

    // In the main window: the view covers it, the editor page stands right
    // of the librarian column, the header row shows the window's top bar.
    auto* main = host->getMasterGuiController()->getMainWindow()->getMainComponent();
    EXPECT_EQ(view()->getBounds(), main->getBounds());
    EXPECT_EQ(editor()->getBounds(), juce::Rectangle<int>(256, 0, 768, 560));
    EXPECT_EQ(MainComponent::m_TargetModelId, 1);
    saveScreenshot(*main, "hmq_main_window");
}

TEST_F(HMQEditorPage, AChangeFromTheAmplifierMovesExactlyItsWidget)
{
    std::vector<RSKnob*> knobs;
    collectWidgets(*area(), knobs);
    ASSERT_EQ(knobs.size(), 30u);
    std::map<RSKnob*, int> before;
    for (auto* k : knobs)
        before[k] = k->getCurrentValue();

    const int treble = section().GetParamI(0x401) == 77 ? 23 : 77;
    amp->sendParamChange(0x04, 0x01, treble);
    ASSERT_TRUE(pumpUntil([&] { return knob(0x401)->getCurrentValue() == treble; }));
    pumpFor(60);
    for (auto* k : knobs)
        if (k != knob(0x401))
            EXPECT_EQ(k->getCurrentValue(), before[k]) << std::hex << (int) k->getProperties()["PARAMID"];
    EXPECT_EQ(displayOf(0x401), juce::String(section().GetParamS(0x401)));
    // Nothing goes back to the amplifier.
    EXPECT_EQ(paramChangesOf(*amp), Changes {});

    // A type change from the amplifier turns its picture and its pane.
    amp->sendParamChange(0x03, 0x02, 4);
    ASSERT_TRUE(pumpUntil([&] { return area()->getModulePicture(3)->getType() == 4; }));
    EXPECT_EQ(catalog()->getCurrentKind(), 3);
    auto* pedal2Pane = dynamic_cast<CHMQCatalogBasePane*>(catalog()->getPane(3));
    EXPECT_TRUE(pedal2Pane->getCell(0, 4)->isSelected());
    EXPECT_TRUE(area()->getValuePage(3)->isVisible());
    // A knob of that page changed afterwards keeps its page in front.
    amp->sendParamChange(0x06, 0x01, 33);
    ASSERT_TRUE(pumpUntil([&] { return knob(0x601)->getCurrentValue() == 33; }));
    EXPECT_TRUE(area()->getValuePage(3)->isVisible());
    EXPECT_FALSE(area()->getValuePage(0)->isVisible());
    pumpFor(60);
    EXPECT_EQ(paramChangesOf(*amp), Changes {});
}

TEST_F(HMQEditorPage, ASynchronisationRefreshesEveryWidget)
{
    // A factory program unlike the one being edited, as the amplifier's
    // current program.
    const auto current = bytes(dc->getEditBuf(), 62);
    int preset = 0;
    while (preset < 59 && (bytes(dc->getROMProgPtr(preset), 62) == current || dc->getROMProgPtr(preset)[18] == current[18]))
        ++preset;
    const auto record = bytes(dc->getROMProgPtr(preset), 62);
    amp->setEditBuffer(record);
    ASSERT_TRUE(synchronise(*amp, [this] { return log.contains("ActionManager::handleMessage(11)"); }));
    // The end of the transfer tells the view through the MIDI manager.
    ASSERT_TRUE(pumpUntil([&] {
        return knob(0x400)->getCurrentValue() == section().GetParamI(0x400)
               && area()->getModulePicture(0)->getType() == (int) record[18];
    }));
    pumpFor(100);

    std::vector<RSKnob*> knobs;
    collectWidgets(*area(), knobs);
    for (auto* k : knobs)
    {
        const int id = k->getProperties()["PARAMID"];
        EXPECT_EQ(k->getCurrentValue(), section().GetParamI(id)) << std::hex << id;
        if (auto* display = dynamic_cast<juce::Label*>(k->getValueDisplay()))
            EXPECT_EQ(display->getText(), juce::String(section().GetParamS(id))) << std::hex << id;
    }
    for (int module = 0; module < HMQEditParamComponent::numModules; ++module)
    {
        auto* picture = area()->getModulePicture(module);
        EXPECT_EQ(picture->getType(), section().GetParamI(picture->getProperties()["PARAMID"]));
    }
    for (int id : { 0x201, 0x202, 0x204 })
        EXPECT_EQ(findWidget<RSToggleSwitch>(*area(), id)->getToggleState(), section().GetParamI(id) != 0);
    EXPECT_EQ(area()->getModulePicture(0)->getType(), (int) record[18]);
    auto* ampPane = dynamic_cast<CHMQCatalogBasePane*>(catalog()->getPane(0));
    EXPECT_EQ(ampPane->getCurrentColumn(), (int) record[18]);
    EXPECT_TRUE(ampPane->getCell(0, record[18])->isSelected());
    EXPECT_EQ(editor()->getNameEdit()->getNameBox()->getText(), dc->getCurProgName());
}

TEST_F(HMQEditorPage, AnEditDuringAnyTransferIsStoredNotSent)
{
    auto* midi = host->getMidiManager();
    auto* gainKnob = knob(0x400);
    auto* pedal2Switch = findWidget<RSToggleSwitch>(*area(), 0x202);
    auto* reverbPane = dynamic_cast<CHMQCatalogBasePane*>(catalog()->getPane(2));
    for (int transfer = 0; transfer < 3; ++transfer)
    {
        midi->setBulkReceive(transfer == 0);
        midi->setBulkTransmit(transfer == 1);
        midi->setCustomBulkReceive(transfer == 2);
        section().FireOnCatalogSelect(0);
        pumpFor(20);
        const int gain = section().GetParamI(0x400);
        dragVertically(*gainKnob, gain > 50 ? 25.0f : -25.0f);
        EXPECT_NE(section().GetParamI(0x400), gain);
        section().FireOnCatalogSelect(3);
        pumpFor(20);
        const int pedal2 = section().GetParamI(0x202);
        clickOn(*pedal2Switch);
        EXPECT_NE(section().GetParamI(0x202), pedal2);
        section().FireOnCatalogSelect(2);
        pumpFor(20);
        const int reverb = section().GetParamI(0x304);
        clickOn(*reverbPane->getCell(0, (reverb + 1) % 4), { 50.0f, 50.0f });
        EXPECT_EQ(section().GetParamI(0x304), (reverb + 1) % 4);
        pumpFor(60);
        EXPECT_EQ(paramChangesOf(*amp), Changes {}) << "transfer " << transfer;
    }
    midi->setBulkReceive(false);
    midi->setBulkTransmit(false);
    midi->setCustomBulkReceive(false);
    // Afterwards edits are sent again.
    section().FireOnCatalogSelect(0);
    pumpFor(20);
    dragVertically(*gainKnob, 5.0f);
    EXPECT_EQ(changesAfter(1).size(), 1u);
}

TEST_F(HMQEditorPage, ModulePicturesSwitchTheirModulesByDragAndDrop)
{
    // Every section event is seen here on its way to the GUI router.
    struct Tap : juce::MessageListener
    {
        std::vector<MyMessageRecord> events;
        void handleMessage(const juce::Message& m) override
        {
            if (auto* my = dynamic_cast<const MyMessage*>(&m); my != nullptr && my->getRecord() != nullptr)
                events.push_back(*my->getRecord());
            Host::getInstance()->getMasterGuiController()->handleMessage(m);
        }
    } tap;
    CSectionEventPoster::setTargetOverride(&tap);
    struct Restore
    {
        ~Restore() { CSectionEventPoster::setTargetOverride(nullptr); }
    } restore;

    section().PutParamIEx(516, 1, PutFlags::announce, CHGSRC_DEVICE);
    section().PutParamIEx(514, 1, PutFlags::announce, CHGSRC_DEVICE);
    auto* reverb = area()->getModulePicture(2);
    auto* pedal2 = area()->getModulePicture(3);
    const auto standsOn = [&](RSImageButton* p) {
        return p->getY() == p->m_OnBounds.getY() && ! area()->getAnimator().isAnimating(p);
    };
    ASSERT_TRUE(pumpUntil([&] { return standsOn(reverb) && standsOn(pedal2); }));
    ASSERT_TRUE(settle());
    amp->clearRecords();

    const auto moduleDrag = [&](int module, juce::Point<int> at) {
        const AmpFXModelModuleDragItem item(AmpFXModelModuleDragID, module);
        return juce::DragAndDropTarget::SourceDetails(item, area()->getModulePicture(module), at);
    };
    // Dragged with the mouse and dropped above itself while on: the reverb
    // goes off and up.
    const int x = reverb->getX() + 40;
    PeerMouse mouse;
    mouse.dragFromTo(*reverb, { 40, 60 }, *area(), { x, 50 }, 6);
    pumpFor(50);
    EXPECT_EQ(changesAfter(1), (Changes { { 516, 0 } }));
    ASSERT_TRUE(
        pumpUntil([&] { return reverb->getY() == reverb->m_OffBounds.getY() && ! area()->getAnimator().isAnimating(reverb); }));

    // Dropped below its raised place: on again.
    const int below = reverb->getBottom() + 5;
    area()->itemDragEnter(moduleDrag(2, { x, below }));
    area()->itemDropped(moduleDrag(2, { x, below }));
    EXPECT_EQ(changesAfter(2), (Changes { { 516, 0 }, { 516, 1 } }));
    ASSERT_TRUE(
        pumpUntil([&] { return reverb->getY() == reverb->m_OnBounds.getY() && ! area()->getAnimator().isAnimating(reverb); }));

    // Pedal 2 dragged below its bottom asks for its custom tab on every
    // move (kind 2, open) and a drop there closes the ask (open false);
    // nothing goes to the amplifier.
    ASSERT_TRUE(settle());
    ASSERT_TRUE(standsOn(pedal2));
    amp->clearRecords();
    tap.events.clear();
    const juce::Point<int> under(pedal2->getX() + 30, pedal2->m_OnBounds.getBottom() + 20);
    area()->itemDragEnter(moduleDrag(3, under));
    area()->itemDragMove(moduleDrag(3, under));
    area()->itemDragMove(moduleDrag(3, under.translated(2, 0)));
    area()->itemDropped(moduleDrag(3, under));
    const auto asks = [&] {
        std::vector<std::pair<int, int>> out;
        for (const auto& e : tap.events)
            if (e.id == MessageId::CustomTabOpen)
                out.push_back({ e.a, e.b });
        return out;
    };
    pumpUntil([&] { return asks().size() >= 3; });
    ASSERT_TRUE(settle());
    EXPECT_EQ(asks(), (std::vector<std::pair<int, int>> { { 2, 1 }, { 2, 1 }, { 2, 0 } }));
    EXPECT_EQ(paramChangesOf(*amp), Changes {});
}

TEST_F(HMQEditorPage, TheNameStripCommitsOnceAndLabelsTheSlot)
{
    auto* strip = editor()->getNameEdit();
    auto* box = strip->getNameBox();
    box->setText("NEW\tNAME", false);
    strip->textEditorReturnKeyPressed(*box);
    ASSERT_TRUE(amp->waitForReceived(1));
    pumpFor(60);
    const auto requests = requestsOf(*amp);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0][0], 0x40);
    EXPECT_EQ(dc->getCurProgName().trimEnd(), "NEW NAME");

    host->getStateHolder()->currentProgram = 64;
    view()->changeListenerCallback(host->getMidiManager());
    EXPECT_EQ(strip->getProgramLabel()->getText(), "USER B-1");
    dc->PutMode(2);
    view()->changeListenerCallback(host->getMidiManager());
    EXPECT_EQ(strip->getProgramLabel()->getText(), "");
    EXPECT_EQ(box->getText().trimEnd(), "NEW NAME");
}
