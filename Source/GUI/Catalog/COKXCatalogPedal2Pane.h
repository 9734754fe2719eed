#pragma once

#include "GUI/Catalog/COKXCatalogBasePane.h"

// The Orva KX second-pedal pane: the 8 delays and reverbs of the Orva line
// (parameter 770), the same table as the Orva PW's.
class COKXCatalogPedal2Pane : public COKXCatalogBasePane
{
public:
    COKXCatalogPedal2Pane(int kind, int paramId, int paneWidth, int paneHeight);

    const Catalog::tagCatalogAttributes& getCatalogTypeAttrs() const override;
    const Catalog::tagCatalogCellAttributes& getCatalogCellAttrs(int row, int column) const override;
    int getNumRows() const override { return 1; }
    int getNumColumns() const override { return 8; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(COKXCatalogPedal2Pane)
};
