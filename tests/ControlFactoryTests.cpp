// The control factory: class names to codes, and the widget, properties and
// bounds it makes for every item of the shipped forms and for every known
// class name.
#include "Application/Host.h"
#include "Core/DeviceInfo.h"
#include "GUI/DWQ/RSDWQAmpComboBox.h"
#include "GUI/DWQ/RSDWQAmpImageButtonSmall.h"
#include "GUI/DWQ/RSDWQPedalComboBox.h"
#include "GUI/DWQ/RSDWQPedalFXImageButton.h"
#include "GUI/DWQ/RSDWQPedalFXImageButtonSmall.h"
#include "GUI/DWQ/RSDWQRevFXComboBox.h"
#include "GUI/DWQ/RSDWQRevFXImageButton.h"
#include "GUI/DWQ/RSDWQRevFXImageButtonSmall.h"
#include "GUI/Editor/AnotherComponentListner.h"
#include "GUI/HMQ/HMQReadOnlyTextEditor.h"
#include "GUI/HMQ/RSHMQAmpImageButtonSmall.h"
#include "GUI/HMQ/RSHMQPedal1FXImageButton.h"
#include "GUI/HMQ/RSHMQPedal2FXImageButton.h"
#include "GUI/HMQ/RSHMQRevFXImageButton.h"
#include "GUI/Orva/RSOrvaKXAmpImageButtonSmall.h"
#include "GUI/Orva/RSOrvaKXPedal1FXImageButton.h"
#include "GUI/Orva/RSOrvaPWAmpImageButtonSmall.h"
#include "GUI/Orva/RSOrvaPWPedal1FXImageButton.h"
#include "GUI/Orva/RSOrvaPWPedal2FXImageButton.h"
#include "GUI/Shell/RSOrvaUSBImage.h"
#include "GUI/Widgets/RSGainImage.h"
#include "GUI/Widgets/RSKnobSwitch.h"
#include "GUI/Widgets/RSLabel.h"
#include "GUI/Widgets/RSNRFXImage.h"
#include "GUI/Widgets/RSTextEditor.h"
#include "GUI/Widgets/RSToggleSwitch.h"
#include "UIForm/UIFormManager.h"
#include "UIForm/UI_FORM_Utils.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <typeinfo>

