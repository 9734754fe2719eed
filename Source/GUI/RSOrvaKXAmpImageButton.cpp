#include "GUI/RSOrvaKXAmpImageButton.h"

#include "GUI/RSWidgetSupport.h"
#include "OrvaKX/OrvaKXTypeNames.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSOrvaKXAmpImageButton::kNumTypes;
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
                                                     "AmpType_OrigCL_shadow_196x171",
                                                     "AmpType_TexasLead_196x171",
                                                     "AmpType_AcousticSimulator_196x171",
                                                     "AmpType_Flat_196x171" };
const std::array<int, kNumTypes> kNameX { 36, 38, 36, 36, 58, 58, 84, 76, 44, 44, 72, 73,
                                          80, 60, 56, 58, 58, 50, 66, 60, 62, 32, 84 };
const std::array<int, kNumTypes> kNameY { 0, 0, 0, 0, 68, 68, 0, 0, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 0, 0, 58, 12 };
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
                                                  "AmpType_OrigCL_160x175",
                                                  "AmpType_TexasLead_196x171",
                                                  "AmpType_AcousticSimulator_196x108",
                                                  "AmpType_Flat_196x171" };
} // namespace

RSOrvaKXAmpImageButton::RSOrvaKXAmpImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSImageButton(owner, selectEnabled, name)
{
    m_ModuleIndex = 0;
    setHighlightColours(juce::Colour(0xFFCEA939), juce::Colour(0xFFCEA939));
    m_Type = 0;
}

void RSOrvaKXAmpImageButton::mouseDown(const juce::MouseEvent& e)
{
    RSImageButton::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}

juce::String RSOrvaKXAmpImageButton::getPngName(int type)
{
    return kPictures[(size_t) clampType(type, kNumTypes)];
}

juce::String RSOrvaKXAmpImageButton::getIconPngName(int value)
{
    const int type = orvaKX::getAmpType((unsigned char) juce::jlimit(0, 255, value));
    return kIcons[(size_t) clampType(type < 0 ? 0 : type, kNumTypes)];
}

juce::String RSOrvaKXAmpImageButton::getTypeName(int type)
{
    const int t = clampType(type, kNumTypes);
    return orvaKX::getAmpTypeName((orvaKX::eAmpType) t);
}

int RSOrvaKXAmpImageButton::getTypeNameX(int type)
{
    return kNameX[(size_t) clampType(type, kNumTypes)];
}

int RSOrvaKXAmpImageButton::getTypeNameY(int type)
{
    return kNameY[(size_t) clampType(type, kNumTypes)];
}
