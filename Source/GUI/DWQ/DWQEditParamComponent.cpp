#include "GUI/DWQ/DWQEditParamComponent.h"

#include "Application/Host.h"
#include "Core/MyMessage.h"
#include "GUI/DWQ/DWQViewSupport.h"
#include "GUI/DWQ/RSDWQAmpImageButton.h"
#include "GUI/DWQ/RSDWQPedalFXImageButton.h"
#include "GUI/DWQ/RSDWQRevFXImageButton.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "GUI/Widgets/RSComboBox.h"
#include "GUI/Widgets/RSDraggableImageButton.h"
#include "GUI/Widgets/RSImage.h"
#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSLabel.h"
#include "GUI/Widgets/RSReadOnlyTextEditor.h"
#include "GUI/Widgets/RSTextEditor.h"
#include "GUI/Widgets/RSToggleSwitch.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "ParamTable/DWQ/CDWQUserEditSectionImpl.h"
#include "ParamTable/IStringConverter.h"
#include "UIForm/UIFormIds.h"
#include "UIForm/UIFormManager.h"
#include "UIForm/UI_FORM_Utils.h"

namespace
{
using Section = DWQ::CDWQUserEditSectionImpl;

constexpr int idAmpType = 0x300;
constexpr int idModType = 0x400;
constexpr int idDlyRevType = 0x500;

constexpr int moduleMod = 1;
constexpr int moduleDlyRev = 2;

// The section's events, as the router hands them on.
enum EventKind
{
    eventReinitialized = 1,
    eventPropsChanged = 2,
    eventValueChanged = 3,
    eventRangeChanged = 4,
    eventCatalogSelect = 7
};

juce::String formatted(Section& section, int paramId, int value, bool& described)
{
    SParamDesc desc {};
    described = section.GetParamDesc(paramId, &desc);
    if (! described || desc.converter == nullptr)
        return {};
    return juce::String::fromUTF8(desc.converter->Format(value).c_str());
}
} // namespace

DWQEditParamComponent::DWQEditParamComponent(int width, int height) : EditParamComponent(width, height)
{}

DWQEditParamComponent::~DWQEditParamComponent()
{
    m_Animator.cancelAllAnimations(false);
}

int DWQEditParamComponent::readProp(const juce::Component* c, const juce::Identifier& name, int fallback) const
{
    return c != nullptr ? (int) c->getProperties().getWithDefault(name, fallback) : fallback;
}

void DWQEditParamComponent::mouseDown(const juce::MouseEvent& e)
{
    EditParamComponent::mouseDown(e);
}

// Build ----------------------------------------------------------------------

