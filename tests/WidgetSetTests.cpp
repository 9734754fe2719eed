// Labels, value displays, the text field, the global-page buttons, the power
// switch and the looks; and a panel of every widget kind for the eye.
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "Core/DeviceInfo.h"
#include "GUI/Editor/RSPresetProgButton.h"
#include "GUI/HMQ/HMQPresetProgButton.h"
#include "GUI/HMQ/HMQReadOnlyTextEditor.h"
#include "GUI/HMQ/HMQUserProgButton.h"
#include "GUI/HMQ/RSHMQAmpImageButton.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "GUI/Shell/RSUSBSelectButton.h"
#include "GUI/Widgets/CustomLookAndFeel.h"
#include "GUI/Widgets/FontLibrary.h"
#include "GUI/Widgets/ImageResourceManager.h"
#include "GUI/Widgets/OverlayComponentLookAndFeel.h"
#include "GUI/Widgets/RSCloseButton.h"
#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSKnobSwitch.h"
#include "GUI/Widgets/RSLabel.h"
#include "GUI/Widgets/RSTextEditor.h"
#include "GUI/Widgets/RSToggleButton.h"
#include "GUI/Widgets/RSToggleSwitch.h"
#include "GUI/Widgets/RSValDispButton.h"
#include "GUI/Widgets/RSWideSwitch.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "GUI/Widgets/ToggleButtonLookAndFeel.h"
#include "ParamTable/ISection.h"
#include "Platform/PlatformFonts.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#include <optional>

namespace
{
DeviceInfo device(int model)
{
    return DeviceInfo((eProductModelId) model, true, 0, "in", 0, "out", 1, 0, 0, kMediaTypeUSB);
}

struct Widgets : ::testing::Test
{
    void SetUp() override { host = Host::createInstance(); }
    void TearDown() override { Host::destroyInstance(); }

    void useModel(int model) { host->changeDeviceEnvironment(device(model)); }

    std::unique_ptr<RSKnob> knobFor(int paramId)
    {
        auto k = std::make_unique<RSKnob>("Knob_OrvaPW_7070", RSKnob::CurveLinear, RSKnob::FocusDrawInnerSquare,
                                          juce::Colours::yellow);
        k->getProperties().set("PARAMID", paramId);
        k->setRSKnobMax(240);
        k->renewRange();
        return k;
    }

    // The text a display linked to a knob of that id shows for the value.
    juce::String shown(int paramId, int value)
    {
        auto k = knobFor(paramId);
        RSReadOnlyTextEditor display("value");
        display.setText("unchanged", juce::dontSendNotification);
        display.setLinkedKnob(k.get());
        k->setValueDisplay(&display);
        k->setValue(value, juce::dontSendNotification);
        return display.getText();
    }

    Host* host = nullptr;
};

juce::Colour pixel(juce::Component& c, int x, int y)
{
    return c.createComponentSnapshot(c.getLocalBounds(), false, 1.0f).getPixelAt(x, y);
}

// The widget painted on a transparent image: whole, or only the part inside
// the clip (as the window repaints a part that was covered).
juce::Image paintOf(juce::Component& c, std::optional<juce::Rectangle<int>> clip = {})
{
    juce::Image image(juce::Image::ARGB, c.getWidth(), c.getHeight(), true);
    juce::Graphics g(image);
    if (clip)
        g.reduceClipRegion(*clip);
    c.paintEntireComponent(g, true);
    return image;
}

// Pixels inside the clip where the partial repaint differs from the whole one.
int seamsOf(juce::Component& c, juce::Rectangle<int> clip)
{
    const auto whole = paintOf(c), part = paintOf(c, clip);
    int differing = 0;
    for (int y = clip.getY(); y < clip.getBottom(); ++y)
        for (int x = clip.getX(); x < clip.getRight(); ++x)
        {
            // A resampled picture may round a channel differently; a seam
            // or a stray frame line differs by far more.
            const auto a = whole.getPixelAt(x, y), b = part.getPixelAt(x, y);
            const int most = juce::jmax(std::abs(a.getAlpha() - b.getAlpha()), std::abs(a.getRed() - b.getRed()),
                                        std::abs(a.getGreen() - b.getGreen()), std::abs(a.getBlue() - b.getBlue()));
            differing += most > 3 ? 1 : 0;
        }
    return differing;
}
} // namespace

