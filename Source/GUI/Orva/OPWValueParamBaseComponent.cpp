#include "GUI/Orva/OPWValueParamBaseComponent.h"

#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Editor/EditParamComponent.h"
#include "GUI/Editor/EditTarget.h"
#include "GUI/Editor/ParamPageSupport.h"
#include "GUI/Orva/OPWEditParamComponent.h"
#include "GUI/Widgets/RSComboBox.h"
#include "GUI/Widgets/RSImageButton.h"
#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSKnobSwitch.h"
#include "GUI/Widgets/RSLabel.h"
#include "GUI/Widgets/RSReadOnlyTextEditor.h"
#include "GUI/Widgets/RSTextEditor.h"
#include "GUI/Widgets/RSToggleSwitch.h"
#include "ParamTable/COrvaUserEditSectionBase.h"
#include "UIForm/UIFormIds.h"
#include "UIForm/UIFormManager.h"
#include "UIForm/UI_FORM_Utils.h"
#include "ZEZEResource.h"

namespace
{
const juce::Identifier altX { "ALT_X" }, altY { "ALT_Y" }, altWidth { "ALT_WIDTH" }, altHeight { "ALT_HEIGHT" };
const juce::Identifier alt2X { "ALT2_X" }, alt2Y { "ALT2_Y" }, alt2Width { "ALT2_WIDTH" }, alt2Height { "ALT2_HEIGHT" };

struct PropertyKeys
{
    const juce::Identifier& x;
    const juce::Identifier& y;
    const juce::Identifier& width;
    const juce::Identifier& height;
};

const PropertyKeys plainKeys { UIFormProperty::X, UIFormProperty::Y, UIFormProperty::Width, UIFormProperty::Height };
const PropertyKeys altKeys { altX, altY, altWidth, altHeight };
const PropertyKeys alt2Keys { alt2X, alt2Y, alt2Width, alt2Height };

const PropertyKeys& keysFor(uint32_t flags)
{
    if ((flags & OPWValueParamBaseComponent::flagAlt) != 0)
        return altKeys;
    if ((flags & OPWValueParamBaseComponent::flagAlt2) != 0)
        return alt2Keys;
    return plainKeys;
}

bool readRect(const juce::Component& c, const PropertyKeys& keys, juce::Rectangle<int>& r)
{
    const auto& props = c.getProperties();
    const int x = props.getWithDefault(keys.x, -1000);
    const int y = props.getWithDefault(keys.y, -1000);
    const int w = props.getWithDefault(keys.width, -1);
    const int h = props.getWithDefault(keys.height, -1);
    if (x == -1000 || y == -1000 || w < 0 || h < 0)
        return false;
    r = { x, y, w, h };
    return true;
}

void writeRect(juce::Component& c, const PropertyKeys& keys, juce::Rectangle<int> r)
{
    auto& props = c.getProperties();
    props.set(keys.x, r.getX());
    props.set(keys.y, r.getY());
    props.set(keys.width, r.getWidth());
    props.set(keys.height, r.getHeight());
}

int typeModuleOf(int paramId)
{
    if (paramId >= 0x300 && paramId <= 0x302)
        return paramId - 0x300;
    return -1;
}
} // namespace

OPWValueParamBaseComponent::OPWValueParamBaseComponent(EditParamComponent* owner, int width, int height)
    : m_Width(width), m_Height(height), m_Owner(owner)
{
    setWantsKeyboardFocus(true);
    setMouseClickGrabsKeyboardFocus(true);
}

OPWValueParamBaseComponent::~OPWValueParamBaseComponent()
{
    // The widgets belong to the page.
    while (getNumChildComponents() > 0)
    {
        auto* child = getChildComponent(getNumChildComponents() - 1);
        removeChildComponent(child);
        delete child;
    }
}

void OPWValueParamBaseComponent::mouseDown(const juce::MouseEvent& e)
{
    juce::Component::mouseDown(e);
    if (auto* area = dynamic_cast<OPWEditParamComponent*>(getParentComponent()))
        area->ResetTouchDownMemory();
}