void DWQEditParamComponent::scanUIForm()
{
    auto* forms = UIFormManager::GetInstance();
    const auto* layer = forms != nullptr ? forms->GetLayerFormInfoById(UIFormLayerId::EditParam) : nullptr;
    if (layer == nullptr || layer->childCount <= 0 || layer->children == nullptr)
        return;

    auto* section = DWQViewSupport::getSection();

    for (int i = 0; i < layer->childCount; ++i)
    {
        const auto& item = layer->children[i];
        UI_FORM_Utils::GetItemClassInt(item);
        std::unique_ptr<juce::Component> widget(UI_FORM_Utils::CreateControl(this, item));
        if (widget == nullptr || item.id == UIFormControlKind::Hidden)
            continue;

        const juce::String className(item.className != nullptr ? item.className : "");
        auto* c = widget.get();

        if (className == "label" || className == "label_hmq")
        {
            if (auto* label = dynamic_cast<RSLabel*>(c))
                label->addListener(this);
        }
        else if (className == "ulabel")
        {
            if (auto* label = dynamic_cast<RSLabel*>(c))
            {
                label->setColour(juce::Label::textColourId, juce::Colours::beige);
                label->setColour(juce::Label::backgroundColourId, juce::Colours::transparentBlack);
                label->setText({}, juce::dontSendNotification);
                label->addListener(this);
            }
        }
        else if (className == "switch")
        {
            if (auto* button = dynamic_cast<juce::Button*>(c))
            {
                button->addListener(this);
                button->setClickingTogglesState(true);
            }
        }
        else if (className == "edittext")
        {
            if (auto* editor = dynamic_cast<juce::TextEditor*>(c))
                editor->addListener(this);
        }
        else if (className == "edittext_ro")
        {}
        else if (className == "popupmenu" || className == "popup_amp_dwq" || className == "popup_pedal_dwq"
                 || className == "popup_rev_dwq")
        {
            auto* combo = dynamic_cast<RSComboBox*>(c);
            if (combo == nullptr)
                continue;
            combo->addListener(this);
            combo->setEditableText(false);
            combo->setJustificationType(juce::Justification::centredLeft);
            combo->setTextWhenNothingSelected({});
            combo->setTextWhenNoChoicesAvailable("(no choices)");
            combo->setColour(juce::ComboBox::backgroundColourId, juce::Colour(0x00505050));
            combo->setColour(juce::ComboBox::textColourId, juce::Colours::ivory);
            combo->setColour(juce::ComboBox::buttonColourId, juce::Colour(0x99505050));
            combo->setColour(juce::ComboBox::arrowColourId, juce::Colours::ivory);
            const bool withImages = className != "popupmenu";
            SParamDesc desc {};
            if (section != nullptr && section->GetParamDesc(item.paramId, &desc))
            {
                for (int v = desc.minValue; v <= desc.maxValue; ++v)
                {
                    const juce::String text =
                        desc.converter != nullptr ? juce::String::fromUTF8(desc.converter->Format(v).c_str()) : juce::String(v);
                    if (withImages)
                        combo->getRootMenu()->addItem(v + 1, text, true, false,
                                                      RSWidgetSupport::getImage(combo->getIconPngName(v)));
                    else
                        combo->addItem(text, v + 1);
                }
            }
        }
        else if (className == "valuebar")
        {
            if (auto* slider = dynamic_cast<juce::Slider*>(c))
            {
                slider->setScrollWheelEnabled(true);
                slider->addListener(this);
            }
        }
        else if (className == "knob_L" || className == "knobpreset" || className == "knob_Acurve" || className == "knob_Ccurve")
        {
            auto* knob = dynamic_cast<RSKnob*>(c);
            if (knob == nullptr)
                continue;
            knob->setScrollWheelEnabled(true);
            knob->addListener(this);
            // The knob starts on its parameter's range; the section's range
            // events follow it from then on.
            SParamDesc desc {};
            if (section != nullptr && section->GetParamDesc(item.paramId, &desc))
            {
                knob->setRSKnobMin(desc.minValue);
                knob->setRSKnobMax(desc.maxValue);
                knob->renewRange();
            }
        }
        else if (className == "imgbtn_amp_dwq" || className == "imgbtn_amp_small_dwq")
        {
            ampPicture = dynamic_cast<RSDWQAmpImageButton*>(c);
            if (ampPicture == nullptr)
                continue;
            ampPicture->addListener(this);
        }
        else if (className == "imgbtn_pedal_dwq" || className == "imgbtn_rev_dwq")
        {
            RSDraggableImageButton* picture = nullptr;
            if (className == "imgbtn_pedal_dwq")
                picture = modPicture = dynamic_cast<RSDWQPedalFXImageButton*>(c);
            else
                picture = dlyRevPicture = dynamic_cast<RSDWQRevFXImageButton*>(c);
            if (picture == nullptr)
                continue;
            picture->addListener(this);
            const int x = readProp(c, UIFormProperty::X);
            const int y = readProp(c, UIFormProperty::Y);
            if (x >= 0 && y >= 0)
            {
                const int w = readProp(c, UIFormProperty::Width);
                const int h = readProp(c, UIFormProperty::Height);
                picture->m_OnBounds = { x, y, w, h };
                picture->m_OffBounds = { x, y - offZoneLift, w, h };
            }
        }
        else if (className == "imgbtn_pedal_nodrag_dwq" || className == "imgbtn_rev_nodrag_dwq")
        {
            auto* picture = dynamic_cast<RSImageButton*>(c);
            if (picture == nullptr)
                continue;
            (className == "imgbtn_pedal_nodrag_dwq" ? modPictureNoDrag : dlyRevPictureNoDrag) = picture;
            picture->addListener(this);
        }
        else if (className == "img_amp_dwq" || className == "img_rev_dwq" || className == "img_nr" || className == "img_gain")
        {}
        else
        {
            continue;
        }

        addAndMakeVisible(widget.release());
    }
}

