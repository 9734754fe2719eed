#include "GUI/HMQ/HMQCustomAmpComponent.h"

#include "Action/MidiManager.h"
#include "Core/MyMessage.h"
#include "GUI/HMQ/HMQGuiSupport.h"
#include "HMQ/HMQDataCenter.h"

namespace
{
constexpr int ampTypeParam = 768;
} // namespace

HMQCustomAmpComponent::HMQCustomAmpComponent(int width, int height) : m_Width(width), m_Height(height)
{
    m_Value = HMQCustomAmpSectionComponent::USER_A;
    m_Flag = false;
}

HMQCustomAmpComponent::~HMQCustomAmpComponent()
{
    m_Slots.clear();
}

void HMQCustomAmpComponent::initialise()
{
    m_TitleHeight = m_Height <= 150 ? 0 : 30;
    const int sw = (m_Width - 16) / 3;
    const int sh = m_Height - m_TitleHeight - 8;
    static const char* const names[] = { "USER A", "USER B", "USER C" };
    for (int i = 0; i < 3; ++i)
    {
        auto* slot =
            m_Slots.add(new HMQCustomAmpSectionComponent(names[i], sw, sh, (HMQCustomAmpSectionComponent::eSectionType) i));
        slot->setBounds(4 + i * (sw + 4), m_TitleHeight + 4, sw, sh);
        slot->initialise();
        addAndMakeVisible(slot);
    }
}

void HMQCustomAmpComponent::changeListenerCallback(juce::ChangeBroadcaster* source)
{
    for (auto* slot : m_Slots)
        slot->changeListenerCallback(source);
}

void HMQCustomAmpComponent::mouseDownByOtherComponent(juce::Component* source)
{
    if (source == this)
        return;
    const int k = m_Slots.indexOf(dynamic_cast<HMQCustomAmpSectionComponent*>(source));
    if (k >= 0)
    {
        CopyModuleSub((HMQCustomAmpSectionComponent::eSectionType) k);
        m_Value = (HMQCustomAmpSectionComponent::eSectionType) k;
        m_Flag = true;
        repaint();
    }
    HMQGuiSupport::postROMSubTabMove(false);
    HMQGuiSupport::resetParamAreaTouchDown();
}

void HMQCustomAmpComponent::mouseDown(const juce::MouseEvent&)
{
    HMQGuiSupport::resetParamAreaTouchDown();
}

void HMQCustomAmpComponent::CopyModuleSub(HMQCustomAmpSectionComponent::eSectionType n)
{
    auto* dc = HMQGuiSupport::getDataCenter();
    if (dc == nullptr || ! dc->loadCustomPartIntoEditBuf(HMQDataCenter::customAmp, (int) n))
        return;
    dc->getUserEditSection().OnReinitialized();
    if (auto* midi = HMQGuiSupport::getMidiManager())
        midi->sendCurProgDump();
    HMQGuiSupport::sendChangeMessage();
}

void HMQCustomAmpComponent::handleMessageSub(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    auto* record = myMessage != nullptr ? myMessage->getRecord() : nullptr;
    if (record == nullptr)
        return;

    switch (record->id)
    {
        case 1:
        case 5: repaint(); break;
        case 3:
            if (record->a == ampTypeParam)
            {
                m_Flag = false;
                repaint();
            }
            break;
        case 7: m_Flag = false; break;
        case 13:
            m_Flag = record->a != 0;
            repaint();
            break;
        default: break;
    }
}

void HMQCustomAmpComponent::paint(juce::Graphics& g)
{
    g.fillAll(juce::Colour(0xFF2F2F2F));
    if (m_TitleHeight <= 0)
        return;
    auto* dc = HMQGuiSupport::getDataCenter();
    auto* midi = HMQGuiSupport::getMidiManager();
    const bool synchronised = dc != nullptr && dc->isSynchronised() && midi != nullptr && midi->isSynchronised();
    g.setFont(HMQGuiSupport::getFont("CustomSmall"));
    g.setColour(juce::Colour(0xFFD4D4D4));
    g.drawText(synchronised ? "CUSTOM AMP Setting (Synchronized with HMQ-S/M/L)" : "CUSTOM AMP Setting", 4, 10, 350, 20,
               juce::Justification::topLeft);
}
