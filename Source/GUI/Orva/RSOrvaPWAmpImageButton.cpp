#include "GUI/Orva/RSOrvaPWAmpImageButton.h"

#include "GUI/Widgets/RSWidgetSupport.h"
#include "OrvaPW/OrvaPWTypeNames.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSOrvaPWAmpImageButton::kNumTypes;
const std::array<const char*, kNumTypes> kPictures { "AmpType_Classic_196x171",
                                                     "AmpType_Classic_196x171",
                                                     "AmpType_Slap_196x171",
                                                     "AmpType_Rock_196x171",
                                                     "AmpType_FenderBassman_shadow_196x171",
                                                     "AmpType_Modern_196x171",
                                                     "AmpType_Deep_196x171",
                                                     "AmpType_TightSYNTH_196x171",
                                                     "AmpType_DirtySynth_196x171",
                                                     "AmpType_PunchySynth_196x171",
                                                     "AmpType_FenderDeluxeReverb_shadow_196x171",
                                                     "AmpType_QT50_shadow_196x171",
                                                     "AmpType_QT50_shadow_196x171",
                                                     "AmpType_MarshallJCM800_shadow_196x171",
                                                     "AmpType_MesaBoogie_shadow_196x171",
                                                     "AmpType_ERUPT3_shadow_196x171",
                                                     "AmpType_Flat_196x171" };
const std::array<int, kNumTypes> kNameX { 46, 46, 82, 76, 32, 76, 82, 58, 60, 52, 64, 82, 74, 68, 56, 54, 82 };
const std::array<int, kNumTypes> kNameY { 30, 30, 68, 20, 0, 42, 70, 18, 12, 6, 0, 0, 0, 68, 68, 68, 12 };
const std::array<const char*, kNumTypes> kIcons { "AmpType_Classic_230x158",
                                                  "AmpType_Classic_230x158",
                                                  "AmpType_Slap",
                                                  "AmpType_Rock",
                                                  "AmpType_FenderBassman_shadow_196x171",
                                                  "AmpType_Modern_228x129",
                                                  "AmpType_Deep",
                                                  "AmpType_TightSYNTH",
                                                  "AmpType_DirtySynth",
                                                  "AmpType_PunchySynth",
                                                  "AmpType_FenderDeluxeReverb_shadow",
                                                  "AmpType_QT50_shadow_196x160",
                                                  "AmpType_QT50_shadow_196x160",
                                                  "AmpType_MarshallJCM800_shadow_196x171",
                                                  "AmpType_MesaBoogie_shadow",
                                                  "AmpType_ERUPT3_shadow_196x171",
                                                  "AmpType_Flat_196x171" };
} // namespace

RSOrvaPWAmpImageButton::RSOrvaPWAmpImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSImageButton(owner, selectEnabled, name)
{
    m_ModuleIndex = 0;
    setHighlightColours(juce::Colour(0xFFC5C5C6), juce::Colour(0xFFC5C5C6));
    m_Type = 0;
}

void RSOrvaPWAmpImageButton::mouseDown(const juce::MouseEvent& e)
{
    RSImageButton::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}

juce::String RSOrvaPWAmpImageButton::getPngName(int type)
{
    return kPictures[(size_t) clampType(type, kNumTypes)];
}

juce::String RSOrvaPWAmpImageButton::getIconPngName(int value)
{
    const int type = orvaPW::getAmpType((unsigned char) juce::jlimit(0, 255, value));
    return kIcons[(size_t) clampType(type < 0 ? 0 : type, kNumTypes)];
}

juce::String RSOrvaPWAmpImageButton::getTypeName(int type)
{
    const int t = clampType(type, kNumTypes);
    return orvaPW::getAmpTypeName((orvaPW::eAmpType) t);
}

int RSOrvaPWAmpImageButton::getTypeNameX(int type)
{
    return kNameX[(size_t) clampType(type, kNumTypes)];
}

int RSOrvaPWAmpImageButton::getTypeNameY(int type)
{
    return kNameY[(size_t) clampType(type, kNumTypes)];
}
