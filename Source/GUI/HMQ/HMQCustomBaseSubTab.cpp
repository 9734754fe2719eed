#include "GUI/HMQ/HMQCustomBaseSubTab.h"

#include "Core/MyMessage.h"
#include "GUI/HMQ/HMQCustomAmpComponent.h"
#include "GUI/HMQ/HMQCustomPedal1Component.h"
#include "GUI/HMQ/HMQCustomPedal2Component.h"
#include "GUI/HMQ/HMQCustomReverbComponent.h"

HMQCustomBaseSubTab::HMQCustomBaseSubTab(int x, int y, int width, int height)
    : m_Bounds(x, y, width, height), m_PageRect(0, 0, width, height)
{
    // Takes the focus when its tab is chosen and keeps it: it uses no key, so
    // the focus is not passed on to a widget elsewhere that a key would move.
    setWantsKeyboardFocus(true);
}

HMQCustomBaseSubTab::~HMQCustomBaseSubTab()
{
    m_Amp.reset();
    m_Pedal1.reset();
    m_Pedal2.reset();
    m_Reverb.reset();
}

void HMQCustomBaseSubTab::initialise()
{
    if (m_Amp != nullptr)
        return;
    const int w = m_PageRect.getWidth(), h = m_PageRect.getHeight();
    m_Amp = std::make_unique<HMQCustomAmpComponent>(w, h);
    m_Pedal1 = std::make_unique<HMQCustomPedal1Component>(w, h);
    m_Pedal2 = std::make_unique<HMQCustomPedal2Component>(w, h);
    m_Reverb = std::make_unique<HMQCustomReverbComponent>(w, h);
    m_Amp->setBounds(m_PageRect);
    m_Amp->initialise();
    addAndMakeVisible(m_Amp.get());
    for (auto* page : { m_Pedal1.get(), m_Pedal2.get(), m_Reverb.get() })
    {
        page->setBounds(m_PageRect);
        page->initialise();
        addAndMakeVisible(page);
    }
}

void HMQCustomBaseSubTab::showPage(int shown)
{
    juce::Component* pages[4] = { m_Amp.get(), m_Pedal1.get(), m_Pedal2.get(), m_Reverb.get() };
    for (int i = 0; i < 4; ++i)
        if (pages[i] != nullptr && pages[i]->isVisible() != (i == shown))
            pages[i]->setVisible(i == shown);
}

void HMQCustomBaseSubTab::handleMessageSub(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    auto* record = myMessage != nullptr ? myMessage->getRecord() : nullptr;
    if (record == nullptr || m_Amp == nullptr)
        return;

    if (record->id == 7)
    {
        // Module index 0 amp, 1 pedal 1, 2 reverb, 3 pedal 2.
        static constexpr int pageOfModule[4] = { 0, 1, 3, 2 };
        if (juce::isPositiveAndBelow(record->a, 4))
            showPage(pageOfModule[record->a]);
        m_Pedal1->handleMessageSub(message);
        m_Pedal2->handleMessageSub(message);
        m_Reverb->handleMessageSub(message);
        m_Amp->handleMessageSub(message);
    }
    else if (record->id == 3)
    {
        switch (record->a)
        {
            case 768: showPage(0); break;
            case 769: showPage(1); break;
            case 770: showPage(2); break;
            case 772: showPage(3); break;
            default: break;
        }
    }
}
