#include "GUI/Catalog/COKXCatalogBasePane.h"

#include "GUI/Catalog/RSCatalogOrvaKXCell.h"

COKXCatalogBasePane::COKXCatalogBasePane(int kind, int paramId, int paneWidth, int paneHeight)
    : COPWCatalogBasePane(kind, paramId, paneWidth, paneHeight)
{}

RSCatalogCell* COKXCatalogBasePane::createCell(const Catalog::tagCatalogCellAttributes& attrs)
{
    return new RSCatalogOrvaKXCell(this, attrs.name, attrs.colour, attrs.imageName);
}

void COKXCatalogBasePane::paint(juce::Graphics& g)
{
    COPWCatalogBasePane::paint(g);
    g.fillAll(juce::Colour(0xFFD4C8AF).withAlpha(0.5f));
}
