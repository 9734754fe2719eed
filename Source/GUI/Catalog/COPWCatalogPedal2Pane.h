#pragma once

#include "GUI/Catalog/COPWCatalogBasePane.h"

// The Orva PW second-pedal pane: 8 delays and reverbs (parameter 770).
class COPWCatalogPedal2Pane : public COPWCatalogBasePane
{
public:
    COPWCatalogPedal2Pane(int kind, int paramId, int paneWidth, int paneHeight);

    const Catalog::tagCatalogAttributes& getCatalogTypeAttrs() const override;
    const Catalog::tagCatalogCellAttributes& getCatalogCellAttrs(int row, int column) const override;
    int getNumRows() const override { return 1; }
    int getNumColumns() const override { return 8; }
    void SetSelectedModel(int model) override;
    void paint(juce::Graphics& g) override;

    static const Catalog::tagCatalogAttributes sm_amCatalogTypeAttrs;
    static const Catalog::tagCatalogCellAttributes sm_amCatalogCellAttrs[8];

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(COPWCatalogPedal2Pane)
};
