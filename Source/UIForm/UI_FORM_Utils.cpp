#include "UIForm/UI_FORM_Utils.h"

#include "GUI/DWQ/RSDWQAmpComboBox.h"
#include "GUI/DWQ/RSDWQAmpImageButtonSmall.h"
#include "GUI/DWQ/RSDWQPedalComboBox.h"
#include "GUI/DWQ/RSDWQPedalFXImageButton.h"
#include "GUI/DWQ/RSDWQPedalFXImageButtonSmall.h"
#include "GUI/DWQ/RSDWQRevFXComboBox.h"
#include "GUI/DWQ/RSDWQRevFXImageButton.h"
#include "GUI/DWQ/RSDWQRevFXImageButtonSmall.h"
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
#include "Platform/PlatformFonts.h"
#include "UIForm/UIFormIds.h"

std::map<std::string, int> UI_FORM_Utils::gClassName2IntMap;

namespace
{
// clang-format off
const std::pair<const char*, int> kClassCodes[] = {
    { "label", 0 }, { "switch", 11 }, { "edittext", 12 }, { "edittext_ro", 13 }, { "popupmenu", 14 },
    { "valuebar", 15 }, { "knob_L", 16 }, { "knobpreset", 17 }, { "knob_Acurve", 18 }, { "knob_Ccurve", 19 },
    { "knobswitch", 20 }, { "knobswitchGR", 21 }, { "knobswitch_small", 22 }, { "knob_L_hmq", 23 },
    { "knobpreset_hmq", 24 }, { "knobswitch_hmq", 25 }, { "knobswitch_slide_hmq", 26 },
    { "knobswitchGR_hmq", 27 }, { "knobswitch_small_hmq", 28 }, { "knobswitch_small_slide_hmq", 29 },
    { "knobswitch_compvoice", 30 }, { "knobswitch_compvoice_small", 31 }, { "knob_L_orvakx", 32 },
    { "knob_orvakx", 33 }, { "knobswitch_L_orvakx", 34 }, { "knobswitch_compvoice_orvakx", 35 },
    { "knobswitch_small_orvakx", 36 }, { "knobswitch_small_slide_orvakx", 37 },
    { "knobswitch_compvoice_small_orvakx", 38 }, { "knobswitch_sens_orvakx", 39 },
    { "knobswitch_sens_small_orvakx", 40 }, { "knob_L_orvakx_EQ", 41 }, { "knob_orvakx_EQ", 42 },
    { "knob_L_orvapw", 43 }, { "knob_orvapw", 44 }, { "knobswitch_L_orvapw", 45 },
    { "knobswitch_compvoice_orvapw", 46 }, { "knobswitch_small_orvapw", 47 },
    { "knobswitch_small_slide_orvapw", 48 }, { "knobswitch_compvoice_small_orvapw", 49 },
    { "knobswitch_sens_orvapw", 50 }, { "knobswitch_sens_small_orvapw", 51 },
    { "knobswitch_6point_orvapw", 52 }, { "knobswitch_6point_small_orvapw", 53 },
    { "knob_L_orvapw_EQ", 54 }, { "knob_orvapw_EQ", 55 }, { "label_hmq", 56 }, { "label_orvapw", 57 },
    { "knob_FX_L_hmq", 58 }, { "knobswitch_FX_hmq", 59 }, { "knob_FX_hmq", 60 },
    { "imgbtn_amp_dwq", 62 }, { "imgbtn_amp_small_dwq", 63 }, { "imgbtn_pedal_dwq", 64 },
    { "imgbtn_pedal_nodrag_dwq", 65 }, { "imgbtn_rev_dwq", 67 }, { "imgbtn_rev_nodrag_dwq", 68 },
    { "img_amp_dwq", 69 }, { "img_pedal_dwq", 70 }, { "img_rev_dwq", 72 }, { "imgbtn_amp_hmq", 73 },
    { "imgbtn_amp_small_hmq", 74 }, { "imgbtn_pedal1_hmq", 75 }, { "imgbtn_pedal2_hmq", 76 },
    { "imgbtn_rev_hmq", 77 }, { "img_amp_hmq", 78 }, { "img_pedal1_hmq", 79 }, { "img_pedal2_hmq", 80 },
    { "img_rev_hmq", 81 }, { "imgbtn_amp_orvakx", 82 }, { "imgbtn_amp_small_orvakx", 83 },
    { "imgbtn_pedal1_orvakx", 84 }, { "imgbtn_pedal2_orvakx", 85 }, { "imgbtn_amp_orvapw", 86 },
    { "imgbtn_amp_small_orvapw", 87 }, { "imgbtn_pedal1_orvapw", 88 }, { "imgbtn_pedal2_orvapw", 89 },
    { "img_nr", 90 }, { "img_gain", 91 }, { "img_routing_orva", 92 }, { "popup_amp_dwq", 93 },
    { "popup_pedal_dwq", 94 }, { "popup_rev_dwq", 95 }, { "popup_amp_hmq", 96 }, { "popup_pedal1_hmq", 97 },
    { "popup_pedal2_hmq", 98 }, { "popup_rev_hmq", 99 }, { "ulabel", 100 },
};
// clang-format on

struct KnobArgs
{
    int code;
    const char* knob;
    const char* switch1; // null for a plain knob
    const char* switch2; // second switch strip, or null
    RSKnob::CurveType curve;
    int fourth; // focus drawing for a knob, force mouse-on-click for a switch
    bool forceDrag;
    bool orvaPWColour;
};

// clang-format off
const KnobArgs kKnobs[] = {
    { 16, "Knob_DW_8080", nullptr, nullptr, RSKnob::CurveLinear, 2, false, false },
    { 17, "Knob_DW", nullptr, nullptr, RSKnob::CurveLinear, 2, false, false },
    { 18, "Knob_DW", nullptr, nullptr, RSKnob::CurveSquareFromMin, 2, false, false },
    { 19, "Knob_DW", nullptr, nullptr, RSKnob::CurveSquareFromMax, 2, false, false },
    { 20, "Knob_DW_8080", "Switch_HMQ3state", nullptr, RSKnob::CurveLinear, 1, false, false },
    { 21, "Knob_DW_8080", "Switch_HMQclass", nullptr, RSKnob::CurveLinear, 1, false, false },
    { 22, "Knob_DW", "Switch_HMQ3state", nullptr, RSKnob::CurveLinear, 1, false, false },
    { 23, "Knob_HMQ_chiken7070", nullptr, nullptr, RSKnob::CurveLinear, 2, false, false },
    { 24, "Knob_HMQ_chiken5454", nullptr, nullptr, RSKnob::CurveLinear, 2, false, false },
    { 25, "Knob_HMQ_chiken7070", "Switch_HMQ3state", nullptr, RSKnob::CurveLinear, 1, false, false },
    { 26, "Knob_HMQ_chiken7070", "Switch_OFFON", nullptr, RSKnob::CurveLinear, 1, false, false },
    { 27, "Knob_HMQ_chiken7070", "Switch_HMQclass", nullptr, RSKnob::CurveLinear, 1, false, false },
    { 28, "Knob_HMQ_5454", "Switch_HMQ3state", nullptr, RSKnob::CurveLinear, 1, false, false },
    { 29, "Knob_HMQ_5454", "Switch_OFFON", nullptr, RSKnob::CurveLinear, 1, false, false },
    { 30, "Knob_HMQ_7070", "Switch_VOICE_7070", nullptr, RSKnob::CurveLinear, 0, true, false },
    { 31, "Knob_HMQ_5454", "Switch_VOICE_7070", nullptr, RSKnob::CurveLinear, 0, true, false },
    { 32, "Knob_OrvaKX_7070", nullptr, nullptr, RSKnob::CurveLinear, 2, false, false },
    { 33, "Knob_OrvaKX_5454_2", nullptr, nullptr, RSKnob::CurveLinear, 2, false, false },
    { 34, "Knob_OrvaKX_7070", "Switch_OFFON", nullptr, RSKnob::CurveLinear, 1, false, false },
    { 35, "Knob_OrvaKX_7070", "Switch_VOICE_7070_OrvaKX", nullptr, RSKnob::CurveLinear, 0, true, false },
    { 36, "Knob_OrvaKX_5454_2", "Switch_HMQ3state", nullptr, RSKnob::CurveLinear, 1, false, false },
    { 37, "Knob_OrvaKX_5454_2", "Switch_OFFON", nullptr, RSKnob::CurveLinear, 1, false, false },
    { 38, "Knob_OrvaKX_5454_2", "Switch_VOICE_5454_OrvaKX", nullptr, RSKnob::CurveLinear, 0, true, false },
    { 39, "Knob_OrvaKX_7070", "Switch_SENS_7070_OrvaKX", nullptr, RSKnob::CurveLinear, 0, true, false },
    { 40, "Knob_OrvaKX_5454_2", "Switch_SENS_5454_OrvaKX", nullptr, RSKnob::CurveLinear, 0, true, false },
    { 41, "Knob_OrvaKX_7070", nullptr, nullptr, RSKnob::CurveLinear, 1, false, false },
    { 42, "Knob_OrvaKX_5454_2", nullptr, nullptr, RSKnob::CurveLinear, 1, false, false },
    { 43, "Knob_OrvaPW_7070", nullptr, nullptr, RSKnob::CurveLinear, 2, false, true },
    { 44, "Knob_OrvaPW_5454_2", nullptr, nullptr, RSKnob::CurveLinear, 2, false, true },
    { 45, "Knob_OrvaPW_7070", "Switch_OFFON", nullptr, RSKnob::CurveLinear, 1, false, true },
    { 46, "Knob_OrvaPW_7070", "Switch_OFFON", "Switch_VOICE_7070_OrvaPW", RSKnob::CurveLinear, 0, false, true },
    { 47, "Knob_OrvaPW_5454_2", "Switch_HMQ3state", nullptr, RSKnob::CurveLinear, 1, false, true },
    { 48, "Knob_OrvaPW_5454_2", "Switch_OFFON_narrow", nullptr, RSKnob::CurveLinear, 1, false, true },
    { 49, "Knob_OrvaPW_5454_2", "Switch_OFFON", "Switch_VOICE_5454_OrvaPW", RSKnob::CurveLinear, 1, false, true },
    { 50, "Knob_OrvaPW_7070", "Switch_SENS_7070_OrvaPW", nullptr, RSKnob::CurveLinear, 0, true, true },
    { 51, "Knob_OrvaPW_5454_2", "Switch_SENS_5454_OrvaPW", nullptr, RSKnob::CurveLinear, 0, true, true },
    { 52, "Knob_OrvaPW_7070", "Switch_6point_7070_OrvaPW", nullptr, RSKnob::CurveLinear, 0, true, true },
    { 53, "Knob_OrvaPW_5454_2", "Switch_6point_5454_OrvaPW", nullptr, RSKnob::CurveLinear, 0, true, true },
    { 54, "Knob_OrvaPW_7070", nullptr, nullptr, RSKnob::CurveLinear, 1, false, true },
    { 55, "Knob_OrvaPW_5454_2", nullptr, nullptr, RSKnob::CurveLinear, 1, false, true },
    { 58, "Knob_HMQ_7070", nullptr, nullptr, RSKnob::CurveLinear, 2, false, false },
    { 59, "Knob_HMQ_7070", "Switch_OFFON", nullptr, RSKnob::CurveLinear, 1, false, false },
    { 60, "Knob_HMQ_5454", nullptr, nullptr, RSKnob::CurveLinear, 2, false, false },
};
// clang-format on

juce::Component* makeKnob(int code)
{
    for (const auto& k : kKnobs)
    {
        if (k.code != code)
            continue;
        const auto colour = k.orvaPWColour ? juce::Colour(0xFFE2E2E2) : juce::Colours::yellow;
        if (k.switch1 == nullptr)
            return new RSKnob(k.knob, k.curve, (RSKnob::KbdFocusDraw) k.fourth, colour);
        if (k.switch2 == nullptr)
            return new RSKnobSwitch(k.knob, k.curve, k.switch1, k.fourth != 0, k.forceDrag, colour);
        return new RSKnobSwitch(k.knob, k.curve, k.switch1, k.switch2, k.fourth != 0, k.forceDrag, colour);
    }
    return nullptr;
}

RSImageButton* makeTypePicker(int code, juce::Component* parent, const juce::String& text)
{
    RSImageButton* button = nullptr;
    switch (code)
    {
        case 62:
        case 69: button = new RSDWQAmpImageButton(parent, false, text); break;
        case 63: button = new RSDWQAmpImageButtonSmall(parent, false, text); break;
        case 64: button = new RSDWQPedalFXImageButton(parent, false, text); break;
        case 65: button = new RSDWQPedalFXImageButtonSmall(parent, false, text); break;
        case 67:
        case 72: button = new RSDWQRevFXImageButton(parent, false, text); break;
        case 68: button = new RSDWQRevFXImageButtonSmall(parent, false, text); break;
        case 73: button = new RSHMQAmpImageButton(parent, false, text); break;
        case 74: button = new RSHMQAmpImageButtonSmall(parent, false, text); break;
        case 75: button = new RSHMQPedal1FXImageButton(parent, false, text); break;
        case 76: button = new RSHMQPedal2FXImageButton(parent, false, text); break;
        case 77: button = new RSHMQRevFXImageButton(parent, false, text); break;
        case 82: button = new RSOrvaKXAmpImageButton(parent, false, text); break;
        case 83: button = new RSOrvaKXAmpImageButtonSmall(parent, false, text); break;
        case 84: button = new RSOrvaKXPedal1FXImageButton(parent, false, text); break;
        case 85: button = new RSOrvaPedal2FXImageButton(parent, false, text); break;
        case 86: button = new RSOrvaPWAmpImageButton(parent, false, text); break;
        case 87: button = new RSOrvaPWAmpImageButtonSmall(parent, false, text); break;
        case 88: button = new RSOrvaPWPedal1FXImageButton(parent, false, text); break;
        case 89: button = new RSOrvaPWPedal2FXImageButton(parent, false, text); break;
        default: return nullptr;
    }
    // The small amp pickers trigger on release.
    if (code == 63 || code == 74 || code == 83 || code == 87)
        button->setTriggeredOnMouseDown(false);
    button->setWholeAreaHit(true);
    return button;
}

RSLabel* makeLabel(int code, const juce::String& text)
{
    juce::Colour colour = juce::Colours::white;
    if (code == 56)
        colour = juce::Colour(0xFFCEA939);
    else if (code == 57)
        colour = juce::Colour(0xFFC5C5C6);
    return new RSLabel(code == 100 ? "Unit" : "Label", text, colour, juce::Colours::transparentBlack);
}

void applyLabelFont(RSLabel& label, const UI_FORMINFO& item)
{
    const juce::String face(item.fontFace != nullptr ? item.fontFace : "");
    auto font = label.getFont();
    if (face.isNotEmpty())
        font.setTypefaceName(PlatformFonts::mapTypefaceName(face));
    font.setHeight(item.fontHeight > 0 ? (float) item.fontHeight : 15.0f);
    if (item.fontStyle > 0)
        font.setStyleFlags(item.fontStyle);
    if (face.isNotEmpty() || item.fontHeight > 0 || item.fontStyle > 0)
        label.setFont(font);
}
} // namespace

