#include "GUI/Catalog/CHMQCatalogAmpPane.h"

// model, name, tooltip key, text colour, picture
const Catalog::tagCatalogCellAttributes CHMQCatalogAmpPane::m_cellAttributes[CHMQCatalogAmpPane::numCells] = {
    { 0, "DELUXE CL VIBRATO", "TT_AMP_DELUXECL_VIB", juce::Colour(0xFFFFFFFF), "AmpType_FenderDeluxeReverb_shadow_196x171" },
    { 1, "DELUXE CL NORMAL", "TT_AMP_DELUXECL_NOR", juce::Colour(0xFFFFFFFF), "AmpType_FenderDeluxeReverb_shadow_196x171" },
    { 2, "TWEED 4x10 BRIGHT", "TT_AMP_TWEED4X10_BRIGHT", juce::Colour(0xFFFFFFFF), "AmpType_FenderBassman_shadow_196x171" },
    { 3, "TWEED 4x10 NORMAL", "TT_AMP_TWEED4X10_NORMAL", juce::Colour(0xFFFFFFFF), "AmpType_FenderBassman_shadow_196x171" },
    { 4, "BOUTIQUE CL", "TT_AMP_BOUTIQUE_CLEAN", juce::Colour(0xFFFFFFFF), "AmpType_RigOverDriveSP_shadow_196x171" },
    { 5, "BOUTIQUE OD", "TT_AMP_BOUTIQUE_OD", juce::Colour(0xFFFFFFFF), "AmpType_RigOverDriveSP_shadow_196x171" },
    { 6, "ZUL QT50", "TT_AMP_ZULQT50", juce::Colour(0xFFFFFFFF), "AmpType_QT50_shadow_196x171" },
    { 7, "ZUL QT50HB", "TT_AMP_ZULQT50HB", juce::Colour(0xFFFFFFFF), "AmpType_QT50_shadow_196x171" },
    { 8, "BRIT 1959 TREBLE", "TT_AMP_BRIT1959_BRIGHT", juce::Colour(0xFFFFFFFF), "AmpType_Marshall1959_shadow_196x171" },
    { 9, "BRIT 1959 NORMAL", "TT_AMP_BRIT1959_NORMAL", juce::Colour(0xFFFFFFFF), "AmpType_Marshall1959_shadow_196x171" },
    { 10, "BRIT 800", "TT_AMP_BRIT800", juce::Colour(0xFFFFFFFF), "AmpType_MarshallJCM800_shadow_196x171" },
    { 11, "BRIT VM", "TT_AMP_BRITVM", juce::Colour(0xFFFFFFFF), "AmpType_MarshallJCM800_shadow_196x171" },
    { 12, "SL-OD", "TT_AMP_SLOD", juce::Colour(0xFFFFFFFF), "AmpType_RigSLO_shadow_196x171" },
    { 13, "DOUBLE REC", "TT_AMP_DOUBLEREC", juce::Colour(0xFFFFFFFF), "AmpType_MesaBoogie_shadow_196x171" },
    { 14, "CALI ELATION", "TT_AMP_CALIELATION", juce::Colour(0xFFFFFFFF), "AmpType_calielation_shadow_196x171" },
    { 15, "ERUPT III CH2", "TT_AMP_ERUPT3CH2", juce::Colour(0xFFFFFFFF), "AmpType_ERUPT3_shadow_196x171" },
    { 16, "ERUPT III CH3", "TT_AMP_ERUPT3CH3", juce::Colour(0xFFFFFFFF), "AmpType_ERUPT3_shadow_196x171" },
    { 17, "BOUTIQUE METAL", "TT_AMP_BOUTIQUE_METAL", juce::Colour(0xFFFFFFFF), "AmpType_BoutiqueMetal_shadow_196x171" },
    { 18, "BRIT OR MKII", "TT_AMP_BRITORMKII", juce::Colour(0xFFFFFFFF), "AmpType_orange_shadow_196x171" },
    { 19, "ORIGINAL CL", "TT_AMP_ORIGINALCL", juce::Colour(0xFFFFFFFF), "AmpType_OrigCL_shadow_196x171" }
};

const Catalog::tagCatalogAttributes CHMQCatalogAmpPane::sm_CatalogTypeAttrs = { "", 20, 1 };

const Catalog::tagCatalogAttributes& CHMQCatalogAmpPane::getCatalogTypeAttrs() const
{
    return sm_CatalogTypeAttrs;
}

const Catalog::tagCatalogCellAttributes& CHMQCatalogAmpPane::getCatalogCellAttrs(int row, int column) const
{
    // One row: a position outside it reads the nearest cell, never past the table.
    const int index = juce::jlimit(0, numCells - 1, row * numCells + column);
    return m_cellAttributes[index];
}

void CHMQCatalogAmpPane::SetSelectedModel(int model)
{
    // The amp pane clears the other marks only while its selection is shown.
    if (m_SelectionShown)
        deselectOthers();
    writeModel(model, CHGSRC_CONTROL);
    repaint();
}

void CHMQCatalogAmpPane::paint(juce::Graphics& g)
{
    CHMQCatalogBasePane::paint(g);
    g.fillAll(juce::Colour(shadeColour));
}