void OPWValueParamBaseComponent::mouseDownByOtherComponent(juce::Component* component)
{
    if (component == nullptr || component == this)
        return;
    if (dynamic_cast<RSKnob*>(component) != nullptr)
        if (auto* section = EditTarget::orvaEditSection())
            section->FireOnROMSubTabMove(false);
    if (auto* area = dynamic_cast<OPWEditParamComponent*>(getParentComponent()))
        area->ResetTouchDownMemory();
}

void OPWValueParamBaseComponent::initialise()
{
    initSlotBounds();
    scanUIForm();
    scanLinkedComponent();
}

void OPWValueParamBaseComponent::initSlotBounds()
{
    m_SlotOrigins.clear();
    m_SlotOrigins.push_back({ 0, 0 });
    for (int k = 1; k <= 9; ++k)
        m_SlotOrigins.push_back({ 120 + 66 * (k - 1), 0 });
    for (int y : { 12, 32, 52, 72, 92 })
        m_SlotOrigins.push_back({ 0, y });
    for (int k = 15; k <= 21; ++k)
        m_SlotOrigins.push_back({ 143 + 66 * (k - 15), 0 });
}

namespace
{
bool modifyWith(const std::vector<juce::Point<int>>& origins, juce::Component* c, int slot, const PropertyKeys& keys)
{
    if (c == nullptr || slot <= 0 || slot >= (int) origins.size())
        return false;
    juce::Rectangle<int> r;
    if (! readRect(*c, keys, r))
        return false;
    c->setBounds(r + origins[(size_t) slot]);
    return true;
}
} // namespace

bool OPWValueParamBaseComponent::ModifySlotBounds(juce::Component* c, int slot)
{
    return modifyWith(m_SlotOrigins, c, slot, plainKeys);
}

bool OPWValueParamBaseComponent::ModifySlotAltBounds(juce::Component* c, int slot)
{
    return modifyWith(m_SlotOrigins, c, slot, altKeys);
}

bool OPWValueParamBaseComponent::ModifySlotAlt2Bounds(juce::Component* c, int slot)
{
    return modifyWith(m_SlotOrigins, c, slot, alt2Keys);
}

bool OPWValueParamBaseComponent::modifyByKind(juce::Component* c, uint32_t flags, int slot)
{
    if ((flags & flagAlt) != 0)
        return ModifySlotAltBounds(c, slot);
    if ((flags & flagAlt2) != 0)
        return ModifySlotAlt2Bounds(c, slot);
    return ModifySlotBounds(c, slot);
}

juce::Rectangle<int> OPWValueParamBaseComponent::altRect(Role role) const
{
    switch (role)
    {
        case Role::NameLabel: return m_AltLabel;
        case Role::ValueDisplay: return m_AltValue;
        case Role::Control:
        default: return m_AltControl;
    }
}

void OPWValueParamBaseComponent::placeByFlags(juce::Component* c, uint32_t flags, Role role, PlaceMode mode)
{
    if (c == nullptr)
        return;
    const int slot = slotOf(flags);
    const bool alt = (flags & (flagAlt | flagAlt2)) != 0;
    const auto& keys = keysFor(flags);

    switch (mode)
    {
        case PlaceMode::FormScan:
        {
            if (alt)
                writeRect(*c, keys, altRect(role));
            if (slot > 0)
                modifyByKind(c, flags, slot);
            else if (alt)
                c->setBounds(altRect(role));
            else
            {
                juce::Rectangle<int> r;
                if (readRect(*c, plainKeys, r))
                    c->setBounds(r);
            }
            break;
        }
        case PlaceMode::PropsEvent:
            if (slot > 0 && (flags & (flagDisabled | flagHidden)) == 0)
                modifyByKind(c, flags, slot);
            break;
        case PlaceMode::RangeEvent:
        {
            juce::Rectangle<int> r;
            if (readRect(*c, keys, r))
            {
                if (slot > 0)
                    modifyByKind(c, flags, slot);
                else
                    c->setBounds(r);
            }
            else if (alt)
            {
                writeRect(*c, keys, altRect(role));
                modifyByKind(c, flags, slot);
            }
            break;
        }
    }
}

