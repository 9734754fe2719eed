// The program buttons' tables, drag filters, drag start and name text: the
// amp tables against a second transcription, the drags each button accepts,
// the 50-pixel start of a program drag, the text shown for name bytes
// that are not plain ASCII, and the name of a changed file program on the page.
#include "Action/ActionManager.h"
#include "Application/Host.h"
#include "Core/DeviceInfo.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/ProgramDataDragItem.h"
#include "GUI/Editor/ProgramNameText.h"
#include "GUI/Editor/RSFileProgButton.h"
#include "GUI/Editor/RSLibFileComponentBase.h"
#include "GUI/Editor/RSPresetProgButton.h"
#include "GUI/Editor/RSUserProgButton.h"
#include "GUI/HMQ/HMQPresetProgButton.h"
#include "GUI/HMQ/HMQUserProgButton.h"
#include "GUI/Orva/OKXFileProgButton.h"
#include "GUI/Orva/OKXProgSelectButton.h"
#include "GUI/Orva/OKXUserProgButton.h"
#include "GUI/Orva/OPWFileProgButton.h"
#include "GUI/Orva/OPWProgSelectButton.h"
#include "GUI/Orva/OPWUserProgButton.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "GUI/Widgets/FontLibrary.h"
#include "support/FileTabTestSupport.h"
#include "support/ShownProgramCheck.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <vector>

