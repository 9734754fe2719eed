#include "GUI/HMQ/HMQLibROMSubTab.h"

#include "DataCenter/DataCenter.h"
#include "GUI/HMQ/HMQLibROMGreenSubTab.h"
#include "GUI/HMQ/HMQLibROMRedSubTab.h"
#include "GUI/HMQ/HMQLibROMYellowGreenSubTab.h"

HMQLibROMSubTab::HMQLibROMSubTab(int x, int y, int width, int height, int depth) : m_Bounds(x, y, width, height), m_Depth(depth)
{}

HMQLibROMSubTab::~HMQLibROMSubTab()
{
    // The tabbed component does not own the bank tabs.
    m_Tabs.reset();
    for (auto& tab : m_BankTabs)
        tab.reset();
}

HMQLibROMBankSubTab* HMQLibROMSubTab::getBankTab(int bank) const
{
    return juce::isPositiveAndBelow(bank, 3) ? m_BankTabs[bank].get() : nullptr;
}

void HMQLibROMSubTab::initialise()
{
    if (m_Tabs != nullptr)
        return;
    const int x = m_Bounds.getX(), w = m_Bounds.getWidth(), h = m_Bounds.getHeight();
    m_BankTabs[0] = std::make_unique<HMQLibROMGreenSubTab>(x, 0, w, h - m_Depth, m_Depth);
    m_BankTabs[1] = std::make_unique<HMQLibROMYellowGreenSubTab>(x, 0, w, h - m_Depth, m_Depth);
    m_BankTabs[2] = std::make_unique<HMQLibROMRedSubTab>(x, 0, w, h - m_Depth, m_Depth);
    for (auto& tab : m_BankTabs)
    {
        tab->initialise();
        tab->setBounds(0, 0, w, h - m_Depth);
    }

    m_Tabs = std::make_unique<juce::TabbedComponent>(juce::TabbedButtonBar::TabsAtTop);
    m_Tabs->setBounds(x, 0, w, h);
    m_Tabs->setTabBarDepth(m_Depth);
    m_Tabs->getTabbedButtonBar().setColour(juce::TabbedButtonBar::tabTextColourId, juce::Colour(0xFFD4D4D4).withAlpha(0.4f));
    m_Tabs->getTabbedButtonBar().setColour(juce::TabbedButtonBar::frontTextColourId, juce::Colours::white);

    static const char* const texts[3] = { "PRESET A", "PRESET B", "PRESET C" };
    static const juce::uint32 colours[3] = { 0xFF14E039, 0xFFB9E51B, 0xFFFF147A };
    for (int i = 0; i < 3; ++i)
    {
        m_Tabs->addTab(texts[i], juce::Colours::white, m_BankTabs[i].get(), false, i);
        m_Tabs->setTabBackgroundColour(i, juce::Colour(colours[i]).withAlpha(0.4f));
        if (auto* button = m_Tabs->getTabbedButtonBar().getTabButton(i))
        {
            button->addListener(this);
            button->setTriggeredOnMouseDown(true);
        }
    }
    addAndMakeVisible(m_Tabs.get());
    for (auto& tab : m_BankTabs)
        tab->setVisible(true);
    changeListenerCallback(nullptr);
}

void HMQLibROMSubTab::changeListenerCallback(juce::ChangeBroadcaster*)
{
    const int c = DataCenter::iCurProgNo;
    if (m_Tabs != nullptr && c >= 0 && c < 60)
        m_Tabs->setCurrentTabIndex(c / 20, true);
}
