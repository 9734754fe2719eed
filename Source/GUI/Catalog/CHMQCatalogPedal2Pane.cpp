#include "GUI/Catalog/CHMQCatalogPedal2Pane.h"

// model, name, tooltip key, text colour, picture
const Catalog::tagCatalogCellAttributes CHMQCatalogPedal2Pane::sm_amCatalogCellAttrs[CHMQCatalogPedal2Pane::numCells] = {
    { 0, "FLANGER", "TT_FX_FLANGER", juce::Colour(0xFFFFFFFF), "Mod_ClassicFlanger_shadow_112x111" },
    { 1, "BLK PHASER", "TT_FX_PHASER1", juce::Colour(0xFFFFFFFF), "Mod_BlackPhaser_shadow_112x111" },
    { 2, "ORG PHASER 1", "TT_FX_PHASER2", juce::Colour(0xFFFFFFFF), "Mod_Phase90_shadow_112x111" },
    { 3, "ORG PHASER 2", "TT_FX_PHASER3", juce::Colour(0xFFFFFFFF), "Mod_Phase100_shadow_112x111" },
    { 4, "TREMOLO", "TT_FX_TREMOLO", juce::Colour(0xFFFFFFFF), "Mod_Textrem_shadow_112x111" },
    { 5, "TAPE ECHO", "TT_FX_TAPEECHO", juce::Colour(0xFFFFFFFF), "Mod_EchoPlus_shadow_112x111" },
    { 6, "ANALOG DELAY", "TT_FX_ADELAY", juce::Colour(0xFFFFFFFF), "Mod_ADelay_shadow_112x111" }
};

const Catalog::tagCatalogAttributes CHMQCatalogPedal2Pane::sm_CatalogTypeAttrs = { "", 20, 1 };

const Catalog::tagCatalogAttributes& CHMQCatalogPedal2Pane::getCatalogTypeAttrs() const
{
    return sm_CatalogTypeAttrs;
}

const Catalog::tagCatalogCellAttributes& CHMQCatalogPedal2Pane::getCatalogCellAttrs(int row, int column) const
{
    // One row: a position outside it reads the nearest cell, never past the table.
    const int index = juce::jlimit(0, numCells - 1, row * numCells + column);
    return sm_amCatalogCellAttrs[index];
}

void CHMQCatalogPedal2Pane::SetSelectedModel(int model)
{
    deselectOthers();
    writeModel(model, CHGSRC_CONTROL);
    repaint();
}

void CHMQCatalogPedal2Pane::paint(juce::Graphics& g)
{
    CHMQCatalogBasePane::paint(g);
    g.fillAll(juce::Colour(shadeColour));
}
