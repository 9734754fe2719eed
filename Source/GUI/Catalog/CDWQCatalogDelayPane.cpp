#include "GUI/Catalog/CDWQCatalogDelayPane.h"

#include "GUI/DWQ/DWQViewSupport.h"
#include "ParamTable/DWQ/CDWQUserEditSectionImpl.h"

const Catalog::tagCatalogCellAttributes CDWQCatalogDelayPane::sm_amCatalogCellAttrs[numColumns] = {
    { 1, "A.DELAY", "", juce::Colour(0xFFFFFFFF), "Mod_ADelay_shadow_112x111" },
    { 2, "TAPE ECHO", "", juce::Colour(0xFFFFFFFF), "Mod_EchoPlus_shadow_112x111" },
    { 3, "SPRING", "", juce::Colour(0xFFFFFFFF), "Reverb_Spring_shadow_112x111" },
    { 4, "HALL", "", juce::Colour(0xFFFFFFFF), "Reverb_Hall_shadow_112x111" },
};

void CDWQCatalogDelayPane::reinitialized()
{
    if (auto* section = DWQViewSupport::getSection())
        SetInitSelectedModel(section->GetParamI(m_ParamId));
}

void CDWQCatalogDelayPane::SetInitSelectedModel(int model)
{
    if (model == 0)
        return;
    selectCellOfModel(model);
}

const Catalog::tagCatalogCellAttributes& CDWQCatalogDelayPane::getCatalogCellAttrs(int row, int col) const
{
    const int index = row * numColumns + col;
    // Outside the table: an empty cell.
    static const Catalog::tagCatalogCellAttributes empty { -1, {}, {}, juce::Colours::white, {} };
    return index >= 0 && index < numColumns ? sm_amCatalogCellAttrs[index] : empty;
}
