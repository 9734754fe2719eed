// The DWQR's librarian column against the simulated DWQR, through the real
// buttons and the write question: preset, user and file clicks, drags
// between presets, user slots, file slots and the editor (answered yes and
// no), the lit buttons, the tab column's slide, and the layout.
#include "GUI/DWQ/DWQLibFileComponent.h"
#include "GUI/DWQ/DWQLibROMComponent.h"
#include "GUI/DWQ/DWQLibROMSubTab.h"
#include "GUI/DWQ/DWQTabbedComponent.h"
#include "GUI/DWQ/DWQUserButtonContainerComponent.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/PGNameBoxComponent.h"
#include "GUI/Editor/PGNameEditComponent.h"
#include "GUI/Editor/ProgramDataDragItem.h"
#include "GUI/Editor/RSFileProgButton.h"
#include "GUI/Editor/RSPresetProgButton.h"
#include "GUI/Editor/RSUserProgButton.h"
#include "GUI/Widgets/FontLibrary.h"
#include "GUI/Widgets/MIDIIndicator.h"
#include "GUI/Widgets/RSKnob.h"
#include "support/DWQScreenFixture.h"
#include "support/ShownProgramCheck.h"
#include "support/TabTextCheck.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace testing_support;

namespace
{
struct DWQLibrarian : DWQScreenFixture
{
    void SetUp() override
    {
        // The amplifier plays user program A3.
        bootScreen({ SimulatedAmplifier::modeUser, 2 });
        // A new file in the first file tab, with records of its own.
        view()->getNewFileButton()->triggerClick();
        ASSERT_TRUE(pumpUntil([this] { return view()->getNumTabs() == 2; }));
        for (int k = 0; k < 11; ++k)
        {
            auto* record = dc->getFileProgPtr(0, k);
            for (int i = 0; i < 30; ++i)
                record[i] = (juce::uint8)((0x41 + k * 3 + i) & 0x7F);
            record[18] = (juce::uint8)(k % 11);
        }
        view()->getTabPanel()->setCurrentTabIndex(0);
        pumpFor(50);
        ASSERT_TRUE(settle());
        amp->clearRecords();
    }

    DWQLibROMComponent* presets() const
    {
        return dynamic_cast<DWQLibROMComponent*>(view()->getPresetTab()->getContentComponent());
    }
    DWQUserButtonContainerComponent* users() const { return view()->getUserPanel(); }
    RSPresetProgButton* preset(int k) const { return presets()->getPresetButton(k); }
    RSUserProgButton* user(int k) const { return dynamic_cast<RSUserProgButton*>(users()->getUserButtonComponent(k)); }
    RSFileProgButton* fileSlot(int tab, int k) const
    {
        auto* page = view()->getFilePageOfTab(tab + 1);
        return page != nullptr ? dynamic_cast<RSFileProgButton*>(page->getFileButtonComponent(k)) : nullptr;
    }
    static juce::DragAndDropTarget::SourceDetails programDrag(int program, juce::Component* source)
    {
        return { ProgramDataDragItem(ProgramDataDragID, program), source, {} };
    }
    static juce::DragAndDropTarget::SourceDetails editorDrag(juce::Component* source)
    {
        return { ProgramDataDragItem(CurrentProgramDataDragID, -1), source, {} };
    }
    // The lit buttons of the three columns, as program numbers.
    juce::Array<int> lit() const
    {
        juce::Array<int> on;
        for (int k = 0; k < 11; ++k)
            if (preset(k)->getToggleState())
                on.add(k);
        for (int k = 0; k < 8; ++k)
            if (user(k)->getToggleState())
                on.add(11 + k);
        for (int k = 0; k < 11; ++k)
            if (auto* slot = fileSlot(0, k))
                if (slot->getToggleState())
                    on.add(19 + k);
        return on;
    }
    static SimulatedAmplifier::Bytes record(const unsigned char* p) { return bytes(p, 30); }
};
} // namespace

