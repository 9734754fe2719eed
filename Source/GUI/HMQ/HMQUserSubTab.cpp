#include "GUI/HMQ/HMQUserSubTab.h"

#include "Core/MyMessage.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/HMQ/HMQCustomAmpComponent.h"
#include "GUI/HMQ/HMQCustomBaseSubTab.h"
#include "GUI/HMQ/HMQCustomFXComponent.h"
#include "GUI/HMQ/HMQUserButtonContainerComponent.h"
#include "GUI/HMQ/HMQUserButtonSubTab.h"
#include "GUI/Widgets/FocusHandOver.h"

namespace
{
constexpr int tabBarDepth = 26;
} // namespace

HMQUserSubTab::HMQUserSubTab(int x, int y, int width, int height)
    : m_Bounds(x, y, width, height), m_LocalRect(x, 0, width, height)
{}

HMQUserSubTab::~HMQUserSubTab()
{
    // The tabbed component does not own the pages.
    m_Tabs.reset();
    m_ProgramPage.reset();
    m_CustomPage.reset();
}

HMQUserButtonContainerComponent* HMQUserSubTab::getUserButtonContainer() const noexcept
{
    return m_ProgramPage != nullptr ? m_ProgramPage->getContainer() : nullptr;
}

void HMQUserSubTab::initialise()
{
    if (m_Tabs != nullptr)
        return;
    const int w = m_Bounds.getWidth(), h = m_Bounds.getHeight();
    const int pageWidth = w - tabBarDepth;

    m_ProgramPage = std::make_unique<HMQUserButtonSubTab>(0, 0, pageWidth, h);
    m_ProgramPage->initialise();
    m_ProgramPage->setBounds(0, 0, pageWidth, h);
    m_CustomPage = std::make_unique<HMQCustomBaseSubTab>(0, 0, pageWidth, h);
    m_CustomPage->initialise();
    m_CustomPage->setBounds(0, 0, pageWidth, h);

    m_Tabs = std::make_unique<juce::TabbedComponent>(juce::TabbedButtonBar::TabsAtRight);
    m_Tabs->setBounds(0, 0, w, h);
    m_Tabs->setTabBarDepth(tabBarDepth);
    m_Tabs->getTabbedButtonBar().setColour(juce::TabbedButtonBar::tabTextColourId, juce::Colour(0xFFD4D4D4).withAlpha(0.4f));
    m_Tabs->getTabbedButtonBar().setColour(juce::TabbedButtonBar::frontTextColourId, juce::Colours::white);
    m_Tabs->addTab("PROGRAM", juce::Colours::white, m_ProgramPage.get(), false, 0);
    m_Tabs->addTab("CUSTOM AMP/FX", juce::Colours::white, m_CustomPage.get(), false, 1);
    for (int i = 0; i < 2; ++i)
    {
        m_Tabs->setTabBackgroundColour(i, juce::Colours::grey.withAlpha(0.4f));
        if (auto* button = m_Tabs->getTabbedButtonBar().getTabButton(i))
        {
            button->addListener(this);
            button->setTriggeredOnMouseDown(true);
        }
    }
    addAndMakeVisible(m_Tabs.get());
    setBounds(m_Bounds);
}

void HMQUserSubTab::buttonClicked(juce::Button* button)
{
    if (m_Tabs == nullptr)
        return;
    auto& bar = m_Tabs->getTabbedButtonBar();
    if (button == bar.getTabButton(1))
        m_CustomTabChosen = true;
    else if (button == bar.getTabButton(0))
        m_CustomTabChosen = false;
}

void HMQUserSubTab::handleMessageSub(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    auto* record = myMessage != nullptr ? myMessage->getRecord() : nullptr;
    if (record == nullptr || m_Tabs == nullptr)
        return;

    switch (record->id)
    {
        case 12:
        {
            if ((unsigned int) record->a > 3u)
                break;
            // A page brought to the front by itself leaves the focus where
            // the player put it, unless it was on the page that hides.
            const FocusHandOver::KeptInPlace keepFocus;
            if (record->b != 0)
            {
                if (m_Tabs->getCurrentTabIndex() != 1)
                    m_Tabs->setCurrentTabIndex(1, true);
            }
            else if (m_Tabs->getCurrentTabIndex() != 0 && ! m_CustomTabChosen)
            {
                m_Tabs->setCurrentTabIndex(0, true);
            }
            break;
        }
        case 7:
            if (m_CustomPage != nullptr)
                m_CustomPage->handleMessageSub(message);
            break;
        case 1: m_CustomTabChosen = false; break;
        default: break;
    }
}

void HMQUserSubTab::changeListenerCallback(juce::ChangeBroadcaster* source)
{
    if (auto* container = getUserButtonContainer())
        container->changeListenerCallback(source);
    if (m_CustomPage == nullptr)
        return;
    if (auto* amp = m_CustomPage->getAmpContainer())
        amp->changeListenerCallback(source);
    for (auto* page :
         { m_CustomPage->getPedal1Container(), m_CustomPage->getPedal2Container(), m_CustomPage->getReverbContainer() })
        if (page != nullptr)
            page->changeListenerCallback(source);
}

void HMQUserSubTab::itemDragEnter(const SourceDetails& details)
{
    const auto id = DragAndDropDefinitions::getDragId(details.description);
    if ((id == ProgramDataDragID || id == CurrentProgramDataDragID) && m_Tabs != nullptr && m_Tabs->getCurrentTabIndex() != 0)
    {
        const FocusHandOver::KeptInPlace keepFocus;
        m_Tabs->setCurrentTabIndex(0, true);
    }
}
