#include "GUI/HMQ/HMQLibROMBankSubTab.h"

#include "GUI/HMQ/HMQLibROMBankComponent.h"

HMQLibROMBankSubTab::HMQLibROMBankSubTab(int x, int y, int width, int height, int depth)
    : m_Bounds(x, y, width, height), m_Depth(depth)
{}

void HMQLibROMBankSubTab::initialise()
{
    if (m_ContentComponent != nullptr)
        return;
    auto* page = createPage(0, 0, m_Bounds.getWidth(), m_Bounds.getHeight());
    m_ContentComponent = page;
    setBounds(m_Bounds.getX(), 0, m_Bounds.getWidth(), m_Bounds.getHeight());
    page->initialise();
    page->setBounds(0, 0, m_Bounds.getWidth(), m_Bounds.getHeight());
    addAndMakeVisible(page);
}

HMQLibROMBankComponent* HMQLibROMBankSubTab::getBankPage() const noexcept
{
    return static_cast<HMQLibROMBankComponent*>(m_ContentComponent);
}
