#include "GUI/Orva/RSOrvaKXAmpImageButton.h"

#include "GUI/Widgets/RSWidgetSupport.h"
#include "GUI/Widgets/SharedAmpPictures.h"
#include "OrvaKX/OrvaKXTypeNames.h"

#include <array>

namespace
{
constexpr int kNumTypes = RSOrvaKXAmpImageButton::kNumTypes;
static_assert(kNumTypes == SharedAmpPictures::count + 3);
const std::array<const char*, 3> kOwnPictures { "AmpType_TexasLead_196x171", "AmpType_AcousticSimulator_196x171",
                                                "AmpType_Flat_196x171" };
const std::array<int, kNumTypes> kNameX { 36, 38, 36, 36, 58, 58, 84, 76, 44, 44, 72, 73,
                                          80, 60, 56, 58, 58, 50, 66, 60, 62, 32, 84 };
const std::array<int, kNumTypes> kNameY { 0, 0, 0, 0, 68, 68, 0, 0, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 68, 0, 0, 58, 12 };
const std::array<const char*, 3> kOwnIcons { "AmpType_TexasLead_196x171", "AmpType_AcousticSimulator_196x108",
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
    return SharedAmpPictures::pick(SharedAmpPictures::large, kOwnPictures, type);
}

juce::String RSOrvaKXAmpImageButton::getIconPngName(int value)
{
    const int type = orvaKX::getAmpType((unsigned char) juce::jlimit(0, 255, value));
    return SharedAmpPictures::pick(SharedAmpPictures::icons, kOwnIcons, type);
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
