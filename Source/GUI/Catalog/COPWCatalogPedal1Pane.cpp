#include "GUI/Catalog/COPWCatalogPedal1Pane.h"

namespace
{
const juce::Colour white(0xFFFFFFFF);
} // namespace

const Catalog::tagCatalogAttributes COPWCatalogPedal1Pane::sm_amCatalogTypeAttrs { {}, 20, 1 };

const Catalog::tagCatalogCellAttributes COPWCatalogPedal1Pane::sm_amCatalogCellAttrs[11] = {
    { 0, "COMP", {}, white, "Mod_Comp_shadow_112x111" },
    { 1, "T.WAH", {}, white, "Mod_TouchWah_112x111" },
    { 2, "FUZZ", {}, white, "Mod_BassFuzz_112x111" },
    { 3, "CE CHORUS", {}, white, "Mod_ClassicChorus_shadow_112x111" },
    { 4, "STEREO CHORUS", {}, white, "Mod_StereoChorus_112x111" },
    { 5, "BLACK FLANGER", {}, white, "Mod_ClassicFlanger_shadow_112x111" },
    { 6, "STEREO FLANGER", {}, white, "Mod_StereoFlanger_112x111" },
    { 7, "ORG PHASER", {}, white, "Mod_Phase90_shadow_112x111" },
    { 8, "SMALL PHASE", {}, white, "Mod_SmallStone112x111" },
    { 9, "TWIN TREM", {}, white, "Mod_Textrem_shadow_112x111" },
    { 10, "HARMONIC TREM", {}, white, "Mod_HarmonicTrem_112x111" },
};

COPWCatalogPedal1Pane::COPWCatalogPedal1Pane(int kind, int paramId, int paneWidth, int paneHeight)
    : COPWCatalogBasePane(kind, paramId, paneWidth, paneHeight)
{}

const Catalog::tagCatalogAttributes& COPWCatalogPedal1Pane::getCatalogTypeAttrs() const
{
    return sm_amCatalogTypeAttrs;
}

const Catalog::tagCatalogCellAttributes& COPWCatalogPedal1Pane::getCatalogCellAttrs(int row, int column) const
{
    return sm_amCatalogCellAttrs[juce::jlimit(0, 11 - 1, row * getNumColumns() + column)];
}

void COPWCatalogPedal1Pane::SetSelectedModel(int model)
{
    COPWCatalogBasePane::SetSelectedModel(model);
}

void COPWCatalogPedal1Pane::paint(juce::Graphics& g)
{
    COPWCatalogBasePane::paint(g);
    g.fillAll(juce::Colour(0xFFD4C8AF).withAlpha(0.5f));
}
