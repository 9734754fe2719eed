#include "GUI/Orva/RSOrvaKXAmpImageButtonSmall.h"

#include "GUI/Widgets/SharedAmpPictures.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSOrvaKXAmpImageButton::kNumTypes;
const std::array<const char*, 3> kOwnPictures { "AmpType_TexasLead_196x108", "AmpType_AcousticSimulator_196x108",
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
    return SharedAmpPictures::pick(SharedAmpPictures::small, kOwnPictures, type);
}

int RSOrvaKXAmpImageButtonSmall::getTypeNameX(int type)
{
    return kNameX[(size_t) clampType(type, kNumTypes)];
}

int RSOrvaKXAmpImageButtonSmall::getTypeNameY(int type)
{
    return kNameY[(size_t) clampType(type, kNumTypes)];
}
