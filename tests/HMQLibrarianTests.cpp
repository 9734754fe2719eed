// The HMQ working screen against a simulated HMQ, through the real widgets
// and the write question: preset banks, user programs, program-file slots
// and the editor's program as drag sources and targets, what the amplifier
// receives byte by byte and what the data centre holds; the lower panel and
// the custom pages as the router drives them; the file commands through the
// real tabs; the slide of the tab panel; screenshots of the whole screen.
#include "Action/FileCommandPrompts.h"
#include "Application/StateHolder.h"
#include "GUI/Catalog/CJVCatalogBasePane.h"
#include "GUI/Catalog/CJVCatalogCell.h"
#include "GUI/Catalog/CatalogComponent.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/PGNameBoxComponent.h"
#include "GUI/Editor/PGNameEditComponent.h"
#include "GUI/Editor/ProgramDataDragItem.h"
#include "GUI/Editor/ProgramNameText.h"
#include "GUI/Editor/WriteConfirmation.h"
#include "GUI/HMQ/CHMQEditorLibrarianComponent.h"
#include "GUI/HMQ/HMQCustomAmpComponent.h"
#include "GUI/HMQ/HMQCustomAmpSectionComponent.h"
#include "GUI/HMQ/HMQCustomBaseSubTab.h"
#include "GUI/HMQ/HMQCustomFXComponent.h"
#include "GUI/HMQ/HMQEditParamComponent.h"
#include "GUI/HMQ/HMQEditorComponent.h"
#include "GUI/HMQ/HMQFileProgButton.h"
#include "GUI/HMQ/HMQGuiSupport.h"
#include "GUI/HMQ/HMQLibFileComponent.h"
#include "GUI/HMQ/HMQLibFileSubTab.h"
#include "GUI/HMQ/HMQLibROMBankComponent.h"
#include "GUI/HMQ/HMQLibROMBankSubTab.h"
#include "GUI/HMQ/HMQLibROMSubTab.h"
#include "GUI/HMQ/HMQPresetProgButton.h"
#include "GUI/HMQ/HMQProgSelectButton.h"
#include "GUI/HMQ/HMQTabbedComponent.h"
#include "GUI/HMQ/HMQUserButtonContainerComponent.h"
#include "GUI/HMQ/HMQUserProgButton.h"
#include "GUI/HMQ/HMQUserSubTab.h"
#include "GUI/HMQ/RSHMQAmpImage.h"
#include "GUI/HMQ/RSHMQAmpImageButton.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Widgets/FontLibrary.h"
#include "GUI/Widgets/RSCloseButton.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "HMQ/HMQDataCenter.h"
#include "ParamTable/CSectionEventPoster.h"
#include "support/FileTabTestSupport.h"
#include "support/LibrarianTestSupport.h"
#include "support/PeerMouse.h"
#include "support/TabTextCheck.h"

#include <tuple>

using Bytes = SimulatedAmplifier::Bytes;
using testing_support::bytes;
using testing_support::pumpFor;
using testing_support::pumpUntil;
using testing_support::pumpUntilPostedHandled;
using testing_support::saveScreenshot;

namespace
{
using SourceDetails = juce::DragAndDropTarget::SourceDetails;

SourceDetails drag(const juce::String& id, int value, juce::Component* source = nullptr)
{
    return SourceDetails(ProgramDataDragItem(id, value), source, {});
}

juce::MouseEvent pressOn(juce::Component& c)
{
    const juce::Point<float> pos(3.0f, 3.0f);
    return juce::MouseEvent(juce::Desktop::getInstance().getMainMouseSource(), pos, juce::ModifierKeys::leftButtonModifier, 1.0f,
                            0.0f, 0.0f, 0.0f, 0.0f, &c, &c, juce::Time::getCurrentTime(), pos, juce::Time::getCurrentTime(), 1,
                            false);
}

// A click as the mouse gives it: press and release on the button.
void click(juce::Component& c)
{
    c.mouseDown(pressOn(c));
    c.mouseUp(pressOn(c));
}

struct HMQScreen : testing_support::LibrarianFixture
{
    // Boots with the main window, so that the connection builds the HMQ
    // screen, and reads everything from the amplifier.
    HMQDataCenter* bootHMQScreen(SimulatedAmplifier& amp)
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
        auto* dc = dynamic_cast<HMQDataCenter*>(currentDataCenter());
        if (dc == nullptr)
            return nullptr;
        EXPECT_TRUE(synchronise(amp, [this] { return log.contains("ActionManager::handleMessage(11)"); }));
        EXPECT_TRUE(settleRefreshes());
        amp.clearRecords();
        return dc;
    }

    // A program file whose programs are named AAAA.., BBBB.. and so on.
    juce::File makeFile(const juce::String& name) const
    {
        const auto& format = *ProgramFile::forModel(1);
        juce::MemoryBlock data((size_t) (ProgramFile::headerSize + 11 * format.recordSize), true);
        auto* b = static_cast<unsigned char*>(data.getData());
        std::memcpy(b, format.tag, ProgramFile::tagSize);
        for (int i = 0; i < 11; ++i)
            std::memset(b + ProgramFile::headerSize + i * format.recordSize, 'A' + i, 16);
        auto file = folder.getChildFile(name);
        file.replaceWithData(data.getData(), data.getSize());
        return file;
    }

    void closeTab(int index) const
    {
        auto* tab = view()->getTabPanel()->getTabbedButtonBar().getTabButton(index);
        ASSERT_NE(tab, nullptr) << index;
        auto* close = dynamic_cast<RSCloseButton*>(tab->getExtraComponent());
        ASSERT_NE(close, nullptr);
        view()->buttonClicked(close);
    }

    // A new, blank program file in the next tab.
    void newFile()
    {
        ASSERT_TRUE(host->getActionManager()->executeNewFile(1));
        host->getActionManager()->afterNewFileUI(1);
    }

    CHMQEditorLibrarianComponent* view() const
    {
        auto* window = host->getMasterGuiController()->getMainWindow();
        auto* main = window != nullptr ? window->getMainComponent() : nullptr;
        return main != nullptr ? dynamic_cast<CHMQEditorLibrarianComponent*>(main->getView()) : nullptr;
    }

    HMQLibROMBankComponent* bank(int b) const { return view()->getPresetTab()->getBankTab(b)->getBankPage(); }
    HMQUserButtonContainerComponent* users() const
    {
        return dynamic_cast<HMQUserButtonContainerComponent*>(view()->getUserButtonContainer());
    }
    HMQUserProgButton* user(int k) const { return dynamic_cast<HMQUserProgButton*>(users()->getUserButtonComponent(k)); }
    HMQLibFileComponent* filePage(int tabIndex) const
    {
        auto* tab = dynamic_cast<HMQLibFileSubTab*>(view()->getTabPanel()->getTabContentComponent(tabIndex));
        return tab != nullptr ? tab->getFilePage() : nullptr;
    }

    // What the amplifier received, once `n` messages arrived.
    std::vector<juce::MidiMessage> receivedAfter(SimulatedAmplifier& amp, int n)
    {
        amp.waitForReceived(n, testing_support::patienceMs);
        pumpFor(40);
        return amp.getReceived();
    }