void OPWValueParamBaseComponent::showValue(juce::Component& target, int kind, int value, bool fromDevice)
{
    if (kind == UIFormControlKind::ComboBox)
    {
        if (auto* combo = dynamic_cast<juce::ComboBox*>(&target))
            if (combo->getSelectedId() != value + 1)
                combo->setSelectedId(value + 1, juce::sendNotificationAsync);
    }
    else if (kind == UIFormControlKind::OnOffSwitch)
    {
        if (auto* button = dynamic_cast<juce::Button*>(&target))
            button->setToggleState(value != 0, juce::dontSendNotification);
    }
    else if (kind == UIFormControlKind::Knob)
    {
        if (auto* knob = dynamic_cast<RSKnob*>(&target))
            knob->setValue(value, fromDevice ? juce::dontSendNotification : juce::sendNotificationAsync);
    }
    else if (kind == UIFormControlKind::Image)
        target.repaint();
}

bool OPWValueParamBaseComponent::getDesc(int paramId, SParamDesc& desc)
{
    auto* section = EditTarget::orvaEditSection();
    return section != nullptr && paramId != -1 && section->GetParamDesc(paramId, &desc);
}

void OPWValueParamBaseComponent::scanUIForm()
{
    auto* manager = UIFormManager::GetInstance();
    const auto* layer = manager != nullptr ? manager->GetLayerFormInfoById(getUIFormTableID()) : nullptr;
    if (layer == nullptr || layer->children == nullptr || layer->childCount <= 0)
        return;

    auto* area = m_Owner;
    for (int i = 0; i < layer->childCount; ++i)
    {
        const auto& item = layer->children[i];
        const int code = UI_FORM_Utils::GetItemClassInt(item);
        if (item.id == UIFormControlKind::Hidden || code < 0 || code > 100)
            continue;
        std::unique_ptr<juce::Component> widget(UI_FORM_Utils::CreateControl(this, item));
        if (widget == nullptr)
            continue;

        SParamDesc desc {};
        const bool haveDesc = getDesc(item.paramId, desc);
        bool add = true;

        if (code == 0 || code == 56 || code == 57)
        {
            if (auto* label = dynamic_cast<juce::Label*>(widget.get()))
                if (area != nullptr)
                    label->addListener(area);
        }
        else if (code == 11)
        {
            auto* button = dynamic_cast<juce::Button*>(widget.get());
            if (button != nullptr)
            {
                if (area != nullptr)
                    button->addListener(area);
                button->setClickingTogglesState(true);
            }
            if (haveDesc)
                placeByFlags(widget.get(), desc.flags, Role::Control, PlaceMode::FormScan);
        }
        else if (code == 12)
        {
            if (auto* editor = dynamic_cast<juce::TextEditor*>(widget.get()))
            {
                if (area != nullptr)
                    editor->addListener(area);
                editor->setReadOnly(haveDesc && (desc.flags & flagReadOnly) != 0);
            }
        }
        else if (code == 13)
        {
            // A value display: placed later, with its knob.
        }
        else if (code == 14 || code == 96 || code == 97 || code == 99)
        {
            if (auto* combo = dynamic_cast<RSComboBox*>(widget.get()))
            {
                if (area != nullptr)
                    combo->addListener(area);
                ParamPageSupport::fillCombo(*combo, haveDesc ? &desc : nullptr, code != 14);
            }
        }
        else if (code == 15)
        {
            if (auto* slider = dynamic_cast<juce::Slider*>(widget.get()))
            {
                slider->setScrollWheelEnabled(true);
                if (area != nullptr)
                    slider->addListener(area);
            }
        }
        else if ((code >= 16 && code <= 40) || (code >= 43 && code <= 53) || (code >= 58 && code <= 60))
        {
            if (auto* knob = dynamic_cast<RSKnob*>(widget.get()))
            {
                knob->setScrollWheelEnabled(true);
                if (area != nullptr)
                    knob->addListener(area);
            }
            if (haveDesc)
                placeByFlags(widget.get(), desc.flags, Role::Control, PlaceMode::FormScan);
        }
        else if (code == 100)
        {
            if (auto* label = dynamic_cast<juce::Label*>(widget.get()))
            {
                label->setColour(juce::Label::textColourId, juce::Colours::beige);
                label->setColour(juce::Label::backgroundColourId, juce::Colours::transparentBlack);
                label->setText({}, juce::dontSendNotification);
                if (area != nullptr)
                    label->addListener(area);
            }
        }
        else
            add = false;

        if (add)
            addAndMakeVisible(widget.release());
    }
}