namespace
{
using SourceDetails = juce::DragAndDropTarget::SourceDetails;

SourceDetails drag(const juce::String& id, int value, juce::Component* source = nullptr)
{
    return SourceDetails(ProgramDataDragItem(id, value), source, {});
}

struct Row
{
    const char* name;
    const char* image;
    juce::uint32 colour;
};

// Second transcription of the amp tables, row by row.
const Row opwRows[] = {
    { "CLASSIC BRIGHT", "AmpType_Classic_189x96", 0xFF80FA80 },
    { "CLASSIC NORMAL", "AmpType_Classic_189x96", 0xFF80FA80 },
    { "SLAP", "AmpType_Slap_189x96", 0xFF80FA80 },
    { "ROCK 1", "AmpType_Rock_189x96", 0xFF80FA80 },
    { "ROCK 2", "AmpType_FenderBassman_187x95", 0xFF80FA80 },
    { "MODERN", "AmpType_Modern_189x96", 0xFF80FA80 },
    { "DEEP", "AmpType_Deep_189x96", 0xFF80FA80 },
    { "TIGHT SYNTH", "AmpType_TightSYNTH_189x96", 0xFF80FA80 },
    { "DIRTY SYNTH", "AmpType_DirtySynth_189x96", 0xFF80FA80 },
    { "PUNCHY SYNTH", "AmpType_PunchySynth_189x96", 0xFF80FA80 },
    { "DELUXE CL", "AmpType_FenderDeluxeReverb_187x95", 0xFF80FA80 },
    { "QT50", "AmpType_QT50_189x96", 0xFF80FA80 },
    { "QT50HB", "AmpType_QT50_189x96", 0xFF80FA80 },
    { "BRIT 800", "AmpType_MarshallJCM800_shadow_196x108", 0xFF80FA80 },
    { "DOUBLE REC", "AmpType_MesaBoogie_178x91", 0xFF80FA80 },
    { "ERUPT III CH3", "AmpType_ERUPT3_189x95", 0xFF80FA80 },
    { "FLAT", "AmpType_Flat_189x96", 0xFF80FA80 },
};
constexpr juce::uint32 G = 0xFF80FA80, Y = 0xFFFAFA80, R = 0xFFFA8080;
const Row okxRows[] = {
    { "DELUXE CL VIBRATO", "AmpType_FenderDeluxeReverb_187x95", G },
    { "DELUXE CL NORMAL", "AmpType_FenderDeluxeReverb_187x95", G },
    { "TWEED 4x10 BRIGHT", "AmpType_FenderBassman_187x95", Y },
    { "TWEED 4x10 NORMAL", "AmpType_FenderBassman_187x95", Y },
    { "BOUTIQUE CL", "AmpType_OverdriveSpecial_178x91", G },
    { "BOUTIQUE OD", "AmpType_OverdriveSpecial_178x91", Y },
    { "QT50", "AmpType_QT50_189x96", G },
    { "QT50HB", "AmpType_QT50_189x96", Y },
    { "BRIT 1959 TREBLE", "AmpType_Marshall1959_178x91", Y },
    { "BRIT 1959 NORMAL", "AmpType_Marshall1959_178x91", Y },
    { "BRIT 800", "AmpType_MarshallJCM800_178x91", Y },
    { "BRIT VM", "AmpType_MarshallJCM800_178x91", R },
    { "SL-OD", "AmpType_SmoothLead_178x91", R },
    { "DOUBLE REC", "AmpType_MesaBoogie_178x91", R },
    { "CALI ELATION", "AmpType_calielation_178x91", G },
    { "ERUPT\x09III CH2", "AmpType_ERUPT3_189x95", G },
    { "ERUPT III CH3", "AmpType_ERUPT3_189x95", G },
    { "BOUTIQUE METAL", "AmpType_BoutiqueMetal_180x91", R },
    { "BRIT VERB", "AmpType_orange_187x95", G },
    { "ORIGINAL  CL", "AmpType_OrigCL_179x90", G },
    { "TEXAS LEAD", "AmpType_TexasLead_189x96", G },
    { "ACOUSTIC SIMULATOR", "AmpType_AcousticSimulator_189x96", G },
    { "FLAT", "AmpType_Flat_189x96", G },
};
const Row dwqRows[] = {
    { "DELUXE CL", "AmpType_FenderDeluxeReverb_187x68", G },
    { "TWEED 4x10", "AmpType_FenderBassman_187x68", Y },
    { "BOUTIQUE CL", "AmpType_OverdriveSpecial_178x68", G },
    { "BOUTIQUE OD", "AmpType_OverdriveSpecial_178x68", Y },
    { "ZUL QT50", "AmpType_QT50_178x68", G },
    { "ZUL QT50HB", "AmpType_QT50_178x68", Y },
    { "BRIT 1959", "AmpType_Marshall1959_178x68", Y },
    { "BRIT 800", "AmpType_MarshallJCM800_178x68", Y },
    { "BRIT VM", "AmpType_MarshallJCM800_178x68", R },
    { "SL-OD", "AmpType_SmoothLead_178x68", R },
    { "DOUBLE REC", "AmpType_MesaBoogie_178x68", R },
};

template <size_t N>
void expectTable(RSProgSelectButton& button, const Row (&rows)[N], const char* what)
{
    const int last = (int) N - 1;
    for (int t = -3; t <= last + 3; ++t)
    {
        const auto& row = rows[juce::jlimit(0, last, t)];
        EXPECT_EQ(button.getAmpName(t), juce::String(row.name)) << what << " type " << t;
        EXPECT_EQ(button.getPNGName(t), juce::String(row.image)) << what << " type " << t;
        EXPECT_EQ(button.getAmpColor(t), juce::Colour(row.colour)) << what << " type " << t;
    }
}

struct ProgramButtons : ::testing::Test
{
    void SetUp() override { host = Host::createInstance(); }
    void TearDown() override { Host::destroyInstance(); }
    void useModel(int model)
    {
        host->changeDeviceEnvironment(DeviceInfo((eProductModelId) model, true, 0, "in", 0, "out", 1, 0, 0, kMediaTypeUSB));
    }
    Host* host = nullptr;
};
} // namespace

