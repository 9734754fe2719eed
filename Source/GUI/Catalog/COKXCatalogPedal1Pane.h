#pragma once

#include "GUI/Catalog/COKXCatalogBasePane.h"

// The Orva KX first-pedal pane: 11 modulation effects (parameter 769).
class COKXCatalogPedal1Pane : public COKXCatalogBasePane
{
public:
    COKXCatalogPedal1Pane(int kind, int paramId, int paneWidth, int paneHeight);

    const Catalog::tagCatalogAttributes& getCatalogTypeAttrs() const override;
    const Catalog::tagCatalogCellAttributes& getCatalogCellAttrs(int row, int column) const override;
    int getNumRows() const override { return 1; }
    int getNumColumns() const override { return 11; }

    static const Catalog::tagCatalogAttributes sm_amCatalogTypeAttrs;
    static const Catalog::tagCatalogCellAttributes sm_amCatalogCellAttrs[11];

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(COKXCatalogPedal1Pane)
};
