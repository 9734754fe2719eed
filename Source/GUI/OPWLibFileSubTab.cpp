#include "GUI/OPWLibFileSubTab.h"

#include "GUI/OPWLibFileComponent.h"

OPWLibFileSubTab::OPWLibFileSubTab(int x, int y, int width, int height, int fileIndex)
    : m_X(x), m_Y(y), m_Width(width), m_Height(height), m_FileIndex(fileIndex)
{
    m_FilePage = new OPWLibFileComponent(0, 0, width, height, fileIndex);
    m_FilePage->initialise();
    m_FilePage->setBounds(x, 0, width, height);
    addAndMakeVisible(m_FilePage);
    m_ContentComponent = m_FilePage;
}

OPWLibFileSubTab::~OPWLibFileSubTab()
{
    m_ContentComponent = nullptr;
    delete m_FilePage;
    m_FilePage = nullptr;
}