TEST_F(Widgets, ValueDisplayFormatsThroughTheSectionOfTheId)
{
    useModel(3);
    EXPECT_EQ(shown(0x400, 55), "5.5");       // user-edit section
    EXPECT_EQ(shown(0x4300, 1), "MODE 2");    // global section
    EXPECT_EQ(shown(0x6000, 240), "12.0");    // audio-EQ section
    EXPECT_EQ(shown(0x5FFF, 1), "unchanged"); // global, no such row
    EXPECT_EQ(shown(-1, 3), "unchanged");

    useModel(1);
    EXPECT_EQ(shown(0x4200, 1), "unchanged"); // the HMQ's user-edit section has no such row
}

TEST_F(Widgets, ValueDisplayWithoutKnobOrDeviceKeepsItsText)
{
    RSReadOnlyTextEditor display("value");
    display.setText("x", juce::dontSendNotification);
    EXPECT_FALSE(display.SetFormatValue(3));
    EXPECT_EQ(display.getText(), "x");
    EXPECT_EQ(shown(0x400, 55), "unchanged"); // no device environment

    HMQReadOnlyTextEditor hmq("hmq");
    EXPECT_EQ(hmq.getText(), "");
    EXPECT_EQ(hmq.findColour(juce::Label::textColourId), juce::Colours::white);
    EXPECT_EQ(hmq.getJustificationType(), juce::Justification::centred);
}

TEST_F(Widgets, TextFieldFormatsItsKnobAndGivesTheFocusBack)
{
    useModel(3);
    auto k = knobFor(0x400);
    RSTextEditor field("field");
    EXPECT_FALSE(field.SetFormatValue(10));
    field.setLinkedKnob(k.get());
    k->setValueDisplay(&field);
    k->setValue(100, juce::dontSendNotification);
    EXPECT_EQ(field.getText(), "10.0");

    EXPECT_FALSE(field.isMultiLine());
    EXPECT_FALSE(field.getReturnKeyStartsNewLine());
    EXPECT_FALSE(field.isReadOnly());
    EXPECT_EQ(field.getKeyboardType(), juce::TextInputTarget::numericKeyboard);
    EXPECT_EQ(field.findColour(juce::TextEditor::backgroundColourId), juce::Colours::darkgrey);
    EXPECT_EQ(field.findColour(juce::TextEditor::textColourId), juce::Colours::white);

    // Return and Escape hand the focus to the parent (in a window on the
    // screen, as in the application).
    struct Parent : juce::Component
    {
        void focusGained(FocusChangeType) override { ++gained; }
        int gained = 0;
    } parent;
    parent.setWantsKeyboardFocus(true);
    parent.setSize(200, 40);
    parent.addAndMakeVisible(field);
    field.setBounds(10, 10, 80, 20);
    parent.addToDesktop(0);
    parent.setVisible(true);
    // The window manager hands the new window the focus in its own time.
    ASSERT_TRUE(testing_support::pumpUntil([&] {
        field.grabKeyboardFocus();
        return field.hasKeyboardFocus(true);
    }));
    parent.gained = 0;
    field.textEditorReturnKeyPressed(field);
    EXPECT_TRUE(parent.hasKeyboardFocus(false));
    EXPECT_EQ(parent.gained, 1);
    field.grabKeyboardFocus();
    field.textEditorEscapeKeyPressed(field);
    EXPECT_TRUE(parent.hasKeyboardFocus(false));
    EXPECT_EQ(parent.gained, 2);
    RSTextEditor orphan("orphan");
    EXPECT_NO_THROW(orphan.textEditorReturnKeyPressed(orphan));
}

