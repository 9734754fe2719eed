#include "GUI/Orva/RSOrvaPWAmpImageButtonSmall.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSOrvaPWAmpImageButton::kNumTypes;
const std::array<const char*, kNumTypes> kPictures { "AmpType_Classic_196x108",
                                                     "AmpType_Classic_196x108",
                                                     "AmpType_Slap_196x108",
                                                     "AmpType_Rock_196x108",
                                                     "AmpType_FenderBassman_shadow_196x108",
                                                     "AmpType_Modern_196x108",
                                                     "AmpType_Deep_196x108",
                                                     "AmpType_TightSYNTH_196x108",
                                                     "AmpType_DirtySynth_196x108",
                                                     "AmpType_PunchySynth_196x108",
                                                     "AmpType_FenderDeluxeReverb_shadow_196x108",
                                                     "AmpType_QT50_shadow_196x108",
                                                     "AmpType_QT50_shadow_196x108",
                                                     "AmpType_MarshallJCM800_shadow_196x108",
                                                     "AmpType_MesaBoogie_shadow_196x108",
                                                     "AmpType_ERUPT3_196x108",
                                                     "AmpType_Flat_196x108" };
const std::array<int, kNumTypes> kNameX { 40, 40, 74, 74, 74, 66, 74, 56, 60, 50, 64, 74, 73, 68, 60, 56, 78 };
const std::array<int, kNumTypes> kNameY { 4, 4, 18, 0, 0, 2, 38, 0, 0, 0, 0, 0, 0, 10, 16, 19, 0 };
} // namespace

RSOrvaPWAmpImageButtonSmall::RSOrvaPWAmpImageButtonSmall(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSOrvaPWAmpImageButton(owner, selectEnabled, name)
{}

juce::String RSOrvaPWAmpImageButtonSmall::getPngName(int type)
{
    return kPictures[(size_t) clampType(type, kNumTypes)];
}

int RSOrvaPWAmpImageButtonSmall::getTypeNameX(int type)
{
    return kNameX[(size_t) clampType(type, kNumTypes)];
}

int RSOrvaPWAmpImageButtonSmall::getTypeNameY(int type)
{
    return kNameY[(size_t) clampType(type, kNumTypes)];
}
