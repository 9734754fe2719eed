#pragma once

#include "GUI/Catalog/CHMQCatalogBasePane.h"

// The HMQ catalogue pane of the amp models: one row of 20 cells, the model value of
// each cell its column.
class CHMQCatalogAmpPane : public CHMQCatalogBasePane
{
public:
    static constexpr int numCells = 20;

    using CHMQCatalogBasePane::CHMQCatalogBasePane;
    ~CHMQCatalogAmpPane() override = default;

    const Catalog::tagCatalogAttributes& getCatalogTypeAttrs() const override;
    const Catalog::tagCatalogCellAttributes& getCatalogCellAttrs(int row, int column) const override;
    int getNumRows() const override { return 1; }
    int getNumColumns() const override { return numCells; }
    void SetSelectedModel(int model) override;
    void paint(juce::Graphics& g) override;

    static const Catalog::tagCatalogCellAttributes m_cellAttributes[numCells];
    static const Catalog::tagCatalogAttributes sm_CatalogTypeAttrs;
};