TEST_F(Widgets, LabelFontFollowsTheFormPropertiesAtEachPaint)
{
    RSLabel label("l", "GAIN", juce::Colours::white, juce::Colours::black);
    label.setSize(80, 20);
    label.setFont(juce::Font(17.0f, juce::Font::italic));
    label.getProperties().set("FONTHEIGHT", 0);
    label.getProperties().set("FONTSTYLE", -1);
    label.createComponentSnapshot(label.getLocalBounds());
    EXPECT_FLOAT_EQ(label.getFont().getHeight(), 17.0f);
    EXPECT_TRUE(label.getFont().isItalic());

    label.getProperties().set("FONTSTYLE", 3);
    label.createComponentSnapshot(label.getLocalBounds());
    EXPECT_TRUE(label.getFont().isItalic());

    label.getProperties().set("FONTFACE", "Helvetica");
    label.getProperties().set("FONTHEIGHT", 11);
    label.getProperties().set("FONTSTYLE", 1);
    label.createComponentSnapshot(label.getLocalBounds());
    EXPECT_EQ(label.getFont().getTypefaceName(), PlatformFonts::mapTypefaceName("Helvetica"));
    EXPECT_FLOAT_EQ(label.getFont().getHeight(), 11.0f);
    EXPECT_TRUE(label.getFont().isBold());
    EXPECT_FALSE(label.getFont().isItalic());
    EXPECT_EQ(label.getJustificationType(), juce::Justification::centred);
}

TEST_F(Widgets, GlobalPageButtonsShowTheCurrentValue)
{
    useModel(3);
    RSValDispButton disp("Mode", kProductModelOPW, 0x4300);
    RSWideSwitch wide("Flare", kProductModelOPW, 0x4200);
    EXPECT_EQ(disp.getParamId(), 0x4300);
    EXPECT_TRUE(disp.getTriggeredOnMouseDown());
    EXPECT_EQ(disp.getParamValueString(), "MODE 1");

    disp.setSize(200, 40);
    EXPECT_EQ(disp.getValueArea(), juce::Rectangle<int>(90, 10, 90, 20));
    disp.setSize(120, 40);
    EXPECT_EQ(disp.getValueArea(), juce::Rectangle<int>(40, 10, 60, 20));
    wide.setSize(120, 40);
    EXPECT_EQ(wide.getValueArea(), juce::Rectangle<int>(40, 4, 60, 32));

    ASSERT_NE(host->getDeviceEnvironment(), nullptr);
    auto* dc = host->getDeviceEnvironment()->getDataCenter();
    ASSERT_NE(dc, nullptr);
    const auto off = wide.getParamValueImage();
    ASSERT_TRUE(off.isValid());
    EXPECT_TRUE(off == ImageResourceManager::instance()->getImage("Roomflare_off"));
    RSWidgetSupport::findSection(3, 0x4200)->PutParamI(0x4200, 1);
    EXPECT_TRUE(wide.getParamValueImage() == ImageResourceManager::instance()->getImage("Roomflare_on"));

    RSValDispButton none("None", kProductModelOPW, -1);
    EXPECT_EQ(none.getParamValueString(), "");
    RSWideSwitch badModel("Bad", (eProductModelId) 7, 0x4200);
    EXPECT_TRUE(badModel.getParamValueImage().isNull());
}

TEST_F(Widgets, PowerSwitchArtworkFollowsTheModel)
{
    useModel(1);
    RSToggleSwitch hmq("power");
    EXPECT_EQ(hmq.getWidth(), 44);
    EXPECT_EQ(hmq.getNormalImage().getWidth(), 44);
    useModel(2);
    RSToggleSwitch orva("power");
    EXPECT_EQ(orva.getWidth(), 50);

    orva.setToggleState(true, juce::dontSendNotification);
    EXPECT_TRUE(orva.getToggleState());

    juce::TabbedButtonBar bar(juce::TabbedButtonBar::TabsAtTop);
    juce::TabBarButton tab("file", bar);
    RSCloseButton close(&tab, "close");
    EXPECT_EQ(close.getTabBarButton(), &tab);
    EXPECT_EQ(close.getWidth(), 14);
}

// --------------------------------------------------------------------------
TEST(Looks, MainLookColoursAndFonts)
{
    CustomLookAndFeel look;
    EXPECT_EQ(look.findColour(juce::PopupMenu::backgroundColourId), juce::Colour(0xFF4F4F4F));
    EXPECT_EQ(look.findColour(juce::PopupMenu::highlightedBackgroundColourId), juce::Colour(0xFFFFAC00));
    EXPECT_EQ(look.findColour(juce::TooltipWindow::textColourId), juce::Colour(0xFFFFAC00));
    EXPECT_EQ(look.getDefaultScrollbarWidth(), 12);
    EXPECT_EQ(look.getPopupMenuFont(), FontLibrary::getInstance()->getFont("PopupMenuxLookAndFeel"));
    juce::ComboBox box;
    EXPECT_EQ(look.getComboBoxFont(box), FontLibrary::getInstance()->getFont("ComboBoxLookAndFeel"));
}

