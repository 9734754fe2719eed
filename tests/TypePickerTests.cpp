// Type pickers, image widgets and combo boxes: table clamping, picture
// loading, the remembered type of the DWQ effects, and press reports.
#include "Application/Host.h"
#include "Core/DeviceInfo.h"
#include "GUI/DWQ/RSDWQAmpComboBox.h"
#include "GUI/DWQ/RSDWQAmpImageButtonSmall.h"
#include "GUI/DWQ/RSDWQPedalComboBox.h"
#include "GUI/DWQ/RSDWQPedalFXImageButton.h"
#include "GUI/DWQ/RSDWQRevFXImageButtonSmall.h"
#include "GUI/Editor/AmpFXModelModuleDragItem.h"
#include "GUI/Editor/AnotherComponentListner.h"
#include "GUI/HMQ/RSHMQRevFXImageButton.h"
#include "GUI/Orva/RSOrvaKXAmpImageButtonSmall.h"
#include "GUI/Orva/RSOrvaPWAmpImageButtonSmall.h"
#include "GUI/Orva/RSOrvaPWPedal2FXImageButton.h"
#include "GUI/Shell/RSOrvaUSBImage.h"
#include "GUI/Widgets/RSGainImage.h"
#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSNRFXImage.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "OrvaPW/OrvaPWTypeNames.h"
#include "ParamTable/ISection.h"
#include "UIForm/UIFormManager.h"
#include "UIForm/UI_FORM_Utils.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

namespace
{
struct Pickers : ::testing::Test
{
    void SetUp() override { host = Host::createInstance(); }
    void TearDown() override { Host::destroyInstance(); }
    void useModel(int model)
    {
        host->changeDeviceEnvironment(DeviceInfo((eProductModelId) model, true, 0, "in", 0, "out", 1, 0, 0, kMediaTypeUSB));
    }
    Host* host = nullptr;
};

void paintOnce(juce::Component& c)
{
    juce::Image canvas(juce::Image::ARGB, 300, 300, true);
    juce::Graphics g(canvas);
    c.paintEntireComponent(g, false);
}

// An amp picker whose type 3 has no picture.
struct PickerWithAGap : RSDWQAmpImageButton
{
    using RSDWQAmpImageButton::RSDWQAmpImageButton;
    juce::String getPngName(int type) override { return type == 3 ? "NoSuchPicture" : RSDWQAmpImageButton::getPngName(type); }
};

struct PressRecorder : juce::Component,
                       AnotherComponentListner
{
    void mouseDownByOtherComponent(juce::Component* c) override { pressed.push_back(c); }
    std::vector<juce::Component*> pressed;
};

juce::MouseEvent pressOn(juce::Component& c)
{
    const juce::Point<float> pos(5.0f, 5.0f);
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent(juce::Desktop::getInstance().getMainMouseSource(), pos, juce::ModifierKeys::leftButtonModifier, 1.0f,
                            0.0f, 0.0f, 0.0f, 0.0f, &c, &c, now, pos, now, 1, false);
}
} // namespace

TEST_F(Pickers, TablesClampTheTypeAtBothEnds)
{
    RSDWQAmpImageButton dwq(nullptr, false, "amp");
    RSDWQAmpImageButtonSmall dwqSmall(nullptr, false, "amp");
    for (int type : { 11, 12, 1000 })
    {
        EXPECT_EQ(dwq.getPngName(type), dwq.getPngName(10));
        EXPECT_EQ(dwq.getTypeName(type), dwq.getTypeName(10));
        EXPECT_EQ(dwqSmall.getTypeNameX(type), 74 - 16); // the small table's last row: 58, 12
        EXPECT_EQ(dwqSmall.getTypeNameY(type), 12);
    }
    EXPECT_EQ(dwq.getPngName(-1), "AmpType_FenderDeluxeReverb_shadow_196x171");
    EXPECT_EQ(dwqSmall.getPngName(-5), "AmpType_FenderDeluxeReverb_shadow_196x108");
    EXPECT_EQ(dwq.getTypeNameX(-1), 56);
    EXPECT_EQ(dwqSmall.getIconPngName(-1), dwq.getIconPngName(0)); // the small picker shares the icons

    RSHMQRevFXImageButton rev(nullptr, false, "rev");
    EXPECT_EQ(rev.getPngName(4), "Reverb_Plate_shadow_112x111");
    EXPECT_EQ(rev.getIconPngName(-3), "Reverb_Room_shadow_71x98");
    EXPECT_EQ(rev.getModuleIndex(), 2);
}

