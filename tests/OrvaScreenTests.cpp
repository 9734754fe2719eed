// The Orva working screens end to end against a simulated amplifier, through
// the real widgets of the view the connection builds: the layout of the
// librarian column, a click on each user slot, drags between user slots, file
// slots and the editor (with the write question answered yes and no), the
// file commands through the real tabs, the tab backup at quit and its
// restore at the next start; with screenshots of the screen.
#include "Action/ActionManager.h"
#include "Action/FileCommandPrompts.h"
#include "Action/ProgramFile.h"
#include "Application/StateHolder.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/EditParamComponent.h"
#include "GUI/Editor/EditorComponent.h"
#include "GUI/Editor/PGNameBoxComponent.h"
#include "GUI/Editor/PGNameEditComponent.h"
#include "GUI/Editor/ProgramDataDragItem.h"
#include "GUI/Editor/RSLibFileComponentBase.h"
#include "GUI/Editor/RSProgSelectButton.h"
#include "GUI/Editor/UserButtonContainerComponent.h"
#include "GUI/Editor/WriteProgDialogComponent.h"
#include "GUI/Orva/COrvaEditorLibrarianComponent.h"
#include "GUI/Orva/OrvaGlobalMiniComponent.h"
#include "GUI/Orva/OrvaTabbedComponent.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "OrvaKX/OrvaKXTypeNames.h"
#include "OrvaPW/OrvaPWTypeNames.h"
#include "support/FileTabTestSupport.h"
#include "support/LibrarianTestSupport.h"
#include "support/ShownProgramCheck.h"
#include "support/TabTextCheck.h"

using Bytes = SimulatedAmplifier::Bytes;
using testing_support::bytes;
using testing_support::pumpFor;
using testing_support::pumpUntil;

namespace
{
using SourceDetails = juce::DragAndDropTarget::SourceDetails;

struct OrvaScreen : testing_support::LibrarianFixture,
                    ::testing::WithParamInterface<int>
{
    MainComponent* main() const { return host->getMasterGuiManager()->getMainWindow()->getMainComponent(); }
    COrvaEditorLibrarianComponent* view() const { return dynamic_cast<COrvaEditorLibrarianComponent*>(main()->getView()); }
    UserButtonContainerComponent* users() const { return view()->getUserButtonContainer(); }
    RSProgSelectButton* user(int slot) const { return dynamic_cast<RSProgSelectButton*>(users()->getUserButtonComponent(slot)); }
    RSProgSelectButton* fileSlot(int tab, int slot) const
    {
        auto* page = view()->getFilePageOfTab(tab);
        return page != nullptr ? dynamic_cast<RSProgSelectButton*>(page->getFileButtonComponent(slot)) : nullptr;
    }
    static SourceDetails dragOf(juce::Component* source, const juce::String& id, int value)
    {
        return SourceDetails(ProgramDataDragItem(id, value), source, {});
    }
    // Clicks the button as the mouse does and lets the click run.
    static void click(juce::Button* button)
    {
        button->triggerClick();
        pumpFor(30);
    }
};
} // namespace