TEST(Looks, TooltipStandsTenPixelsFromTheAreasLowerRightWhereverThePointerIs)
{
    CustomLookAndFeel look;
    // The tip stands 10 pixels from the area's right and bottom edges: text
    // laid out 100 x 20 on a 1024 x 768 area at the origin.
    const juce::Rectangle<int> area(0, 0, 1024, 768);
    EXPECT_EQ(CustomLookAndFeel::placeTooltip(100, 20, area), juce::Rectangle<int>(900, 732, 114, 26));
    // Wider than the area: the area's width, from its left edge.
    EXPECT_EQ(CustomLookAndFeel::placeTooltip(1100, 20, area), juce::Rectangle<int>(0, 732, 1024, 26));
    // Higher than the area: the area's height, from its top edge.
    EXPECT_EQ(CustomLookAndFeel::placeTooltip(100, 800, area), juce::Rectangle<int>(900, 0, 114, 768));

    // The pointer's position plays no part: wherever it is, the real text's
    // tip stands in the lower right corner.
    const auto tipSize = CustomLookAndFeel::layoutTooltipText("Tip", juce::Colours::black);
    const juce::Point<int> corner(1024 - (int) (tipSize.getWidth() + 14.0f) - 10, 768 - (int) (tipSize.getHeight() + 6.0f) - 10);
    for (const auto pointer : { juce::Point<int>(3, 3), juce::Point<int>(512, 384), juce::Point<int>(1000, 760) })
    {
        const auto tip = look.getTooltipBounds("Tip", pointer, area);
        EXPECT_EQ(tip.getPosition(), corner) << pointer.toString();
        EXPECT_EQ(tip.getRight(), 1014);
        EXPECT_EQ(tip.getBottom(), 758);
    }
}

TEST(Looks, BackTabsAreDarkGreyAndCloseButtonsSquare)
{
    CustomLookAndFeel look;
    juce::TabbedButtonBar bar(juce::TabbedButtonBar::TabsAtTop);
    bar.setLookAndFeel(&look);
    bar.setSize(300, 24);
    bar.addTab("one", juce::Colours::blue, -1);
    bar.addTab("two", juce::Colours::blue, -1);
    bar.setCurrentTabIndex(0);
    auto* front = bar.getTabButton(0);
    auto* back = bar.getTabButton(1);
    EXPECT_EQ(pixel(*front, front->getWidth() / 2, 4).getRed(), 0);
    EXPECT_EQ(pixel(*front, front->getWidth() / 2, 4).getBlue(), 255);
    EXPECT_EQ(pixel(*back, back->getWidth() / 2, 4), juce::Colours::darkgrey);

    auto* extra = new juce::Component(); // the tab owns it
    extra->setSize(14, 14);
    back->setExtraComponent(extra, juce::TabBarButton::afterText);
    juce::Rectangle<int> text(0, 0, 100, 24);
    const auto r = look.getTabButtonExtraComponentBounds(*back, text, *extra);
    EXPECT_EQ(r, juce::Rectangle<int>(86, 5, 14, 14));
    bar.setLookAndFeel(nullptr);
}

TEST(Looks, OverlayButtonsAndRedSpheres)
{
    OverlayComponentLookAndFeel overlay;
    juce::TextButton button("OK");
    button.setLookAndFeel(&overlay);
    button.setSize(80, 30);
    EXPECT_EQ(pixel(button, 40, 3), juce::Colours::black);
    EXPECT_EQ(pixel(button, 0, 0), juce::Colours::white);
    button.setState(juce::Button::buttonDown);
    EXPECT_EQ(pixel(button, 40, 3), juce::Colours::white);
    button.setState(juce::Button::buttonOver);
    EXPECT_EQ(pixel(button, 40, 3), juce::Colour(0xFF222222));
    button.setState(juce::Button::buttonNormal);
    button.setEnabled(false);
    EXPECT_LT(pixel(button, 0, 0).getRed(), 200);
    button.setLookAndFeel(nullptr);

    EXPECT_EQ(ToggleButtonLookAndFeel::sphereColour(true, false, false).getRed(), 255);
    EXPECT_LT(ToggleButtonLookAndFeel::sphereColour(false, false, false).getAlpha(), 0x90);
    EXPECT_NE(ToggleButtonLookAndFeel::sphereColour(true, true, false),
              ToggleButtonLookAndFeel::sphereColour(true, false, false));
}

