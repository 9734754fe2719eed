#include "GUI/HMQ/HMQValueParamBaseComponent.h"

#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Editor/EditParamComponent.h"
#include "GUI/HMQ/HMQEditParamComponent.h"
#include "GUI/HMQ/HMQEditSupport.h"
#include "GUI/HMQ/HMQFormWiring.h"
#include "GUI/Widgets/RSComboBox.h"
#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSLabel.h"
#include "GUI/Widgets/RSTextEditor.h"
#include "GUI/Widgets/RSToggleSwitch.h"
#include "ParamTable/HMQ/CHMQUserEditSectionImpl.h"
#include "UIForm/UIFormIds.h"
#include "UIForm/UIFormManager.h"
#include "UIForm/UI_FORM_Utils.h"

namespace
{
// The partial id of a module type parameter, -1 for any other id.
int partialOfTypeId(int id)
{
    switch (id)
    {
        case 768: return 0;
        case 769: return 1;
        case 770: return 2;
        case 772: return 3;
        default: return -1;
    }
}
} // namespace

HMQValueParamBaseComponent::HMQValueParamBaseComponent(EditParamComponent* owner, int width, int height)
    : m_pOwner(owner), m_Width(width), m_Height(height)
{
    setWantsKeyboardFocus(true);
    setMouseClickGrabsKeyboardFocus(true);
}

HMQValueParamBaseComponent::~HMQValueParamBaseComponent()
{
    deleteAllChildren();
}

void HMQValueParamBaseComponent::initialise()
{
    scanUIForm();
    scanLinkedComponent();
}

void HMQValueParamBaseComponent::scanUIForm()
{
    auto* forms = UIFormManager::GetInstance();
    const auto* layer = forms != nullptr ? forms->GetLayerFormInfoById(getUIFormTableID()) : nullptr;
    if (layer == nullptr || layer->childCount <= 0 || layer->children == nullptr)
        return;

    for (int i = 0; i < layer->childCount; ++i)
    {
        const auto& item = layer->children[i];
        const int code = UI_FORM_Utils::GetItemClassInt(item);
        if (item.id == UIFormControlKind::Hidden)
            continue;
        std::unique_ptr<juce::Component> widget(UI_FORM_Utils::CreateControl(this, item));
        if (widget == nullptr)
            continue;

        bool keep = true;
        if (code == 0 || code == 56)
        {
            if (auto* label = dynamic_cast<juce::Label*>(widget.get()); label != nullptr && m_pOwner != nullptr)
                label->addListener(m_pOwner);
        }
        else if (code == 11)
        {
            if (auto* button = dynamic_cast<juce::Button*>(widget.get()))
            {
                button->setClickingTogglesState(true);
                if (m_pOwner != nullptr)
                    button->addListener(m_pOwner);
            }
        }
        else if (code == 12)
        {
            if (auto* editor = dynamic_cast<RSTextEditor*>(widget.get()))
            {
                SParamDesc desc {};
                if (HMQFormWiring::getDesc(item.paramId, desc))
                    editor->setReadOnly((desc.flags & ParamFlags::notWritable) != 0);
                if (m_pOwner != nullptr)
                    editor->addListener(m_pOwner);
            }
        }
        else if (code == 13)
        {}
        else if (code == 14 || code == 96 || code == 97 || code == 99)
        {
            if (auto* box = dynamic_cast<RSComboBox*>(widget.get()))
            {
                if (m_pOwner != nullptr)
                    box->addListener(m_pOwner);
                HMQFormWiring::fillComboBox(*box, item.paramId, code != 14);
            }
            else
                keep = false;
        }
        else if (code == 15 || (code >= 16 && code <= 31) || (code >= 58 && code <= 60))
        {
            if (auto* slider = dynamic_cast<juce::Slider*>(widget.get()))
            {
                slider->setScrollWheelEnabled(true);
                if (m_pOwner != nullptr)
                    slider->addListener(m_pOwner);
            }
        }
        else if (code == 100)
        {
            if (auto* label = dynamic_cast<RSLabel*>(widget.get()))
            {
                label->setColour(juce::Label::textColourId, juce::Colours::beige);
                label->setColour(juce::Label::backgroundColourId, juce::Colours::transparentBlack);
                label->setText({}, juce::dontSendNotification);
                if (m_pOwner != nullptr)
                    label->addListener(m_pOwner);
            }
        }
        else
            keep = false;

        if (keep)
            addAndMakeVisible(widget.release());
    }
}

