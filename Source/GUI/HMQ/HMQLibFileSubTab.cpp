#include "GUI/HMQ/HMQLibFileSubTab.h"

#include "GUI/HMQ/HMQLibFileComponent.h"

HMQLibFileSubTab::HMQLibFileSubTab(int x, int y, int width, int height, int fileIndex)
    : m_Bounds(x, y, width, height), m_FileIndex(fileIndex)
{
    auto* page = new HMQLibFileComponent(0, 0, width, height, fileIndex);
    m_ContentComponent = page;
    page->initialise();
    page->setBounds(x, 0, width, height);
    addAndMakeVisible(page);
}

HMQLibFileSubTab::~HMQLibFileSubTab()
{
    delete m_ContentComponent;
    m_ContentComponent = nullptr;
}

HMQLibFileComponent* HMQLibFileSubTab::getFilePage() const noexcept
{
    return static_cast<HMQLibFileComponent*>(m_ContentComponent);
}