    static std::vector<int> frame(int function, const Bytes& args, const Bytes& data = {})
    {
        return testing_support::bytesOf(SimulatedAmplifier::makeFrame(0x34, function, args, data));
    }

    static std::vector<std::vector<int>> framesOf(const std::vector<juce::MidiMessage>& messages)
    {
        std::vector<std::vector<int>> out;
        for (const auto& m : messages)
            out.push_back(testing_support::bytesOf(m));
        return out;
    }
};
} // namespace

TEST_F(HMQScreen, ScreenLayoutPresetBanksAndUserClicks)
{
    SimulatedAmplifier amp(ports, 1);
    amp.setMode(SimulatedAmplifier::modeUser, 5);
    auto* dc = bootHMQScreen(amp);
    ASSERT_NE(dc, nullptr);
    auto* v = view();
    ASSERT_NE(v, nullptr);

    // 1024 x 768: the column 256 wide, tab bar 32 deep, the lower panel below the editor.
    EXPECT_EQ(v->getHomeRect(), juce::Rectangle<int>(0, 36, 256, 732));
    EXPECT_EQ(v->getContentRect(), juce::Rectangle<int>(0, 32, 256, 700));
    EXPECT_EQ(v->getLowerPanel()->getBounds(), juce::Rectangle<int>(256, 560, 768, 208));
    EXPECT_EQ(v->getOpenButton()->getBounds(), juce::Rectangle<int>(10, 7, 25, 25));
    EXPECT_EQ(v->getSaveButton()->getBounds(), juce::Rectangle<int>(50, 7, 25, 25));
    EXPECT_EQ(v->getNewFileButton()->getParentComponent(), v->getTabPanel());
    EXPECT_EQ(v->getTabTitle(0), "PRESET");
    EXPECT_EQ(v->getNumTabs(), 1); // no file open
    // The user grid of the 742 x 208 "PROGRAM" page.
    EXPECT_EQ(user(0)->getBounds(), juce::Rectangle<int>(30, 40, 166, 76));
    EXPECT_EQ(user(3)->getBounds(), juce::Rectangle<int>(543, 40, 166, 76));
    EXPECT_EQ(user(4)->getBounds(), juce::Rectangle<int>(30, 121, 166, 76));
    // Presets: two columns of ten.
    EXPECT_EQ(bank(0)->getButton(10)->getBounds().getTopLeft(), juce::Point<int>(2 + bank(0)->getButton(0)->getWidth(), 2));

    // At start the amplifier's program (user 5, B2) is the one lit.
    ASSERT_EQ(DataCenter::iCurProgNo, 65);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(user(k)->getToggleState(), k == 5) << k;
    for (int b = 0; b < 3; ++b)
        for (int k = 0; k < 20; ++k)
            EXPECT_FALSE(bank(b)->getButton(k)->getToggleState());

    // A preset click in each bank: one mode change, the preset in the editor.
    for (int p : { 3, 25, 47 })
    {
        amp.clearRecords();
        auto* tab = v->getPresetTab();
        tab->getTabs()->setCurrentTabIndex(p / 20);
        auto* button = bank(p / 20)->getButton(p % 20);
        click(*button);
        const auto got = receivedAfter(amp, 1);
        ASSERT_EQ(got.size(), 1u) << p;
        EXPECT_EQ(testing_support::bytesOf(got[0]), frame(0x4E, { 0x01, (juce::uint8) p })) << p;
        EXPECT_EQ(amp.getMode(), SimulatedAmplifier::modePreset);
        EXPECT_EQ(amp.getProgram(), p);
        EXPECT_EQ(bytes(dc->getEditBuf(), 62), bytes(dc->getROMProgPtr(p), 62));
        EXPECT_EQ(DataCenter::iCurProgNo, p);
        EXPECT_EQ(host->getStateHolder()->currentProgram, p);
        EXPECT_EQ(dc->GetMode(), 0);
        EXPECT_TRUE(button->getToggleState());
        EXPECT_EQ(tab->getTabs()->getCurrentTabIndex(), p / 20);
        for (int k = 0; k < 8; ++k)
            EXPECT_FALSE(user(k)->getToggleState());
    }

    // Preset 25 brings "PRESET B" to the front on the refresh.
    click(*bank(1)->getButton(5));
    v->getPresetTab()->getTabs()->setCurrentTabIndex(0);
    v->changeListenerCallback(nullptr);
    EXPECT_EQ(v->getPresetTab()->getTabs()->getCurrentTabIndex(), 1);

    // A user click: one mode change to user program 2; the presets go dark.
    amp.clearRecords();
    click(*user(2));
    auto got = receivedAfter(amp, 1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(testing_support::bytesOf(got[0]), frame(0x4E, { 0x00, 0x02 }));
    EXPECT_EQ(amp.getMode(), SimulatedAmplifier::modeUser);
    EXPECT_EQ(amp.getProgram(), 2);
    EXPECT_EQ(bytes(dc->getEditBuf(), 62), bytes(dc->getRAMProgPtr(2), 62));
    EXPECT_EQ(DataCenter::iUserDestProg, 62);
    pumpFor(50);
    for (int k = 0; k < 20; ++k)
        EXPECT_FALSE(bank(1)->getButton(k)->getToggleState());
    EXPECT_EQ(v->getPresetTab()->getTabs()->getCurrentTabIndex(), 1);
    EXPECT_TRUE(user(2)->getToggleState());

    // Presets take no drop; user and file slots refuse themselves and numbers past 100.
    EXPECT_FALSE(bank(0)->getButton(0)->isInterestedInDragSource(drag(CurrentProgramDataDragID, -1)));
    EXPECT_TRUE(user(0)->isInterestedInDragSource(drag(CurrentProgramDataDragID, -1)));
    EXPECT_TRUE(user(0)->isInterestedInDragSource(drag(ProgramDataDragID, 100)));
    EXPECT_FALSE(user(0)->isInterestedInDragSource(drag(ProgramDataDragID, 101)));
    EXPECT_FALSE(user(0)->isInterestedInDragSource(drag(ProgramDataDragID, 60, user(0))));
    EXPECT_TRUE(user(0)->isInterestedInDragSource(drag(ProgramDataDragID, 61, user(1))));
}

TEST_F(HMQScreen, DropsOnUserSlotsAskWriteSendAndSelect)
{
    SimulatedAmplifier amp(ports, 1);
    auto* dc = bootHMQScreen(amp);
    ASSERT_NE(dc, nullptr);
    ASSERT_NE(view(), nullptr);
    newFile();
    amp.clearRecords();

    // Cancel: nothing written or sent.
    const auto before = bytes(dc->getRAMProgPtr(0), 62);
    answers.push_back({ false, true });
    user(0)->itemDropped(drag(ProgramDataDragID, 7, bank(0)->getButton(7)));
    EXPECT_EQ(questions, juce::StringArray("Write to HM's User Program ?|Always pop-up and confirm when writing program|on"));
    EXPECT_EQ(bytes(dc->getRAMProgPtr(0), 62), before);
    EXPECT_TRUE(receivedAfter(amp, 0).empty());

    // Preset 7 onto A1: the record, one program dump of user 0, then A1 selected.
    const auto preset7 = bytes(dc->getROMProgPtr(7), 62);
    answers.push_back({ true, true });
    user(0)->itemDropped(drag(ProgramDataDragID, 7, bank(0)->getButton(7)));
    auto got = receivedAfter(amp, 2);
    EXPECT_EQ(framesOf(got),
              (std::vector<std::vector<int>> { frame(0x4C, { 0x00, 0x00 }, preset7), frame(0x4E, { 0x00, 0x00 }) }));
    EXPECT_EQ(bytes(dc->getRAMProgPtr(0), 62), preset7);
    EXPECT_EQ(amp.getUserProgram(0), preset7);
    EXPECT_EQ(bytes(dc->getEditBuf(), 62), preset7);
    EXPECT_TRUE(user(0)->getToggleState());
    EXPECT_EQ(DataCenter::iCurProgNo, 60);

    // User program 62 onto A1, the toggle unticked: no more questions.
    amp.clearRecords();
    const auto user2 = bytes(dc->getRAMProgPtr(2), 62);
    answers.push_back({ true, false });
    user(0)->itemDropped(drag(ProgramDataDragID, 62, user(2)));
    got = receivedAfter(amp, 2);
    EXPECT_EQ(framesOf(got), (std::vector<std::vector<int>> { frame(0x4C, { 0x00, 0x00 }, user2), frame(0x4E, { 0x00, 0x00 }) }));
    EXPECT_EQ(preference(), 0);

    // The first slot of the blank file onto B4, then the edited program onto A2.
    amp.clearRecords();
    const int asked = questions.size();
    const auto file0 = bytes(dc->getFileProgPtr(0, 0), 62);
    user(7)->itemDropped(drag(ProgramDataDragID, 68));
    got = receivedAfter(amp, 2);
    EXPECT_EQ(framesOf(got), (std::vector<std::vector<int>> { frame(0x4C, { 0x00, 0x07 }, file0), frame(0x4E, { 0x00, 0x07 }) }));
    EXPECT_EQ(amp.getUserProgram(7), file0);
    EXPECT_EQ(questions.size(), asked);

    amp.clearRecords();
    dc->getEditBuf()[0] = 'Z';
    const auto edited = bytes(dc->getEditBuf(), 62);
    user(1)->itemDropped(drag(CurrentProgramDataDragID, -1));
    got = receivedAfter(amp, 2);
    EXPECT_EQ(framesOf(got),
              (std::vector<std::vector<int>> { frame(0x4C, { 0x00, 0x01 }, edited), frame(0x4E, { 0x00, 0x01 }) }));

    // A program dropped on its own slot: nothing copied over itself, one dump.
    amp.clearRecords();
    user(1)->itemDropped(drag(ProgramDataDragID, 61));
    got = receivedAfter(amp, 2);
    EXPECT_EQ(framesOf(got),
              (std::vector<std::vector<int>> { frame(0x4C, { 0x00, 0x01 }, edited), frame(0x4E, { 0x00, 0x01 }) }));

    // A number past the programs writes and sends nothing, but selects.
    amp.clearRecords();
    user(3)->itemDropped(drag(ProgramDataDragID, 140));
    got = receivedAfter(amp, 1);
    EXPECT_EQ(framesOf(got), (std::vector<std::vector<int>> { frame(0x4E, { 0x00, 0x03 }) }));
}

TEST_F(HMQScreen, FileSlotsTakeDropsAndSendTheirProgramAsCurrent)
{
    SimulatedAmplifier amp(ports, 1);
    auto* dc = bootHMQScreen(amp);
    ASSERT_NE(dc, nullptr);
    newFile();
    amp.clearRecords();
    auto* page = filePage(1);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->getFileIndex(), 0);
    auto* slot3 = dynamic_cast<HMQFileProgButton*>(page->getFileButtonComponent(2));
    ASSERT_NE(slot3, nullptr);
    EXPECT_EQ(slot3->getProgramNumber(), 70);
    EXPECT_EQ(page->getFileButtonComponent(11), nullptr);

    // Preset 7 onto ":3": copied, marked modified, no question, selected and
    // sent as the current program (one message).
    const auto preset7 = bytes(dc->getROMProgPtr(7), 62);
    slot3->itemDropped(drag(ProgramDataDragID, 7));
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(bytes(dc->getFileProgPtr(0, 2), 62), preset7);
    EXPECT_EQ(dc->getModifiedMask(0), 1 << 2);
    auto got = receivedAfter(amp, 1);
    EXPECT_EQ(framesOf(got), (std::vector<std::vector<int>> { frame(0x40, {}, preset7) }));
    EXPECT_EQ(amp.getEditBuffer(), preset7);
    EXPECT_EQ(DataCenter::iCurProgNo, 70);
    EXPECT_TRUE(slot3->getToggleState());

    // The edited program onto ":5".
    amp.clearRecords();
    dc->getEditBuf()[1] = 'Q';
    const auto edited = bytes(dc->getEditBuf(), 62);
    auto* slot5 = page->getFileButtonComponent(4);
    dynamic_cast<HMQFileProgButton*>(slot5)->itemDropped(drag(CurrentProgramDataDragID, -1));
    EXPECT_EQ(bytes(dc->getFileProgPtr(0, 4), 62), edited);
    EXPECT_EQ(dc->getModifiedMask(0), (1 << 2) | (1 << 4));
    got = receivedAfter(amp, 1);
    EXPECT_EQ(got.size(), 1u);

    // A click on ":3": one current-program dump, no mode change.
    amp.clearRecords();
    click(*slot3);
    got = receivedAfter(amp, 1);
    EXPECT_EQ(framesOf(got), (std::vector<std::vector<int>> { frame(0x40, {}, preset7) }));

    // Renumbering: outside 0..2 ignored.
    page->RenewFileIndex(3);
    EXPECT_EQ(page->getFileIndex(), 0);
    EXPECT_EQ(slot3->getProgramNumber(), 70);
    page->RenewFileIndex(1);
    EXPECT_EQ(slot3->getProgramNumber(), 81);
    EXPECT_EQ(slot3->getFileNumber(), 1);
    EXPECT_EQ(slot3->getSlot(), 2);
    page->RenewFileIndex(0);
}