TEST_P(OrvaScreen, UserSlotsSelectAndTakeDropsFromEverySource)
{
    const int model = GetParam();
    SimulatedAmplifier amp(ports, model);
    amp.setMode(SimulatedAmplifier::modeUser, 5);
    auto* dc = bootScreen(amp);
    ASSERT_NE(dc, nullptr);
    ASSERT_NE(view(), nullptr);

    // A 1280 x 800 display: W 1024, H 768, column 256, tab bar 32.
    EXPECT_EQ(view()->getEditorComponent()->getBounds(), juce::Rectangle<int>(256, 0, 768, 573));
    EXPECT_EQ(users()->getBounds(), juce::Rectangle<int>(256, 573, 768, 195));
    ASSERT_NE(view()->getGlobalPanel(), nullptr);
    EXPECT_EQ(view()->getGlobalPanel()->getBounds(), juce::Rectangle<int>(0, 573, 256, 195));
    EXPECT_EQ(view()->getTabPanel()->getBounds(), juce::Rectangle<int>(0, 36, 256, 537));
    EXPECT_EQ(view()->getTabPanel()->getTabBarDepth(), 32);
    EXPECT_EQ(host->getActionManager()->getFileTabView(), view());
    // The slots are 173 x 70; load and save sit at the top right.
    EXPECT_EQ(user(0)->getBounds(), juce::Rectangle<int>(30, 40, 173, 70));
    EXPECT_EQ(user(7)->getBounds(), juce::Rectangle<int>(564, 115, 173, 70));
    // The blank tab of the start: one "NEW FILE" tab, its slots as wide as the column.
    ASSERT_EQ(view()->getNumTabs(), 1);
    EXPECT_EQ(view()->getTabTitle(0), "NEW FILE");
    EXPECT_EQ(fileSlot(0, 1)->getBounds(), juce::Rectangle<int>(4, 66, 256, 62));
    // Its text in the panel's front-tab colour, clear of its close cross.
    const juce::Colour grey(0xFFD4D4D4);
    testing_support::expectReadableTabs(view()->getTabPanel()->getTabbedButtonBar(), grey, grey.withAlpha(0.4f));

    // The amplifier's program (B2) is lit after the synchronisation.
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(user(k)->getToggleState(), k == 5) << k;

    // A click on each slot: one mode change, the editor loads the program.
    for (int slot = 0; slot < 8; ++slot)
    {
        amp.clearRecords();
        click(user(slot));
        ASSERT_TRUE(pumpUntil([&] { return amp.getProgram() == slot && amp.getNumReceived() == 1; })) << slot;
        pumpFor(20);
        EXPECT_EQ(functionsOf(amp), std::vector<int> { 0x4E }) << slot;
        EXPECT_EQ(bytes(dc->getEditBuf(), 62), amp.getUserProgram(slot)) << slot;
        EXPECT_EQ(DataCenter::iCurProgNo, slot);
        EXPECT_EQ(DataCenter::iUserDestProg, slot);
        for (int k = 0; k < 8; ++k)
            EXPECT_EQ(user(k)->getToggleState(), k == slot);
    }
    auto* strip = view()->getEditorComponent()->getNameEdit();
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->getNameBox()->getText().trimEnd(), dc->getCurProgName().trimEnd());

    // User slot A1 dragged onto B1: asked, answered no: nothing.
    amp.clearRecords();
    user(4)->itemDropped(dragOf(user(0), ProgramDataDragID, 0));
    pumpFor(50);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(
        questions[0].startsWith(model == 3 ? "Write to Orva PW's User Program ?|" : "Write to Orva KX's User Program ?|"));
    EXPECT_EQ(amp.getNumReceived(), 0);

    // Yes: the dump of B1 and then its selection, once each.
    const auto a1 = amp.getUserProgram(0);
    answers.push_back({ true, true });
    user(4)->itemDropped(dragOf(user(0), ProgramDataDragID, 0));
    ASSERT_TRUE(pumpUntil([&] { return amp.getUserProgram(4) == a1 && amp.getProgram() == 4; }));
    pumpFor(30);
    EXPECT_EQ(functionsOf(amp), (std::vector<int> { 0x4C, 0x4E }));
    EXPECT_TRUE(user(4)->getToggleState());
    EXPECT_EQ(bytes(dc->getEditBuf(), 62), a1);

    // File slot ":3" onto A2, the preference now set to ask no more.
    PreferencesData::getInstance()->setValue(WriteConfirmation::programPreferenceKey, 0);
    amp.clearRecords();
    const auto file3 = bytes(dc->getFileProgPtr(0, 2), 62);
    user(1)->itemDropped(dragOf(fileSlot(0, 2), ProgramDataDragID, 10));
    ASSERT_TRUE(pumpUntil([&] { return amp.getUserProgram(1) == file3 && amp.getProgram() == 1; }));
    pumpFor(30);
    EXPECT_EQ(functionsOf(amp), (std::vector<int> { 0x4C, 0x4E }));

    // User slot B4 onto file slot ":6": the tab changes and is marked, the
    // amplifier hears only the selection of the slot (its current program).
    amp.clearRecords();
    fileSlot(0, 5)->itemDropped(dragOf(user(7), ProgramDataDragID, 7));
    EXPECT_EQ(bytes(dc->getFileProgPtr(0, 5), 62), amp.getUserProgram(7));
    EXPECT_EQ(dc->getModifiedMask(0), 1 << 5);
    EXPECT_TRUE(fileSlot(0, 5)->getToggleState());
    ASSERT_TRUE(pumpUntil([&] { return amp.getNumReceived() == 1; }));
    pumpFor(30);
    EXPECT_EQ(functionsOf(amp), std::vector<int> { 0x40 });
    for (int k = 0; k < 8; ++k)
        EXPECT_FALSE(user(k)->getToggleState()); // a file program is current

    // The program being edited onto B3.
    amp.clearRecords();
    const auto edited = bytes(dc->getEditBuf(), 62);
    user(6)->itemDropped(dragOf(view()->getEditorComponent()->getEditParam(), CurrentProgramDataDragID, -1));
    ASSERT_TRUE(pumpUntil([&] { return amp.getUserProgram(6) == edited && amp.getProgram() == 6; }));

    // The write dialog from its command, the last destination (B3)
    // preselected; OK writes the edited program into A3.
    amp.clearRecords();
    auto* dialog = main()->getWriteProgDialog();
    ASSERT_NE(dialog, nullptr);
    host->getActionManager()->invokeDirectly(ActionManager::cmdWriteProg, false);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->getSlotList()->getText(), "USER B3");
    dialog->getSlotList()->setSelectedId(3, juce::dontSendNotification);
    testing_support::saveScreenshot(*main(), model == 3 ? "orvapw_screen_write_dialog" : "orvakx_screen_write_dialog");
    click(dialog->getOkButton());
    ASSERT_TRUE(pumpUntil([&] { return amp.getUserProgram(2) == edited && amp.getProgram() == 2; }));
    pumpFor(30);
    EXPECT_EQ(functionsOf(amp), (std::vector<int> { 0x4C, 0x4E }));
}

