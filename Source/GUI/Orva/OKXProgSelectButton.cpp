#include "GUI/Orva/OKXProgSelectButton.h"

#include "GUI/Orva/OPWProgSelectButton.h"

#include <array>

namespace
{
constexpr juce::uint32 green = 0xFF80FA80, yellow = 0xFFFAFA80, red = 0xFFFA8080;

struct AmpRow
{
    const char* name;
    const char* image;
    juce::uint32 colour;
};

const AmpRow& row(int type)
{
    // Row 15's name holds a tab character, and row 19's two blanks, as stored.
    static const std::array<AmpRow, 23> rows { {
        { "DELUXE CL VIBRATO", "AmpType_FenderDeluxeReverb_187x95", green },
        { "DELUXE CL NORMAL", "AmpType_FenderDeluxeReverb_187x95", green },
        { "TWEED 4x10 BRIGHT", "AmpType_FenderBassman_187x95", yellow },
        { "TWEED 4x10 NORMAL", "AmpType_FenderBassman_187x95", yellow },
        { "BOUTIQUE CL", "AmpType_OverdriveSpecial_178x91", green },
        { "BOUTIQUE OD", "AmpType_OverdriveSpecial_178x91", yellow },
        { "QT50", "AmpType_QT50_189x96", green },
        { "QT50HB", "AmpType_QT50_189x96", yellow },
        { "BRIT 1959 TREBLE", "AmpType_Marshall1959_178x91", yellow },
        { "BRIT 1959 NORMAL", "AmpType_Marshall1959_178x91", yellow },
        { "BRIT 800", "AmpType_MarshallJCM800_178x91", yellow },
        { "BRIT VM", "AmpType_MarshallJCM800_178x91", red },
        { "SL-OD", "AmpType_SmoothLead_178x91", red },
        { "DOUBLE REC", "AmpType_MesaBoogie_178x91", red },
        { "CALI ELATION", "AmpType_calielation_178x91", green },
        { "ERUPT\tIII CH2", "AmpType_ERUPT3_189x95", green },
        { "ERUPT III CH3", "AmpType_ERUPT3_189x95", green },
        { "BOUTIQUE METAL", "AmpType_BoutiqueMetal_180x91", red },
        { "BRIT VERB", "AmpType_orange_187x95", green },
        { "ORIGINAL  CL", "AmpType_OrigCL_179x90", green },
        { "TEXAS LEAD", "AmpType_TexasLead_189x96", green },
        { "ACOUSTIC SIMULATOR", "AmpType_AcousticSimulator_189x96", green },
        { "FLAT", "AmpType_Flat_189x96", green },
    } };
    return rows[(size_t) juce::jlimit(0, 22, type)];
}
} // namespace

bool OKXProgSelectButton::isInterestedInDragSource(const SourceDetails& details)
{
    return OPWProgSelectButton::acceptsOrvaProgramDrag(details, this);
}

juce::String OKXProgSelectButton::getPNGName(int ampType)
{
    return row(ampType).image;
}

juce::String OKXProgSelectButton::getAmpName(int ampType)
{
    return row(ampType).name;
}

juce::Colour OKXProgSelectButton::getAmpColor(int ampType)
{
    return juce::Colour(row(ampType).colour);
}