TEST_F(DWQLibrarian, TheScreenStandsAsLaidOutWithTheAmplifiersProgramLit)
{
    EXPECT_EQ(view()->getEditorPage()->getBounds(), juce::Rectangle<int>(256, 0, 768, 560));
    EXPECT_EQ(users()->getBounds(), juce::Rectangle<int>(256, 560, 768, 208));
    EXPECT_EQ(view()->getTabPanel()->getBounds(), juce::Rectangle<int>(0, 36, 256, 732));
    EXPECT_EQ(view()->getTabPanel()->getTabBarDepth(), 32);
    EXPECT_EQ(user(0)->getBounds(), juce::Rectangle<int>(30, 40, 173, 76));
    EXPECT_EQ(user(3)->getBounds(), juce::Rectangle<int>(564, 40, 173, 76));
    EXPECT_EQ(user(4)->getBounds(), juce::Rectangle<int>(30, 121, 173, 76));
    EXPECT_EQ(preset(0)->getBounds(), juce::Rectangle<int>(4, 4, 256, 63));
    EXPECT_EQ(preset(10)->getY(), 634);
    EXPECT_EQ(view()->getTabTitle(0), "Preset");
    EXPECT_EQ(DWQUserButtonContainerComponent::headerText(), "User Program (Synchronized with DWQR)");
    // The amplifier's program is lit, not the last button of each group.
    EXPECT_EQ(lit(), juce::Array<int>({ 13 }));
    saveScreenshot(*mainComponent(), "dwq_working_screen");
}

TEST_F(DWQLibrarian, TabTextsAndTheConnectionBadgeAreReadable)
{
    // "Preset" and a file's tab, then three files: each text in its colour,
    // inside its tab and clear of the close cross.
    const juce::Colour grey(0xFFD4D4D4);
    auto& column = view()->getTabPanel()->getTabbedButtonBar();
    testing_support::expectReadableTabs(column, grey, grey.withAlpha(0.4f));
    column.setCurrentTabIndex(1);
    testing_support::expectReadableTabs(column, grey, grey.withAlpha(0.4f));
    view()->getNewFileButton()->triggerClick();
    view()->getNewFileButton()->triggerClick();
    ASSERT_TRUE(pumpUntil([this] { return view()->getNumTabs() == 4; }));
    testing_support::expectReadableTabs(column, grey, grey.withAlpha(0.4f));

    // The wide badge stands whole in its header slot, right of the catalogue
    // strip's header and left of the menu button.
    auto* badge = editor()->getMIDIIndicator();
    ASSERT_NE(badge, nullptr);
    EXPECT_EQ(badge->getImageString(), "DWconnect_24x52w");
    EXPECT_EQ(badge->getPicture().getBounds(), juce::Rectangle<int>(0, 0, 52, 24));
    EXPECT_EQ(badge->getBounds(), juce::Rectangle<int>(768 - 66 - 52, 7, 52, 25));
    EXPECT_TRUE(badge->isVisible());
    EXPECT_LT(badge->getRight(), editor()->getMenuButton()->getX());
    saveScreenshot(*mainComponent(), "dwq_tabs_and_badge");
}

