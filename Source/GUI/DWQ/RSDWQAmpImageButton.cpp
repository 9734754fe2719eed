#include "GUI/DWQ/RSDWQAmpImageButton.h"

#include "DWQ/DWQTypeNames.h"
#include "GUI/Widgets/RSWidgetSupport.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSDWQAmpImageButton::kNumTypes;
const std::array<const char*, kNumTypes> kPictures { "AmpType_FenderDeluxeReverb_shadow_196x171",
                                                     "AmpType_FenderBassman_shadow_196x171",
                                                     "AmpType_OverdriveSpecial_shadow_196x171",
                                                     "AmpType_OverdriveSpecial_shadow_196x171",
                                                     "AmpType_QT50_shadow_196x171",
                                                     "AmpType_QT50_shadow_196x171",
                                                     "AmpType_Marshall1959_shadow_196x171",
                                                     "AmpType_MarshallJCM800_shadow_196x171",
                                                     "AmpType_MarshallJCM800_shadow_196x171",
                                                     "AmpType_SmoothLead_shadow_196x171",
                                                     "AmpType_MesaBoogie_shadow_196x171" };
const std::array<int, kNumTypes> kNameX { 56, 54, 51, 51, 62, 56, 60, 64, 66, 70, 50 };
const std::array<int, kNumTypes> kNameY { 0, 0, 68, 68, 0, 0, 68, 68, 68, 68, 68 };
const std::array<const char*, kNumTypes> kIcons { "AmpType_FenderDeluxeReverb_187x159",
                                                  "AmpType_FenderBassman_187x159",
                                                  "AmpType_OverdriveSpecial_178x68",
                                                  "AmpType_OverdriveSpecial_178x68",
                                                  "AmpType_QT50",
                                                  "AmpType_QT50",
                                                  "AmpType_Marshall1959_178x68",
                                                  "AmpType_MarshallJCM800_178x68",
                                                  "AmpType_MarshallJCM800_178x68",
                                                  "AmpType_SmoothLead_178x68",
                                                  "AmpType_MesaBoogie_178x68" };
} // namespace

RSDWQAmpImageButton::RSDWQAmpImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSImageButton(owner, selectEnabled, name)
{
    m_ModuleIndex = 0;
    m_Type = 0;
}

void RSDWQAmpImageButton::mouseDown(const juce::MouseEvent& e)
{
    RSImageButton::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}

juce::String RSDWQAmpImageButton::getPngName(int type)
{
    return kPictures[(size_t) clampType(type, kNumTypes)];
}

juce::String RSDWQAmpImageButton::getIconPngName(int type)
{
    return iconPngNameOfType(type);
}

juce::String RSDWQAmpImageButton::iconPngNameOfType(int type)
{
    return kIcons[(size_t) clampType(type, kNumTypes)];
}

juce::String RSDWQAmpImageButton::getTypeName(int type)
{
    const int t = clampType(type, kNumTypes);
    return DWQ::getAmpTypeName((DWQ::eAmpType) t);
}

int RSDWQAmpImageButton::getTypeNameX(int type)
{
    return kNameX[(size_t) clampType(type, kNumTypes)];
}

int RSDWQAmpImageButton::getTypeNameY(int type)
{
    return kNameY[(size_t) clampType(type, kNumTypes)];
}
