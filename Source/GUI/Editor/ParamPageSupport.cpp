#include "GUI/Editor/ParamPageSupport.h"

#include "GUI/Widgets/RSComboBox.h"
#include "GUI/Widgets/RSImageButton.h"
#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSLabel.h"
#include "GUI/Widgets/RSReadOnlyTextEditor.h"
#include "GUI/Widgets/RSTextEditor.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "ParamTable/CAccessorMapped.h"
#include "ParamTable/IAccessorI.h"
#include "ParamTable/ISection.h"
#include "ParamTable/IStringConverter.h"
#include "UIForm/UIFormIds.h"

int ParamPageSupport::paramIdOf(const juce::Component& c)
{
    return c.getProperties().getWithDefault(UIFormProperty::ParamId, -1);
}

int ParamPageSupport::kindOf(const juce::Component& c)
{
    return c.getProperties().getWithDefault(UIFormProperty::Id, -1);
}

void ParamPageSupport::linkChildren(juce::Component& parent)
{
    auto textOf = [](const juce::Component* c) { return c->getProperties().getWithDefault(UIFormProperty::Text, {}).toString(); };
    auto unitOf = [](const juce::Component* c) { return c->getProperties().getWithDefault(UIFormProperty::Unit, {}).toString(); };

    const auto& children = parent.getChildren();
    for (auto* child : children)
    {
        const auto text = textOf(child);
        if (text.isEmpty())
            continue;

        if (auto* knob = dynamic_cast<RSKnob*>(child))
        {
            bool haveDisplay = false, haveName = false, haveUnit = false;
            for (auto* other : children)
            {
                if (other == child)
                    continue;
                if (! haveDisplay && textOf(other) == text)
                {
                    if (auto* display = dynamic_cast<RSReadOnlyTextEditor*>(other))
                    {
                        knob->setValueDisplay(display);
                        display->setLinkedKnob(knob);
                        haveDisplay = true;
                        continue;
                    }
                }
                if (auto* label = dynamic_cast<RSLabel*>(other))
                {
                    const auto unit = unitOf(other);
                    if (! haveName && textOf(other) == text && unit.isEmpty())
                    {
                        knob->setNameLabel(label);
                        label->setLinkedKnob(knob);
                        haveName = true;
                    }
                    else if (! haveUnit && unit == text)
                    {
                        knob->setUnitLabel(label);
                        label->setLinkedKnob(knob);
                        haveUnit = true;
                    }
                }
            }
        }
        else if (dynamic_cast<RSImageButton*>(child) != nullptr)
        {
            for (auto* other : children)
                if (other != child && textOf(other) == text)
                    if (auto* combo = dynamic_cast<RSComboBox*>(other))
                    {
                        combo->setLinkedPicture(child);
                        break;
                    }
        }
    }
}

void ParamPageSupport::fillCombo(RSComboBox& combo, const SParamDesc* desc, bool withPictures)
{
    combo.setEditableText(false);
    combo.setJustificationType(juce::Justification::centredLeft);
    combo.setTextWhenNothingSelected({});
    combo.setTextWhenNoChoicesAvailable("(no choices)");
    combo.setColour(juce::ComboBox::backgroundColourId, juce::Colour(0x00505050));
    combo.setColour(juce::ComboBox::textColourId, juce::Colours::ivory);
    combo.setColour(juce::ComboBox::buttonColourId, juce::Colour(0x99505050));
    combo.setColour(juce::ComboBox::arrowColourId, juce::Colours::ivory);
    if (desc == nullptr)
        return;
    for (int v = desc->minValue; v <= desc->maxValue; ++v)
    {
        const auto text =
            desc->converter != nullptr ? juce::String::fromUTF8(desc->converter->Format(v).c_str()) : juce::String(v);
        if (withPictures)
            combo.getRootMenu()->addItem(v + 1, text, true, false, RSWidgetSupport::getImage(combo.getPngName(v)));
        else
            combo.addItem(text, v + 1);
    }
}

bool ParamPageSupport::storedOutsideList(const ISection& section, int paramId)
{
    SParamDesc desc {};
    if (! section.GetParamDesc(paramId, &desc))
        return false;
    const auto* list = dynamic_cast<const IAccessorList*>(desc.accessor);
    return list != nullptr && desc.data != nullptr && ! list->HoldsListValue(desc.data, desc.offset);
}

int ParamPageSupport::readFromRecord(const ISection& section, int paramId, const void* record)
{
    SParamDesc desc {};
    if (record == nullptr || ! section.GetParamDesc(paramId, &desc) || desc.accessor == nullptr || desc.ptype == PTYPE_NONE
        || desc.ptype == PTYPE_STR)
        return -1;
    const int value = static_cast<const IAccessorI*>(desc.accessor)->Get(record, desc.offset);
    return juce::jlimit(desc.minValue, desc.maxValue, value);
}

juce::String ParamPageSupport::formatValue(ISection& section, int paramId, int value)
{
    SParamDesc desc {};
    if (! section.GetParamDesc(paramId, &desc) || desc.converter == nullptr)
        return {};
    return juce::String::fromUTF8(desc.converter->Format(value).c_str());
}

void ParamPageSupport::refreshChild(juce::Component& child, ISection& section)
{
    const int kind = kindOf(child);
    int pid = paramIdOf(child);

    // Labels and value displays show their knob's parameter.
    RSKnob* knob = nullptr;
    if (auto* label = dynamic_cast<RSLabel*>(&child))
        knob = label->getLinkedKnob();
    else if (auto* display = dynamic_cast<RSReadOnlyTextEditor*>(&child))
        knob = display->getLinkedKnob();
    if (knob != nullptr)
        pid = paramIdOf(*knob);
    if (pid == -1)
        return;

    switch (kind)
    {
        case UIFormControlKind::CaptionLabel:
        case UIFormControlKind::UnitLabel:
        {
            auto* label = dynamic_cast<RSLabel*>(&child);
            SParamDesc desc {};
            if (label == nullptr || knob == nullptr || ! section.GetParamDesc(pid, &desc))
                return;
            const bool isUnit = knob->getUnitLabel() == label;
            label->setText(juce::String::fromUTF8(isUnit ? desc.unit : desc.name), juce::sendNotification);
            label->repaint();
            break;
        }
        case UIFormControlKind::ComboBox:
            if (auto* combo = dynamic_cast<juce::ComboBox*>(&child))
                combo->setSelectedId(section.GetParamI(pid) + 1, juce::dontSendNotification);
            break;
        case UIFormControlKind::OnOffSwitch:
            if (auto* button = dynamic_cast<juce::Button*>(&child))
                button->setToggleState(section.GetParamI(pid) != 0, juce::dontSendNotification);
            break;
        case UIFormControlKind::ValueDisplay:
            if (auto* display = dynamic_cast<RSReadOnlyTextEditor*>(&child))
                if (knob != nullptr)
                    display->setText(formatValue(section, pid, section.GetParamI(pid)), juce::dontSendNotification);
            break;
        case UIFormControlKind::Knob:
            if (auto* k = dynamic_cast<RSKnob*>(&child))
                k->setValue(section.GetParamI(pid), juce::dontSendNotification);
            break;
        case UIFormControlKind::TypePicker:
            if (auto* picture = dynamic_cast<RSImageButton*>(&child))
            {
                picture->setType(section.GetParamI(pid));
                picture->repaint();
            }
            break;
        default: break;
    }
}