TEST_F(HMQScreen, LowerPanelAndCustomPagesFollowTheSectionEvents)
{
    SimulatedAmplifier amp(ports, 1);
    auto* dc = bootHMQScreen(amp);
    ASSERT_NE(dc, nullptr);
    auto* panel = view()->getLowerPanel();
    auto* tabs = panel->getTabs();
    auto* custom = panel->getCustomPage();
    ASSERT_EQ(tabs->getCurrentTabIndex(), 0);

    // A custom tab opened: the panel turns to "CUSTOM AMP/FX"; closed: back.
    dc->getCustomSection().FireOnCustomTabOpen(2, true);
    EXPECT_TRUE(pumpUntil([tabs] { return tabs->getCurrentTabIndex() == 1; }));
    dc->getCustomSection().FireOnCustomTabOpen(2, false);
    EXPECT_TRUE(pumpUntil([tabs] { return tabs->getCurrentTabIndex() == 0; }));

    // Chosen by hand, it stays on close; a reinitialisation forgets the choice.
    click(*tabs->getTabbedButtonBar().getTabButton(1));
    EXPECT_TRUE(panel->isCustomTabChosen());
    dc->getCustomSection().FireOnCustomTabOpen(0, false);
    ASSERT_TRUE(pumpUntilPostedHandled());
    EXPECT_EQ(tabs->getCurrentTabIndex(), 1);
    dc->getUserEditSection().FireOnSectionReinitialized();
    EXPECT_TRUE(pumpUntil([panel] { return ! panel->isCustomTabChosen(); }));

    // Module selection picks the page: 2 is the reverb, 3 pedal 2. The pages
    // all start visible until the first event leaves one, so each wait is
    // for the one page alone.
    const auto shown = [custom] {
        juce::StringArray names;
        const std::pair<juce::Component*, const char*> pages[] = { { custom->getAmpContainer(), "amp" },
                                                                   { custom->getPedal1Container(), "pedal 1" },
                                                                   { custom->getPedal2Container(), "pedal 2" },
                                                                   { custom->getReverbContainer(), "reverb" } };
        for (const auto& [page, name] : pages)
            if (page->isVisible())
                names.add(name);
        return names.joinIntoString(", ");
    };
    const auto comesUp = [&shown](const juce::String& page) { return pumpUntil([&] { return shown() == page; }); };
    dc->getUserEditSection().FireOnCatalogSelect(2);
    EXPECT_TRUE(comesUp("reverb")) << shown();
    dc->getUserEditSection().FireOnCatalogSelect(3);
    EXPECT_TRUE(comesUp("pedal 2")) << shown();
    // A type change from the amplifier shows its page and highlights its slot.
    amp.sendParamChange(0x03, 0x00, 13); // amp type
    EXPECT_TRUE(comesUp("amp")) << shown();
    amp.sendParamChange(0x03, 0x04, 1); // reverb type SPRING
    EXPECT_TRUE(comesUp("reverb")) << shown();
    ASSERT_TRUE(settle());
    EXPECT_EQ(custom->getReverbContainer()->m_Value, 1);
    EXPECT_TRUE(custom->getReverbContainer()->m_Flag);
    // Other parameters leave the page.
    amp.sendParamChange(0x04, 0x00, 3);
    ASSERT_TRUE(pumpUntil([dc] { return dc->getUserEditSection().GetParamI(0x400) == 3; }));
    ASSERT_TRUE(settle());
    EXPECT_EQ(shown(), "reverb");

    // A program drag entering the panel turns it back to "PROGRAM".
    tabs->setCurrentTabIndex(1);
    panel->itemDragEnter(drag(ProgramDataDragID, 3));
    EXPECT_EQ(tabs->getCurrentTabIndex(), 0);
}

