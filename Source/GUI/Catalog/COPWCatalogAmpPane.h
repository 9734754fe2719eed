#pragma once

#include "GUI/Catalog/COPWCatalogBasePane.h"

// The Orva PW amp pane: 17 amp models (parameter 768).
class COPWCatalogAmpPane : public COPWCatalogBasePane
{
public:
    COPWCatalogAmpPane(int kind, int paramId, int paneWidth, int paneHeight);

    const Catalog::tagCatalogAttributes& getCatalogTypeAttrs() const override;
    const Catalog::tagCatalogCellAttributes& getCatalogCellAttrs(int row, int column) const override;
    int getNumRows() const override { return 1; }
    int getNumColumns() const override { return 17; }
    void SetSelectedModel(int model) override;
    void paint(juce::Graphics& g) override;

    static const Catalog::tagCatalogAttributes m_attributes;
    static const Catalog::tagCatalogCellAttributes m_cellAttributes[17];

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(COPWCatalogAmpPane)
};
