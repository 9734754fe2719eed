#include "GUI/Catalog/COKXCatalogAmpPane.h"

namespace
{
const juce::Colour white(0xFFFFFFFF);
} // namespace

const Catalog::tagCatalogAttributes COKXCatalogAmpPane::sm_amCatalogTypeAttrs { {}, 20, 1 };

const Catalog::tagCatalogCellAttributes COKXCatalogAmpPane::sm_amCatalogCellAttrs[23] = {
    { 0, "DELUXE CL VIBRATO", {}, white, "AmpType_FenderDeluxeReverb_shadow_196x171" },
    { 1, "DELUXE CL NORMAL", {}, white, "AmpType_FenderDeluxeReverb_shadow_196x171" },
    { 2, "TWEED 4x10 BRIGHT", {}, white, "AmpType_FenderBassman_shadow_196x171" },
    { 3, "TWEED 4x10 NORMAL", {}, white, "AmpType_FenderBassman_shadow_196x171" },
    { 4, "BOUTIQUE CL", {}, white, "AmpType_OverdriveSpecial_shadow_196x171" },
    { 5, "BOUTIQUE OD", {}, white, "AmpType_OverdriveSpecial_shadow_196x171" },
    { 6, "QT50", {}, white, "AmpType_QT50_shadow_196x171" },
    { 7, "QT50HB", {}, white, "AmpType_QT50_shadow_196x171" },
    { 8, "BRIT 1959 TREBLE", {}, white, "AmpType_Marshall1959_shadow_196x171" },
    { 9, "BRIT 1959 NORMAL", {}, white, "AmpType_Marshall1959_shadow_196x171" },
    { 10, "BRIT 800", {}, white, "AmpType_MarshallJCM800_shadow_196x171" },
    { 11, "BRIT VM", {}, white, "AmpType_MarshallJCM800_shadow_196x171" },
    { 12, "SL-OD", {}, white, "AmpType_SmoothLead_shadow_196x171" },
    { 13, "DOUBLE REC", {}, white, "AmpType_MesaBoogie_shadow_196x171" },
    { 14, "CALI ELATION", {}, white, "AmpType_calielation_shadow_196x171" },
    { 15, "ERUPT III CH2", {}, white, "AmpType_ERUPT3_shadow_196x171" },
    { 16, "ERUPT III CH3", {}, white, "AmpType_ERUPT3_shadow_196x171" },
    { 17, "BOUTIQUE METAL", {}, white, "AmpType_BoutiqueMetal_shadow_196x171" },
    { 18, "BRIT VERB", {}, white, "AmpType_orange_shadow_196x171" },
    { 19, "ORIGINAL CL", {}, white, "AmpType_OrigCL_shadow_196x171" },
    { 20, "TEXAS LEAD", {}, white, "AmpType_TexasLead_196x171" },
    { 21, "ACOUSTIC SIMULATOR", {}, white, "AmpType_AcousticSimulator_196x171" },
    { 22, "FLAT", {}, white, "AmpType_Flat_196x171" },
};

COKXCatalogAmpPane::COKXCatalogAmpPane(int kind, int paramId, int paneWidth, int paneHeight)
    : COKXCatalogBasePane(kind, paramId, paneWidth, paneHeight)
{}

const Catalog::tagCatalogAttributes& COKXCatalogAmpPane::getCatalogTypeAttrs() const
{
    return sm_amCatalogTypeAttrs;
}

const Catalog::tagCatalogCellAttributes& COKXCatalogAmpPane::getCatalogCellAttrs(int row, int column) const
{
    return sm_amCatalogCellAttrs[juce::jlimit(0, 23 - 1, row * getNumColumns() + column)];
}