void OPWValueParamBaseComponent::scanLinkedComponent()
{
    ParamPageSupport::linkChildren(*this);
}

juce::Component* OPWValueParamBaseComponent::findByParamId(int paramId) const
{
    for (auto* child : getChildren())
        if (ParamPageSupport::paramIdOf(*child) == paramId)
            return child;
    return nullptr;
}

void OPWValueParamBaseComponent::refreshKnobGroup(RSKnob* knob, const SParamDesc& desc, int value)
{
    const int slot = slotOf(desc.flags);
    const juce::String name = juce::String::fromUTF8(desc.name != nullptr ? desc.name : "");
    const juce::String unit = juce::String::fromUTF8(desc.unit != nullptr ? desc.unit : "");

    if (auto* label = dynamic_cast<juce::Label*>(knob->getNameLabel()); label != nullptr && name.isNotEmpty())
    {
        if (slot != 0)
            modifyByKind(label, desc.flags, slot);
        label->setText(name, juce::sendNotification);
        label->repaint();
    }
    if (auto* label = dynamic_cast<juce::Label*>(knob->getUnitLabel()); label != nullptr && unit.isNotEmpty())
    {
        if (slot != 0)
            modifyByKind(label, desc.flags, slot);
        label->setText(unit, juce::sendNotification);
        label->repaint();
    }
    if (auto* display = dynamic_cast<juce::Label*>(knob->getValueDisplay()))
    {
        if (slot != 0)
            modifyByKind(display, desc.flags, slot);
        if (auto* section = EditTarget::orvaEditSection())
            display->setText(ParamPageSupport::formatValue(*section, ParamPageSupport::paramIdOf(*knob), value),
                             juce::sendNotification);
    }
}

