#include "GUI/HMQ/RSHMQPedal1FXImageButton.h"

#include "GUI/Widgets/RSWidgetSupport.h"
#include "HMQ/HMQTypeNames.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSHMQPedal1FXImageButton::kNumTypes;
const std::array<const char*, kNumTypes> kPictures { "Mod_Comp_shadow_112x111",        "Mod_ClassicChorus_shadow_112x111",
                                                     "Mod_TubeOD_shadow_112x111",      "Mod_BoutiqueOD_shadow_112x111",
                                                     "Mod_TrebleBoost_shadow_112x111", "Mod_RCturbo_shadow_112x111",
                                                     "Mod_OrangeDist_shadow_112x111",  "Mod_FatDist_shadow_112x111",
                                                     "Mod_Govnor_shadow_112x111",      "Mod_Fuzz_shadow_112x111" };
const std::array<int, kNumTypes> kNameX { 34, 24, 24, 12, 0, 18, 6, 24, 19, 36 };
const std::array<int, kNumTypes> kNameY { 0, 12, 0, 20, 0, 0, 0, 12, 0, 0 };
const std::array<const char*, kNumTypes> kIcons { "Mod_Comp_shadow_100x95",        "Mod_ClassicChorus",
                                                  "Mod_TubeOD_shadow_100x95",      "Mod_BoutiqueOD_shadow_100x86",
                                                  "Mod_TrebleBoost_shadow_100x95", "Mod_RCturbo_shadow_100x95",
                                                  "Mod_OrangeDist_shadow_100x95",  "Mod_FatDist_shadow_100x90",
                                                  "Mod_Govnor_shadow_112x111",     "Mod_Fuzz_shadow_112x111" };
} // namespace

RSHMQPedal1FXImageButton::RSHMQPedal1FXImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSDraggableImageButton(owner, selectEnabled, name)
{
    m_ModuleIndex = 1;
    m_Type = 0;
}

void RSHMQPedal1FXImageButton::mouseDown(const juce::MouseEvent& e)
{
    RSDraggableImageButton::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}

juce::String RSHMQPedal1FXImageButton::getPngName(int type)
{
    return kPictures[(size_t) clampType(type, kNumTypes)];
}

juce::String RSHMQPedal1FXImageButton::getIconPngName(int type)
{
    return kIcons[(size_t) clampType(type, kNumTypes)];
}

juce::String RSHMQPedal1FXImageButton::getTypeName(int type)
{
    const int t = clampType(type, kNumTypes);
    return HMQ::getPedal1TypeName((HMQ::ePedal1Type) t);
}

int RSHMQPedal1FXImageButton::getTypeNameX(int type)
{
    return kNameX[(size_t) clampType(type, kNumTypes)];
}

int RSHMQPedal1FXImageButton::getTypeNameY(int type)
{
    return kNameY[(size_t) clampType(type, kNumTypes)];
}