void HMQValueParamBaseComponent::scanLinkedComponent()
{
    HMQFormWiring::linkByText(*this);
}

void HMQValueParamBaseComponent::changeListenerCallbackSub(juce::ChangeBroadcaster*, bool visible)
{
    if (HMQEditSupport::isBulkTransferRunning())
        return;
    setVisible(visible);
    for (auto* child : getChildren())
        HMQFormWiring::refresh(*child);
}

void HMQValueParamBaseComponent::handleMessageSub(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    auto* record = myMessage != nullptr ? myMessage->getRecord() : nullptr;
    if (record == nullptr)
        return;

    const int id = record->a;
    auto* target = HMQFormWiring::findByParamId(*this, id);
    const int partial = partialOfTypeId(id);
    if (target == nullptr && partial < 0)
        return;

    switch (record->id)
    {
        case MessageId::SectionReinitialized:
        case MessageId::SectionParamPropsChanged:
        {
            if (target == nullptr)
                return;
            SParamDesc desc {};
            if (! HMQFormWiring::getDesc(id, desc))
                return;
            HMQFormWiring::applyProps(*target, id);
            if (record->id == MessageId::SectionParamPropsChanged
                && HMQFormWiring::getControlId(*target) == UIFormControlKind::OnOffSwitch)
                if (auto* button = dynamic_cast<juce::Button*>(target))
                    button->setToggleState(HMQFormWiring::getValue(id) != 0, juce::dontSendNotification);
            break;
        }

        case MessageId::SectionValueChanged:
            if (partial >= 0)
                setVisible(partial == getPartialId());
            else
                HMQFormWiring::applyValue(*target, id, record->b);
            break;

        case MessageId::SectionRangeChanged:
            if (target != nullptr)
                HMQFormWiring::applyRange(*target, id, record->b, record->c);
            break;

        case MessageId::TooltipChanged:
            if (target != nullptr)
                HMQFormWiring::applyTooltip(*target, id);
            break;

        default: break;
    }
}

void HMQValueParamBaseComponent::updateBackground()
{
    repaint();
}

void HMQValueParamBaseComponent::resetOwnerTouchDown()
{
    if (auto* area = dynamic_cast<HMQEditParamComponent*>(getParentComponent()))
        area->ResetTouchDownMemory();
}

void HMQValueParamBaseComponent::mouseDownByOtherComponent(juce::Component* component)
{
    if (component == this)
        return;
    if (dynamic_cast<RSKnob*>(component) != nullptr)
        if (auto* section = HMQEditSupport::getUserEditSection())
            section->FireOnROMSubTabMove(false);
    resetOwnerTouchDown();
}

void HMQValueParamBaseComponent::mouseEnter(const juce::MouseEvent& e)
{
    juce::Component::mouseEnter(e);
}
void HMQValueParamBaseComponent::mouseExit(const juce::MouseEvent& e)
{
    juce::Component::mouseExit(e);
}
void HMQValueParamBaseComponent::mouseDrag(const juce::MouseEvent& e)
{
    juce::Component::mouseDrag(e);
}
void HMQValueParamBaseComponent::mouseUp(const juce::MouseEvent& e)
{
    juce::Component::mouseUp(e);
}

void HMQValueParamBaseComponent::mouseDown(const juce::MouseEvent& e)
{
    juce::Component::mouseDown(e);
    resetOwnerTouchDown();
}

void HMQValueParamBaseComponent::paintLines(juce::Graphics& g, std::initializer_list<int> xs)
{
    g.setColour(juce::Colour(0xFFCEA939));
    for (int x : xs)
        g.drawLine((float) x + 0.5f, 10.0f, (float) x + 0.5f, 120.0f, 1.0f);
}