TEST_F(ProgramButtons, AmpTablesMatchASecondTranscriptionAndClampTheirIndex)
{
    juce::Component owner;
    OPWProgSelectButton opw(&owner, 4098, 0, 0, "opw");
    OKXProgSelectButton okx(&owner, 4098, 0, 0, "okx");
    RSProgSelectButton dwq(&owner, 4098, 0, 11, "dwq");
    expectTable(opw, opwRows, "Orva PW");
    expectTable(okx, okxRows, "Orva KX");
    expectTable(dwq, dwqRows, "DWQ");

    // A button starts with its amp type's colour and its number in "PROGID".
    OKXProgSelectButton red(&owner, 4098, 13, 21, "red");
    EXPECT_EQ(red.findColour(juce::TextButton::buttonColourId), juce::Colour(R));
    EXPECT_EQ((int) red.getProperties()["PROGID"], 21);
    EXPECT_EQ(red.getRadioGroupId(), 4098);
    EXPECT_TRUE(red.getTriggeredOnMouseDown());
}

TEST_F(ProgramButtons, EachButtonAcceptsOnlyTheProgramDragsOfItsModel)
{
    juce::Component owner;
    OPWProgSelectButton opw(&owner, 4098, 0, 3, "A4");
    OKXProgSelectButton okx(&owner, 4098, 0, 3, "A4");
    RSUserProgButton dwq(&owner, 4098, 0, 11, "A1");
    RSPresetProgButton preset(&owner, 4098, 0, 0, "P1");
    juce::Component other;

    for (auto* orva : std::initializer_list<RSProgSelectButton*> { &opw, &okx })
    {
        EXPECT_TRUE(orva->isInterestedInDragSource(drag(CurrentProgramDataDragID, -1, orva)));
        EXPECT_TRUE(orva->isInterestedInDragSource(drag(ProgramDataDragID, 0, &other)));
        EXPECT_TRUE(orva->isInterestedInDragSource(drag(ProgramDataDragID, 31, &other)));
        EXPECT_FALSE(orva->isInterestedInDragSource(drag(ProgramDataDragID, 32, &other)));
        EXPECT_FALSE(orva->isInterestedInDragSource(drag(ProgramDataDragID, -1, &other)));
        EXPECT_FALSE(orva->isInterestedInDragSource(drag(ProgramDataDragID, 3, orva))); // itself
        EXPECT_FALSE(orva->isInterestedInDragSource(drag(AmpFXModelModuleDragID, 0, &other)));
        EXPECT_FALSE(orva->isInterestedInDragSource(drag(AudioEQDataDragID, 1, &other)));
    }
    EXPECT_TRUE(dwq.isInterestedInDragSource(drag(ProgramDataDragID, 51, &other)));
    EXPECT_FALSE(dwq.isInterestedInDragSource(drag(ProgramDataDragID, 52, &other)));
    EXPECT_FALSE(dwq.isInterestedInDragSource(drag(ProgramDataDragID, 12, &dwq)));
    EXPECT_TRUE(dwq.isInterestedInDragSource(drag(CurrentProgramDataDragID, -1, &other)));
    EXPECT_FALSE(preset.isInterestedInDragSource(drag(CurrentProgramDataDragID, -1, &other)));
    EXPECT_FALSE(preset.isInterestedInDragSource(drag(ProgramDataDragID, 12, &other)));
}

TEST_F(ProgramButtons, AProgramDragStartsFiftyPixelsFromWhereThePointerEntered)
{
    struct View : juce::Component,
                  juce::DragAndDropContainer
    {
    } view;
    view.setBounds(0, 0, 400, 400);
    OPWUserProgButton button(&view, 4098, 0, 5, "B2");
    view.addAndMakeVisible(button);
    button.setBounds(10, 10, 173, 70);

    auto mouse = juce::Desktop::getInstance().getMainMouseSource();
    auto event = [&](int x, int y) {
        return juce::MouseEvent(mouse, { (float) x, (float) y }, {}, {}, {}, {}, {}, {}, &button, &button,
                                juce::Time::getCurrentTime(), { 60.0f, 60.0f }, juce::Time::getCurrentTime(), 1, false);
    };

    // Entered at (5, 5); the press point does not count.
    button.mouseEnter(event(5, 5));
    button.mouseDrag(event(30, 29)); // 25 + 24 = 49
    EXPECT_FALSE(button.isDragStarted());
    button.mouseDrag(event(30, 30)); // 50
    EXPECT_TRUE(button.isDragStarted());
    button.mouseUp(event(30, 30));
    EXPECT_FALSE(button.isDragStarted());

    // Without an enclosing drag container no drag starts.
    OPWUserProgButton alone(nullptr, 4098, 0, 6, "B3");
    alone.setBounds(0, 0, 173, 70);
    alone.mouseEnter(event(0, 0));
    alone.mouseDrag(event(100, 100));
    EXPECT_FALSE(alone.isDragStarted());
}

