#include "GUI/RSDWQPedalFXImageButtonSmall.h"

#include "DWQ/DWQTypeNames.h"
#include "GUI/RSWidgetSupport.h"
#include "ParamTable/ISection.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSDWQPedalFXImageButtonSmall::kNumTypes;
const std::array<const char*, kNumTypes> kPictures { "alpha10", "Mod_ClassicChorus_shadow_112x111",
                                                     "Mod_ClassicFlanger_shadow_112x111", "Mod_Phase90_shadow_112x111",
                                                     "Mod_Textrem_shadow_112x111" };
const std::array<int, kNumTypes> kNameX { 42, 24, 22, 14, 14 };
const std::array<int, kNumTypes> kNameY { 12, 12, 4, 0, 8 };
const std::array<const char*, kNumTypes> kIcons { "alpha10", "Mod_ClassicChorus", "Mod_ClassicFlanger",
                                                  "Mod_Phase90_shadow_100x95", "Mod_Textrem" };
} // namespace

RSDWQPedalFXImageButtonSmall::RSDWQPedalFXImageButtonSmall(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSImageButton(owner, selectEnabled, name)
{
    m_ModuleIndex = 1;
    m_Type = 0;
}

void RSDWQPedalFXImageButtonSmall::mouseDown(const juce::MouseEvent& e)
{
    RSImageButton::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}

void RSDWQPedalFXImageButtonSmall::setType(int type)
{
    // Type 0 is the module switched off: show the type remembered for it.
    if (type == 0)
    {
        constexpr int rememberedTypeId = (int) 0x80000013;
        if (auto* section = RSWidgetSupport::findSection(0, rememberedTypeId))
            type = section->GetParamI(rememberedTypeId);
    }
    m_Type = type;
}

juce::String RSDWQPedalFXImageButtonSmall::getPngName(int type)
{
    return kPictures[(size_t) clampType(type, kNumTypes)];
}

juce::String RSDWQPedalFXImageButtonSmall::getIconPngName(int type)
{
    return kIcons[(size_t) clampType(type, kNumTypes)];
}

juce::String RSDWQPedalFXImageButtonSmall::getTypeName(int type)
{
    const int t = clampType(type, kNumTypes);
    return DWQ::getModTypeName((DWQ::eModType) t);
}

int RSDWQPedalFXImageButtonSmall::getTypeNameX(int type)
{
    return kNameX[(size_t) clampType(type, kNumTypes)];
}

int RSDWQPedalFXImageButtonSmall::getTypeNameY(int type)
{
    return kNameY[(size_t) clampType(type, kNumTypes)];
}