void DWQEditParamComponent::scanLinkedComponent()
{
    const int count = getNumChildComponents();
    for (int i = 0; i < count; ++i)
    {
        auto* child = getChildComponent(i);
        const auto text = child->getProperties().getWithDefault(UIFormProperty::Text, juce::String()).toString();
        if (text.isEmpty())
            continue;

        if (auto* knob = dynamic_cast<RSKnob*>(child))
        {
            bool displayFound = false, labelFound = false, unitFound = false;
            for (int j = 0; j < count; ++j)
            {
                auto* other = getChildComponent(j);
                if (other == child)
                    continue;
                const auto& props = other->getProperties();
                const auto otherText = props.getWithDefault(UIFormProperty::Text, juce::String()).toString();
                const auto otherUnit = props.getWithDefault(UIFormProperty::Unit, juce::String()).toString();
                if (! displayFound && otherText == text)
                    if (auto* display = dynamic_cast<RSReadOnlyTextEditor*>(other))
                    {
                        knob->setValueDisplay(display);
                        display->setLinkedKnob(knob);
                        displayFound = true;
                        continue;
                    }
                if (auto* label = dynamic_cast<RSLabel*>(other))
                {
                    if (! labelFound && otherText == text && otherUnit.isEmpty())
                    {
                        knob->setNameLabel(label);
                        label->setLinkedKnob(knob);
                        labelFound = true;
                    }
                    else if (! unitFound && otherUnit == text)
                    {
                        knob->setUnitLabel(label);
                        label->setLinkedKnob(knob);
                        unitFound = true;
                    }
                }
            }
        }
        else if (auto* picture = dynamic_cast<RSImageButton*>(child))
        {
            for (int j = 0; j < count; ++j)
            {
                auto* combo = dynamic_cast<RSComboBox*>(getChildComponent(j));
                if (combo != nullptr
                    && combo->getProperties().getWithDefault(UIFormProperty::Text, juce::String()).toString() == text)
                {
                    comboPictures[combo] = picture;
                    break;
                }
            }
        }
    }
}

juce::Component* DWQEditParamComponent::findChildByParamId(int paramId) const
{
    for (auto* child : getChildren())
        if (readProp(child, UIFormProperty::ParamId) == paramId)
            return child;
    return nullptr;
}

// Refresh --------------------------------------------------------------------

void DWQEditParamComponent::setDisplayText(juce::Component* display, int paramId, int value)
{
    auto* section = DWQViewSupport::getSection();
    if (section == nullptr)
        return;
    bool described = false;
    const auto text = formatted(*section, paramId, value, described);
    if (auto* label = dynamic_cast<juce::Label*>(display))
        label->setText(text, juce::sendNotification);
}

