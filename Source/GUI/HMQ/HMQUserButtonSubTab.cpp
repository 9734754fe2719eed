#include "GUI/HMQ/HMQUserButtonSubTab.h"

#include "GUI/HMQ/HMQUserButtonContainerComponent.h"

HMQUserButtonSubTab::HMQUserButtonSubTab(int x, int y, int width, int height) : m_Bounds(x, y, width, height)
{}

void HMQUserButtonSubTab::initialise()
{
    if (m_ContentComponent != nullptr)
        return;
    auto* container = new HMQUserButtonContainerComponent(m_Bounds.getWidth(), m_Bounds.getHeight(), 0);
    m_ContentComponent = container;
    container->setBounds(0, 0, m_Bounds.getWidth(), m_Bounds.getHeight());
    container->initialise();
    addAndMakeVisible(container);
}

HMQUserButtonContainerComponent* HMQUserButtonSubTab::getContainer() const noexcept
{
    return dynamic_cast<HMQUserButtonContainerComponent*>(m_ContentComponent);
}
