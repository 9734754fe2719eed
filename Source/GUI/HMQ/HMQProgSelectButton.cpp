#include "GUI/HMQ/HMQProgSelectButton.h"

#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/LibrarianAccess.h"
#include "GUI/Editor/ParamPageSupport.h"
#include "HMQ/HMQDataCenter.h"

namespace
{
struct AmpRow
{
    const char* name;
    const char* image;
    juce::uint32 colour;
};

constexpr int idAmpType = 0x300;

constexpr juce::uint32 green = 0xFF80FA80, yellow = 0xFFFAFA80, red = 0xFFFA8080;

const AmpRow& ampRow(int type)
{
    static const AmpRow rows[HMQProgSelectButton::kNumAmpTypes] = {
        { "DELUXE CL VIBRATO", "AmpType_FenderDeluxeReverb_187x95", green },
        { "DELUXE CL NORMAL", "AmpType_FenderDeluxeReverb_187x95", green },
        { "TWEED 4x10 BRIGHT", "AmpType_FenderBassman_187x95", yellow },
        { "TWEED 4x10 NORMAL", "AmpType_FenderBassman_187x95", yellow },
        { "BOUTIQUE CL", "AmpType_OverdriveSpecial_178x91", green },
        { "BOUTIQUE OD", "AmpType_OverdriveSpecial_178x91", yellow },
        { "ZUL QT50", "AmpType_QT50_189x96", green },
        { "ZUL QT50HB", "AmpType_QT50_189x96", yellow },
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
        { "BRIT OR MKII", "AmpType_orange_187x95", green },
        { "ORIGINAL  CL", "AmpType_OrigCL_179x90", green },
    };
    return rows[juce::jlimit(0, HMQProgSelectButton::kNumAmpTypes - 1, type)];
}
} // namespace

bool HMQProgSelectButton::isInterestedInDragSource(const SourceDetails& details)
{
    const auto id = DragAndDropDefinitions::getDragId(details.description);
    if (id == CurrentProgramDataDragID)
        return true;
    return id == ProgramDataDragID && (unsigned int) DragAndDropDefinitions::getDragValue(details.description) <= 100u
           && details.sourceComponent.get() != this;
}

juce::String HMQProgSelectButton::getPNGName(int ampType)
{
    return ampRow(ampType).image;
}

juce::String HMQProgSelectButton::getAmpName(int ampType)
{
    return ampRow(ampType).name;
}

juce::Colour HMQProgSelectButton::getAmpColor(int ampType)
{
    return juce::Colour(ampRow(ampType).colour);
}

int HMQProgSelectButton::ampTypeOf(const unsigned char* record)
{
    auto* dataCenter = dynamic_cast<HMQDataCenter*>(LibrarianAccess::getDataCenter());
    if (record == nullptr || dataCenter == nullptr)
        return -1;
    return ParamPageSupport::readFromRecord(dataCenter->getUserEditSection(), idAmpType, record);
}