TEST_F(HMQScreen, TabPanelSlidesOnlyWhereTheDisplayIsNarrow)
{
    SimulatedAmplifier amp(ports, 1);
    ASSERT_NE(bootHMQScreen(amp), nullptr);
    newFile();
    auto* v = view();
    auto* panel = v->getTabPanel();
    auto* controller = host->getMasterGuiController();

    // A wide display: sliding out leaves the panel where it is.
    controller->displayUserArea.setWidth(1280);
    EXPECT_EQ(v->getSlideDistance(), 0);
    // 900 wide beside a 768-wide editor page: 256 - max(132, 32) = 124.
    controller->displayUserArea.setWidth(900);
    EXPECT_EQ(v->getSlideDistance(), 124);

    v->ROMSUbTabMove(true); // already at home
    EXPECT_FALSE(v->isSlidOut());
    v->ROMSUbTabMove(false);
    EXPECT_TRUE(v->isSlidOut());
    ASSERT_TRUE(pumpUntil([panel] { return panel->getX() == -124; }));
    v->ROMSUbTabMove(false); // already out
    EXPECT_TRUE(v->isSlidOut());

    // A program drag over the panel turns to the first file and brings it home.
    panel->setCurrentTabIndex(0);
    panel->itemDragEnter(drag(ProgramDataDragID, 5));
    EXPECT_EQ(panel->getCurrentTabIndex(), 1);
    ASSERT_TRUE(pumpUntil([panel] { return panel->getX() == 0; }));
    EXPECT_FALSE(v->isSlidOut());

    // A click that switches tabs at home stays; a second click on it slides.
    auto* tab0 = panel->getTabbedButtonBar().getTabButton(0);
    click(*tab0);
    pumpFor(50);
    EXPECT_EQ(panel->getCurrentTabIndex(), 0);
    EXPECT_FALSE(v->isSlidOut());
    click(*tab0);
    EXPECT_TRUE(v->isSlidOut());
    click(*tab0);
    EXPECT_FALSE(v->isSlidOut());
    ASSERT_TRUE(pumpUntil([panel] { return panel->getX() == 0; }));

    // Only "PRESET" open: a drag over the panel changes nothing.
    ASSERT_TRUE(host->getActionManager()->executeFileClose(1, 0));
    host->getActionManager()->afterFileCloseUI(1, 1);
    ASSERT_EQ(panel->getNumTabs(), 1);
    v->ROMSUbTabMove(false);
    ASSERT_TRUE(pumpUntil([panel] { return panel->getX() == -124; }));
    panel->itemDragEnter(drag(ProgramDataDragID, 5));
    pumpFor(600);
    EXPECT_EQ(panel->getX(), -124);

    // Files: only names ending in ".hmqprog" (any case) in first place.
    EXPECT_TRUE(v->isInterestedInFileDrag({ "/x/a.HMQPROG", "/x/b.txt" }));
    EXPECT_FALSE(v->isInterestedInFileDrag({ "/x/b.txt", "/x/a.hmqprog" }));
    EXPECT_EQ(v->getFileSubTabComponent(3), nullptr);
    EXPECT_EQ(v->getFileSubTabComponent(-1), nullptr);
}

