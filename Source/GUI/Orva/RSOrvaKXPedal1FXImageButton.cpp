#include "GUI/Orva/RSOrvaKXPedal1FXImageButton.h"

#include "GUI/Widgets/RSWidgetSupport.h"
#include "OrvaKX/OrvaKXTypeNames.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSOrvaKXPedal1FXImageButton::kNumTypes;
const std::array<const char*, kNumTypes> kPictures { "Mod_ClassicChorus_shadow_112x111",
                                                     "Mod_StereoChorus_112x111",
                                                     "Mod_ClassicFlanger_shadow_112x111",
                                                     "Mod_StereoFlanger_112x111",
                                                     "Mod_Phase90_shadow_112x111",
                                                     "Mod_Phase100_shadow_112x111",
                                                     "Mod_SmallStone112x111",
                                                     "Mod_BiPhase_112x111",
                                                     "Mod_BiPhase_112x111",
                                                     "Mod_Textrem_shadow_112x111",
                                                     "Mod_HarmonicTrem_112x111" };
const std::array<int, kNumTypes> kNameX { 20, 3, 8, 3, 12, 12, 16, 1, 1, 22, 6 };
const std::array<int, kNumTypes> kNameY { 12, 16, 4, 16, 2, 2, 1, 10, 10, 8, 4 };
const std::array<const char*, kNumTypes> kIcons { "Mod_ClassicChorus",         "Mod_StereoChorus_115x104",
                                                  "Mod_ClassicFlanger",        "Mod_StereoFlanger_115x104",
                                                  "Mod_Phase90_shadow_100x95", "Mod_Phase100_shadow_100x95",
                                                  "Mod_SmallStone100x95",      "Mod_BiPhase_100x86",
                                                  "Mod_BiPhase_100x86",        "Mod_Textrem",
                                                  "Mod_HarmonicTrem" };
} // namespace

RSOrvaKXPedal1FXImageButton::RSOrvaKXPedal1FXImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSDraggableImageButton(owner, selectEnabled, name)
{
    m_ModuleIndex = 1;
    setHighlightColours(juce::Colour(0xFFCEA939), juce::Colour(0xFFCEA939));
    setTriggeredOnMouseDown(false);
    m_Type = 0;
}

void RSOrvaKXPedal1FXImageButton::mouseDown(const juce::MouseEvent& e)
{
    RSDraggableImageButton::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}

juce::String RSOrvaKXPedal1FXImageButton::getPngName(int type)
{
    return kPictures[(size_t) clampType(type, kNumTypes)];
}

juce::String RSOrvaKXPedal1FXImageButton::getIconPngName(int type)
{
    return kIcons[(size_t) clampType(type, kNumTypes)];
}

juce::String RSOrvaKXPedal1FXImageButton::getTypeName(int type)
{
    const int t = clampType(type, kNumTypes);
    return orvaKX::getFX1TypeName((orvaKX::eFX1Type) t);
}

int RSOrvaKXPedal1FXImageButton::getTypeNameX(int type)
{
    return kNameX[(size_t) clampType(type, kNumTypes)];
}

int RSOrvaKXPedal1FXImageButton::getTypeNameY(int type)
{
    return kNameY[(size_t) clampType(type, kNumTypes)];
}
