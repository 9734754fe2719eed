#include "Application/PlatformInitializer.h"

#include "Application/CurrentLanguageModel.h"
#include "GUI/Widgets/FontLibrary.h"
#include "Platform/DocumentOpener.h"
#include "Platform/PlatformFonts.h"
#include "Platform/PlatformLocale.h"

#include <juce_gui_basics/juce_gui_basics.h>

const juce::StringArray& getDefaultFontTable()
{
    static const juce::StringArray table { "Hiragino Maru Gothic ProN", "Hiragino Maru Gothic Pro", "Osaka",
                                           "Hiragino Kaku Gothic ProN", "Hiragino Kaku Gothic Pro" };
    return table;
}

void setLanguage()
{
    CurrentLanguageModel::getInstance()->setLanguage(PlatformLocale::getLanguageCode() == "ja" ? 1 : 0);
}

void searchDefaultFont()
{
    auto chosen = PlatformFonts::getSystemFontFamily(10.0f);

    if (CurrentLanguageModel::getInstance()->isJapanese())
    {
        const auto installed = PlatformFonts::getInstalledTypefaceNames();
        for (auto& candidate : getDefaultFontTable())
        {
            if (installed.contains(candidate, true))
            {
                chosen = candidate;
                break;
            }
        }
    }

    CurrentLanguageModel::getInstance()->setDefaultFontName(chosen);

    auto* fonts = FontLibrary::getInstance();
    fonts->addFont("DefaultFont", FontLibrary::makeFont(chosen, 13.0f, juce::Font::plain));
    fonts->addFont("DefaultBoldFont", FontLibrary::makeFont(chosen, 13.0f, juce::Font::bold));
}

void initializePlatformSpecifics()
{
    setLanguage();
    searchDefaultFont();
    juce::LookAndFeel::getDefaultLookAndFeel().setDefaultSansSerifTypefaceName(
        PlatformFonts::mapTypefaceName(CurrentLanguageModel::getInstance()->getDefaultFontName()));
}

bool launch_file(const juce::String& path)
{
    DocumentOpener::open(path);
    return true;
}
