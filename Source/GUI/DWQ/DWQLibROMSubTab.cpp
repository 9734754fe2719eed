#include "GUI/DWQ/DWQLibROMSubTab.h"

#include "GUI/DWQ/DWQLibROMComponent.h"

DWQLibROMSubTab::DWQLibROMSubTab(int x, int y, int w, int h, int tabDepth)
    : tabX(x), tabY(y), tabWidth(w), tabHeight(h), depth(tabDepth)
{}

void DWQLibROMSubTab::initialise()
{
    auto* page = new DWQLibROMComponent(0, 0, tabWidth, tabHeight);
    m_ContentComponent = page;
    page->setBounds(tabX, 0, tabWidth, tabHeight);
    page->initialise();
    addAndMakeVisible(page);
}
