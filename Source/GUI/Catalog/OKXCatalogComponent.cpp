#include "GUI/Catalog/OKXCatalogComponent.h"

#include "GUI/Catalog/COKXCatalogAmpPane.h"
#include "GUI/Catalog/COKXCatalogPedal1Pane.h"
#include "GUI/Catalog/COKXCatalogPedal2Pane.h"

OKXCatalogComponent::OKXCatalogComponent(int width, int height, bool small) : OPWCatalogComponent(width, height, small)
{
    // 23 cells of 196, 11 and 8 cells of 112, each with a margin of 20 on both sides.
    m_PaneWidths[0] = 4548;
    m_PaneWidths[1] = 1272;
    m_PaneWidths[2] = 936;
    m_AmpCells = 23;
}

void OKXCatalogComponent::createPanes(int paneHeight)
{
    m_Panes.add(new COKXCatalogAmpPane(0, 768, m_PaneWidths[0], paneHeight));
    m_Panes.add(new COKXCatalogPedal1Pane(1, 769, m_PaneWidths[1], paneHeight));
    m_Panes.add(new COKXCatalogPedal2Pane(2, 770, m_PaneWidths[2], paneHeight));
}