void DWQEditParamComponent::refreshChild(juce::Component* child)
{
    auto* section = DWQViewSupport::getSection();
    if (section == nullptr)
        return;

    const int kind = readProp(child, UIFormProperty::Id);
    int paramId = readProp(child, UIFormProperty::ParamId);

    // Labels and displays show their knob's parameter.
    RSKnob* linkedKnob = nullptr;
    if (auto* label = dynamic_cast<RSLabel*>(child))
        linkedKnob = label->getLinkedKnob();
    else if (auto* display = dynamic_cast<RSReadOnlyTextEditor*>(child))
        linkedKnob = display->getLinkedKnob();

    switch (kind)
    {
        case UIFormControlKind::CaptionLabel:
        case UIFormControlKind::UnitLabel:
        {
            if (linkedKnob == nullptr)
                return;
            const int knobId = readProp(linkedKnob, UIFormProperty::ParamId);
            SParamDesc desc {};
            if (knobId == -1 || ! section->GetParamDesc(knobId, &desc))
                return;
            auto* label = static_cast<RSLabel*>(child);
            if (kind == UIFormControlKind::CaptionLabel)
            {
                label->setText(juce::String::fromUTF8(desc.name), juce::sendNotification);
                label->repaint();
            }
            else
            {
                label->setText(juce::String::fromUTF8(desc.unit), juce::dontSendNotification);
            }
            return;
        }
        case UIFormControlKind::ValueDisplay:
        {
            if (linkedKnob == nullptr)
                return;
            const int knobId = readProp(linkedKnob, UIFormProperty::ParamId);
            if (knobId == -1)
                return;
            bool described = false;
            const auto text = formatted(*section, knobId, section->GetParamI(knobId), described);
            static_cast<juce::Label*>(child)->setText(described ? text : juce::String(), juce::sendNotification);
            return;
        }
        default: break;
    }

    if (paramId == -1)
        return;
    const int value = section->GetParamI(paramId);

    switch (kind)
    {
        case UIFormControlKind::ComboBox:
            if (auto* combo = dynamic_cast<juce::ComboBox*>(child))
                combo->setSelectedId(value + 1, juce::dontSendNotification);
            break;
        case UIFormControlKind::OnOffSwitch:
            if (auto* button = dynamic_cast<juce::Button*>(child))
                button->setToggleState(value != 0, juce::dontSendNotification);
            break;
        case UIFormControlKind::Knob:
            if (auto* knob = dynamic_cast<RSKnob*>(child))
                knob->setValue(value, juce::dontSendNotification);
            break;
        case UIFormControlKind::TypePicker:
            if (auto* picture = dynamic_cast<RSImageButton*>(child))
            {
                picture->setType(value);
                picture->repaint();
            }
            break;
        default: break;
    }
}

void DWQEditParamComponent::changeListenerCallback(juce::ChangeBroadcaster*)
{
    if (DWQViewSupport::isTransferRunning())
        return;
    auto* section = DWQViewSupport::getSection();
    if (section == nullptr)
        return;

    for (auto* child : getChildren())
        refreshChild(child);

    // The pictures follow the on states through these events.
    section->FireOnSectionParamPropsChanged(Section::idModOn);
    section->FireOnSectionParamPropsChanged(Section::idDlyRevOn);
}

// Edits ----------------------------------------------------------------------

void DWQEditParamComponent::sliderValueChanged(juce::Slider* slider)
{
    const int paramId = readProp(slider, UIFormProperty::ParamId);
    if (paramId == -1)
        return;
    auto* section = DWQViewSupport::getSection();
    if (section == nullptr)
        return;

    const int value = (int) slider->getValue();
    if (auto* knob = dynamic_cast<RSKnob*>(slider))
        if (auto* display = knob->getValueDisplay())
        {
            SParamDesc desc {};
            if (section->GetParamDesc(paramId, &desc))
                setDisplayText(display, paramId, value);
        }

    if (paramId > 0)
        section->PutParamIEx(paramId, value, DWQViewSupport::editFlags(), CHGSRC_CONTROL);
}

void DWQEditParamComponent::comboBoxChanged(juce::ComboBox* comboBox)
{
    const int paramId = readProp(comboBox, UIFormProperty::ParamId);
    const int value = (comboBox->getSelectedId() - 1) & 0xFF;
    if (auto* section = DWQViewSupport::getSection())
        if (paramId > 0 && value != section->GetParamI(paramId))
            section->PutParamIEx(paramId, value, DWQViewSupport::editFlags(), CHGSRC_CONTROL);

    repaint();
    if (auto* combo = dynamic_cast<RSComboBox*>(comboBox))
    {
        const auto it = comboPictures.find(combo);
        if (it != comboPictures.end())
            it->second->repaint();
    }
}