namespace
{
template <typename T>
bool is(const juce::Component* c)
{
    return dynamic_cast<const T*>(c) != nullptr;
}
template <typename T>
bool exactly(const juce::Component* c)
{
    return c != nullptr && typeid(*c) == typeid(T);
}

// What each class name must make, by code.
struct Expected
{
    const char* name;
    int code;
    std::function<bool(const juce::Component*)> kind; // null: no widget
};

bool plainKnob(const juce::Component* c)
{
    return exactly<RSKnob>(c);
}
bool knobSwitch(const juce::Component* c)
{
    return exactly<RSKnobSwitch>(c);
}
bool label(const juce::Component* c)
{
    return exactly<RSLabel>(c);
}
bool valueBar(const juce::Component* c)
{
    auto* s = dynamic_cast<const juce::Slider*>(c);
    return exactly<juce::Slider>(c) && s->getSliderStyle() == juce::Slider::LinearBar
           && s->getTextBoxPosition() == juce::Slider::TextBoxAbove;
}

const std::vector<Expected>& expectations()
{
    // clang-format off
    static const std::vector<Expected> rows = {
        { "label", 0, label }, { "switch", 11, exactly<RSToggleSwitch> }, { "edittext", 12, exactly<RSTextEditor> },
        { "edittext_ro", 13, exactly<HMQReadOnlyTextEditor> }, { "popupmenu", 14, exactly<RSComboBox> },
        { "valuebar", 15, valueBar }, { "knob_L", 16, plainKnob }, { "knobpreset", 17, plainKnob },
        { "knob_Acurve", 18, plainKnob }, { "knob_Ccurve", 19, plainKnob }, { "knobswitch", 20, knobSwitch },
        { "knobswitchGR", 21, knobSwitch }, { "knobswitch_small", 22, knobSwitch }, { "knob_L_hmq", 23, plainKnob },
        { "knobpreset_hmq", 24, plainKnob }, { "knobswitch_hmq", 25, knobSwitch },
        { "knobswitch_slide_hmq", 26, knobSwitch }, { "knobswitchGR_hmq", 27, knobSwitch },
        { "knobswitch_small_hmq", 28, knobSwitch }, { "knobswitch_small_slide_hmq", 29, knobSwitch },
        { "knobswitch_compvoice", 30, knobSwitch }, { "knobswitch_compvoice_small", 31, knobSwitch },
        { "knob_L_orvakx", 32, plainKnob }, { "knob_orvakx", 33, plainKnob }, { "knobswitch_L_orvakx", 34, knobSwitch },
        { "knobswitch_compvoice_orvakx", 35, knobSwitch }, { "knobswitch_small_orvakx", 36, knobSwitch },
        { "knobswitch_small_slide_orvakx", 37, knobSwitch }, { "knobswitch_compvoice_small_orvakx", 38, knobSwitch },
        { "knobswitch_sens_orvakx", 39, knobSwitch }, { "knobswitch_sens_small_orvakx", 40, knobSwitch },
        { "knob_L_orvakx_EQ", 41, plainKnob }, { "knob_orvakx_EQ", 42, plainKnob }, { "knob_L_orvapw", 43, plainKnob },
        { "knob_orvapw", 44, plainKnob }, { "knobswitch_L_orvapw", 45, knobSwitch },
        { "knobswitch_compvoice_orvapw", 46, knobSwitch }, { "knobswitch_small_orvapw", 47, knobSwitch },
        { "knobswitch_small_slide_orvapw", 48, knobSwitch }, { "knobswitch_compvoice_small_orvapw", 49, knobSwitch },
        { "knobswitch_sens_orvapw", 50, knobSwitch }, { "knobswitch_sens_small_orvapw", 51, knobSwitch },
        { "knobswitch_6point_orvapw", 52, knobSwitch }, { "knobswitch_6point_small_orvapw", 53, knobSwitch },
        { "knob_L_orvapw_EQ", 54, plainKnob }, { "knob_orvapw_EQ", 55, plainKnob }, { "label_hmq", 56, label },
        { "label_orvapw", 57, label }, { "knob_FX_L_hmq", 58, plainKnob }, { "knobswitch_FX_hmq", 59, knobSwitch },
        { "knob_FX_hmq", 60, plainKnob },
        { "imgbtn_amp_dwq", 62, exactly<RSDWQAmpImageButton> }, { "imgbtn_amp_small_dwq", 63, exactly<RSDWQAmpImageButtonSmall> },
        { "imgbtn_pedal_dwq", 64, exactly<RSDWQPedalFXImageButton> },
        { "imgbtn_pedal_nodrag_dwq", 65, exactly<RSDWQPedalFXImageButtonSmall> },
        { "imgbtn_rev_dwq", 67, exactly<RSDWQRevFXImageButton> },
        { "imgbtn_rev_nodrag_dwq", 68, exactly<RSDWQRevFXImageButtonSmall> },
        { "img_amp_dwq", 69, exactly<RSDWQAmpImageButton> }, { "img_pedal_dwq", 70, nullptr },
        { "img_rev_dwq", 72, exactly<RSDWQRevFXImageButton> }, { "imgbtn_amp_hmq", 73, exactly<RSHMQAmpImageButton> },
        { "imgbtn_amp_small_hmq", 74, exactly<RSHMQAmpImageButtonSmall> },
        { "imgbtn_pedal1_hmq", 75, exactly<RSHMQPedal1FXImageButton> },
        { "imgbtn_pedal2_hmq", 76, exactly<RSHMQPedal2FXImageButton> }, { "imgbtn_rev_hmq", 77, exactly<RSHMQRevFXImageButton> },
        { "img_amp_hmq", 78, nullptr }, { "img_pedal1_hmq", 79, nullptr }, { "img_pedal2_hmq", 80, nullptr },
        { "img_rev_hmq", 81, nullptr }, { "imgbtn_amp_orvakx", 82, exactly<RSOrvaKXAmpImageButton> },
        { "imgbtn_amp_small_orvakx", 83, exactly<RSOrvaKXAmpImageButtonSmall> },
        { "imgbtn_pedal1_orvakx", 84, exactly<RSOrvaKXPedal1FXImageButton> },
        { "imgbtn_pedal2_orvakx", 85, exactly<RSOrvaPedal2FXImageButton> },
        { "imgbtn_amp_orvapw", 86, exactly<RSOrvaPWAmpImageButton> },
        { "imgbtn_amp_small_orvapw", 87, exactly<RSOrvaPWAmpImageButtonSmall> },
        { "imgbtn_pedal1_orvapw", 88, exactly<RSOrvaPWPedal1FXImageButton> },
        { "imgbtn_pedal2_orvapw", 89, exactly<RSOrvaPWPedal2FXImageButton> }, { "img_nr", 90, exactly<RSNRFXImage> },
        { "img_gain", 91, exactly<RSGainImage> }, { "img_routing_orva", 92, exactly<RSOrvaUSBImage> },
        { "popup_amp_dwq", 93, exactly<RSDWQAmpComboBox> }, { "popup_pedal_dwq", 94, exactly<RSDWQPedalComboBox> },
        { "popup_rev_dwq", 95, exactly<RSDWQRevFXComboBox> }, { "popup_amp_hmq", 96, nullptr },
        { "popup_pedal1_hmq", 97, nullptr }, { "popup_pedal2_hmq", 98, nullptr }, { "popup_rev_hmq", 99, nullptr },
        { "ulabel", 100, label },
    };
    // clang-format on
    return rows;
}

const Expected* expectationFor(const std::string& name)
{
    for (const auto& e : expectations())
        if (name == e.name)
            return &e;
    return nullptr;
}

UI_FORMINFO item(const char* cls, const char* text = "GAIN", const char* face = "Arial", int height = 15, int style = 0)
{
    return { cls, text, face, height, style, 1033, 0x123, 12, -2, 70, 40, 0, nullptr };
}

std::unique_ptr<juce::Component> make(const UI_FORMINFO& record, juce::Component* parent = nullptr)
{
    return std::unique_ptr<juce::Component>(UI_FORM_Utils::CreateControl(parent, record));
}

// Checks the widget's properties and bounds against the record.
void expectStamped(const juce::Component& w, const UI_FORMINFO& r, int code)
{
    const auto& p = w.getProperties();
    const bool image = code >= 90 && code <= 92;
    EXPECT_EQ(p.contains("TEXT"), code != 11);
    if (code != 11)
    {
        EXPECT_EQ(p["TEXT"].toString(), juce::String(r.text));
    }
    EXPECT_EQ(p.contains("UNIT"), code == 100);
    if (code == 100)
    {
        EXPECT_EQ(p["UNIT"].toString(), juce::String(r.text));
    }
    EXPECT_EQ((int) p["ID"], r.id);
    EXPECT_EQ((int) p["PARAMID"], r.paramId);
    EXPECT_EQ(p.contains("FONTFACE"), ! image && r.fontFace[0] != '\0');
    EXPECT_EQ(p.contains("FONTHEIGHT"), ! image && r.fontHeight > 0);
    EXPECT_EQ(p.contains("FONTSTYLE"), ! image && r.fontStyle > 0);
    if (p.contains("FONTFACE"))
    {
        EXPECT_EQ(p["FONTFACE"].toString(), juce::String(r.fontFace));
    }
    if (p.contains("FONTHEIGHT"))
    {
        EXPECT_EQ((int) p["FONTHEIGHT"], r.fontHeight);
    }
    EXPECT_EQ((int) p["X"], r.x);
    EXPECT_EQ((int) p["Y"], r.y);
    EXPECT_EQ((int) p["WIDTH"], r.width);
    EXPECT_EQ((int) p["HEIGHT"], r.height);
    EXPECT_EQ(w.getBounds(), juce::Rectangle<int>(r.x, r.y, r.width, r.height));
    EXPECT_EQ(w.getParentComponent(), nullptr);
    EXPECT_FALSE(w.isVisible());
}

struct Factory : ::testing::Test
{
    void SetUp() override { host = Host::createInstance(); }
    void TearDown() override { Host::destroyInstance(); }
    void useModel(int model)
    {
        host->changeDeviceEnvironment(DeviceInfo((eProductModelId) model, true, 0, "in", 0, "out", 1, 0, 0, kMediaTypeUSB));
    }
    Host* host = nullptr;
};

struct PressRecorder : juce::Component,
                       AnotherComponentListner
{
    void mouseDownByOtherComponent(juce::Component* c) override { pressed.push_back(c); }
    std::vector<juce::Component*> pressed;
};

} // namespace

