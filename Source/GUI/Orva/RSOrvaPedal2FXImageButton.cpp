#include "GUI/Orva/RSOrvaPedal2FXImageButton.h"

#include "GUI/Widgets/RSWidgetSupport.h"
#include "OrvaKX/OrvaKXTypeNames.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSOrvaPedal2FXImageButton::kNumTypes;
const std::array<const char*, kNumTypes> kPictures { "Mod_EchoPlus_shadow_112x111",  "Mod_ADelay_shadow_112x111",
                                                     "Mod_WideDelay_112x111",        "Mod_CrossDelay_112x111",
                                                     "Reverb_Room_shadow_112x111",   "Reverb_Hall_shadow_112x111",
                                                     "Reverb_Spring_shadow_112x111", "Reverb_Plate_shadow_112x111" };
const std::array<int, kNumTypes> kNameX { 38, 38, 26, 17, 36, 40, 32, 37 };
const std::array<int, kNumTypes> kNameY { 7, 0, 0, 0, 0, 0, 0, 0 };
const std::array<const char*, kNumTypes> kIcons {
    "Mod_EchoPlus", "Mod_ADelay",    "Mod_WideDelay_112x111",    "Mod_CrossDelay_112x111", "Reverb_Room_shadow_71x98",
    "Reverb_Hall",  "Reverb_Spring", "Reverb_Plate_shadow_71x98"
};
} // namespace

RSOrvaPedal2FXImageButton::RSOrvaPedal2FXImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSDraggableImageButton(owner, selectEnabled, name)
{
    m_ModuleIndex = 2;
    setHighlightColours(juce::Colour(0xFFCEA939), juce::Colour(0xFFCEA939));
    setTriggeredOnMouseDown(false);
    m_Type = 0;
}

void RSOrvaPedal2FXImageButton::mouseDown(const juce::MouseEvent& e)
{
    RSDraggableImageButton::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}

juce::String RSOrvaPedal2FXImageButton::getPngName(int type)
{
    return kPictures[(size_t) clampType(type, kNumTypes)];
}

juce::String RSOrvaPedal2FXImageButton::getIconPngName(int type)
{
    return kIcons[(size_t) clampType(type, kNumTypes)];
}

juce::String RSOrvaPedal2FXImageButton::getTypeName(int type)
{
    const int t = clampType(type, kNumTypes);
    return orvaKX::getFX2TypeName((orvaKX::eFX2Type) t);
}

int RSOrvaPedal2FXImageButton::getTypeNameX(int type)
{
    return kNameX[(size_t) clampType(type, kNumTypes)];
}

int RSOrvaPedal2FXImageButton::getTypeNameY(int type)
{
    return kNameY[(size_t) clampType(type, kNumTypes)];
}