bool DWQEditParamComponent::zoneFor(int module, EffectZone& zone) const
{
    if (module == moduleMod && modPicture != nullptr)
    {
        zone = { modPicture, Section::idModOn, idModType, Section::idLastModType, moduleMod };
        return true;
    }
    if (module == moduleDlyRev && dlyRevPicture != nullptr)
    {
        zone = { dlyRevPicture, Section::idDlyRevOn, idDlyRevType, Section::idLastDlyRevType, moduleDlyRev };
        return true;
    }
    return false;
}

bool DWQEditParamComponent::zoneForOnId(int onId, EffectZone& zone) const
{
    if (onId == Section::idModOn)
        return zoneFor(moduleMod, zone);
    if (onId == Section::idDlyRevOn)
        return zoneFor(moduleDlyRev, zone);
    return false;
}

int DWQEditParamComponent::typeToSwitchOn(const EffectZone& zone) const
{
    auto* section = DWQViewSupport::getSection();
    const int remembered = section != nullptr ? section->GetParamI(zone.rememberedId) : 0;
    // Type 0 would leave the effect off while the area shows it on.
    return remembered > 0 ? remembered : 1;
}

void DWQEditParamComponent::animatePicture(juce::Component* picture, juce::Rectangle<int> target)
{
    m_Animator.animateComponent(picture, target, 1.0f, zoneAnimationMs, false, 0.0, 0.0);
}

void DWQEditParamComponent::switchEffect(const EffectZone& zone, bool on)
{
    auto* section = DWQViewSupport::getSection();
    if (section == nullptr)
        return;
    // The on switch is editor-side: stored and announced, never sent.
    section->PutParamIEx(zone.onId, on ? 1 : 0, PutFlags::announce, CHGSRC_CONTROL);
    section->PutParamIEx(zone.typeId, on ? typeToSwitchOn(zone) : 0, DWQViewSupport::editFlags(), CHGSRC_CONTROL);
}

void DWQEditParamComponent::selectModule(int module)
{
    if (auto* section = DWQViewSupport::getSection())
        section->FireOnCatalogSelect(module);
    const int previous = m_SelectedModule;
    m_PrevSelectedModule = m_SelectedModule;
    m_SelectedModule = module;
    if (previous != module)
        repaint();
}

void DWQEditParamComponent::buttonClicked(juce::Button* button)
{
    const int paramId = readProp(button, UIFormProperty::ParamId);
    auto* section = DWQViewSupport::getSection();

    EffectZone zone {};
    if ((paramId == Section::idDlyRevOn || paramId == Section::idModOn) && section != nullptr)
    {
        const int module = paramId == Section::idModOn ? moduleMod : moduleDlyRev;
        const bool wasOn = section->GetParamI(paramId) != 0;
        section->PutParamIEx(paramId, wasOn ? 0 : 1, PutFlags::announce, CHGSRC_CONTROL);
        button->setToggleState(! wasOn, juce::dontSendNotification);
        if (zoneFor(module, zone))
        {
            section->PutParamIEx(zone.typeId, wasOn ? 0 : typeToSwitchOn(zone), DWQViewSupport::editFlags(), CHGSRC_CONTROL);
            animatePicture(zone.picture, wasOn ? zone.picture->m_OffBounds : zone.picture->m_OnBounds);
        }
        else
        {
            const int typeId = module == moduleMod ? idModType : idDlyRevType;
            const int rememberedId = module == moduleMod ? Section::idLastModType : Section::idLastDlyRevType;
            const int remembered = section->GetParamI(rememberedId);
            section->PutParamIEx(typeId, wasOn ? 0 : (remembered > 0 ? remembered : 1), DWQViewSupport::editFlags(),
                                 CHGSRC_CONTROL);
        }
        selectModule(module);
        return;
    }

    if (auto* picture = dynamic_cast<RSImageButton*>(button))
    {
        if (! picture->isSelectEnabled())
            return;
        if (auto* draggable = dynamic_cast<RSDraggableImageButton*>(picture))
            if (draggable->isDragStarted())
                return;
        if (picture->getModuleIndex() != m_SelectedModule || picture->getModuleIndex() != m_PrevSelectedModule)
            return;
        if (auto* host = Host::getInstance())
            if (auto* manager = host->getMasterGuiManager())
                manager->showCatalogSelMini();
        return;
    }

    if (paramId != -1 && section != nullptr)
        section->PutParamIEx(paramId, button->getToggleState() ? 1 : 0, DWQViewSupport::editFlags(), CHGSRC_CONTROL);
}