TEST(ControlFactoryClassNames, EveryNameHasItsCodeAndOthersAreUnknown)
{
    ASSERT_EQ(expectations().size(), 88u);
    for (const auto& e : expectations())
        EXPECT_EQ(UI_FORM_Utils::GetItemClassInt(item(e.name)), e.code) << e.name;
    EXPECT_EQ(UI_FORM_Utils::gClassName2IntMap.size(), 88u);

    for (const char* unknown : { "Label", "label ", "", "Layer", "knob", "imgbtn_amp_small_dwq2" })
    {
        EXPECT_EQ(UI_FORM_Utils::GetItemClassInt(item(unknown)), -1) << unknown;
        EXPECT_EQ(make(item(unknown)), nullptr) << unknown;
    }
    EXPECT_EQ(UI_FORM_Utils::GetItemClassInt(item(nullptr)), -1);
}

TEST_F(Factory, EveryKnownNameMakesItsWidgetStampedWithTheRecord)
{
    juce::Component parent;
    for (const auto& e : expectations())
    {
        SCOPED_TRACE(e.name);
        const auto r = item(e.name, "Bass", "Arial", 13, 1);
        const auto w = make(r, &parent);
        if (e.kind == nullptr)
        {
            EXPECT_EQ(w, nullptr);
            continue;
        }
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(e.kind(w.get())) << typeid(*w).name();
        expectStamped(*w, r, e.code);
        EXPECT_EQ(parent.getNumChildComponents(), 0);
    }
}

