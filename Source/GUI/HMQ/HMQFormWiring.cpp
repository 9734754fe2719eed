#include "GUI/HMQ/HMQFormWiring.h"

#include "GUI/HMQ/HMQEditSupport.h"
#include "GUI/Widgets/RSComboBox.h"
#include "GUI/Widgets/RSImage.h"
#include "GUI/Widgets/RSImageButton.h"
#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSLabel.h"
#include "GUI/Widgets/RSReadOnlyTextEditor.h"
#include "GUI/Widgets/RSToggleSwitch.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "ParamTable/HMQ/CHMQUserEditSectionImpl.h"
#include "ParamTable/IStringConverter.h"
#include "UIForm/UIFormIds.h"
#include "ZEZEResource.h"

int HMQFormWiring::getParamId(const juce::Component& widget)
{
    return (int) widget.getProperties().getWithDefault(UIFormProperty::ParamId, -1);
}

int HMQFormWiring::getControlId(const juce::Component& widget)
{
    return (int) widget.getProperties().getWithDefault(UIFormProperty::Id, -1);
}

bool HMQFormWiring::getDesc(int paramId, SParamDesc& desc)
{
    auto* section = HMQEditSupport::getUserEditSection();
    return section != nullptr && section->GetParamDesc(paramId, &desc);
}

int HMQFormWiring::getValue(int paramId)
{
    auto* section = HMQEditSupport::getUserEditSection();
    return section != nullptr ? section->GetParamI(paramId) : 0;
}

juce::String HMQFormWiring::formatValue(int paramId, int value)
{
    SParamDesc desc {};
    if (! getDesc(paramId, desc) || desc.converter == nullptr)
        return {};
    return juce::String::fromUTF8(desc.converter->Format(value).c_str());
}

juce::Component* HMQFormWiring::findByParamId(juce::Component& parent, int paramId)
{
    if (paramId == -1)
        return nullptr;
    for (auto* child : parent.getChildren())
        if (getParamId(*child) == paramId)
            return child;
    return nullptr;
}

void HMQFormWiring::linkByText(juce::Component& parent)
{
    const auto textOf = [](const juce::Component* c) {
        return c->getProperties().getWithDefault(UIFormProperty::Text, juce::String()).toString();
    };
    const auto unitOf = [](const juce::Component* c) {
        return c->getProperties().getWithDefault(UIFormProperty::Unit, juce::String()).toString();
    };

    for (auto* child : parent.getChildren())
    {
        auto* knob = dynamic_cast<RSKnob*>(child);
        if (knob == nullptr)
            continue;
        const auto text = textOf(knob);
        if (text.isEmpty())
            continue;

        bool display = false, title = false, unit = false;
        for (auto* other : parent.getChildren())
        {
            if (other == knob)
                continue;
            if (auto* value = dynamic_cast<RSReadOnlyTextEditor*>(other); value != nullptr && ! display && textOf(value) == text)
            {
                knob->setValueDisplay(value);
                value->setLinkedKnob(knob);
                display = true;
            }
            else if (auto* label = dynamic_cast<RSLabel*>(other))
            {
                const auto labelUnit = unitOf(label);
                if (! title && labelUnit.isEmpty() && textOf(label) == text)
                {
                    knob->setNameLabel(label);
                    label->setLinkedKnob(knob);
                    title = true;
                }
                else if (! unit && labelUnit.isNotEmpty() && labelUnit == text)
                {
                    knob->setUnitLabel(label);
                    label->setLinkedKnob(knob);
                    unit = true;
                }
            }
        }
    }
}

void HMQFormWiring::fillComboBox(RSComboBox& box, int paramId, bool withPictures)
{
    box.setEditableText(false);
    box.setJustificationType(juce::Justification::centredLeft);
    box.setTextWhenNothingSelected({});
    box.setTextWhenNoChoicesAvailable("(no choices)");
    box.setColour(juce::ComboBox::backgroundColourId, juce::Colour(0x00505050));
    box.setColour(juce::ComboBox::textColourId, juce::Colours::ivory);
    box.setColour(juce::ComboBox::buttonColourId, juce::Colour(0x99505050));
    box.setColour(juce::ComboBox::arrowColourId, juce::Colours::ivory);

    SParamDesc desc {};
    if (! getDesc(paramId, desc))
        return;
    for (int value = desc.minValue; value <= desc.maxValue; ++value)
    {
        const auto text = formatValue(paramId, value);
        if (withPictures)
            box.getPictureMenu().addItem(value + 1, text, true, false, RSWidgetSupport::getImage(box.getIconPngName(value)));
        else
            box.addItem(text, value + 1);
    }
}

