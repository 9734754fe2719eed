#pragma once

#include "GUI/Catalog/CDWQCatalogBasePane.h"

// The eleven DWQR amp models; the model value is the column.
class CDWQCatalogAmpPane : public CDWQCatalogBasePane
{
public:
    using CDWQCatalogBasePane::CDWQCatalogBasePane;
    ~CDWQCatalogAmpPane() override = default;

    static constexpr int numColumns = 11;
    static const Catalog::tagCatalogCellAttributes m_cellAttributes[numColumns];

    const Catalog::tagCatalogCellAttributes& getCatalogCellAttrs(int row, int col) const override;
    int getNumColumns() const override { return numColumns; }
};
