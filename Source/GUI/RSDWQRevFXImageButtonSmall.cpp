#include "GUI/RSDWQRevFXImageButtonSmall.h"

#include "DWQ/DWQTypeNames.h"
#include "GUI/RSWidgetSupport.h"
#include "ParamTable/ISection.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSDWQRevFXImageButtonSmall::kNumTypes;
const std::array<const char*, kNumTypes> kPictures { "alpha10", "Mod_ADelay_shadow_112x111", "Mod_EchoPlus_shadow_112x111",
                                                     "Reverb_Spring_shadow_112x111", "Reverb_Hall_shadow_112x111" };
const std::array<int, kNumTypes> kNameX { 42, 28, 16, 30, 38 };
const std::array<int, kNumTypes> kNameY { 12, 0, 8, 0, 0 };
const std::array<const char*, kNumTypes> kIcons { "alpha10", "Mod_ADelay", "Mod_EchoPlus", "Reverb_Spring", "Reverb_Hall" };
} // namespace

RSDWQRevFXImageButtonSmall::RSDWQRevFXImageButtonSmall(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSImageButton(owner, selectEnabled, name)
{
    m_ModuleIndex = 2;
    setTriggeredOnMouseDown(false);
    m_Type = 1;
}

void RSDWQRevFXImageButtonSmall::mouseDown(const juce::MouseEvent& e)
{
    RSImageButton::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}

void RSDWQRevFXImageButtonSmall::setType(int type)
{
    // Type 0 is the module switched off: show the type remembered for it.
    if (type == 0)
    {
        constexpr int rememberedTypeId = (int) 0x80000014;
        if (auto* section = RSWidgetSupport::findSection(0, rememberedTypeId))
            type = section->GetParamI(rememberedTypeId);
    }
    m_Type = type;
}

juce::String RSDWQRevFXImageButtonSmall::getPngName(int type)
{
    return kPictures[(size_t) clampType(type, kNumTypes)];
}

juce::String RSDWQRevFXImageButtonSmall::getIconPngName(int type)
{
    return kIcons[(size_t) clampType(type, kNumTypes)];
}

juce::String RSDWQRevFXImageButtonSmall::getTypeName(int type)
{
    const int t = clampType(type, kNumTypes);
    return DWQ::getDlyRevTypeName((DWQ::eDlyRevType) t);
}

int RSDWQRevFXImageButtonSmall::getTypeNameX(int type)
{
    return kNameX[(size_t) clampType(type, kNumTypes)];
}

int RSDWQRevFXImageButtonSmall::getTypeNameY(int type)
{
    return kNameY[(size_t) clampType(type, kNumTypes)];
}
