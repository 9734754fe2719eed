#include "GUI/Catalog/CDWQCatalogAmpPane.h"

const Catalog::tagCatalogCellAttributes CDWQCatalogAmpPane::m_cellAttributes[numColumns] = {
    { 0, "DELUXE CL", "", juce::Colour(0xFFFFFFFF), "AmpType_FenderDeluxeReverb_shadow_196x171" },
    { 1, "TWEED 4x10", "", juce::Colour(0xFFFFFFFF), "AmpType_FenderBassman_shadow_196x171" },
    { 2, "BOUTIQUE CL", "", juce::Colour(0xFFFFFFFF), "AmpType_RigOverDriveSP_shadow_196x171" },
    { 3, "BOUTIQUE OD", "", juce::Colour(0xFFFFFFFF), "AmpType_RigOverDriveSP_shadow_196x171" },
    { 4, "ZUL QT50", "", juce::Colour(0xFFFFFFFF), "AmpType_QT50_shadow_196x171" },
    { 5, "ZUL QT50HB", "", juce::Colour(0xFFFFFFFF), "AmpType_QT50_shadow_196x171" },
    { 6, "BRIT 1959", "", juce::Colour(0xFFFFFFFF), "AmpType_Marshall1959_shadow_196x171" },
    { 7, "BRIT 800", "", juce::Colour(0xFFFFFFFF), "AmpType_MarshallJCM800_shadow_196x171" },
    { 8, "BRIT VM", "", juce::Colour(0xFFFFFFFF), "AmpType_MarshallJCM800_shadow_196x171" },
    { 9, "SL-OD", "", juce::Colour(0xFFFFFFFF), "AmpType_RigSLO_shadow_196x171" },
    { 10, "DOUBLE REC", "", juce::Colour(0xFFFFFFFF), "AmpType_MesaBoogie_shadow_196x171" },
};

const Catalog::tagCatalogCellAttributes& CDWQCatalogAmpPane::getCatalogCellAttrs(int row, int col) const
{
    const int index = row * numColumns + col;
    // Outside the table: an empty cell.
    static const Catalog::tagCatalogCellAttributes empty { -1, {}, {}, juce::Colours::white, {} };
    return index >= 0 && index < numColumns ? m_cellAttributes[index] : empty;
}
