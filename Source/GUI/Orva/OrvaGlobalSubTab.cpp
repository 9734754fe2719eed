#include "GUI/Orva/OrvaGlobalSubTab.h"

#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Orva/OrvaGlobalComponent.h"

OrvaGlobalSubTab::OrvaGlobalSubTab(int x, int y, int width, int height, int depth)
    : m_X(x), m_Y(y), m_Width(width), m_Height(height), m_Depth(depth)
{}

void OrvaGlobalSubTab::initialise()
{
    if (m_GlobalComponent != nullptr)
        return;
    m_GlobalComponent = new OrvaGlobalComponent(0, 0, m_Width, m_Height);
    m_ContentComponent = m_GlobalComponent;
    m_GlobalComponent->setBounds(m_X, 0, m_Width, m_Height);
    m_GlobalComponent->initialise();
    addAndMakeVisible(m_GlobalComponent);
}

void OrvaGlobalSubTab::handleMessageSub(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr || m_GlobalComponent == nullptr)
        return;
    const int id = myMessage->getId();
    if (id == MessageId::USBRoutingChanged || id == MessageId::AudioEQCoefsChanged)
        m_GlobalComponent->handleMessageSub(message);
}