TEST_F(HMQScreen, FileCommandsActOnTheRealTabs)
{
    SimulatedAmplifier amp(ports, 1);
    auto* dc = bootHMQScreen(amp);
    ASSERT_NE(dc, nullptr);
    auto* v = view();
    auto& actions = *host->getActionManager();
    auto prompts = std::make_unique<testing_support::ScriptedPrompts>();
    auto* scripted = prompts.get();
    actions.setFileCommandPrompts(std::move(prompts));
    ASSERT_EQ(actions.getFileTabView(), v);

    // A program file of eleven records named 'A' + i.
    auto makeFile = [this](const juce::String& name, juce::uint8 seed) {
        const auto& format = *ProgramFile::forModel(1);
        juce::MemoryBlock data((size_t) (ProgramFile::headerSize + 11 * format.recordSize), true);
        auto* b = static_cast<unsigned char*>(data.getData());
        std::memcpy(b, format.tag, ProgramFile::tagSize);
        for (int i = 0; i < 11; ++i)
        {
            auto* rec = b + ProgramFile::headerSize + i * format.recordSize;
            std::memset(rec, ' ', 16);
            rec[0] = (unsigned char) ('A' + i);
            rec[1] = seed;
            for (int k = 16; k < format.recordSize; ++k)
                rec[k] = (unsigned char) ((seed + i + k) & 0x0F);
        }
        auto file = folder.getChildFile(name);
        file.replaceWithData(data.getData(), data.getSize());
        return file;
    };

    // Open, a dropped file, a new file: three tabs after "PRESET".
    scripted->files.push_back(makeFile("rock.hmqprog", 'r'));
    ASSERT_EQ(actions.executeFileOpen(1), 11);
    actions.afterFileOpenUI(1);
    v->filesDropped({ makeFile("jazz.hmqprog", 'j').getFullPathName() }, 10, 10);
    newFile();
    ASSERT_EQ(v->getNumTabs(), 4);
    EXPECT_EQ(v->getTabTitle(1), "rock");
    EXPECT_EQ(v->getTabTitle(2), "jazz");
    EXPECT_EQ(v->getCurrentTabIndex(), 3);
    EXPECT_EQ(filePage(2)->getFileIndex(), 1);
    EXPECT_EQ(filePage(3)->getFileIndex(), 2);
    EXPECT_EQ(dynamic_cast<HMQProgSelectButton*>(filePage(3)->getFileButtonComponent(0))->getProgramNumber(), 90);
    EXPECT_EQ(dynamic_cast<HMQProgSelectButton*>(filePage(1)->getFileButtonComponent(0))->getButtonText(), ":1");
    int index = -1;
    EXPECT_EQ(v->getFirstFileSubTabComponent(&index), nullptr);
    EXPECT_EQ(index, 3);

    // A fourth file is refused.
    scripted->files.push_back(makeFile("more.hmqprog", 'm'));
    EXPECT_EQ(actions.executeFileOpen(1), -1);
    EXPECT_EQ(v->getNumTabs(), 4);
    scripted->files.clear();

    // Close "rock" by its close button: "jazz" moves down to file 0.
    auto* rockButton = v->getTabPanel()->getTabbedButtonBar().getTabButton(1);
    auto* close = dynamic_cast<RSCloseButton*>(rockButton->getExtraComponent());
    ASSERT_NE(close, nullptr);
    v->buttonClicked(close);
    ASSERT_EQ(v->getNumTabs(), 3);
    EXPECT_EQ(v->getTabTitle(1), "jazz");
    EXPECT_EQ(filePage(1)->getFileIndex(), 0);
    EXPECT_EQ(filePage(2)->getFileIndex(), 1);
    EXPECT_EQ(dynamic_cast<HMQProgSelectButton*>(filePage(1)->getFileButtonComponent(0))->getProgramNumber(), 68);
    EXPECT_EQ(dc->getFileProgPtr(0, 0)[1], 'j');
    // The PRESET tab has no close.
    EXPECT_EQ(v->getTabPanel()->getTabbedButtonBar().getTabButton(0)->getExtraComponent(), nullptr);

    // A changed file asks before it closes; Cancel keeps it.
    dynamic_cast<HMQFileProgButton*>(filePage(1)->getFileButtonComponent(1))->itemDropped(drag(ProgramDataDragID, 4));
    EXPECT_NE(dc->getModifiedMask(0), 0);
    auto* jazzClose = dynamic_cast<RSCloseButton*>(v->getTabPanel()->getTabbedButtonBar().getTabButton(1)->getExtraComponent());
    scripted->answers.push_back(false);
    v->buttonClicked(jazzClose);
    EXPECT_EQ(v->getNumTabs(), 3);

    // Save the current file under a new name: the tab takes it.
    v->setCurrentTabIndex(1);
    const auto saved = folder.getChildFile("jazz2.hmqprog");
    scripted->files.push_back(saved);
    ASSERT_TRUE(actions.executeFileSaveFile(1));
    actions.afterFileSaveUI(1);
    EXPECT_TRUE(saved.existsAsFile());
    EXPECT_EQ(v->getTabTitle(1), "jazz2");
    EXPECT_EQ(dc->getModifiedMask(0), 0);

    // A new file again: three files.
    newFile();
    ASSERT_EQ(v->getNumTabs(), 4);
    EXPECT_EQ(filePage(3)->getFileIndex(), 2);

    // The backup at quit, then the restore at start brings the same tabs back.
    const juce::StringArray titles { v->getTabTitle(1), v->getTabTitle(2), v->getTabTitle(3) };
    ASSERT_TRUE(actions.executeTabFileBackup());
    const auto jazz = bytes(dc->getFileProgPtr(0, 0), 62);
    // As at the next start: no tab open, then the restore.
    while (v->getNumTabs() > 1)
    {
        ASSERT_TRUE(actions.executeFileClose(1, v->getNumTabs() - 2));
        actions.afterFileCloseUI(1, v->getNumTabs() - 1);
    }
    ASSERT_EQ(dc->getFileCount(), 0);
    ASSERT_TRUE(actions.fileShouldOpen_restore(nullptr));
    ASSERT_EQ(v->getNumTabs(), 4);
    for (int t = 1; t <= 3; ++t)
        EXPECT_EQ(v->getTabTitle(t), titles[t - 1]) << t;
    EXPECT_EQ(bytes(dc->getFileProgPtr(0, 0), 62), jazz);
    EXPECT_EQ(filePage(3)->getFileIndex(), 2);
}

TEST_F(HMQScreen, ScreenshotsOfTheWholeScreen)
{
    SimulatedAmplifier amp(ports, 1);
    auto* dc = bootHMQScreen(amp);
    ASSERT_NE(dc, nullptr);
    auto* v = view();
    auto* main = host->getMasterGuiController()->getMainWindow()->getMainComponent();

    // Three files open.
    for (int f = 0; f < 3; ++f)
    {
        newFile();
        for (int k = 0; k < 11; ++k)
        {
            auto* rec = dc->getFileProgPtr(f, k);
            std::memcpy(rec, dc->getROMProgPtr(f * 11 + k), 62);
        }
        filePage(f + 1)->RenewButtonImages();
    }
    click(*user(3));
    pumpFor(100);
    v->getTabPanel()->setCurrentTabIndex(0);
    v->getPresetTab()->getTabs()->setCurrentTabIndex(1);
    pumpFor(50);
    EXPECT_EQ(v->getNumTabs(), 4);
    saveScreenshot(*main, "hmq_screen_presets_users");

    v->getTabPanel()->setCurrentTabIndex(3);
    pumpFor(50);
    saveScreenshot(*main, "hmq_screen_three_files");

    auto* panel = v->getLowerPanel();
    panel->getTabs()->setCurrentTabIndex(1);
    const char* names[4] = { "amp", "pedal1", "pedal2", "reverb" };
    for (int module : { 0, 1, 3, 2 })
    {
        dc->getUserEditSection().FireOnCatalogSelect(module);
        pumpFor(60);
        const int page = module == 0 ? 0 : (module == 1 ? 1 : (module == 3 ? 2 : 3));
        saveScreenshot(*main, juce::String("hmq_screen_custom_") + names[page]);
    }
    EXPECT_TRUE(panel->getCustomPage()->getReverbContainer()->isVisible());
}

