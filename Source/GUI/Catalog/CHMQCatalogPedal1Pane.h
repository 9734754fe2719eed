#pragma once

#include "GUI/Catalog/CHMQCatalogBasePane.h"

// The HMQ catalogue pane of the pedal-1 effects: one row of 10 cells, the model value of
// each cell its column.
class CHMQCatalogPedal1Pane : public CHMQCatalogBasePane
{
public:
    static constexpr int numCells = 10;

    using CHMQCatalogBasePane::CHMQCatalogBasePane;
    ~CHMQCatalogPedal1Pane() override = default;

    const Catalog::tagCatalogAttributes& getCatalogTypeAttrs() const override;
    const Catalog::tagCatalogCellAttributes& getCatalogCellAttrs(int row, int column) const override;
    int getNumRows() const override { return 1; }
    int getNumColumns() const override { return numCells; }
    void SetSelectedModel(int model) override;
    void paint(juce::Graphics& g) override;

    static const Catalog::tagCatalogCellAttributes sm_amCatalogCellAttrs[numCells];
    static const Catalog::tagCatalogAttributes sm_CatalogTypeAttrs;
};
