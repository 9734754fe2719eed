#include "GUI/Orva/OPWProgSelectButton.h"

#include "GUI/Editor/DragAndDropDefinitions.h"

#include <array>

namespace
{
struct AmpRow
{
    const char* name;
    const char* image;
};

const AmpRow& row(int type)
{
    static const std::array<AmpRow, 17> rows { {
        { "CLASSIC BRIGHT", "AmpType_Classic_189x96" },
        { "CLASSIC NORMAL", "AmpType_Classic_189x96" },
        { "SLAP", "AmpType_Slap_189x96" },
        { "ROCK 1", "AmpType_Rock_189x96" },
        { "ROCK 2", "AmpType_FenderBassman_187x95" },
        { "MODERN", "AmpType_Modern_189x96" },
        { "DEEP", "AmpType_Deep_189x96" },
        { "TIGHT SYNTH", "AmpType_TightSYNTH_189x96" },
        { "DIRTY SYNTH", "AmpType_DirtySynth_189x96" },
        { "PUNCHY SYNTH", "AmpType_PunchySynth_189x96" },
        { "DELUXE CL", "AmpType_FenderDeluxeReverb_187x95" },
        { "QT50", "AmpType_QT50_189x96" },
        { "QT50HB", "AmpType_QT50_189x96" },
        { "BRIT 800", "AmpType_MarshallJCM800_shadow_196x108" },
        { "DOUBLE REC", "AmpType_MesaBoogie_178x91" },
        { "ERUPT III CH3", "AmpType_ERUPT3_189x95" },
        { "FLAT", "AmpType_Flat_189x96" },
    } };
    return rows[(size_t) juce::jlimit(0, 16, type)];
}
} // namespace

bool OPWProgSelectButton::acceptsOrvaProgramDrag(const SourceDetails& details, const juce::Component* self)
{
    const auto id = DragAndDropDefinitions::getDragId(details.description);
    if (id == CurrentProgramDataDragID)
        return true;
    if (id == ProgramDataDragID)
        return (unsigned int) DragAndDropDefinitions::getDragValue(details.description) <= 31u
               && details.sourceComponent.get() != self;
    return false;
}

bool OPWProgSelectButton::isInterestedInDragSource(const SourceDetails& details)
{
    return acceptsOrvaProgramDrag(details, this);
}

juce::String OPWProgSelectButton::getPNGName(int ampType)
{
    return row(ampType).image;
}

juce::String OPWProgSelectButton::getAmpName(int ampType)
{
    return row(ampType).name;
}

juce::Colour OPWProgSelectButton::getAmpColor(int)
{
    return juce::Colour(0xFF80FA80);
}
