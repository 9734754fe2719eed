#include "GUI/Orva/RSOrvaPWPedal1FXImageButton.h"

#include "GUI/Widgets/RSWidgetSupport.h"
#include "OrvaPW/OrvaPWTypeNames.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSOrvaPWPedal1FXImageButton::kNumTypes;
const std::array<const char*, kNumTypes> kPictures { "Mod_Comp_shadow_112x111",   "Mod_TouchWah_112x111",
                                                     "Mod_BassFuzz_112x111",      "Mod_ClassicChorus_shadow_112x111",
                                                     "Mod_StereoChorus_112x111",  "Mod_ClassicFlanger_shadow_112x111",
                                                     "Mod_StereoFlanger_112x111", "Mod_Phase90_shadow_112x111",
                                                     "Mod_SmallStone112x111",     "Mod_Textrem_shadow_112x111",
                                                     "Mod_HarmonicTrem_112x111" };
const std::array<int, kNumTypes> kNameX { 38, 36, 42, 20, 4, 8, 3, 12, 16, 22, 6 };
const std::array<int, kNumTypes> kNameY { 0, 0, 0, 12, 16, 4, 16, 2, 1, 8, 4 };
const std::array<const char*, kNumTypes> kIcons {
    "Mod_Comp_shadow_100x95",   "Mod_TouchWah_110x110", "Mod_BassFuzz_111x111",      "Mod_ClassicChorus",
    "Mod_StereoChorus_115x104", "Mod_ClassicFlanger",   "Mod_StereoFlanger_115x104", "Mod_Phase90_shadow_100x95",
    "Mod_SmallStone100x95",     "Mod_Textrem",          "Mod_HarmonicTrem"
};
} // namespace

RSOrvaPWPedal1FXImageButton::RSOrvaPWPedal1FXImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSDraggableImageButton(owner, selectEnabled, name)
{
    m_ModuleIndex = 1;
    setHighlightColours(juce::Colour(0xFFC5C5C6), juce::Colour(0xFFC5C5C6));
    setTriggeredOnMouseDown(false);
    m_Type = 0;
}

void RSOrvaPWPedal1FXImageButton::mouseDown(const juce::MouseEvent& e)
{
    RSDraggableImageButton::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}

juce::String RSOrvaPWPedal1FXImageButton::getPngName(int type)
{
    return kPictures[(size_t) clampType(type, kNumTypes)];
}

juce::String RSOrvaPWPedal1FXImageButton::getIconPngName(int type)
{
    return kIcons[(size_t) clampType(type, kNumTypes)];
}

juce::String RSOrvaPWPedal1FXImageButton::getTypeName(int type)
{
    const int t = clampType(type, kNumTypes);
    return orvaPW::getFX1TypeName((orvaPW::eFX1Type) t);
}

int RSOrvaPWPedal1FXImageButton::getTypeNameX(int type)
{
    return kNameX[(size_t) clampType(type, kNumTypes)];
}

int RSOrvaPWPedal1FXImageButton::getTypeNameY(int type)
{
    return kNameY[(size_t) clampType(type, kNumTypes)];
}