TEST_F(DWQLibrarian, PresetAndFileNamesStandWholeBesideTheirPicture)
{
    // Each preset and file button: its two lines of text, laid out in their
    // fonts, are whole and end before the picture; and no white text pixel
    // lands on the picture (our amp pictures hold no white).
    std::vector<RSProgSelectButton*> buttons;
    for (int k = 0; k < 11; ++k)
    {
        buttons.push_back(preset(k));
        buttons.push_back(fileSlot(0, k));
    }
    for (auto* button : buttons)
    {
        ASSERT_NE(button, nullptr);
        const auto snapshot = button->createComponentSnapshot(button->getLocalBounds());
        const juce::Rectangle<int> area(button->getWidth() / 3 - 3, 0, button->getWidth() * 2 / 3, button->getHeight());
        const auto picture = button->getNormalImageBounds(area);
        ASSERT_FALSE(picture.isEmpty()) << button->getProgramNumber();
        const auto amp = button->getAmpName(button->getAmpType());
        ASSERT_TRUE(amp.isNotEmpty());
        for (const auto& [text, font, y] : { std::make_tuple(button->getButtonText(), FontLibrary::named("ProgramNameButton"), 5),
                                             std::make_tuple(amp, FontLibrary::named("AmpTypeButton"), 25) })
        {
            ASSERT_TRUE(text.isNotEmpty()) << button->getProgramNumber();
            const auto glyphs = RSProgSelectButton::layOutWholeText(font, text, button->textBoxBesidePicture(y, area));
            juce::String laidOut;
            for (const auto& glyph : glyphs)
                laidOut += juce::String::charToString(glyph.getCharacter());
            EXPECT_EQ(laidOut.removeCharacters(" "), text.removeCharacters(" ")) << button->getProgramNumber();
            EXPECT_LE(glyphs.getBoundingBox(0, -1, true).getRight(), (float) picture.getX()) << text;
        }
        int whiteOnPicture = 0, whiteBeside = 0;
        for (int y = 0; y < snapshot.getHeight(); ++y)
            for (int x = 0; x < snapshot.getWidth(); ++x)
            {
                const auto c = snapshot.getPixelAt(x, y);
                if (juce::jmin(c.getRed(), c.getGreen(), c.getBlue()) >= 230)
                    ++(picture.contains(x, y) ? whiteOnPicture : whiteBeside);
            }
        EXPECT_EQ(whiteOnPicture, 0) << button->getProgramNumber() << " " << amp;
        EXPECT_GT(whiteBeside, 20) << button->getProgramNumber();
    }
    saveScreenshot(*view()->getTabPanel(), "dwq_preset_names");
}

TEST_F(DWQLibrarian, AClickSelectsAPresetAUserProgramOrAFileProgramWithOneMessage)
{
    // Preset 4: the mode change, no dump; the editor shows the preset.
    clickOn(*preset(3));
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0][0], 0x4E);
    EXPECT_EQ(amp->getMode(), SimulatedAmplifier::modePreset);
    EXPECT_EQ(amp->getProgram(), 3);
    EXPECT_EQ(record(dc->getEditBuf()), record(dc->getROMProgPtr(3)));
    EXPECT_EQ(lit(), juce::Array<int>({ 3 }));
    ASSERT_TRUE(pumpUntil([this] { return widget<RSKnob>(0x301)->getCurrentValue() == dc->getROMProgPtr(3)[19]; }));

    // User B2: the mode change; the slot becomes the store target.
    amp->clearRecords();
    clickOn(*user(5));
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0][0], 0x4E);
    EXPECT_EQ(amp->getMode(), SimulatedAmplifier::modeUser);
    EXPECT_EQ(amp->getProgram(), 5);
    EXPECT_EQ(DataCenter::iUserDestProg, 16);
    EXPECT_EQ(record(dc->getEditBuf()), amp->getUserProgram(5));
    EXPECT_EQ(lit(), juce::Array<int>({ 16 }));

    // A file program: sent as the current program, no mode change.
    amp->clearRecords();
    clickOn(*fileSlot(0, 2));
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0][0], 0x40);
    EXPECT_EQ(amp->getEditBuffer(), record(dc->getFileProgPtr(0, 2)));
    EXPECT_EQ(lit(), juce::Array<int>({ 21 }));
}