void DWQEditParamComponent::mouseDownByOtherComponent(juce::Component* other)
{
    if (other == nullptr || other == this)
        return;
    auto* section = DWQViewSupport::getSection();

    if (auto* picture = dynamic_cast<RSImageButton*>(other))
    {
        const int module = picture->getModuleIndex();
        if (module != m_SelectedModule)
        {
            if (section != nullptr)
                section->FireOnCatalogSelect(module);
        }
        else
        {
            m_PrevSelectedModule = m_SelectedModule;
        }
        if (section != nullptr)
            section->FireOnROMSubTabMove(false);
    }
    else if (dynamic_cast<RSKnob*>(other) != nullptr)
    {
        if (section != nullptr)
            section->FireOnROMSubTabMove(false);
    }
}

// Module drags ---------------------------------------------------------------

void DWQEditParamComponent::itemDragMove(const SourceDetails& details)
{
    if (! m_DragOver)
        return;

    EffectZone zone {};
    if (! zoneFor((int) details.description[1], zone))
        return;
    auto* p = zone.picture;
    const int y = details.localPosition.y;
    const bool animating = m_Animator.isAnimating(p);
    const auto destination = m_Animator.getComponentDestination(p);

    // The picture keeps its entry point in its own coordinates.
    if (p->getY() == p->m_OnBounds.getY() && y < m_SignalChainY && y < p->getY() + p->getEntryY())
    {
        if (! animating && ! (destination == p->m_OffBounds))
        {
            p->repaint();
            animatePicture(p, p->m_OffBounds);
            switchEffect(zone, false);
        }
    }
    else if (p->getY() == p->m_OffBounds.getY() && y > p->getBottom() && ! animating)
    {
        if (! (destination == p->m_OnBounds))
        {
            p->repaint();
            animatePicture(p, p->m_OnBounds);
            switchEffect(zone, true);
        }
    }
    updateBackground();
}

void DWQEditParamComponent::itemDropped(const SourceDetails& details)
{
    m_DragOver = false;

    EffectZone zone {};
    if (zoneFor((int) details.description[1], zone))
    {
        auto* p = zone.picture;
        const int y = details.localPosition.y;
        const bool animating = m_Animator.isAnimating(p);
        if (p->getY() == p->m_OnBounds.getY() && y < p->getY() && ! animating)
        {
            animatePicture(p, p->m_OffBounds);
            switchEffect(zone, false);
        }
        else if (p->getY() == p->m_OffBounds.getY() && y > p->getBottom() && ! animating)
        {
            animatePicture(p, p->m_OnBounds);
            switchEffect(zone, true);
        }
    }
    updateBackground();
}

// Section events -------------------------------------------------------------

void DWQEditParamComponent::syncZone(int onId)
{
    EffectZone zone {};
    auto* section = DWQViewSupport::getSection();
    if (section == nullptr || ! zoneForOnId(onId, zone))
        return;
    auto* p = zone.picture;
    const auto target = section->GetParamI(onId) != 0 ? p->m_OnBounds : p->m_OffBounds;
    if (p->getY() != target.getY())
    {
        if (! (m_Animator.isAnimating(p) && m_Animator.getComponentDestination(p) == target))
            animatePicture(p, target);
    }
    else if (m_Animator.isAnimating(p) && m_Animator.getComponentDestination(p) != target)
    {
        m_Animator.cancelAnimation(p, false);
    }
}