void HMQFormWiring::refresh(juce::Component& widget)
{
    const int controlId = getControlId(widget);
    const int paramId = getParamId(widget);

    if (controlId == UIFormControlKind::CaptionLabel || controlId == UIFormControlKind::UnitLabel)
    {
        auto* label = dynamic_cast<RSLabel*>(&widget);
        auto* knob = label != nullptr ? label->getLinkedKnob() : nullptr;
        SParamDesc desc {};
        if (knob == nullptr || ! getDesc(getParamId(*knob), desc))
            return;
        if (controlId == UIFormControlKind::CaptionLabel)
            label->setText(juce::String::fromUTF8(desc.name), juce::sendNotification);
        else
            label->setText(juce::String::fromUTF8(desc.unit), juce::dontSendNotification);
        label->repaint();
        return;
    }
    if (controlId == UIFormControlKind::ValueDisplay)
    {
        auto* display = dynamic_cast<RSReadOnlyTextEditor*>(&widget);
        auto* knob = display != nullptr ? display->getLinkedKnob() : nullptr;
        if (knob == nullptr)
            return;
        const int knobId = getParamId(*knob);
        SParamDesc desc {};
        if (getDesc(knobId, desc))
            display->setText(formatValue(knobId, getValue(knobId)), juce::dontSendNotification);
        return;
    }

    SParamDesc desc {};
    if (paramId == -1 || ! getDesc(paramId, desc))
        return;
    const int value = getValue(paramId);
    switch (controlId)
    {
        case UIFormControlKind::ComboBox:
            if (auto* box = dynamic_cast<juce::ComboBox*>(&widget))
                box->setSelectedId(value + 1, juce::dontSendNotification);
            break;
        case UIFormControlKind::OnOffSwitch:
            if (auto* button = dynamic_cast<juce::Button*>(&widget))
                button->setToggleState(value != 0, juce::dontSendNotification);
            break;
        case UIFormControlKind::Knob:
            if (auto* knob = dynamic_cast<RSKnob*>(&widget))
                knob->setValue(value, juce::dontSendNotification);
            break;
        case UIFormControlKind::TypePicker:
            if (auto* picture = dynamic_cast<RSImageButton*>(&widget))
            {
                picture->setType(value);
                picture->repaint();
            }
            break;
        default: break;
    }
}

void HMQFormWiring::applyProps(juce::Component& widget, int paramId)
{
    SParamDesc desc {};
    if (! getDesc(paramId, desc))
        return;
    widget.setVisible((desc.flags & ParamFlags::hidden) == 0);
    widget.setEnabled((desc.flags & ParamFlags::disabled) == 0);
    widget.repaint();
}

void HMQFormWiring::applyValue(juce::Component& widget, int paramId, int source)
{
    const int value = getValue(paramId);
    switch (getControlId(widget))
    {
        case UIFormControlKind::ComboBox:
            if (auto* box = dynamic_cast<juce::ComboBox*>(&widget))
                if (box->getSelectedId() != value + 1)
                    box->setSelectedId(value + 1, juce::sendNotificationAsync);
            break;
        case UIFormControlKind::OnOffSwitch:
            if (auto* button = dynamic_cast<juce::Button*>(&widget))
                button->setToggleState(value != 0, juce::dontSendNotification);
            break;
        case UIFormControlKind::Knob:
            if (auto* knob = dynamic_cast<RSKnob*>(&widget))
                knob->setValue(value, source == CHGSRC_DEVICE ? juce::dontSendNotification : juce::sendNotificationAsync);
            break;
        case UIFormControlKind::Image: widget.repaint(); break;
        default: break;
    }
}

void HMQFormWiring::applyRange(juce::Component& widget, int paramId, int minimum, int maximum)
{
    auto* knob = dynamic_cast<RSKnob*>(&widget);
    if (knob == nullptr || getControlId(widget) != UIFormControlKind::Knob)
        return;
    knob->setRSKnobMax(maximum);
    knob->setRSKnobMin(minimum);
    if (maximum > minimum)
        knob->setRange(minimum, maximum, 1);
    // The knob follows the value in its new range; nothing is sent.
    if (auto* section = HMQEditSupport::getUserEditSection())
        knob->setValue(section->GetParamI(paramId), juce::dontSendNotification);

    SParamDesc desc {};
    if (! getDesc(paramId, desc))
        return;
    applyTooltip(widget, paramId);
    if (auto* title = dynamic_cast<juce::Label*>(knob->getNameLabel()))
        if (juce::String(desc.name).isNotEmpty())
        {
            title->setText(juce::String::fromUTF8(desc.name), juce::sendNotification);
            title->repaint();
        }
    if (auto* unit = dynamic_cast<juce::Label*>(knob->getUnitLabel()))
        if (juce::String(desc.unit).isNotEmpty())
        {
            unit->setText(juce::String::fromUTF8(desc.unit), juce::sendNotification);
            unit->repaint();
        }
    if (auto* display = dynamic_cast<juce::Label*>(knob->getValueDisplay()))
        display->setText(formatValue(paramId, getValue(paramId)), juce::dontSendNotification);
}

void HMQFormWiring::applyTooltip(juce::Component& widget, int paramId)
{
    auto* client = dynamic_cast<juce::SettableTooltipClient*>(&widget);
    SParamDesc desc {};
    if (client == nullptr || ! getDesc(paramId, desc) || juce::String(desc.tooltip).isEmpty())
        return;
    const auto text = getLocalizedString(desc.tooltip);
    if (text.isNotEmpty())
        client->setTooltip(text);
}