TEST_F(Widgets, MainWindowMakesItsLookTheDefault)
{
    host->getMasterGuiController()->showMainWindow();
    EXPECT_NE(dynamic_cast<CustomLookAndFeel*>(&juce::LookAndFeel::getDefaultLookAndFeel()), nullptr);
    Host::destroyInstance();
    EXPECT_EQ(dynamic_cast<CustomLookAndFeel*>(&juce::LookAndFeel::getDefaultLookAndFeel()), nullptr);
    host = Host::createInstance();
}

TEST_F(Widgets, PanelOfEveryWidgetKind)
{
    useModel(3);
    CustomLookAndFeel look;
    ToggleButtonLookAndFeel toggleLook;
    OverlayComponentLookAndFeel overlayLook;
    juce::Component panel;
    panel.setLookAndFeel(&look);
    panel.setSize(640, 260);
    struct Bg : juce::Component
    {
        void paint(juce::Graphics& g) override { g.fillAll(juce::Colour(0xFF303030)); }
    } bg;
    panel.addAndMakeVisible(bg);
    bg.setBounds(panel.getLocalBounds());

    std::vector<std::unique_ptr<juce::Component>> owned;
    auto add = [&](juce::Component* c, int x, int y, int w, int h) {
        owned.emplace_back(c);
        panel.addAndMakeVisible(c);
        c->setBounds(x, y, w, h);
        return c;
    };

    int x = 10;
    for (auto curve : { RSKnob::CurveSquareFromMin, RSKnob::CurveLinear, RSKnob::CurveSquareFromMax })
    {
        auto* k = static_cast<RSKnob*>(
            add(new RSKnob("Knob_OrvaPW_7070", curve, RSKnob::FocusDrawInnerSquare, juce::Colours::yellow), x, 30, 70, 70));
        k->getProperties().set("PARAMID", 0x400);
        auto* v = static_cast<RSReadOnlyTextEditor*>(add(new RSReadOnlyTextEditor("v"), x, 100, 70, 16));
        auto* l = static_cast<RSLabel*>(
            add(new RSLabel("c", "GAIN", juce::Colours::white, juce::Colours::transparentBlack), x, 12, 70, 16));
        l->getProperties().set("FONTSTYLE", 1);
        k->setValueDisplay(v);
        v->setLinkedKnob(k);
        k->setNameLabel(l);
        l->setLinkedKnob(k);
        k->setValue(60);
        x += 80;
    }
    auto* sw = static_cast<RSKnobSwitch*>(add(new RSKnobSwitch("Knob_OrvaPW_7070", RSKnob::CurveLinear, "Switch_OFFON",
                                                               "Switch_VOICE_7070_OrvaPW", true, false, juce::Colours::yellow),
                                              x, 30, 70, 70));
    sw->setRSKnobMax(2);
    sw->renewRange();
    sw->setValue(1);
    auto* sw2 = static_cast<RSKnobSwitch*>(
        add(new RSKnobSwitch("Knob_OrvaPW_7070", RSKnob::CurveLinear, "Switch_OFFON", false, false, juce::Colours::yellow),
            x + 80, 30, 70, 70));
    sw2->setRSKnobMax(1);
    sw2->renewRange();
    sw2->setValue(1);
    add(new RSToggleSwitch("power"), x + 160, 40, 50, 50);

    auto* field = static_cast<RSTextEditor*>(add(new RSTextEditor("field"), 10, 130, 100, 22));
    field->setText("12.5");
    add(new RSValDispButton("Mode", kProductModelOPW, 0x4300), 130, 130, 200, 40);
    add(new RSWideSwitch("Flare", kProductModelOPW, 0x4200), 340, 130, 200, 40);
    auto* t1 = static_cast<RSToggleButton*>(add(new RSToggleButton("Ticked"), 10, 190, 110, 24));
    t1->setLookAndFeel(&toggleLook);
    t1->setToggleState(true, juce::dontSendNotification);
    auto* t2 = static_cast<RSToggleButton*>(add(new RSToggleButton("Unticked"), 130, 190, 110, 24));
    t2->setLookAndFeel(&toggleLook);
    auto* ok = static_cast<juce::TextButton*>(add(new juce::TextButton("OK"), 260, 190, 80, 28));
    ok->setLookAndFeel(&overlayLook);
    auto* bar =
        static_cast<juce::TabbedButtonBar*>(add(new juce::TabbedButtonBar(juce::TabbedButtonBar::TabsAtTop), 360, 190, 260, 26));
    bar->addTab("File 1", juce::Colour(0xFF5A5A5A), -1);
    bar->addTab("File 2", juce::Colour(0xFF5A5A5A), -1);
    bar->setCurrentTabIndex(0);
    bar->getTabButton(0)->setExtraComponent(new RSCloseButton(bar->getTabButton(0), "close"), juce::TabBarButton::afterText);
    bar->resized();

    EXPECT_TRUE(testing_support::saveScreenshot(panel, "widgets_panel").existsAsFile());
    t1->setLookAndFeel(nullptr);
    t2->setLookAndFeel(nullptr);
    ok->setLookAndFeel(nullptr);
    panel.setLookAndFeel(nullptr);
    owned.clear();
}