void DWQEditParamComponent::handleMessageSub(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    auto* record = myMessage != nullptr ? myMessage->getRecord() : nullptr;
    if (record == nullptr)
        return;
    const int kind = record->id;
    const int a = record->a;
    const int b = record->b;
    const int c = record->c;

    if (kind == eventCatalogSelect)
    {
        const int previous = m_SelectedModule;
        m_PrevSelectedModule = m_SelectedModule;
        m_SelectedModule = a;
        if (previous != a)
            for (auto* picture :
                 { (juce::Component*) ampPicture, (juce::Component*) modPicture, (juce::Component*) dlyRevPicture })
                if (picture != nullptr)
                    picture->repaint();
    }

    auto* section = DWQViewSupport::getSection();
    if (section == nullptr)
        return;
    const bool isOnId = a == Section::idModOn || a == Section::idDlyRevOn;

    auto* child = findChildByParamId(a);
    if (child == nullptr)
    {
        if ((kind == eventValueChanged || kind == eventPropsChanged) && isOnId)
            syncZone(a);
        return;
    }

    switch (kind)
    {
        case eventReinitialized:
        case eventPropsChanged:
        {
            SParamDesc desc {};
            if (section->GetParamDesc(a, &desc))
            {
                child->setVisible((desc.flags & ParamFlags::hidden) == 0);
                child->setEnabled((desc.flags & ParamFlags::disabled) == 0);
                child->repaint();
            }
            if (kind == eventPropsChanged && isOnId)
                syncZone(a);
            break;
        }
        case eventValueChanged:
        {
            const int value = section->GetParamI(a);
            switch (readProp(child, UIFormProperty::Id))
            {
                case UIFormControlKind::ComboBox:
                    if (auto* combo = dynamic_cast<juce::ComboBox*>(child))
                        if (combo->getSelectedId() != value + 1)
                            combo->setSelectedId(value + 1, juce::sendNotificationAsync);
                    break;
                case UIFormControlKind::OnOffSwitch:
                    if (auto* button = dynamic_cast<juce::Button*>(child))
                        button->setToggleState(value != 0, juce::dontSendNotification);
                    if (isOnId)
                        syncZone(a);
                    break;
                case UIFormControlKind::Knob:
                    if (auto* knob = dynamic_cast<RSKnob*>(child))
                        knob->setValue(value, b == CHGSRC_DEVICE ? juce::dontSendNotification : juce::sendNotificationAsync);
                    break;
                case UIFormControlKind::TypePicker:
                    if (auto* picture = dynamic_cast<RSImageButton*>(child))
                    {
                        picture->setType(value);
                        picture->repaint();
                        if (picture == modPicture)
                            section->PutParamIEx(Section::idModOn, value != 0 ? 1 : 0, PutFlags::announce, (eChgSource) b);
                        else if (picture == dlyRevPicture)
                            section->PutParamIEx(Section::idDlyRevOn, value != 0 ? 1 : 0, PutFlags::announce, (eChgSource) b);
                    }
                    break;
                case UIFormControlKind::Image: child->repaint(); break;
                default: break;
            }
            break;
        }
        case eventRangeChanged:
        {
            auto* knob = dynamic_cast<RSKnob*>(child);
            if (knob == nullptr || readProp(child, UIFormProperty::Id) != UIFormControlKind::Knob)
                break;
            knob->setRSKnobMax(c);
            knob->setRSKnobMin(b);
            if (c > b)
                knob->setRange(b, c, 1.0);
            SParamDesc desc {};
            if (section->GetParamDesc(a, &desc))
            {
                const auto name = juce::String::fromUTF8(desc.name);
                const auto unit = juce::String::fromUTF8(desc.unit);
                if (auto* label = dynamic_cast<juce::Label*>(knob->getNameLabel()))
                    if (name.isNotEmpty())
                        label->setText(name, juce::dontSendNotification);
                if (auto* label = dynamic_cast<juce::Label*>(knob->getUnitLabel()))
                    if (unit.isNotEmpty())
                        label->setText(unit, juce::dontSendNotification);
                if (auto* display = knob->getValueDisplay())
                    setDisplayText(display, a, section->GetParamI(a));
            }
            break;
        }
        default: break;
    }
}
