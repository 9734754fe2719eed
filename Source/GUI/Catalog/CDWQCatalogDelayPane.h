#pragma once

#include "GUI/Catalog/CDWQCatalogBasePane.h"

// The four DWQR delay and reverb effects (type 0 is off, so the model values start at 1).
// While the effect is off its last type stays highlighted.
class CDWQCatalogDelayPane : public CDWQCatalogBasePane
{
public:
    using CDWQCatalogBasePane::CDWQCatalogBasePane;
    ~CDWQCatalogDelayPane() override = default;

    static constexpr int numColumns = 4;
    static const Catalog::tagCatalogCellAttributes sm_amCatalogCellAttrs[numColumns];

    void reinitialized() override;
    const Catalog::tagCatalogCellAttributes& getCatalogCellAttrs(int row, int col) const override;
    int getNumColumns() const override { return numColumns; }

    // Highlights the cell of a type without writing anything; type 0 (off)
    // changes nothing.
    void SetInitSelectedModel(int model);
};
