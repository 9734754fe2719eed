#include "GUI/Catalog/COPWCatalogAmpPane.h"

namespace
{
const juce::Colour white(0xFFFFFFFF);
} // namespace

const Catalog::tagCatalogAttributes COPWCatalogAmpPane::m_attributes { {}, 20, 1 };

const Catalog::tagCatalogCellAttributes COPWCatalogAmpPane::m_cellAttributes[17] = {
    { 0, "CLASSIC BRIGHT", {}, white, "AmpType_Classic_196x171" },
    { 1, "CLASSIC NORMAL", {}, white, "AmpType_Classic_196x171" },
    { 2, "SLAP", {}, white, "AmpType_Slap_196x171" },
    { 3, "ROCK 1", {}, white, "AmpType_Rock_196x171" },
    { 4, "ROCK 2", {}, white, "AmpType_FenderBassman_shadow_196x171" },
    { 5, "MODERN", {}, white, "AmpType_Modern_196x171" },
    { 6, "DEEP", {}, white, "AmpType_Deep_196x171" },
    { 7, "TIGHT SYNTH", {}, white, "AmpType_TightSYNTH_196x171" },
    { 8, "DIRTY SYNTH", {}, white, "AmpType_DirtySynth_196x171" },
    { 9, "PUNCHY SYNTH", {}, white, "AmpType_PunchySynth_196x171" },
    { 10, "DELUXE CL", {}, white, "AmpType_FenderDeluxeReverb_shadow_196x171" },
    { 11, "QT50", {}, white, "AmpType_QT50_shadow_196x171" },
    { 12, "QT50HB", {}, white, "AmpType_QT50_shadow_196x171" },
    { 13, "BRIT 800", {}, white, "AmpType_MarshallJCM800_shadow_196x171" },
    { 14, "DOUBLE REC", {}, white, "AmpType_MesaBoogie_shadow_196x171" },
    { 15, "ERUPT III CH3", {}, white, "AmpType_ERUPT3_shadow_196x171" },
    { 16, "FLAT", {}, white, "AmpType_Flat_196x171" },
};

COPWCatalogAmpPane::COPWCatalogAmpPane(int kind, int paramId, int paneWidth, int paneHeight)
    : COPWCatalogBasePane(kind, paramId, paneWidth, paneHeight)
{}

const Catalog::tagCatalogAttributes& COPWCatalogAmpPane::getCatalogTypeAttrs() const
{
    return m_attributes;
}

const Catalog::tagCatalogCellAttributes& COPWCatalogAmpPane::getCatalogCellAttrs(int row, int column) const
{
    return m_cellAttributes[juce::jlimit(0, 17 - 1, row * getNumColumns() + column)];
}

void COPWCatalogAmpPane::SetSelectedModel(int model)
{
    COPWCatalogBasePane::SetSelectedModel(model);
}

void COPWCatalogAmpPane::paint(juce::Graphics& g)
{
    COPWCatalogBasePane::paint(g);
    g.fillAll(juce::Colour(0xFFD4C8AF).withAlpha(0.5f));
}