TEST(ProgramNameTextTest, NameBytesBecomeAtMostSixteenPrintableCharacters)
{
    unsigned char record[62];
    std::memset(record, 'x', sizeof(record)); // no terminator in the name
    std::memcpy(record,
                "CLEAN\tLEAD\xE9\xFF"
                "ABCD",
                16);
    EXPECT_EQ(ProgramNameText::fromRecord(record), "CLEAN LEAD  ABCD");
    EXPECT_EQ(ProgramNameText::fromRecord(record).length(), 16);
    EXPECT_EQ(ProgramNameText::fromFileRecord(record), ""); // a file button shows no name then

    std::memcpy(record, "DRIVE\0\xFF\xFF", 8);
    EXPECT_EQ(ProgramNameText::fromRecord(record), "DRIVE");
    EXPECT_EQ(ProgramNameText::fromFileRecord(record), "DRIVE"); // bytes after the end do not count
    EXPECT_EQ(ProgramNameText::fromRecord(nullptr), "");
    EXPECT_EQ(ProgramNameText::fromFileRecord(nullptr), "");

    // The edges of printable ASCII: 0x1F and DEL are drawn as blanks, the
    // blank and '~' as they are, by every button that reads a record.
    std::memcpy(record,
                "~A\x1f"
                "B\x7f"
                "C D~~~~~~~~",
                16);
    const juce::String edges("~A B C D~~~~~~~~");
    EXPECT_EQ(ProgramNameText::fromRecord(record), edges);
    EXPECT_EQ(ProgramNameText::fromFileRecord(record), edges);
    EXPECT_EQ(ProgramNameText::printable("~A\x1f"
                                         "B\x7f"
                                         "C D~"),
              "~A B C D~");

    // The Orva KX amp name stored with a tab is drawn with a blank.
    juce::Component owner;
    OKXProgSelectButton okx(&owner, 4098, 0, 0, "okx");
    EXPECT_EQ(ProgramNameText::printable(okx.getAmpName(15)), "ERUPT III CH2");
}

namespace
{
// The contrast ratio of two opaque colours, from their relative luminance.
double contrastRatio(juce::Colour a, juce::Colour b)
{
    const auto luminance = [](juce::Colour c) {
        const auto linear = [](juce::uint8 v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.getRed()) + 0.7152 * linear(c.getGreen()) + 0.0722 * linear(c.getBlue());
    };
    const auto la = luminance(a), lb = luminance(b);
    return (juce::jmax(la, lb) + 0.05) / (juce::jmin(la, lb) + 0.05);
}

RSLibFileComponentBase* findShowingFilePage(juce::Component& root)
{
    if (auto* page = dynamic_cast<RSLibFileComponentBase*>(&root); page != nullptr && page->isShowing())
        return page;
    for (auto* child : root.getChildren())
        if (auto* page = findShowingFilePage(*child))
            return page;
    return nullptr;
}

// Every model's screen with one new file.
struct ScreenWithNewFile : testing_support::FileTabFixture,
                           ::testing::WithParamInterface<int>
{
    void SetUp() override
    {
        startScreenOf(GetParam());
        actions().invokeDirectly(ActionManager::cmdFileNew, false);
        testing_support::pumpFor(50);
    }

    MainComponent* main() const { return host->getMasterGuiManager()->getMainWindow()->getMainComponent(); }
};

// The new file's first program changed.
struct ModifiedFileSlot : ScreenWithNewFile
{};
} // namespace

