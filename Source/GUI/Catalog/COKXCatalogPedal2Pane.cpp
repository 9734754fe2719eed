#include "GUI/Catalog/COKXCatalogPedal2Pane.h"

#include "GUI/Catalog/COPWCatalogPedal2Pane.h"

COKXCatalogPedal2Pane::COKXCatalogPedal2Pane(int kind, int paramId, int paneWidth, int paneHeight)
    : COKXCatalogBasePane(kind, paramId, paneWidth, paneHeight)
{}

const Catalog::tagCatalogAttributes& COKXCatalogPedal2Pane::getCatalogTypeAttrs() const
{
    return COPWCatalogPedal2Pane::sm_amCatalogTypeAttrs;
}

const Catalog::tagCatalogCellAttributes& COKXCatalogPedal2Pane::getCatalogCellAttrs(int row, int column) const
{
    return COPWCatalogPedal2Pane::sm_amCatalogCellAttrs[juce::jlimit(0, 8 - 1, row * getNumColumns() + column)];
}
