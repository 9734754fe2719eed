#include "GUI/DWQ/RSDWQPedalComboBox.h"

#include <array>

namespace
{
const std::array<const char*, RSDWQPedalComboBox::kNumTypes> kPictures { "alpha10", "Mod_ClassicChorus", "Mod_ClassicFlanger",
                                                                         "Mod_OrgPhase", "Mod_Textrem" };
} // namespace

RSDWQPedalComboBox::RSDWQPedalComboBox(const juce::String& name) : RSComboBox(name)
{}

juce::String RSDWQPedalComboBox::getPngName(int type)
{
    return kPictures[(size_t) juce::jlimit(0, kNumTypes - 1, type)];
}

juce::String RSDWQPedalComboBox::getIconPngName(int type)
{
    return getPngName(type);
}