TEST_F(DWQLibrarian, ADropOnAUserSlotAsksThenWritesAndSelectsIt)
{
    // User A2 onto A1, answered Cancel: nothing written, nothing sent.
    const auto a1 = amp->getUserProgram(0), a2 = amp->getUserProgram(1);
    ASSERT_NE(a1, a2);
    ASSERT_TRUE(user(0)->isInterestedInDragSource(programDrag(12, user(1))));
    answers.push_back({ false, true });
    user(0)->itemDropped(programDrag(12, user(1)));
    ASSERT_TRUE(settleAt(0));
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].startsWith("Write to DWQ R's User Program ?"));
    EXPECT_EQ(record(dc->getRAMProgPtr(0)), a1);

    // OK: the record goes over, is sent once and the slot is selected.
    answers.push_back({ true, true });
    user(0)->itemDropped(programDrag(12, user(1)));
    ASSERT_TRUE(settleAt(2));
    EXPECT_EQ(received()[0][0], 0x4C);
    EXPECT_EQ(received()[1][0], 0x4E);
    EXPECT_EQ(amp->getUserProgram(0), a2);
    EXPECT_EQ(record(dc->getRAMProgPtr(0)), a2);
    EXPECT_EQ(lit(), juce::Array<int>({ 11 }));

    // The program being edited onto B4, and a preset onto B3, without the
    // question once it is switched off.
    amp->clearRecords();
    answers.push_back({ true, false });
    user(7)->itemDropped(editorDrag(area()));
    ASSERT_TRUE(settleAt(2));
    EXPECT_EQ(amp->getUserProgram(7), record(dc->getEditBuf()));
    amp->clearRecords();
    user(6)->itemDropped(programDrag(5, preset(5)));
    ASSERT_TRUE(settleAt(2));
    EXPECT_EQ(questions.size(), 3);
    EXPECT_EQ(amp->getUserProgram(6), record(dc->getROMProgPtr(5)));

    // A slot never takes a drag from itself, a preset takes none at all, and
    // a program number past the files is refused.
    EXPECT_FALSE(user(6)->isInterestedInDragSource(programDrag(17, user(6))));
    EXPECT_FALSE(preset(0)->isInterestedInDragSource(programDrag(12, user(1))));
    EXPECT_FALSE(user(6)->isInterestedInDragSource(programDrag(52, user(1))));
}

TEST_F(DWQLibrarian, ADropOnAFileSlotCopiesMarksAndSendsOnlyTheSelection)
{
    const auto before = record(dc->getFileProgPtr(0, 4));
    fileSlot(0, 4)->itemDropped(programDrag(2, preset(2)));
    // The slot is selected: its program goes out as the current program.
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0][0], 0x40);
    EXPECT_EQ(record(dc->getFileProgPtr(0, 4)), record(dc->getROMProgPtr(2)));
    EXPECT_NE(record(dc->getFileProgPtr(0, 4)), before);
    EXPECT_EQ(dc->getModifiedMask(0), 1 << 4);
    EXPECT_TRUE(questions.isEmpty());

    // User slot to file slot and file slot to user slot.
    amp->clearRecords();
    fileSlot(0, 5)->itemDropped(programDrag(14, user(3)));
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(record(dc->getFileProgPtr(0, 5)), amp->getUserProgram(3));
    amp->clearRecords();
    answers.push_back({ true, true });
    user(2)->itemDropped(programDrag(23, fileSlot(0, 4)));
    ASSERT_TRUE(settleAt(2));
    EXPECT_EQ(amp->getUserProgram(2), record(dc->getROMProgPtr(2)));
}

TEST_F(DWQLibrarian, TheTabColumnComesBackForAProgramDragAndSlidesOutAfterASelection)
{
    auto* tabs = view()->getTabPanel();
    // The display is wider than the editor page by more than the column:
    // nothing slides.
    EXPECT_FALSE(view()->isSlidOut());
    // A program drag over the panel shows the first file tab.
    tabs->setCurrentTabIndex(0);
    tabs->itemDragEnter(programDrag(12, user(1)));
    EXPECT_EQ(tabs->getCurrentTabIndex(), 1);
    tabs->itemDragExit(programDrag(12, user(1)));
    pumpFor(50);
    // A user button released without a drag asks the column to slide out;
    // with room for both columns it stays where it is.
    clickOn(*user(1));
    ASSERT_TRUE(pumpUntil([this] { return view()->isSlidOut(); }));
    pumpFor(600);
    EXPECT_EQ(tabs->getBounds(), view()->getHomeBounds());
}