// A name with bytes outside printable ASCII shows in the strip as the user
// button of its record shows it, each such byte one blank; a focus loss
// shows it so again, and Return with nothing typed sends the name as shown.
TEST_P(OrvaScreen, TheStripShowsAnOddNameAsItsUserButtonDoesAndReturnSendsIt)
{
    const int model = GetParam();
    SimulatedAmplifier amp(ports, model);
    auto a2 = amp.getUserProgram(1);
    testing_support::putName(a2.data(), testing_support::oddProgramName);
    amp.setUserProgram(1, a2);
    auto* dc = bootScreen(amp);
    ASSERT_NE(dc, nullptr);
    using testing_support::oddProgramNameShown;
    EXPECT_TRUE(testing_support::paintsAsWith(*user(1), dc->getRAMProgPtr(1), 0, oddProgramNameShown, 16));

    click(user(1));
    ASSERT_TRUE(pumpUntil([&] { return amp.getProgram() == 1; }));
    auto* strip = view()->getEditorComponent()->getNameEdit();
    auto* box = strip->getNameBox();
    ASSERT_TRUE(pumpUntil([box] { return box->getText() == oddProgramNameShown; })) << box->getText();
    testing_support::saveScreenshot(*main(), model == 3 ? "orvapw_odd_program_name" : "orvakx_odd_program_name");
    box->setText("Typed only", true);
    strip->textEditorFocusLost(*box);
    EXPECT_EQ(box->getText(), oddProgramNameShown);

    ASSERT_TRUE(settle());
    amp.clearRecords();
    strip->textEditorReturnKeyPressed(*box);
    ASSERT_TRUE(pumpUntil([&] { return amp.getNumReceived() == 1; }));
    ASSERT_TRUE(settle());
    EXPECT_EQ(functionsOf(amp), std::vector<int> { 0x40 });
    const auto sent = amp.getEditBuffer();
    ASSERT_EQ(sent.size(), 62u);
    EXPECT_EQ(std::string(sent.begin(), sent.begin() + 16), oddProgramNameShown);
    EXPECT_EQ(box->getText(), oddProgramNameShown);
}

// An amp byte that is none of the model's types (100) reads as type 0 on the
// user and file slots as in the editor, whatever the slot showed before: the
// file slot draws type 0's picture. The byte itself is copied and sent as it
// came.
TEST_P(OrvaScreen, AnAmpByteOutsideTheListShowsTypeZeroOnTheUserAndFileSlots)
{
    const int model = GetParam();
    const auto typeByte = [model](int type) -> juce::uint8 {
        return model == 3 ? orvaPW::getAmpTypeValue((orvaPW::eAmpType) type) : orvaKX::getAmpTypeValue((orvaKX::eAmpType) type);
    };
    SimulatedAmplifier amp(ports, model);
    auto a1 = amp.getUserProgram(0);
    a1[18] = 100;
    amp.setUserProgram(0, a1);
    auto a2 = amp.getUserProgram(1);
    a2[18] = typeByte(5);
    amp.setUserProgram(1, a2);
    auto* dc = bootScreen(amp);
    ASSERT_NE(dc, nullptr);
    ASSERT_EQ(dc->getRAMProgPtr(0)[18], 100);
    testing_support::paintingOf(*user(1));
    EXPECT_EQ(user(1)->getAmpType(), 5);

    // A2 onto file slot ":1", then A1 over it.
    auto* slot = fileSlot(0, 0);
    slot->itemDropped(dragOf(user(1), ProgramDataDragID, 1));
    pumpFor(30);
    EXPECT_TRUE(testing_support::showsTypeWithPicture(*slot, 5));
    slot->itemDropped(dragOf(user(0), ProgramDataDragID, 0));
    pumpFor(30);
    EXPECT_EQ(dc->getFileProgPtr(0, 0)[18], 100);
    EXPECT_TRUE(testing_support::showsTypeWithPicture(*slot, 0));
    const juce::uint8 typeZero = typeByte(0);
    EXPECT_TRUE(testing_support::paintsAsWith(*slot, dc->getFileProgPtr(0, 0), 18, &typeZero, 1));

    // A1 onto A2.
    answers.push_back({ true, true });
    user(1)->itemDropped(dragOf(user(0), ProgramDataDragID, 0));
    ASSERT_TRUE(pumpUntil([&] { return amp.getUserProgram(1)[18] == 100 && amp.getProgram() == 1; }));
    testing_support::paintingOf(*user(1));
    EXPECT_EQ(user(1)->getAmpType(), 0);
    testing_support::saveScreenshot(*main(),
                                    model == 3 ? "orvapw_amp_byte_outside_the_list" : "orvakx_amp_byte_outside_the_list");
}

INSTANTIATE_TEST_SUITE_P(Models, OrvaScreen, ::testing::Values(3, 2));
