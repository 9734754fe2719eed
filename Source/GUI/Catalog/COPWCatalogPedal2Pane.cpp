#include "GUI/Catalog/COPWCatalogPedal2Pane.h"

namespace
{
const juce::Colour white(0xFFFFFFFF);
} // namespace

const Catalog::tagCatalogAttributes COPWCatalogPedal2Pane::sm_amCatalogTypeAttrs { {}, 20, 1 };

const Catalog::tagCatalogCellAttributes COPWCatalogPedal2Pane::sm_amCatalogCellAttrs[8] = {
    { 0, "TAPE", {}, white, "Mod_EchoPlus_shadow_112x111" },    { 1, "A.DLY", {}, white, "Mod_ADelay_shadow_112x111" },
    { 2, "WIDE DLY", {}, white, "Mod_WideDelay_112x111" },      { 3, "CROSS DELAY", {}, white, "Mod_CrossDelay_112x111" },
    { 4, "ROOM", {}, white, "Reverb_Room_shadow_112x111" },     { 5, "HALL", {}, white, "Reverb_Hall_shadow_112x111" },
    { 6, "SPRING", {}, white, "Reverb_Spring_shadow_112x111" }, { 7, "PLATE", {}, white, "Reverb_Plate_shadow_112x111" },
};

COPWCatalogPedal2Pane::COPWCatalogPedal2Pane(int kind, int paramId, int paneWidth, int paneHeight)
    : COPWCatalogBasePane(kind, paramId, paneWidth, paneHeight)
{}

const Catalog::tagCatalogAttributes& COPWCatalogPedal2Pane::getCatalogTypeAttrs() const
{
    return sm_amCatalogTypeAttrs;
}

const Catalog::tagCatalogCellAttributes& COPWCatalogPedal2Pane::getCatalogCellAttrs(int row, int column) const
{
    return sm_amCatalogCellAttrs[juce::jlimit(0, 8 - 1, row * getNumColumns() + column)];
}

void COPWCatalogPedal2Pane::SetSelectedModel(int model)
{
    COPWCatalogBasePane::SetSelectedModel(model);
}

void COPWCatalogPedal2Pane::paint(juce::Graphics& g)
{
    COPWCatalogBasePane::paint(g);
    g.fillAll(juce::Colour(0xFFD4C8AF).withAlpha(0.5f));
}