TEST_F(Factory, EveryItemOfEveryShippedLayerBecomesItsWidget)
{
    int built = 0;
    for (int model : { 0, 1, 2, 3 })
    {
        const auto* block = UIFormManager::getFormInfoBlockForModel(model);
        ASSERT_NE(block, nullptr);
        for (int l = 0; l < block->layerCount; ++l)
        {
            const auto& layer = block->layers[l];
            juce::Component page;
            for (int i = 0; i < layer.childCount; ++i)
            {
                const auto& r = layer.children[i];
                SCOPED_TRACE(juce::String(model) + " layer " + juce::String(layer.id) + " item " + juce::String(i) + " "
                             + r.className);
                const auto* e = expectationFor(r.className);
                ASSERT_NE(e, nullptr);
                const auto w = make(r, &page);
                ASSERT_EQ(w != nullptr, e->kind != nullptr);
                if (w == nullptr)
                    continue;
                ++built;
                EXPECT_TRUE(e->kind(w.get())) << typeid(*w).name();
                expectStamped(*w, r, e->code);
                if (auto* picker = dynamic_cast<RSImageButton*>(w.get()))
                {
                    EXPECT_EQ(picker->getOwner(), &page);
                    EXPECT_TRUE(picker->isWholeAreaHit());
                    EXPECT_FALSE(picker->isSelectEnabled());
                    EXPECT_EQ(picker->getName(), juce::String(r.text));
                }
            }
        }
    }
    EXPECT_GT(built, 500);
}