int UI_FORM_Utils::GetItemClassInt(const UI_FORMINFO& item)
{
    if (gClassName2IntMap.empty())
        for (const auto& entry : kClassCodes)
            gClassName2IntMap.emplace(entry.first, entry.second);
    if (item.className == nullptr)
        return -1;
    const auto found = gClassName2IntMap.find(item.className);
    return found != gClassName2IntMap.end() ? found->second : -1;
}

juce::Component* UI_FORM_Utils::CreateControl(juce::Component* parent, const UI_FORMINFO& item)
{
    const int code = GetItemClassInt(item);
    const juce::String text(juce::CharPointer_UTF8(item.text != nullptr ? item.text : ""));

    juce::Component* widget = nullptr;
    RSLabel* label = nullptr;
    RSImageButton* picker = nullptr;
    bool isImage = false;

    if (code == 0 || code == 56 || code == 57 || code == 100)
        widget = label = makeLabel(code, text);
    else if (code == 11)
        widget = new RSToggleSwitch(text);
    else if (code == 12)
        widget = new RSTextEditor(text);
    else if (code == 13)
        widget = new HMQReadOnlyTextEditor(text);
    else if (code == 14)
        widget = new RSComboBox(text);
    else if (code == 15)
        widget = new juce::Slider(juce::Slider::LinearBar, juce::Slider::TextBoxAbove);
    else if ((code >= 16 && code <= 55) || (code >= 58 && code <= 60))
        widget = makeKnob(code);
    else if (code >= 62 && code <= 89)
        widget = picker = makeTypePicker(code, parent, text);
    else if (code >= 90 && code <= 92)
    {
        isImage = true;
        if (code == 90)
            widget = new RSNRFXImage(text);
        else if (code == 91)
            widget = new RSGainImage(text);
        else
            widget = new RSOrvaUSBImage(text);
    }
    else if (code == 93)
        widget = new RSDWQAmpComboBox(text);
    else if (code == 94)
        widget = new RSDWQPedalComboBox(text);
    else if (code == 95)
        widget = new RSDWQRevFXComboBox(text);

    if (widget == nullptr)
        return nullptr;

    auto& props = widget->getProperties();
    if (code != 11)
        props.set(UIFormProperty::Text, text);
    if (code == 100)
        props.set(UIFormProperty::Unit, text);
    props.set(UIFormProperty::Id, (int) item.id);
    props.set(UIFormProperty::ParamId, (int) item.paramId);
    if (! isImage)
    {
        if (item.fontFace != nullptr && item.fontFace[0] != '\0')
            props.set(UIFormProperty::FontFace, juce::String(item.fontFace));
        if (item.fontHeight > 0)
            props.set(UIFormProperty::FontHeight, (int) item.fontHeight);
        if (item.fontStyle > 0)
            props.set(UIFormProperty::FontStyle, (int) item.fontStyle);
    }
    if (label != nullptr)
        applyLabelFont(*label, item);
    props.set(UIFormProperty::X, (int) item.x);
    props.set(UIFormProperty::Y, (int) item.y);
    props.set(UIFormProperty::Width, (int) item.width);
    props.set(UIFormProperty::Height, (int) item.height);

    widget->setBounds(item.x, item.y, item.width, item.height);
    if (picker != nullptr)
        picker->registFont();
    return widget;
}
