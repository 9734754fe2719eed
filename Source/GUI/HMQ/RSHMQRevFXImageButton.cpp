#include "GUI/HMQ/RSHMQRevFXImageButton.h"

#include "GUI/Widgets/RSWidgetSupport.h"
#include "HMQ/HMQTypeNames.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSHMQRevFXImageButton::kNumTypes;
const std::array<const char*, kNumTypes> kPictures { "Reverb_Room_shadow_112x111", "Reverb_Spring_shadow_112x111",
                                                     "Reverb_Hall_shadow_112x111", "Reverb_Plate_shadow_112x111" };
const std::array<int, kNumTypes> kNameX { 34, 28, 38, 33 };
const std::array<int, kNumTypes> kNameY { 0, 0, 0, 0 };
const std::array<const char*, kNumTypes> kIcons { "Reverb_Room_shadow_71x98", "Reverb_Spring", "Reverb_Hall",
                                                  "Reverb_Plate_shadow_71x98" };
} // namespace

RSHMQRevFXImageButton::RSHMQRevFXImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSDraggableImageButton(owner, selectEnabled, name)
{
    m_ModuleIndex = 2;
    m_Type = 0;
}

void RSHMQRevFXImageButton::mouseDown(const juce::MouseEvent& e)
{
    RSDraggableImageButton::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}

juce::String RSHMQRevFXImageButton::getPngName(int type)
{
    return kPictures[(size_t) clampType(type, kNumTypes)];
}

juce::String RSHMQRevFXImageButton::getIconPngName(int type)
{
    return kIcons[(size_t) clampType(type, kNumTypes)];
}

juce::String RSHMQRevFXImageButton::getTypeName(int type)
{
    const int t = clampType(type, kNumTypes);
    return HMQ::getRevTypeName((HMQ::eRevType) t);
}

int RSHMQRevFXImageButton::getTypeNameX(int type)
{
    return kNameX[(size_t) clampType(type, kNumTypes)];
}

int RSHMQRevFXImageButton::getTypeNameY(int type)
{
    return kNameY[(size_t) clampType(type, kNumTypes)];
}