TEST_F(Factory, LabelsTakeTheirColourAndFontFromTheRecord)
{
    const auto plain = make(item("label", "GAIN", "", 0, 0));
    const RSLabel reference("Label", "GAIN", juce::Colours::white, juce::Colours::transparentBlack);
    auto* l = dynamic_cast<RSLabel*>(plain.get());
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->getFont(), reference.getFont());
    EXPECT_EQ(l->getName(), "Label");
    EXPECT_EQ(l->getText(), "GAIN");
    EXPECT_EQ(l->findColour(juce::Label::textColourId), juce::Colours::white);

    const auto bold = make(item("label", "GAIN", "", 0, 1));
    auto* b = dynamic_cast<RSLabel*>(bold.get());
    EXPECT_FLOAT_EQ(b->getFont().getHeight(), 15.0f);
    EXPECT_TRUE(b->getFont().isBold());

    const auto sized = make(item("label_orvapw", "GAIN", "Arial", 11, 0));
    auto* s = dynamic_cast<RSLabel*>(sized.get());
    EXPECT_FLOAT_EQ(s->getFont().getHeight(), 11.0f);
    EXPECT_EQ(s->findColour(juce::Label::textColourId), juce::Colour(0xFFC5C5C6));
    EXPECT_EQ(dynamic_cast<RSLabel*>(make(item("label_hmq")).get())->findColour(juce::Label::textColourId),
              juce::Colour(0xFFCEA939));

    const auto unit = make(item("ulabel", "dB"));
    EXPECT_EQ(unit->getName(), "Unit");
    EXPECT_EQ(unit->getProperties()["UNIT"].toString(), "dB");
}

TEST_F(Factory, KnobsGetTheirStripsCurvesAndSwitches)
{
    auto knob = [](const char* cls) {
        auto w = make(item(cls));
        return std::unique_ptr<RSKnob>(dynamic_cast<RSKnob*>(w.release()));
    };
    EXPECT_EQ(knob("knob_Acurve")->getCurve(), RSKnob::CurveSquareFromMin);
    EXPECT_EQ(knob("knob_Ccurve")->getCurve(), RSKnob::CurveSquareFromMax);
    EXPECT_EQ(knob("knob_L_hmq")->getCurve(), RSKnob::CurveLinear);
    EXPECT_EQ(knob("knob_L_hmq")->getImageName(), "Knob_HMQ_chiken7070");
    EXPECT_EQ(knob("knob_orvapw_EQ")->getImageName(), "Knob_OrvaPW_5454_2");

    auto twoSwitches = knob("knobswitch_compvoice_small_orvapw");
    auto* sw = dynamic_cast<RSKnobSwitch*>(twoSwitches.get());
    ASSERT_NE(sw, nullptr);
    EXPECT_EQ(sw->getImageName(), "Knob_OrvaPW_5454_2");
    EXPECT_EQ(sw->getSwitchImageNames(), juce::StringArray({ "Switch_OFFON", "Switch_VOICE_5454_OrvaPW" }));
    auto narrow = knob("knobswitch_small_slide_orvapw");
    EXPECT_EQ(dynamic_cast<RSKnobSwitch*>(narrow.get())->getSwitchImageNames(), juce::StringArray({ "Switch_OFFON_narrow" }));
    // The knob keeps its own name; the text is only a property.
    EXPECT_NE(knob("knob_L")->getName(), "GAIN");
}

TEST_F(Factory, PickersTriggerAsTheirClassSaysAndReadTheirFontProperties)
{
    juce::Component page;
    for (const char* cls : { "imgbtn_amp_small_dwq", "imgbtn_amp_small_hmq", "imgbtn_amp_small_orvakx", "imgbtn_amp_small_orvapw",
                             "imgbtn_rev_dwq", "imgbtn_pedal1_orvapw", "imgbtn_pedal2_orvakx" })
        EXPECT_FALSE(dynamic_cast<juce::Button*>(make(item(cls), &page).get())->getTriggeredOnMouseDown()) << cls;
    for (const char* cls : { "imgbtn_amp_dwq", "imgbtn_amp_hmq", "imgbtn_pedal_dwq", "imgbtn_amp_orvapw" })
        EXPECT_TRUE(dynamic_cast<juce::Button*>(make(item(cls), &page).get())->getTriggeredOnMouseDown()) << cls;

    const auto w = make(item("imgbtn_amp_orvapw", "amp", "Arial", 21, 1), &page);
    auto* picker = dynamic_cast<RSImageButton*>(w.get());
    EXPECT_FLOAT_EQ(picker->getFont().getHeight(), 21.0f);
    EXPECT_TRUE(picker->getFont().isBold());
    EXPECT_EQ(picker->getRadioGroupId(), 4099);
    EXPECT_EQ(picker->getHighlightColour(), juce::Colour(0xFFC5C5C6));
    EXPECT_EQ(picker->getModuleIndex(), 0);
}