TEST_F(HMQScreen, TabTextsTakeTheirPanelsColoursAndStayInsideTheirTabs)
{
    SimulatedAmplifier amp(ports, 1);
    ASSERT_NE(bootHMQScreen(amp), nullptr);
    auto* v = view();
    auto* main = host->getMasterGuiController()->getMainWindow()->getMainComponent();
    const juce::Colour grey(0xFFD4D4D4), back = grey.withAlpha(0.4f);

    // The three preset banks, each in front in turn.
    auto& banks = v->getPresetTab()->getTabs()->getTabbedButtonBar();
    ASSERT_EQ(banks.getNumTabs(), 3);
    for (int b = 0; b < 3; ++b)
    {
        banks.setCurrentTabIndex(b);
        testing_support::expectReadableTabs(banks, juce::Colours::white, back);
    }

    // The lower panel's tabs along its right edge.
    auto& lower = v->getLowerPanel()->getTabs()->getTabbedButtonBar();
    for (int t = 0; t < 2; ++t)
    {
        lower.setCurrentTabIndex(t);
        testing_support::expectReadableTabs(lower, juce::Colours::white, back);
    }
    lower.setCurrentTabIndex(0);

    // The column's tabs with one, then three files open (each with its
    // close cross).
    auto& column = v->getTabPanel()->getTabbedButtonBar();
    newFile();
    pumpFor(50);
    testing_support::expectReadableTabs(column, grey, back);
    newFile();
    newFile();
    pumpFor(50);
    ASSERT_EQ(column.getNumTabs(), 4);
    testing_support::expectReadableTabs(column, grey, back);
    column.setCurrentTabIndex(0);
    pumpFor(50);
    testing_support::expectReadableTabs(column, grey, back);
    saveScreenshot(*main, "hmq_tab_texts");
}

TEST_F(HMQScreen, UserButtonTextsStandWholeOnADarkBackingOverThePicture)
{
    SimulatedAmplifier amp(ports, 1);
    auto* dc = bootHMQScreen(amp);
    ASSERT_NE(dc, nullptr);
    // Long program names and the longest amp names.
    const int types[8] = { 0, 2, 8, 15, 17, 19, 6, 12 };
    for (int k = 0; k < 8; ++k)
    {
        auto* record = dc->getRAMProgPtr(k);
        const auto name = juce::String("Heavy Program ") + juce::String(k + 1).paddedLeft('0', 2);
        for (int i = 0; i < 16; ++i)
            record[i] = (unsigned char) name[i];
        record[18] = (unsigned char) types[k];
    }
    users()->repaint();
    pumpFor(50);

    for (int k = 0; k < 8; ++k)
    {
        auto* button = user(k);
        ASSERT_NE(button, nullptr);
        ASSERT_GE(button->getHeight() - 2, 56); // the three-line layout
        const auto snapshot = button->createComponentSnapshot(button->getLocalBounds());
        const auto programName = ProgramNameText::fromRecord(dc->getRAMProgPtr(k));
        const auto ampName = ProgramNameText::printable(button->getAmpName(types[k]));
        const std::tuple<juce::String, const char*, juce::Rectangle<int>> lines[] = {
            { button->getButtonText(), "ProgramNameButton", button->textBox(4, 4, 200) },
            { programName, "ProgramNameButton", button->textBox(4, 24, button->getWidth() - 8) },
            { ampName, "AmpTypeButton", button->textBox(4, 44, 200) },
        };
        for (const auto& [text, font, box] : lines)
        {
            ASSERT_TRUE(text.isNotEmpty());
            const auto glyphs = RSProgSelectButton::layOutWholeText(HMQGuiSupport::getFont(font), text, box);
            juce::String laidOut;
            for (const auto& glyph : glyphs)
                laidOut += juce::String::charToString(glyph.getCharacter());
            EXPECT_EQ(laidOut.removeCharacters(" "), text.removeCharacters(" "));
            const auto area = glyphs.getBoundingBox(0, -1, true).getSmallestIntegerContainer();
            EXPECT_TRUE(button->getLocalBounds().contains(area)) << text;
            // Under the letters only white, the dark backing and their blend:
            // no colour of the picture shows through.
            int coloured = 0;
            for (int y = area.getY(); y < area.getBottom(); ++y)
                for (int x = area.getX(); x < area.getRight(); ++x)
                {
                    const auto c = snapshot.getPixelAt(x, y);
                    const auto spread =
                        juce::jmax(c.getRed(), c.getGreen(), c.getBlue()) - juce::jmin(c.getRed(), c.getGreen(), c.getBlue());
                    coloured += spread > 12 ? 1 : 0;
                }
            EXPECT_EQ(coloured, 0) << k << " " << text;
        }
    }
    saveScreenshot(*users(), "hmq_user_buttons");
}

TEST(HMQProgramButtons, AmpTablesClampAndAgreeWithTheSlotPictures)
{
    juce::Component owner;
    HMQPresetProgButton button(&owner, 4098, 0, 0, "x");
    RSHMQAmpImage picture;
    const juce::Colour green(0xFF80FA80), yellow(0xFFFAFA80), red(0xFFFA8080);
    EXPECT_EQ(button.getAmpColor(15), green);
    EXPECT_EQ(button.getAmpColor(17), red);
    EXPECT_EQ(button.getAmpColor(25), green);
    EXPECT_EQ(button.getAmpColor(2), yellow);
    EXPECT_EQ(button.getAmpName(-3), "DELUXE CL VIBRATO");
    // Stored as they are; drawn with the tab as a blank.
    EXPECT_EQ(button.getAmpName(15), "ERUPT\tIII CH2");
    EXPECT_EQ(button.getAmpName(19), "ORIGINAL  CL");
    EXPECT_EQ(ProgramNameText::printable(button.getAmpName(15)), "ERUPT III CH2");

    // A user button counts from program 60 whatever the model; without a
    // data centre, or outside the eight programs, it reads no record.
    HMQUserProgButton a3(&owner, 4098, 0, 62, "A3");
    EXPECT_EQ(a3.getUserIndex(), 2);
    HMQUserProgButton stray(&owner, 4098, 0, 11, "X");
    EXPECT_EQ(stray.getUserIndex(), -49);
    for (auto* b : { &a3, &stray })
    {
        b->setSize(166, 76);
        EXPECT_TRUE(b->createComponentSnapshot(b->getLocalBounds()).isValid());
    }
    // The pictures of the program buttons and of the custom amp slots are
    // the same twenty, written down twice.
    for (int t = -1; t <= 21; ++t)
        EXPECT_EQ(button.getPNGName(t), picture.getPngName(t)) << t;
    // The colour column read again, one letter per amp type.
    const juce::String column("GGYYGYGYYYYRRRGGGRGG");
    for (int t = 0; t < 20; ++t)
    {
        const auto c = button.getAmpColor(t);
        EXPECT_EQ(juce::String::charToString(c == green ? 'G' : (c == yellow ? 'Y' : (c == red ? 'R' : '?'))),
                  column.substring(t, t + 1))
            << t;
    }
}