TEST_P(ModifiedFileSlot, TheRedNameReadsWellOnTheLitAndTheIdleFill)
{
    ASSERT_EQ(dc()->getFileCount(), 1);
    auto* record = dc()->getFileProgPtr(0, 0);
    ASSERT_NE(record, nullptr);
    std::memcpy(record, "HILL MILL IIIIII", 16);
    dc()->setModifiedMask(0, 1);
    auto* page = findShowingFilePage(*main());
    ASSERT_NE(page, nullptr);
    auto* button = page->getFileButtonComponent(0);
    ASSERT_NE(button, nullptr);

    for (const bool lit : { false, true })
    {
        button->setToggleState(lit, juce::dontSendNotification);
        // The page as it shows the slot, four times enlarged so that the
        // letters' strokes hold pixels of their full colour.
        constexpr int scale = 4;
        const auto area = main()->getLocalArea(button, button->getLocalBounds());
        const auto shot = main()->createComponentSnapshot(area, true, (float) scale);
        // The name's line, left of the picture (the DWQR and HMQ buttons
        // write it at y 5, the Orva ones at y 20).
        const int top = model <= 1 ? 5 : 20;
        const juce::Rectangle<int> line(4 * scale, top * scale, (button->getWidth() / 3 - 8) * scale, 20 * scale);
        std::map<juce::uint32, int> counts;
        for (int y = line.getY(); y < line.getBottom(); ++y)
            for (int x = line.getX(); x < line.getRight(); ++x)
                ++counts[shot.getPixelAt(x, y).getARGB()];
        const auto fill = juce::Colour(
            std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first);
        juce::Colour text = fill;
        for (const auto& [argb, count] : counts)
            if (contrastRatio(juce::Colour(argb), fill) > contrastRatio(text, fill))
                text = juce::Colour(argb);
        EXPECT_GT(text.getRed() - juce::jmax(text.getGreen(), text.getBlue()), 60)
            << "model " << model << (lit ? " lit " : " idle ") << text.toDisplayString(false);
        EXPECT_GE(contrastRatio(text, fill), 4.5) << "model " << model << (lit ? " lit: " : " idle: ")
                                                  << text.toDisplayString(false) << " on " << fill.toDisplayString(false);
    }
    testing_support::saveScreenshot(*main(), "modified_file_slot_model" + juce::String(model));
}

INSTANTIATE_TEST_SUITE_P(EveryModel, ModifiedFileSlot, ::testing::Values(0, 1, 2, 3));