void OPWValueParamBaseComponent::handleMessageSub(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr || myMessage->getRecord() == nullptr)
        return;
    const auto& record = *myMessage->getRecord();
    auto* section = EditTarget::orvaEditSection();
    if (section == nullptr)
        return;

    auto* target = record.a != -1 ? findByParamId(record.a) : nullptr;
    if (target == nullptr)
    {
        if (record.id == MessageId::SectionValueChanged && typeModuleOf(record.a) >= 0)
            setVisible(getPartialId() == typeModuleOf(record.a));
        return;
    }

    SParamDesc desc {};
    const bool haveDesc = section->GetParamDesc(record.a, &desc);
    const int kind = ParamPageSupport::kindOf(*target);

    switch (record.id)
    {
        case MessageId::SectionReinitialized:
        case MessageId::SectionParamPropsChanged:
        {
            if (! haveDesc)
                return;
            placeByFlags(target, desc.flags, Role::Control, PlaceMode::PropsEvent);
            target->setVisible((desc.flags & flagHidden) == 0);
            target->setEnabled((desc.flags & flagDisabled) == 0);
            target->repaint();
            if (record.id == MessageId::SectionReinitialized)
                return;
            const int value = section->GetParamI(record.a);
            if (kind == UIFormControlKind::OnOffSwitch)
            {
                if (auto* button = dynamic_cast<juce::Button*>(target))
                    button->setToggleState(value != 0, juce::dontSendNotification);
            }
            else if (kind == UIFormControlKind::Knob)
            {
                if (auto* knob = dynamic_cast<RSKnob*>(target))
                    refreshKnobGroup(knob, desc, value);
            }
            break;
        }

        case MessageId::SectionValueChanged:
        {
            showValue(*target, kind, section->GetParamI(record.a), record.b == CHGSRC_DEVICE);
            break;
        }

        case MessageId::SectionRangeChanged:
        {
            const uint32_t flags = haveDesc ? desc.flags : (uint32_t) record.d;
            if ((flags & flagHidden) != 0)
                target->setVisible(false);
            else
            {
                placeByFlags(target, flags, Role::Control, PlaceMode::RangeEvent);
                target->setVisible(true);
            }
            auto* knob = dynamic_cast<RSKnob*>(target);
            if (knob == nullptr)
                break;
            knob->setRSKnobMax(record.c);
            knob->setRSKnobMin(record.b);
            knob->renewRange();
            // The knob follows the value in its new range; nothing is sent.
            knob->setValue(section->GetParamI(record.a), juce::dontSendNotification);
            if (! haveDesc)
                break;
            const juce::String tooltipKey = juce::String::fromUTF8(desc.tooltip != nullptr ? desc.tooltip : "");
            if (tooltipKey.isNotEmpty())
            {
                const auto text = getLocalizedString(tooltipKey);
                if (text.isNotEmpty())
                    knob->setTooltip(text);
            }
            const juce::String name = juce::String::fromUTF8(desc.name != nullptr ? desc.name : "");
            const juce::String unit = juce::String::fromUTF8(desc.unit != nullptr ? desc.unit : "");
            if (auto* label = dynamic_cast<juce::Label*>(knob->getNameLabel()))
            {
                placeByFlags(label, flags, Role::NameLabel, PlaceMode::RangeEvent);
                if (name.isNotEmpty())
                    label->setText(name, juce::sendNotification);
                label->setVisible((flags & flagHidden) == 0);
            }
            if (auto* label = dynamic_cast<juce::Label*>(knob->getUnitLabel()); label != nullptr && unit.isNotEmpty())
            {
                label->setText(unit, juce::sendNotification);
                label->setVisible((flags & flagHidden) == 0);
            }
            if (auto* knobSwitch = dynamic_cast<RSKnobSwitch*>(knob))
            {
                knobSwitch->setForceDrag((flags & flagForceDrag) != 0);
                // The row's bit adds the click step; a switch whose class steps
                // on a click keeps it (the Orva KX rows leave the bit clear).
                knobSwitch->setForceMouseOnClick(knobSwitch->stepsOnClickByClass() || (flags & flagForceClick) != 0);
            }
            if (auto* display = dynamic_cast<juce::Label*>(knob->getValueDisplay()))
            {
                if (slotOf(flags) != 0)
                    placeByFlags(display, flags, Role::ValueDisplay, PlaceMode::RangeEvent);
                if ((flags & (flagAlt | flagAlt2)) != 0)
                    display->setVisible(true);
                else if ((flags & flagHideValue) != 0)
                    display->setVisible(false);
                if (display->isVisible())
                    display->setText(ParamPageSupport::formatValue(*section, record.a, section->GetParamI(record.a)),
                                     juce::sendNotification);
            }
            break;
        }

        case MessageId::TooltipChanged:
            if (haveDesc)
                if (auto* client = dynamic_cast<juce::SettableTooltipClient*>(target))
                {
                    const juce::String key = juce::String::fromUTF8(desc.tooltip != nullptr ? desc.tooltip : "");
                    const auto text = key.isNotEmpty() ? getLocalizedString(key) : juce::String();
                    if (text.isNotEmpty())
                        client->setTooltip(text);
                }
            break;

        default: break;
    }
}

void OPWValueParamBaseComponent::changeListenerCallbackSub(juce::ChangeBroadcaster*, bool visible)
{
    if (EditTarget::isBulkTrafficRunning())
        return;
    auto* section = EditTarget::orvaEditSection();
    setVisible(visible);
    if (section == nullptr)
        return;
    for (auto* child : getChildren())
    {
        ParamPageSupport::refreshChild(*child, *section);
        if (ParamPageSupport::kindOf(*child) != UIFormControlKind::ValueDisplay)
            continue;
        auto* display = dynamic_cast<RSReadOnlyTextEditor*>(child);
        auto* knob = display != nullptr ? display->getLinkedKnob() : nullptr;
        SParamDesc desc {};
        if (knob == nullptr || ! section->GetParamDesc(ParamPageSupport::paramIdOf(*knob), &desc))
            continue;
        if ((desc.flags & (flagAlt | flagAlt2)) != 0)
            display->setVisible(true);
        else if ((desc.flags & flagHideValue) != 0)
            display->setVisible(false);
    }
}
