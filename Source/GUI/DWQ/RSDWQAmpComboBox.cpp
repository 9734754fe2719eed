#include "GUI/DWQ/RSDWQAmpComboBox.h"

#include "GUI/DWQ/RSDWQAmpImageButton.h"
#include <array>

namespace
{
const std::array<const char*, RSDWQAmpComboBox::kNumTypes> kPictures { "AmpType_FenderDeluxeReverb_shadow",
                                                                       "AmpType_FenderBassman_shadow",
                                                                       "AmpType_OverdriveSpecial_164x133",
                                                                       "AmpType_OverdriveSpecial_164x133",
                                                                       "AmpType_QT50",
                                                                       "AmpType_QT50",
                                                                       "AmpType_Marshall1959_164x133",
                                                                       "AmpType_MarshallJCM800_164x133",
                                                                       "AmpType_MarshallJCM800_164x133",
                                                                       "AmpType_SmoothLead_164x133",
                                                                       "AmpType_MesaBoogie_164x133" };
} // namespace

RSDWQAmpComboBox::RSDWQAmpComboBox(const juce::String& name) : RSComboBox(name)
{}

juce::String RSDWQAmpComboBox::getPngName(int type)
{
    return kPictures[(size_t) juce::jlimit(0, kNumTypes - 1, type)];
}

juce::String RSDWQAmpComboBox::getIconPngName(int type)
{
    return RSDWQAmpImageButton::iconPngNameOfType(type);
}