namespace
{
// The first button of the class on the screen, the pages of tabs not in
// front included.
template <class Button>
Button* findButton(juce::Component& root)
{
    if (auto* button = dynamic_cast<Button*>(&root))
        return button;
    for (auto* child : root.getChildren())
        if (auto* button = findButton<Button>(*child))
            return button;
    if (auto* tabs = dynamic_cast<juce::TabbedComponent*>(&root))
        for (int t = 0; t < tabs->getNumTabs(); ++t)
            if (auto* page = tabs->getTabContentComponent(t))
                if (auto* button = findButton<Button>(*page))
                    return button;
    return nullptr;
}

// A program button of the screen and the record whose name it draws.
struct NamedSlot
{
    const char* kind;
    RSProgSelectButton* button;
    unsigned char* record;
    bool fileSlot; // shows no name for a byte of 0x80 or more
};

struct EveryProgramButton : ScreenWithNewFile
{
    std::vector<NamedSlot> slots()
    {
        auto* root = main();
        auto* page = findShowingFilePage(*root);
        auto* file = page != nullptr ? dynamic_cast<RSProgSelectButton*>(page->getFileButtonComponent(0)) : nullptr;
        static const char* const fileKinds[] = { "DWQ file", "HMQ file", "Orva KX file", "Orva PW file" };
        NamedSlot fileSlot { fileKinds[model], file, dc()->getFileProgPtr(0, 0), true };
        const auto user = [this](const char* kind, RSProgSelectButton* button, int firstUser) {
            return NamedSlot { kind, button,
                               button != nullptr ? dc()->getRAMProgPtr(button->getProgramNumber() - firstUser) : nullptr, false };
        };
        const auto preset = [this](const char* kind, RSProgSelectButton* button) {
            return NamedSlot { kind, button, button != nullptr ? dc()->getROMProgPtr(button->getProgramNumber()) : nullptr,
                               false };
        };
        switch (model)
        {
            case 0:
                return { user("DWQ user", findButton<RSUserProgButton>(*root), 11),
                         preset("DWQ preset", findButton<RSPresetProgButton>(*root)), fileSlot };
            case 1:
                return { user("HMQ user", findButton<HMQUserProgButton>(*root), 60),
                         preset("HMQ preset", findButton<HMQPresetProgButton>(*root)), fileSlot };
            case 2: return { user("Orva KX user", findButton<OKXUserProgButton>(*root), 0), fileSlot };
            default: return { user("Orva PW user", findButton<OPWUserProgButton>(*root), 0), fileSlot };
        }
    }
};

// Where the button draws a name: the pixels in which its painting over the
// record named `name` differs from its painting over a record without one.
juce::Rectangle<int> nameInk(RSProgSelectButton& button, unsigned char* record, const char* name)
{
    char bytes[16] = {};
    testing_support::putName(record, bytes);
    const auto without = testing_support::paintingOf(button);
    std::memcpy(bytes, name, std::strlen(name));
    testing_support::putName(record, bytes);
    const auto with = testing_support::paintingOf(button);
    juce::Rectangle<int> ink;
    for (int y = 0; y < with.getHeight(); ++y)
        for (int x = 0; x < with.getWidth(); ++x)
            if (with.getPixelAt(x, y) != without.getPixelAt(x, y))
                ink = ink.isEmpty() ? juce::Rectangle<int>(x, y, 1, 1) : ink.getUnion({ x, y, 1, 1 });
    return ink;
}
} // namespace

// Every program button draws the record's name left-justified with its
// leading blanks, and odd name bytes as blanks; a file slot shows no name
// for a byte of 0x80 or more.
TEST_P(EveryProgramButton, DrawsTheNameWithItsLeadingBlanksAndOddBytesAsBlanks)
{
    const float fourBlanks = FontLibrary::named("ProgramNameButton").getStringWidthFloat("    ");
    ASSERT_GT(fourBlanks, 4.0f);
    for (const auto& slot : slots())
    {
        SCOPED_TRACE(slot.kind);
        ASSERT_NE(slot.button, nullptr);
        ASSERT_NE(slot.record, nullptr);
        juce::MemoryBlock kept(slot.record, 16);

        const auto flush = nameInk(*slot.button, slot.record, "Start");
        const auto indented = nameInk(*slot.button, slot.record, "    Start");
        testing_support::saveScreenshot(*slot.button,
                                        juce::String("leading_blanks_") + juce::String(slot.kind).replace(" ", "_"));
        ASSERT_FALSE(flush.isEmpty());
        // The same letters, four blanks further right.
        EXPECT_NEAR((float) (indented.getX() - flush.getX()), fourBlanks, 1.0f)
            << flush.toString() << " / " << indented.toString();
        EXPECT_NEAR(indented.getWidth(), flush.getWidth(), 1);
        EXPECT_EQ(indented.getY(), flush.getY());
        EXPECT_EQ(indented.getHeight(), flush.getHeight());

        const char none[16] = {};
        testing_support::putName(slot.record, testing_support::oddProgramName);
        EXPECT_TRUE(testing_support::paintsAsWith(*slot.button, slot.record, 0,
                                                  slot.fileSlot ? none : testing_support::oddProgramNameShown, 16));
        std::memcpy(slot.record, kept.getData(), 16);
        testing_support::paintingOf(*slot.button);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryModel, EveryProgramButton, ::testing::Values(0, 1, 2, 3));
