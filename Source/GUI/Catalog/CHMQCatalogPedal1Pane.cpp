#include "GUI/Catalog/CHMQCatalogPedal1Pane.h"

// model, name, tooltip key, text colour, picture
const Catalog::tagCatalogCellAttributes CHMQCatalogPedal1Pane::sm_amCatalogCellAttrs[CHMQCatalogPedal1Pane::numCells] = {
    { 0, "COMP", "TT_FX_COMP", juce::Colour(0xFFFFFFFF), "Mod_Comp_shadow_112x111" },
    { 1, "CHORUS", "TT_FX_CHORUS", juce::Colour(0xFFFFFFFF), "Mod_ClassicChorus_shadow_112x111" },
    { 2, "TUBE OD", "TT_FX_TUBEOD", juce::Colour(0xFFFFFFFF), "Mod_TubeOD_shadow_112x111" },
    { 3, "GOLD DRIVE", "TT_FX_GOLDDRIVE", juce::Colour(0xFFFFFFFF), "Mod_BoutiqueOD_shadow_112x111" },
    { 4, "TREBLE BOOST", "TT_FX_TREBLEBOOST", juce::Colour(0xFFFFFFFF), "Mod_TrebleBoost_shadow_112x111" },
    { 5, "RC TURBO", "TT_FX_RCTURBO", juce::Colour(0xFFFFFFFF), "Mod_RCturbo_shadow_112x111" },
    { 6, "ORANGE DIST", "TT_FX_ORANGEDIST", juce::Colour(0xFFFFFFFF), "Mod_OrangeDist_shadow_112x111" },
    { 7, "FAT DIST", "TT_FX_FATDIST", juce::Colour(0xFFFFFFFF), "Mod_FatDist_shadow_112x111" },
    { 8, "BRIT LEAD", "TT_FX_BRITLEAD", juce::Colour(0xFFFFFFFF), "Mod_Govnor_shadow_112x111" },
    { 9, "FUZZ", "TT_FX_FUZZ", juce::Colour(0xFFFFFFFF), "Mod_Fuzz_shadow_112x111" }
};

const Catalog::tagCatalogAttributes CHMQCatalogPedal1Pane::sm_CatalogTypeAttrs = { "", 20, 1 };

const Catalog::tagCatalogAttributes& CHMQCatalogPedal1Pane::getCatalogTypeAttrs() const
{
    return sm_CatalogTypeAttrs;
}

const Catalog::tagCatalogCellAttributes& CHMQCatalogPedal1Pane::getCatalogCellAttrs(int row, int column) const
{
    // One row: a position outside it reads the nearest cell, never past the table.
    const int index = juce::jlimit(0, numCells - 1, row * numCells + column);
    return sm_amCatalogCellAttrs[index];
}

void CHMQCatalogPedal1Pane::SetSelectedModel(int model)
{
    deselectOthers();
    writeModel(model, CHGSRC_CONTROL);
    repaint();
}

void CHMQCatalogPedal1Pane::paint(juce::Graphics& g)
{
    CHMQCatalogBasePane::paint(g);
    g.fillAll(juce::Colour(shadeColour));
}
