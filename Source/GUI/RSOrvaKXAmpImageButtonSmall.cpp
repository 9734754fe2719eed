#include "GUI/RSOrvaKXAmpImageButtonSmall.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSOrvaKXAmpImageButton::kNumTypes;
const std::array<const char*, kNumTypes> kPictures { "AmpType_FenderDeluxeReverb_shadow_196x108",
                                                     "AmpType_FenderDeluxeReverb_shadow_196x108",
                                                     "AmpType_FenderBassman_shadow_196x108",
                                                     "AmpType_FenderBassman_shadow_196x108",
                                                     "AmpType_OverdriveSpecial_shadow_196x108",
                                                     "AmpType_OverdriveSpecial_shadow_196x108",
                                                     "AmpType_QT50_shadow_196x108",
                                                     "AmpType_QT50_shadow_196x108",
                                                     "AmpType_Marshall1959_shadow_196x108",
                                                     "AmpType_Marshall1959_shadow_196x108",
                                                     "AmpType_MarshallJCM800_shadow_196x108",
                                                     "AmpType_MarshallJCM800_shadow_196x108",
                                                     "AmpType_SmoothLead_shadow_196x108",
                                                     "AmpType_MesaBoogie_shadow_196x108",
                                                     "AmpType_calielation_196x108",
                                                     "AmpType_ERUPT3_196x108",
                                                     "AmpType_ERUPT3_196x108",
                                                     "AmpType_BoutiqueMetal_196x108",
                                                     "AmpType_orange_196x108",
                                                     "AmpType_OrigCL_196x108",
                                                     "AmpType_TexasLead_196x108",
                                                     "AmpType_AcousticSimulator_196x108",
                                                     "AmpType_Flat_196x108" };
const std::array<int, kNumTypes> kNameX { 38, 38, 32, 30, 56, 56, 74, 71, 49, 49, 62, 62,
                                          66, 60, 54, 56, 56, 49, 60, 53, 49, 20, 74 };
const std::array<int, kNumTypes> kNameY { 0, 0, 0, 0, 10, 10, 0, 0, 10, 10, 10, 10, 10, 16, 10, 10, 10, 10, 10, 0, 0, 6, 0 };
} // namespace

RSOrvaKXAmpImageButtonSmall::RSOrvaKXAmpImageButtonSmall(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSOrvaKXAmpImageButton(owner, selectEnabled, name)
{}

juce::String RSOrvaKXAmpImageButtonSmall::getPngName(int type)
{
    return kPictures[(size_t) clampType(type, kNumTypes)];
}

int RSOrvaKXAmpImageButtonSmall::getTypeNameX(int type)
{
    return kNameX[(size_t) clampType(type, kNumTypes)];
}

int RSOrvaKXAmpImageButtonSmall::getTypeNameY(int type)
{
    return kNameY[(size_t) clampType(type, kNumTypes)];
}
