#pragma once

#include "GUI/Catalog/COKXCatalogBasePane.h"

// The Orva KX amp pane: 23 amp models (parameter 768).
class COKXCatalogAmpPane : public COKXCatalogBasePane
{
public:
    COKXCatalogAmpPane(int kind, int paramId, int paneWidth, int paneHeight);

    const Catalog::tagCatalogAttributes& getCatalogTypeAttrs() const override;
    const Catalog::tagCatalogCellAttributes& getCatalogCellAttrs(int row, int column) const override;
    int getNumRows() const override { return 1; }
    int getNumColumns() const override { return 23; }

    static const Catalog::tagCatalogAttributes sm_amCatalogTypeAttrs;
    static const Catalog::tagCatalogCellAttributes sm_amCatalogCellAttrs[23];

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(COKXCatalogAmpPane)
};
