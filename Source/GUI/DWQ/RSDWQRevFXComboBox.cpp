#include "GUI/DWQ/RSDWQRevFXComboBox.h"

#include <array>

namespace
{
const std::array<const char*, RSDWQRevFXComboBox::kNumTypes> kPictures { "alpha10", "Mod_ADelay", "Mod_EchoPlus", "Reverb_Spring",
                                                                         "Reverb_Hall" };
} // namespace

RSDWQRevFXComboBox::RSDWQRevFXComboBox(const juce::String& name) : RSComboBox(name)
{}

juce::String RSDWQRevFXComboBox::getPngName(int type)
{
    return kPictures[(size_t) juce::jlimit(0, kNumTypes - 1, type)];
}

juce::String RSDWQRevFXComboBox::getIconPngName(int type)
{
    return getPngName(type);
}