// A part of a widget repainted alone (another window moved off it, a
// neighbour changed) looks as it does in a whole repaint: fills and frames
// are placed by the widget's own bounds, not by where the part begins, so no
// seam or stray frame line shows. The lit factory preset's frame lies over
// its amp picture.
TEST_F(Widgets, PartialRepaintsMatchTheWholeAndTheLitPresetShowsItsFrame)
{
    useModel(1);
    juce::Component owner;
    owner.setSize(400, 300);

    RSUSBSelectButton mode(&owner, 4200, 1, "MODE 2", juce::Colours::orange, juce::Colours::darkorange);
    HMQPresetProgButton preset(&owner, 4201, 3, 3, "Classic Crunch 2");
    HMQUserProgButton user(&owner, 4202, 5, 61, "Crunch");
    RSHMQAmpImageButton amp(&owner, true, "AMP");
    std::vector<std::pair<juce::Button*, juce::String>> widgets {
        { &mode, "USB mode" }, { &preset, "preset" }, { &user, "user program" }, { &amp, "amp picture" }
    };
    for (auto& [button, what] : widgets)
    {
        owner.addAndMakeVisible(*button);
        button->setBounds(0, 0, 180, 40);
        for (const bool lit : { false, true })
        {
            button->setToggleState(lit, juce::dontSendNotification);
            button->setState(lit && button == &amp ? juce::Button::buttonDown : juce::Button::buttonNormal);
            const auto w = button->getWidth(), h = button->getHeight();
            for (const auto& clip : { juce::Rectangle<int>(w / 2, 0, w - w / 2, h), juce::Rectangle<int>(0, h / 2, w, h - h / 2),
                                      juce::Rectangle<int>(w - 7, 5, 7, h - 10) })
                EXPECT_EQ(seamsOf(*button, clip), 0) << what << (lit ? " lit" : "") << ", part " << clip.toString();
        }
        button->setState(juce::Button::buttonNormal);
    }

    // A lit preset (HMQ, DWQ): its frame runs round the whole button, over
    // the picture.
    RSPresetProgButton dwqPreset(&owner, 4203, 3, 3, "Room 335");
    owner.addAndMakeVisible(dwqPreset);
    dwqPreset.setBounds(0, 50, 250, 60);
    for (auto* lit : std::initializer_list<juce::Button*> { &preset, &dwqPreset })
    {
        lit->setToggleState(true, juce::dontSendNotification);
        const auto image = paintOf(*lit);
        const juce::Colour frame(0xFFD7891B);
        const int w = lit->getWidth(), h = lit->getHeight();
        int framed = 0, edge = 0;
        for (int x = 2; x < w - 2; ++x, edge += 2)
            framed += (image.getPixelAt(x, 1) == frame) + (image.getPixelAt(x, h - 2) == frame);
        for (int y = 2; y < h - 2; ++y, edge += 2)
            framed += (image.getPixelAt(1, y) == frame) + (image.getPixelAt(w - 2, y) == frame);
        EXPECT_EQ(framed, edge) << lit->getButtonText();
    }
    testing_support::saveScreenshot(preset, "widget-hmq-preset-lit");
    testing_support::saveScreenshot(dwqPreset, "widget-dwq-preset-lit");
}
