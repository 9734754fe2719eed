#include "GUI/HMQ/RSHMQPedal2FXImageButton.h"

#include "GUI/Widgets/RSWidgetSupport.h"
#include "HMQ/HMQTypeNames.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSHMQPedal2FXImageButton::kNumTypes;
const std::array<const char*, kNumTypes> kPictures { "Mod_ClassicFlanger_shadow_112x111", "Mod_BlackPhaser_shadow_112x111",
                                                     "Mod_Phase90_shadow_112x111",        "Mod_Phase100_shadow_112x111",
                                                     "Mod_Textrem_shadow_112x111",        "Mod_EchoPlus_shadow_112x111",
                                                     "Mod_ADelay_shadow_112x111" };
const std::array<int, kNumTypes> kNameX { 22, 10, 2, 2, 20, 14, 0 };
const std::array<int, kNumTypes> kNameY { 4, 0, 0, 0, 8, 7, 0 };
const std::array<const char*, kNumTypes> kIcons { "Mod_ClassicFlanger",
                                                  "Mod_BlackPhaser_shadow_100x95",
                                                  "Mod_Phase90_shadow_100x95",
                                                  "Mod_Phase100_shadow_100x95",
                                                  "Mod_Textrem",
                                                  "Mod_EchoPlus",
                                                  "Mod_ADelay" };
} // namespace

RSHMQPedal2FXImageButton::RSHMQPedal2FXImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSDraggableImageButton(owner, selectEnabled, name)
{
    m_ModuleIndex = 3;
    m_Type = 0;
}

void RSHMQPedal2FXImageButton::mouseDown(const juce::MouseEvent& e)
{
    RSDraggableImageButton::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}

juce::String RSHMQPedal2FXImageButton::getPngName(int type)
{
    return kPictures[(size_t) clampType(type, kNumTypes)];
}

juce::String RSHMQPedal2FXImageButton::getIconPngName(int type)
{
    return kIcons[(size_t) clampType(type, kNumTypes)];
}

juce::String RSHMQPedal2FXImageButton::getTypeName(int type)
{
    const int t = clampType(type, kNumTypes);
    return HMQ::getPedal2TypeName((HMQ::ePedal2Type) t);
}

int RSHMQPedal2FXImageButton::getTypeNameX(int type)
{
    return kNameX[(size_t) clampType(type, kNumTypes)];
}

int RSHMQPedal2FXImageButton::getTypeNameY(int type)
{
    return kNameY[(size_t) clampType(type, kNumTypes)];
}
