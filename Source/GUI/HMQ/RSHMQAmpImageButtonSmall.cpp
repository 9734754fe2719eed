#include "GUI/HMQ/RSHMQAmpImageButtonSmall.h"

#include "GUI/Widgets/SharedAmpPictures.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSHMQAmpImageButton::kNumTypes;
const std::array<int, kNumTypes> kNameX { 30, 34, 30, 30, 52, 52, 64, 56, 38, 38, 66, 69, 74, 58, 52, 50, 50, 48, 52, 58 };
const std::array<int, kNumTypes> kNameY { 0, 0, 0, 0, 12, 12, 0, 0, 12, 12, 12, 12, 16, 12, 14, 12, 12, 12, 12, 0 };
} // namespace

RSHMQAmpImageButtonSmall::RSHMQAmpImageButtonSmall(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSHMQAmpImageButton(owner, selectEnabled, name)
{}

juce::String RSHMQAmpImageButtonSmall::getPngName(int type)
{
    return SharedAmpPictures::small[(size_t) clampType(type, kNumTypes)];
}

int RSHMQAmpImageButtonSmall::getTypeNameX(int type)
{
    return kNameX[(size_t) clampType(type, kNumTypes)];
}

int RSHMQAmpImageButtonSmall::getTypeNameY(int type)
{
    return kNameY[(size_t) clampType(type, kNumTypes)];
}
