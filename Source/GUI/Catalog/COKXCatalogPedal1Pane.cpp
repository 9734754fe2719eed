#include "GUI/Catalog/COKXCatalogPedal1Pane.h"

namespace
{
const juce::Colour white(0xFFFFFFFF);
} // namespace

const Catalog::tagCatalogAttributes COKXCatalogPedal1Pane::sm_amCatalogTypeAttrs { {}, 20, 1 };

const Catalog::tagCatalogCellAttributes COKXCatalogPedal1Pane::sm_amCatalogCellAttrs[11] = {
    { 0, "CE CHORUS", {}, white, "Mod_ClassicChorus_shadow_112x111" },
    { 1, "STEREO CHORUS", {}, white, "Mod_StereoChorus_112x111" },
    { 2, "BLACK FLANGER", {}, white, "Mod_ClassicFlanger_shadow_112x111" },
    { 3, "STEREO FLANGER", {}, white, "Mod_StereoFlanger_112x111" },
    { 4, "ORG PHASER 1", {}, white, "Mod_Phase90_shadow_112x111" },
    { 5, "ORG PHASER 2", {}, white, "Mod_Phase100_shadow_112x111" },
    { 6, "SMALL PHASE", {}, white, "Mod_SmallStone112x111" },
    { 7, "DUO PHASE(FREE)", {}, white, "Mod_BiPhase_112x111" },
    { 8, "DUO PHASE(SYNC)", {}, white, "Mod_BiPhase_112x111" },
    { 9, "TWIN TREM", {}, white, "Mod_Textrem_shadow_112x111" },
    { 10, "HARMONIC TREM", {}, white, "Mod_HarmonicTrem_112x111" },
};

COKXCatalogPedal1Pane::COKXCatalogPedal1Pane(int kind, int paramId, int paneWidth, int paneHeight)
    : COKXCatalogBasePane(kind, paramId, paneWidth, paneHeight)
{}

const Catalog::tagCatalogAttributes& COKXCatalogPedal1Pane::getCatalogTypeAttrs() const
{
    return sm_amCatalogTypeAttrs;
}

const Catalog::tagCatalogCellAttributes& COKXCatalogPedal1Pane::getCatalogCellAttrs(int row, int column) const
{
    return sm_amCatalogCellAttrs[juce::jlimit(0, 11 - 1, row * getNumColumns() + column)];
}
