#include "GUI/Catalog/CHMQCatalogDelayPane.h"

// model, name, tooltip key, text colour, picture
const Catalog::tagCatalogCellAttributes CHMQCatalogDelayPane::sm_amCatalogCellAttrs[CHMQCatalogDelayPane::numCells] = {
    { 0, "ROOM", "TT_FX_ROOM", juce::Colour(0xFFFFFFFF), "Reverb_Room_shadow_112x111" },
    { 1, "SPRING", "TT_FX_SPRING", juce::Colour(0xFFFFFFFF), "Reverb_Spring_shadow_112x111" },
    { 2, "HALL", "TT_FX_HALL", juce::Colour(0xFFFFFFFF), "Reverb_Hall_shadow_112x111" },
    { 3, "PLATE", "TT_FX_PLATE", juce::Colour(0xFFFFFFFF), "Reverb_Plate_shadow_112x111" }
};

const Catalog::tagCatalogAttributes CHMQCatalogDelayPane::sm_CatalogTypeAttrs = { "", 20, 1 };

const Catalog::tagCatalogAttributes& CHMQCatalogDelayPane::getCatalogTypeAttrs() const
{
    return sm_CatalogTypeAttrs;
}

const Catalog::tagCatalogCellAttributes& CHMQCatalogDelayPane::getCatalogCellAttrs(int row, int column) const
{
    // One row: a position outside it reads the nearest cell, never past the table.
    const int index = juce::jlimit(0, numCells - 1, row * numCells + column);
    return sm_amCatalogCellAttrs[index];
}

void CHMQCatalogDelayPane::SetSelectedModel(int model)
{
    deselectOthers();
    writeModel(model, CHGSRC_CONTROL);
    repaint();
}

void CHMQCatalogDelayPane::paint(juce::Graphics& g)
{
    CHMQCatalogBasePane::paint(g);
    g.fillAll(juce::Colour(shadeColour));
}
