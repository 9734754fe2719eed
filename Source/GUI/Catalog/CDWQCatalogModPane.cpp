#include "GUI/Catalog/CDWQCatalogModPane.h"

#include "GUI/DWQ/DWQViewSupport.h"
#include "ParamTable/DWQ/CDWQUserEditSectionImpl.h"

const Catalog::tagCatalogCellAttributes CDWQCatalogModPane::sm_amCatalogCellAttrs[numColumns] = {
    { 1, "CHORUS", "", juce::Colour(0xFFFFFFFF), "Mod_ClassicChorus_shadow_112x111" },
    { 2, "FLANGER", "", juce::Colour(0xFFFFFFFF), "Mod_ClassicFlanger_shadow_112x111" },
    { 3, "ORG PHASE", "", juce::Colour(0xFFFFFFFF), "Mod_Phase90_shadow_112x111" },
    { 4, "TWIN TREM", "", juce::Colour(0xFFFFFFFF), "Mod_Textrem_shadow_112x111" },
};

void CDWQCatalogModPane::reinitialized()
{
    if (auto* section = DWQViewSupport::getSection())
        SetInitSelectedModel(section->GetParamI(m_ParamId));
}

void CDWQCatalogModPane::SetInitSelectedModel(int model)
{
    if (model == 0)
        return;
    selectCellOfModel(model);
}

const Catalog::tagCatalogCellAttributes& CDWQCatalogModPane::getCatalogCellAttrs(int row, int col) const
{
    const int index = row * numColumns + col;
    // Outside the table: an empty cell.
    static const Catalog::tagCatalogCellAttributes empty { -1, {}, {}, juce::Colours::white, {} };
    return index >= 0 && index < numColumns ? sm_amCatalogCellAttrs[index] : empty;
}
