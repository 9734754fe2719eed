#include "GUI/RSHMQAmpImageButton.h"

#include "GUI/RSWidgetSupport.h"
#include "HMQ/HMQTypeNames.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSHMQAmpImageButton::kNumTypes;
const std::array<const char*, kNumTypes> kPictures { "AmpType_FenderDeluxeReverb_shadow_196x171",
                                                     "AmpType_FenderDeluxeReverb_shadow_196x171",
                                                     "AmpType_FenderBassman_shadow_196x171",
                                                     "AmpType_FenderBassman_shadow_196x171",
                                                     "AmpType_OverdriveSpecial_shadow_196x171",
                                                     "AmpType_OverdriveSpecial_shadow_196x171",
                                                     "AmpType_QT50_shadow_196x171",
                                                     "AmpType_QT50_shadow_196x171",
                                                     "AmpType_Marshall1959_shadow_196x171",
                                                     "AmpType_Marshall1959_shadow_196x171",
                                                     "AmpType_MarshallJCM800_shadow_196x171",
                                                     "AmpType_MarshallJCM800_shadow_196x171",
                                                     "AmpType_SmoothLead_shadow_196x171",
                                                     "AmpType_MesaBoogie_shadow_196x171",
                                                     "AmpType_calielation_shadow_196x171",
                                                     "AmpType_ERUPT3_shadow_196x171",
                                                     "AmpType_ERUPT3_shadow_196x171",
                                                     "AmpType_BoutiqueMetal_shadow_196x171",
                                                     "AmpType_orange_shadow_196x171",
                                                     "AmpType_OrigCL_shadow_196x171" };
const std::array<int, kNumTypes> kNameX { 25, 25, 23, 23, 48, 48, 62, 56, 36, 36, 66, 67, 74, 50, 48, 46, 46, 38, 52, 52 };
const std::array<int, kNumTypes> kNameY { 0, 0, 0, 0, 68, 68, 0, 0, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 0 };
const std::array<const char*, kNumTypes> kIcons { "AmpType_FenderDeluxeReverb_shadow",
                                                  "AmpType_FenderDeluxeReverb_shadow",
                                                  "AmpType_FenderBassman_shadow",
                                                  "AmpType_FenderBassman_shadow",
                                                  "AmpType_OverdriveSpecial_shadow",
                                                  "AmpType_OverdriveSpecial_shadow",
                                                  "AmpType_QT50_shadow_196x160",
                                                  "AmpType_QT50_shadow_196x160",
                                                  "AmpType_Marshall1959_shadow",
                                                  "AmpType_Marshall1959_shadow",
                                                  "AmpType_MarshallJCM800_shadow",
                                                  "AmpType_MarshallJCM800_shadow",
                                                  "AmpType_SmoothLead_shadow",
                                                  "AmpType_MesaBoogie_shadow",
                                                  "AmpType_calielation_179x71",
                                                  "AmpType_ERUPT3_178x77",
                                                  "AmpType_ERUPT3_178x77",
                                                  "AmpType_BoutiqueMetal_215x97",
                                                  "AmpType_orange_175x77",
                                                  "AmpType_OrigCL_160x175" };
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
    return kPictures[(size_t) clampType(type, kNumTypes)];
}

juce::String RSHMQAmpImageButton::getIconPngName(int type)
{
    return kIcons[(size_t) clampType(type, kNumTypes)];
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
