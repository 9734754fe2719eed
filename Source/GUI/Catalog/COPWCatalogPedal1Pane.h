#pragma once

#include "GUI/Catalog/COPWCatalogBasePane.h"

// The Orva PW first-pedal pane: 11 effects (parameter 769).
class COPWCatalogPedal1Pane : public COPWCatalogBasePane
{
public:
    COPWCatalogPedal1Pane(int kind, int paramId, int paneWidth, int paneHeight);

    const Catalog::tagCatalogAttributes& getCatalogTypeAttrs() const override;
    const Catalog::tagCatalogCellAttributes& getCatalogCellAttrs(int row, int column) const override;
    int getNumRows() const override { return 1; }
    int getNumColumns() const override { return 11; }
    void SetSelectedModel(int model) override;
    void paint(juce::Graphics& g) override;

    static const Catalog::tagCatalogAttributes sm_amCatalogTypeAttrs;
    static const Catalog::tagCatalogCellAttributes sm_amCatalogCellAttrs[11];

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(COPWCatalogPedal1Pane)
};
