#include "GUI/HMQ/HMQCustomFXComponent.h"

#include "Action/MidiManager.h"
#include "Core/MyMessage.h"
#include "GUI/HMQ/HMQCustomFXSectionComponent.h"
#include "GUI/HMQ/HMQGuiSupport.h"
#include "GUI/Widgets/RSToggleButton.h"
#include "GUI/Widgets/ToggleButtonLookAndFeel.h"
#include "HMQ/HMQDataCenter.h"

HMQCustomFXComponent::HMQCustomFXComponent(const PageTable& t, int width, int height)
    : table(t),
      m_Width(width),
      m_Height(height),
      m_TitleHeight(height <= 150 ? 0 : 25),
      m_LookAndFeel(std::make_unique<ToggleButtonLookAndFeel>())
{
    m_Value = 0;
    m_Flag = true;
}

HMQCustomFXComponent::~HMQCustomFXComponent()
{
    for (auto* toggle : m_Toggles)
        toggle->setLookAndFeel(nullptr);
    m_Toggles.clear();
    m_Slots.clear();
    m_LookAndFeel.reset();
}

void HMQCustomFXComponent::initialise()
{
    const int t = m_TitleHeight;
    const int toggleTop = m_Height > 130 ? 50 : 20;
    const int toggleStep = m_Height > 150 ? 20 : 15;
    const int sw = m_Width - 145;
    const int sh = (m_Height - 25 - t) / 4;

    for (int i = 0; i < 4; ++i)
    {
        auto* slot = m_Slots.add(new HMQCustomFXSectionComponent({}, sw, sh, table.firstKind + i));
        slot->setBounds(m_SlotX, t + 5 + i * (sh + m_Gap), sw, sh);
        addAndMakeVisible(slot);
        slot->initialise();
    }

    for (int i = 0; i < 4; ++i)
    {
        auto* toggle = m_Toggles.add(new RSToggleButton(table.toggles[i]));
        toggle->setTriggeredOnMouseDown(true);
        toggle->setRadioGroupId(table.groupId);
        toggle->setColour(juce::ToggleButton::textColourId, juce::Colour(0xFFCEA939));
        toggle->setLookAndFeel(m_LookAndFeel.get());
        toggle->setBounds(20, t + toggleTop + i * toggleStep, 100, 20);
        toggle->addListener(this);
        addAndMakeVisible(toggle);
    }
}

int HMQCustomFXComponent::slotOfType(int type) const
{
    const int kind = HMQCustomFXSectionComponent::variationOfType(table.customKind, type);
    return kind >= 0 ? kind - table.firstKind : -1;
}

bool HMQCustomFXComponent::selectFromType(int type, bool updateWhenUnchanged)
{
    const int s = slotOfType(type);
    if (! juce::isPositiveAndBelow(s, 4))
        return false;
    const int previous = m_Value;
    m_Value = s;
    if (auto* toggle = m_Toggles[s])
        toggle->setToggleState(true, juce::dontSendNotification);
    if (s != previous && juce::isPositiveAndBelow(previous, 4))
        m_Slots[previous]->update();
    if (s != previous || updateWhenUnchanged)
        m_Slots[s]->update();
    return true;
}

void HMQCustomFXComponent::changeListenerCallback(juce::ChangeBroadcaster* source)
{
    for (auto* slot : m_Slots)
        slot->changeListenerCallback(source);
    if (auto* dc = HMQGuiSupport::getDataCenter())
        selectFromType(dc->getUserEditSection().GetParamI(table.typeParam), false);
}

void HMQCustomFXComponent::buttonClicked(juce::Button* button)
{
    const int i = m_Toggles.indexOf(dynamic_cast<RSToggleButton*>(button));
    if (i < 0 || ! button->getToggleState())
        return;
    m_Flag = true;
    CopyModuleSub(table.firstKind + i);
    m_Value = i;
    repaint();
}

void HMQCustomFXComponent::mouseDownByOtherComponent(juce::Component* source)
{
    if (source == this)
        return;
    const int i = m_Slots.indexOf(dynamic_cast<HMQCustomFXSectionComponent*>(source));
    if (i >= 0)
    {
        m_Flag = true;
        CopyModuleSub(m_Slots[i]->getKind());
        m_Value = i;
        repaint();
    }
    HMQGuiSupport::postROMSubTabMove(false);
    HMQGuiSupport::resetParamAreaTouchDown();
}

void HMQCustomFXComponent::mouseDown(const juce::MouseEvent&)
{
    HMQGuiSupport::resetParamAreaTouchDown();
}

void HMQCustomFXComponent::CopyModuleSub(int kind)
{
    auto* dc = HMQGuiSupport::getDataCenter();
    if (dc == nullptr || kind < table.firstKind || kind > table.firstKind + 3)
        return;
    if (! dc->loadCustomPartIntoEditBuf(table.customKind, kind - table.firstKind))
        return;
    dc->getUserEditSection().OnReinitialized();
    if (auto* midi = HMQGuiSupport::getMidiManager())
        midi->sendCurProgDump();
    HMQGuiSupport::sendChangeMessage();
}

void HMQCustomFXComponent::handleMessageSub(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    auto* record = myMessage != nullptr ? myMessage->getRecord() : nullptr;
    if (record == nullptr)
        return;
    auto* dc = HMQGuiSupport::getDataCenter();

    switch (record->id)
    {
        case 1:
            for (auto* slot : m_Slots)
                slot->update();
            repaint();
            break;
        case 2:
            if (record->a == table.typeParam && dc != nullptr)
                selectFromType(dc->getUserEditSection().GetParamI(table.typeParam), false);
            break;
        case 3:
            if (record->a == table.typeParam)
            {
                // Highlighted only when the amplifier itself changed the type.
                m_Flag = record->b == 2;
                if (dc != nullptr)
                    selectFromType(dc->getUserEditSection().GetParamI(table.typeParam), true);
            }
            break;
        case 5: repaint(); break;
        case 7: m_Flag = false; break;
        case 13:
            m_Flag = record->a != 0;
            if (juce::isPositiveAndBelow(m_Value, 4))
                m_Slots[m_Value]->update();
            break;
        default: break;
    }
}

void HMQCustomFXComponent::paint(juce::Graphics& g)
{
    const int t = m_TitleHeight;
    g.fillAll(juce::Colour(0xFF2F2F2F));
    g.setColour(juce::Colour(0xFF1F1F1F).withAlpha(0.7f));
    g.fillRect(5, t + 5, 130, m_Height - t - 10);

    if (m_Height > 130)
    {
        g.setColour(juce::Colour(0xFFCEA939));
        g.setFont(HMQGuiSupport::getFont("CustomLarge"));
        g.drawText(table.heading, 48, t + 27, 200, 16, juce::Justification::bottomLeft);
        g.drawLine(30.0f, (float) (t + 20), 30.0f, (float) (t + 50), 2.0f);
    }
    if (t > 0)
    {
        auto* dc = HMQGuiSupport::getDataCenter();
        auto* midi = HMQGuiSupport::getMidiManager();
        const bool synchronised = dc != nullptr && dc->isSynchronised() && midi != nullptr && midi->isSynchronised();
        g.setFont(HMQGuiSupport::getFont("CustomSmall"));
        g.setColour(juce::Colour(0xFFD4D4D4));
        g.drawText(synchronised ? "CUSTOM EFFECT Setting (Synchronized with HMQ-S/M/L)" : "CUSTOM EFFECT Setting", 4, 10, 320, 20,
                   juce::Justification::topLeft);
    }
}
