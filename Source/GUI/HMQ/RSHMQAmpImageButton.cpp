#include "GUI/HMQ/RSHMQAmpImageButton.h"

#include "GUI/Widgets/RSWidgetSupport.h"
#include "GUI/Widgets/SharedAmpPictures.h"
#include "HMQ/HMQTypeNames.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSHMQAmpImageButton::kNumTypes;
static_assert(kNumTypes == SharedAmpPictures::count);
const std::array<int, kNumTypes> kNameX { 25, 25, 23, 23, 48, 48, 62, 56, 36, 36, 66, 67, 74, 50, 48, 46, 46, 38, 52, 52 };
const std::array<int, kNumTypes> kNameY { 0, 0, 0, 0, 68, 68, 0, 0, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 0 };
} // namespace

RSHMQAmpImageButton::RSHMQAmpImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSDraggableImageButton(owner, selectEnabled, name)
{
    m_ModuleIndex = 0;
    m_Type = 0;
}

void RSHMQAmpImageButton::mouseDown(const juce::MouseEvent& e)
{
    RSDraggableImageButton::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}

juce::String RSHMQAmpImageButton::getPngName(int type)
{
    return SharedAmpPictures::large[(size_t) clampType(type, kNumTypes)];
}

juce::String RSHMQAmpImageButton::getIconPngName(int type)
{
    return SharedAmpPictures::icons[(size_t) clampType(type, kNumTypes)];
}

juce::String RSHMQAmpImageButton::getTypeName(int type)
{
    const int t = clampType(type, kNumTypes);
    return HMQ::getAmpTypeName((HMQ::eAmpType) t);
}

int RSHMQAmpImageButton::getTypeNameX(int type)
{
    return kNameX[(size_t) clampType(type, kNumTypes)];
}

int RSHMQAmpImageButton::getTypeNameY(int type)
{
    return kNameY[(size_t) clampType(type, kNumTypes)];
}
