#include "GUI/DWQ/DWQLibFileSubTab.h"

#include "GUI/DWQ/DWQLibFileComponent.h"

DWQLibFileSubTab::DWQLibFileSubTab(int x, int, int w, int h, int index)
{
    page = new DWQLibFileComponent(0, 0, w, h, index);
    page->initialise();
    page->setBounds(x, 0, w, h);
    addAndMakeVisible(page);
    m_ContentComponent = page;
}

DWQLibFileSubTab::~DWQLibFileSubTab()
{
    removeChildComponent(page);
    delete page;
    page = nullptr;
    m_ContentComponent = nullptr;
}