TEST_F(Pickers, OrvaAmpIconsAreFoundByTheRawValue)
{
    RSOrvaPWAmpImageButtonSmall amp(nullptr, false, "amp");
    const int rawDeep = orvaPW::getAmpTypeValue(orvaPW::eAmpType(6));
    EXPECT_EQ(amp.getIconPngName(rawDeep), "AmpType_Deep");
    EXPECT_EQ(amp.getIconPngName(6), "AmpType_Classic_230x158"); // not an amp value: type 0
    EXPECT_EQ(amp.getIconPngName(255), "AmpType_Classic_230x158");
    EXPECT_EQ(amp.getPngName(6), "AmpType_Deep_196x108"); // pictures take the type itself

    RSOrvaKXAmpImageButtonSmall kx(nullptr, false, "amp");
    EXPECT_EQ(kx.getIconPngName(-1), kx.getIconPngName(0));
}

TEST_F(Pickers, PaintingLoadsThePictureAndKeepsItWhenTheNextIsMissing)
{
    PickerWithAGap picker(nullptr, false, "amp");
    picker.setBounds(0, 0, 10, 10);
    paintOnce(picker);
    EXPECT_EQ(picker.getBounds().getWidth(), 196);
    EXPECT_EQ(picker.getBounds().getHeight(), 171);
    EXPECT_EQ(picker.m_OnBounds.getWidth(), 196);
    EXPECT_EQ(picker.m_OffBounds.getHeight(), 171);

    picker.setType(3);
    picker.setSize(50, 50);
    paintOnce(picker);
    EXPECT_EQ(picker.getWidth(), 50); // picture missing: nothing reloaded, size left alone
    EXPECT_TRUE(picker.getNormalImage().isValid());

    picker.setType(4);
    paintOnce(picker);
    EXPECT_EQ(picker.getWidth(), 196);
}

TEST_F(Pickers, DWQEffectPickersShowTheRememberedTypeForTypeZero)
{
    RSDWQPedalFXImageButton pedal(nullptr, false, "mod");
    pedal.setType(0);
    EXPECT_EQ(pedal.getType(), 0); // no device: nothing remembered

    useModel(0);
    auto* section = RSWidgetSupport::findSection(0, (int) 0x80000013);
    ASSERT_NE(section, nullptr);
    section->PutParamI((int) 0x80000013, 3);
    section->PutParamI((int) 0x80000014, 2);
    pedal.setType(0);
    EXPECT_EQ(pedal.getType(), 3);
    pedal.setType(2);
    EXPECT_EQ(pedal.getType(), 2);

    RSDWQRevFXImageButtonSmall rev(nullptr, false, "rev");
    EXPECT_EQ(rev.getType(), 1);
    rev.setType(0);
    EXPECT_EQ(rev.getType(), 2);
    EXPECT_FALSE(rev.getTriggeredOnMouseDown());
}

TEST_F(Pickers, PressesReachAListeningParentOnly)
{
    PressRecorder page;
    RSOrvaPWPedal2FXImageButton pedal(&page, false, "fx2");
    RSOrvaUSBImage usb("usb");
    RSNRFXImage nr("nr");
    page.addAndMakeVisible(pedal);
    page.addAndMakeVisible(usb);
    page.addAndMakeVisible(nr);
    pedal.mouseDown(pressOn(pedal));
    usb.mouseDown(pressOn(usb));
    nr.mouseDown(pressOn(nr));
    EXPECT_EQ(page.pressed, (std::vector<juce::Component*> { &pedal, &usb }));
    EXPECT_EQ(pedal.getHighlightColour(), juce::Colour(0xFFC5C5C6));

    juce::Component plain;
    RSOrvaPWPedal2FXImageButton lone(&plain, false, "fx2");
    plain.addAndMakeVisible(lone);
    lone.mouseDown(pressOn(lone)); // nothing to report to
    EXPECT_TRUE(lone.isDown());
    lone.mouseUp(pressOn(lone));
}

TEST(ModuleDrag, DescriptionIsTheIdAndTheModule)
{
    const AmpFXModelModuleDragItem item(AmpFXModelModuleDragID, 2);
    ASSERT_TRUE(item.isArray());
    ASSERT_EQ(item.size(), 2);
    EXPECT_EQ(item[0].toString(), "AmpFXModelModuleDragItem");
    EXPECT_EQ((int) item[1], 2);
    EXPECT_EQ(RSDraggableImageButton::m_DragSensitivity, 3);
}

