#pragma once

#include "GUI/Catalog/COPWCatalogBasePane.h"

// The pane base of the Orva KX catalogue: the Orva pane behaviour (one row
// of cells, model = column, clicks and keys write the pane's parameter)
// with the Orva KX cells.
class COKXCatalogBasePane : public COPWCatalogBasePane
{
public:
    COKXCatalogBasePane(int kind, int paramId, int paneWidth, int paneHeight);

    // Every Orva KX pane: the cells over a translucent warm backdrop.
    void paint(juce::Graphics& g) override;

protected:
    RSCatalogCell* createCell(const Catalog::tagCatalogCellAttributes& attrs) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(COKXCatalogBasePane)
};