TEST_F(HMQScreen, RealMouseDragsAnsweredInTheRealAlerts)
{
    SimulatedAmplifier amp(ports, 1);
    auto* dc = bootHMQScreen(amp);
    ASSERT_NE(dc, nullptr);
    auto* v = view();
    ASSERT_NE(v, nullptr);
    WriteConfirmation::setPrompt({}); // the real alert windows
    testing_support::PeerMouse mouse;

    // A preset dragged with the mouse onto A1, "OK" in the alert. The press
    // selects the preset (the buttons trigger on mouse-down); the drop sends
    // the dump of user program 0, then A1 is selected.
    const auto preset7 = bytes(dc->getROMProgPtr(7), 62);
    {
        testing_support::AlertAnswerer answerer("OK");
        mouse.dragFromTo(*bank(0)->getButton(7), { 60, 30 }, *user(0), { 80, 40 }, 8);
        pumpFor(100);
        EXPECT_EQ(answerer.seen, 1);
    }
    auto got = receivedAfter(amp, 3);
    EXPECT_EQ(framesOf(got), (std::vector<std::vector<int>> { frame(0x4E, { 0x01, 0x07 }), frame(0x4C, { 0x00, 0x00 }, preset7),
                                                              frame(0x4E, { 0x00, 0x00 }) }));
    EXPECT_EQ(amp.getUserProgram(0), preset7);
    EXPECT_EQ(preference(), 1);

    // The amp picture of the editor page dragged onto USER B of the custom
    // amp page, "OK": one custom dump of slot 1.
    auto* area = dynamic_cast<HMQEditParamComponent*>(v->getEditorPage()->getEditParam());
    ASSERT_NE(area, nullptr);
    RSHMQAmpImageButton* ampPicture = nullptr;
    for (auto* child : area->getChildren())
        if (auto* b = dynamic_cast<RSHMQAmpImageButton*>(child))
            ampPicture = b;
    ASSERT_NE(ampPicture, nullptr);
    auto* panel = v->getLowerPanel();
    dc->getCustomSection().FireOnCustomTabOpen(0, true);
    dc->getUserEditSection().FireOnCatalogSelect(0);
    pumpFor(80);
    ASSERT_EQ(panel->getTabs()->getCurrentTabIndex(), 1);
    auto* userB = panel->getCustomPage()->getAmpContainer()->getSlot(1);
    ASSERT_TRUE(userB->isShowing());
    amp.clearRecords();
    {
        testing_support::AlertAnswerer answerer("OK");
        mouse.dragFromTo(*ampPicture, ampPicture->getLocalBounds().getCentre(), *userB, { 60, 60 }, 8);
        pumpFor(100);
        EXPECT_EQ(answerer.seen, 1);
    }
    got = receivedAfter(amp, 1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(testing_support::bytesOf(got[0]), frame(0x65, { 0x00, 0x01 }, bytes(dc->getCustomBuf(1), 62)));
    EXPECT_EQ(dc->getCustomBuf(1)[17] & 0x01, 0x01);
    EXPECT_EQ(dc->getCustomBuf(1)[18], dc->getEditBuf()[18]);
}

// The name strip names the file of the current program only while that file
// is open: closing an earlier file moves the program down with its tab (the
// strip and the lit button follow); closing its own file leaves it in the
// editor without a slot, and the strip names no file.
TEST_F(HMQScreen, NameStripForgetsTheFileOfTheCurrentProgramWhenItCloses)
{
    SimulatedAmplifier amp(ports, 1);
    auto* dc = bootHMQScreen(amp);
    ASSERT_NE(dc, nullptr);
    auto* v = view();
    auto* state = host->getStateHolder();
    auto* label = v->getEditorPage()->getNameEdit()->getProgramLabel();
    auto* nameBox = v->getEditorPage()->getNameEdit()->getNameBox();

    v->filesDropped({ makeFile("rock.hmqprog").getFullPathName() }, 10, 10);
    v->filesDropped({ makeFile("jazz.hmqprog").getFullPathName() }, 10, 10);
    ASSERT_EQ(v->getNumTabs(), 3);

    // ":3" of "jazz" chosen.
    auto* jazz3 = dynamic_cast<HMQFileProgButton*>(filePage(2)->getFileButtonComponent(2));
    ASSERT_NE(jazz3, nullptr);
    click(*jazz3);
    EXPECT_EQ(state->currentProgram, 81);
    ASSERT_TRUE(pumpUntil([label] { return label->getText() == "jazz:3"; })) << label->getText();

    // "rock" closed: "jazz" is file 0 now, and so is its program.
    closeTab(1);
    ASSERT_EQ(v->getNumTabs(), 2);
    EXPECT_EQ(state->currentProgram, 70);
    EXPECT_EQ(DataCenter::iCurProgNo, 70);
    pumpFor(100);
    EXPECT_EQ(label->getText(), "jazz:3");
    EXPECT_TRUE(pumpUntil([this] { return filePage(1)->getFileButtonComponent(2)->getToggleState(); }));

    // "jazz" closed too: its program stays in the editor, named, with no slot.
    closeTab(1);
    ASSERT_EQ(v->getNumTabs(), 1);
    EXPECT_TRUE(pumpUntil([label] { return label->getText().isEmpty(); })) << label->getText();
    EXPECT_EQ(nameBox->getText().trim(), "CCCCCCCCCCCCCCCC");
    saveScreenshot(*host->getMasterGuiController()->getMainWindow(), "hmq-name-strip-after-file-close");
}

TEST_F(HMQScreen, FileSlotNamesStandWholeBesideTheirPicture)
{
    SimulatedAmplifier amp(ports, 1);
    auto* dc = bootHMQScreen(amp);
    ASSERT_NE(dc, nullptr);
    newFile();
    auto* page = filePage(1);
    ASSERT_NE(page, nullptr);
    // The longest amp names, under long program names.
    const int types[] = { 0, 2, 8, 15, 17, 19, 6, 12, 1, 3, 9 };
    for (int k = 0; k < 11; ++k)
    {
        auto* record = dc->getFileProgPtr(0, k);
        ASSERT_NE(record, nullptr);
        const auto name = juce::String("Heavy Program ") + juce::String(k + 1).paddedLeft('0', 2);
        for (int i = 0; i < 16; ++i)
            record[i] = (unsigned char) name[i];
        record[18] = (unsigned char) types[k];
    }
    for (int k = 0; k < 11; ++k)
    {
        auto* button = dynamic_cast<HMQFileProgButton*>(page->getFileButtonComponent(k));
        ASSERT_NE(button, nullptr);
        const auto snapshot = button->createComponentSnapshot(button->getLocalBounds());
        const juce::Rectangle<int> area(button->getWidth() / 3, 0, button->getWidth() * 2 / 3, button->getHeight());
        const auto picture = button->getNormalImageBounds(area);
        ASSERT_FALSE(picture.isEmpty()) << k;
        const auto amp = button->getAmpName(types[k]);
        for (const auto& [text, font, y] : { std::make_tuple(button->getButtonText(), FontLibrary::named("ProgramNameButton"), 5),
                                             std::make_tuple(amp, FontLibrary::named("AmpTypeButton"), 25) })
        {
            ASSERT_TRUE(text.isNotEmpty()) << k;
            const auto glyphs = RSProgSelectButton::layOutWholeText(font, text, button->textBoxBesidePicture(y, area));
            juce::String laidOut;
            for (const auto& glyph : glyphs)
                laidOut += juce::String::charToString(glyph.getCharacter());
            EXPECT_EQ(laidOut.removeCharacters(" "), text.removeCharacters(" ")) << k;
        }
        // No letter of either line lands on the picture (our pictures hold no white).
        int whiteOnPicture = 0;
        for (int y = picture.getY(); y < picture.getBottom(); ++y)
            for (int x = picture.getX(); x < picture.getRight(); ++x)
            {
                const auto c = snapshot.getPixelAt(x, y);
                whiteOnPicture += juce::jmin(c.getRed(), c.getGreen(), c.getBlue()) >= 230 ? 1 : 0;
            }
        EXPECT_EQ(whiteOnPicture, 0) << k << " " << amp;
    }
    saveScreenshot(*page, "hmq_file_slot_names");
}

// A program of a closed file lights no slot of the files behind it, which
// move up into its numbers; a slot chosen afterwards lights as before.
TEST_F(HMQScreen, ClosingTheFileOfTheCurrentProgramLightsNoSlotOfTheNextFile)
{
    SimulatedAmplifier amp(ports, 1);
    ASSERT_NE(bootHMQScreen(amp), nullptr);
    auto* v = view();
    auto* label = v->getEditorPage()->getNameEdit()->getProgramLabel();
    for (const auto* name : { "rock.hmqprog", "jazz.hmqprog", "blues.hmqprog" })
        v->filesDropped({ makeFile(name).getFullPathName() }, 10, 10);
    ASSERT_EQ(v->getNumTabs(), 4);

    click(*filePage(2)->getFileButtonComponent(2));
    ASSERT_TRUE(pumpUntil([label] { return label->getText() == "jazz:3"; })) << label->getText();

    closeTab(2);
    ASSERT_EQ(v->getNumTabs(), 3);
    auto* blues = filePage(2);
    ASSERT_EQ(blues->getFileIndex(), 1);
    ASSERT_TRUE(pumpUntil([label] { return label->getText().isEmpty(); })) << label->getText();
    const auto litButtons = [this, blues] {
        int lit = 0;
        for (auto* page : { filePage(1), blues })
            for (int k = 0; k < HMQLibFileComponent::numButtons; ++k)
                lit += page->getFileButtonComponent(k)->getToggleState() ? 1 : 0;
        for (int k = 0; k < 8; ++k)
            lit += user(k)->getToggleState() ? 1 : 0;
        return lit;
    };
    EXPECT_FALSE(pumpUntil([&] { return litButtons() != 0; }, 500));

    click(*blues->getFileButtonComponent(4));
    EXPECT_TRUE(pumpUntil([label] { return label->getText() == "blues:5"; })) << label->getText();
    EXPECT_TRUE(blues->getFileButtonComponent(4)->getToggleState());
    EXPECT_EQ(litButtons(), 1);
}

// An amp byte that is none of the twenty types (154, whose bits 0-6 give 26)
// reads as type 0 in every view of the screen while the bytes stay as they
// came: the editor's catalogue mark and the user and file slots that take
// such a program over one with another amp show type 0's picture and name.
// The marked catalogue cell then sends type 0 once; a second click nothing.
TEST_F(HMQScreen, AnAmpByteOutsideTheListShowsTypeZeroEverywhereAndTheMarkedCellSendsItOnce)
{
    SimulatedAmplifier amp(ports, 1);
    auto odd = amp.getUserProgram(0);
    odd[18] = 154;
    amp.setUserProgram(0, odd);
    auto other = amp.getUserProgram(1);
    other[18] = 5;
    amp.setUserProgram(1, other);
    amp.setEditBuffer(odd);
    auto* dc = bootHMQScreen(amp);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(dc->getEditBuf()[18], 154);
    EXPECT_EQ(dc->getUserEditSection().GetParamI(0x300), 0);

    // The type a slot shows once painted: its amp type, and the picture of
    // that type; the amp name is drawn from the same type.
    auto shownType = [](HMQProgSelectButton& button) {
        button.createComponentSnapshot(button.getLocalBounds());
        const bool picture = button.getNormalImage() == RSWidgetSupport::getImage(button.getPNGName(button.getAmpType()));
        return picture ? button.getAmpType() : -1;
    };
    EXPECT_EQ(shownType(*user(0)), 0);
    EXPECT_EQ(shownType(*user(1)), 5);

    // A file slot with amp 5 takes the program of A1.
    newFile();
    auto* slot = dynamic_cast<HMQFileProgButton*>(filePage(1)->getFileButtonComponent(0));
    ASSERT_NE(slot, nullptr);
    slot->itemDropped(drag(ProgramDataDragID, 61));
    EXPECT_EQ(shownType(*slot), 5);
    slot->itemDropped(drag(ProgramDataDragID, 60));
    EXPECT_EQ(dc->getFileProgPtr(0, 0)[18], 154);
    EXPECT_EQ(shownType(*slot), 0);

    // A2 takes it too, and the amplifier gets the byte as it came.
    answers.push_back({ true, true });
    user(1)->itemDropped(drag(ProgramDataDragID, 60, user(0)));
    receivedAfter(amp, 4);
    EXPECT_EQ(dc->getRAMProgPtr(1)[18], 154);
    EXPECT_EQ(amp.getUserProgram(1)[18], 154);
    EXPECT_EQ(shownType(*user(1)), 0);

    // The editor's program (A2 now) marks type 0 in the amp pane.
    auto* ampPane = view()->getEditorPage()->getCatalog()->getPane(0);
    auto* marked = ampPane->getCell(0, 0);
    ASSERT_TRUE(pumpUntil([marked] { return marked->isSelected(); }));
    EXPECT_EQ(dc->getEditBuf()[18], 154);
    EXPECT_FALSE(ampPane->getCell(0, 19)->isSelected());
    saveScreenshot(*view(), "hmq_amp_byte_outside_the_list");
    amp.clearRecords();
    click(*marked);
    EXPECT_EQ(framesOf(receivedAfter(amp, 1)), (std::vector<std::vector<int>> { frame(0x41, { 0x03, 0x00, 0x00, 0x00 }) }));
    amp.clearRecords();
    click(*marked);
    EXPECT_TRUE(receivedAfter(amp, 0).empty());
    // The type's bits hold 0; the byte's top bit, no part of the type, stays.
    EXPECT_EQ(dc->getEditBuf()[18], 0x80);
}
