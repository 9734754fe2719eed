#include "GUI/DWQ/RSDWQAmpImageButtonSmall.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSDWQAmpImageButton::kNumTypes;
const std::array<const char*, kNumTypes> kPictures { "AmpType_FenderDeluxeReverb_shadow_196x108",
                                                     "AmpType_FenderBassman_shadow_196x108",
                                                     "AmpType_OverdriveSpecial_shadow_196x108",
                                                     "AmpType_OverdriveSpecial_shadow_196x108",
                                                     "AmpType_QT50_shadow_196x108",
                                                     "AmpType_QT50_shadow_196x108",
                                                     "AmpType_Marshall1959_shadow_196x108",
                                                     "AmpType_MarshallJCM800_shadow_196x108",
                                                     "AmpType_MarshallJCM800_shadow_196x108",
                                                     "AmpType_SmoothLead_shadow_196x108",
                                                     "AmpType_MesaBoogie_shadow_196x108" };
const std::array<int, kNumTypes> kNameX { 62, 57, 52, 52, 64, 56, 62, 64, 68, 74, 58 };
const std::array<int, kNumTypes> kNameY { 0, 0, 12, 12, 0, 0, 12, 12, 12, 12, 12 };
} // namespace

RSDWQAmpImageButtonSmall::RSDWQAmpImageButtonSmall(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSDWQAmpImageButton(owner, selectEnabled, name)
{}

juce::String RSDWQAmpImageButtonSmall::getPngName(int type)
{
    return kPictures[(size_t) clampType(type, kNumTypes)];
}

int RSDWQAmpImageButtonSmall::getTypeNameX(int type)
{
    return kNameX[(size_t) clampType(type, kNumTypes)];
}

int RSDWQAmpImageButtonSmall::getTypeNameY(int type)
{
    return kNameY[(size_t) clampType(type, kNumTypes)];
}