TEST_F(Pickers, ImagesAndComboBoxesClampTheirTables)
{
    RSNRFXImage nr("nr");
    RSGainImage gain("gain");
    for (int type : { -1, 0, 7 })
    {
        EXPECT_EQ(nr.getPngName(type), "NoiseReduction");
        EXPECT_EQ(gain.getPngName(type), "Gain");
    }
    RSOrvaUSBImage usb("usb");
    EXPECT_EQ(usb.getPngName(-1), "USBRouting1");
    EXPECT_EQ(usb.getPngName(2), "USBRouting3");
    EXPECT_EQ(usb.getPngName(3), "USBRouting3");

    RSDWQAmpComboBox amp("amp");
    RSDWQAmpImageButton ampPicker(nullptr, false, "amp");
    EXPECT_EQ(amp.getPngName(99), "AmpType_MesaBoogie_164x133");
    EXPECT_EQ(amp.getIconPngName(4), ampPicker.getIconPngName(4));
    RSDWQPedalComboBox pedal("mod");
    EXPECT_EQ(pedal.getPngName(-1), "alpha10");
    EXPECT_EQ(pedal.getIconPngName(3), "Mod_OrgPhase");
    EXPECT_EQ(RSComboBox("x").getPngName(1), "");
}

TEST_F(Pickers, FittedImageDrawsOnlyWhenThePictureExists)
{
    struct Missing : RSOrvaUSBImage
    {
        using RSOrvaUSBImage::RSOrvaUSBImage;
        juce::String getPngName(int) override { return "NoSuchPicture"; }
    } missing("usb");
    RSOrvaUSBImage usb("usb");
    for (auto* image : { (RSImage*) &usb, (RSImage*) &missing })
    {
        image->setBounds(0, 0, 120, 60);
        image->m_Type = 1;
    }
    const auto shotOf = [](juce::Component& c) { return c.createComponentSnapshot(c.getLocalBounds()); };
    const auto drawn = shotOf(usb);
    const auto empty = shotOf(missing);
    int drawnPixels = 0, emptyPixels = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x)
        {
            drawnPixels += drawn.getPixelAt(x, y).getAlpha() > 0;
            emptyPixels += empty.getPixelAt(x, y).getAlpha() > 0;
        }
    EXPECT_GT(drawnPixels, 1000);
    EXPECT_EQ(emptyPixels, 0);
}

// The Orva PW module pickers (layer 1047) above the first pedal's controls
// (layer 1052). A value page puts each VALn group in its own slot; here the
// groups are spread 85 px apart the same way.
TEST_F(Pickers, ScreenshotOfTheOrvaPWPickersAndPedalLayer)
{
    const auto* block = UIFormManager::getFormInfoBlockForModel(3);
    const auto* pickers = UIFormManager::findLayer(block, 1047);
    const auto* pedal = UIFormManager::findLayer(block, 1052);
    ASSERT_NE(pickers, nullptr);
    ASSERT_NE(pedal, nullptr);
    struct Page : juce::Component
    {
        void paint(juce::Graphics& g) override { g.fillAll(juce::Colour(0xFF2A2A2C)); }
    } page;
    page.setSize(740, 420);
    std::vector<std::unique_ptr<juce::Component>> widgets;
    int type = 5;
    for (int i = 0; i < pickers->childCount; ++i)
    {
        auto* w = UI_FORM_Utils::CreateControl(&page, pickers->children[i]);
        ASSERT_NE(w, nullptr);
        widgets.emplace_back(w);
        page.addAndMakeVisible(w);
        dynamic_cast<RSImageButton*>(w)->setType(type++);
    }
    for (int i = 0; i < pedal->childCount; ++i)
    {
        const auto& r = pedal->children[i];
        auto* w = UI_FORM_Utils::CreateControl(&page, r);
        ASSERT_NE(w, nullptr);
        widgets.emplace_back(w);
        page.addAndMakeVisible(w);
        const juce::String text(r.text);
        const int slot = text.startsWith("VAL") ? text.getTrailingIntValue() - 1 : 0;
        w->setTopLeftPosition(w->getX() + 20 + slot * 85, w->getY() + 200);
        if (auto* knob = dynamic_cast<RSKnob*>(w))
            knob->setValue(20 + 12 * slot);
        if (auto* display = dynamic_cast<juce::TextEditor*>(w))
            display->setText(juce::String(20 + 12 * slot));
    }
    paintOnce(page); // the pickers load their pictures and take their size
    EXPECT_EQ(widgets[0]->getWidth(), 112);
    const auto file = testing_support::saveScreenshot(page, "orvapw_pickers_and_pedal_layer");
    EXPECT_TRUE(file.existsAsFile());
}