// A name with bytes outside printable ASCII shows in the strip as the user
// button of its record shows it, each such byte one blank; a focus loss
// shows it so again, and Return with nothing typed sends the name as shown.
TEST_F(DWQLibrarian, TheStripShowsAnOddNameAsItsUserButtonDoesAndReturnSendsIt)
{
    putName(dc->getRAMProgPtr(1), oddProgramName);
    EXPECT_TRUE(paintsAsWith(*user(1), dc->getRAMProgPtr(1), 0, oddProgramNameShown, 16));
    clickOn(*user(1));
    ASSERT_TRUE(settleAt(1));
    auto* strip = editor()->getNameEdit();
    auto* box = strip->getNameBox();
    ASSERT_TRUE(pumpUntil([box] { return box->getText() == oddProgramNameShown; })) << box->getText();
    saveScreenshot(*view(), "dwq_odd_program_name");
    box->setText("Typed only", true);
    strip->textEditorFocusLost(*box);
    EXPECT_EQ(box->getText(), oddProgramNameShown);

    amp->clearRecords();
    strip->textEditorReturnKeyPressed(*box);
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(received()[0][0], 0x40);
    const auto sent = amp->getEditBuffer();
    ASSERT_EQ(sent.size(), 30u);
    EXPECT_EQ(std::string(sent.begin(), sent.begin() + 16), oddProgramNameShown);
    EXPECT_EQ(box->getText(), oddProgramNameShown);
}

// An amp byte that is none of the eleven types (50) reads as type 0 on the
// user and file slots as in the editor, whatever the slot showed before: the
// user slot draws DELUXE CL's name, the file slot its picture and name. The
// byte itself is copied and sent as it came.
TEST_F(DWQLibrarian, AnAmpByteOutsideTheListShowsTypeZeroOnTheUserAndFileSlots)
{
    const juce::uint8 typeZero = 0;
    dc->getRAMProgPtr(0)[18] = 50;
    EXPECT_TRUE(paintsAsWith(*user(0), dc->getRAMProgPtr(0), 18, &typeZero, 1));

    // A1 onto B1 (DOUBLE REC).
    dc->getRAMProgPtr(4)[18] = 10;
    paintingOf(*user(4));
    EXPECT_EQ(user(4)->getAmpType(), 10);
    answers.push_back({ true, true });
    user(4)->itemDropped(programDrag(11, user(0)));
    ASSERT_TRUE(settleAt(2));
    EXPECT_EQ(amp->getUserProgram(4)[18], 50);
    EXPECT_TRUE(paintsAsWith(*user(4), dc->getRAMProgPtr(4), 18, &typeZero, 1));
    EXPECT_EQ(user(4)->getAmpType(), 0);

    // B1 onto file slot ":7" (BRIT 1959).
    ASSERT_TRUE(showsTypeWithPicture(*fileSlot(0, 6), 6));
    amp->clearRecords();
    fileSlot(0, 6)->itemDropped(programDrag(15, user(4)));
    ASSERT_TRUE(settleAt(1));
    EXPECT_EQ(dc->getFileProgPtr(0, 6)[18], 50);
    EXPECT_TRUE(showsTypeWithPicture(*fileSlot(0, 6), 0));
    EXPECT_TRUE(paintsAsWith(*fileSlot(0, 6), dc->getFileProgPtr(0, 6), 18, &typeZero, 1));
    saveScreenshot(*view(), "dwq_amp_byte_outside_the_list");
}
