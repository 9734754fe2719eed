#include "GUI/Widgets/FontLibrary.h"

#include "Application/CurrentLanguageModel.h"
#include "Platform/PlatformFonts.h"

juce::Font FontLibrary::makeFont(const juce::String& typefaceName, float height, int styleFlags)
{
    return juce::Font(PlatformFonts::mapTypefaceName(typefaceName), height, styleFlags);
}

juce::Font FontLibrary::DefaultFont()
{
    return makeFont("Helvetica", 12.0f, juce::Font::plain);
}

juce::Font FontLibrary::named(const juce::String& key)
{
    auto* fonts = getInstance();
    return fonts != nullptr ? fonts->getFont(key) : DefaultFont();
}

void FontLibrary::addFont(const juce::String& key, const juce::Font& font)
{
    fonts.emplace(key, font); // keeps an existing entry of the same key
}

juce::Font FontLibrary::getFont(const juce::String& key) const
{
    auto it = fonts.find(key);
    return it != fonts.end() ? it->second : DefaultFont();
}

void FontLibrary::initialize()
{
    struct Row
    {
        const char* key;
        const char* face; // null: the framework's default typeface
        float height;
        int style;
    };

    static const Row rows[] = {
        { "AmpTypePopup", "Helvetica", 20.0f, juce::Font::plain },
        { "AmpTypeButton", "Helvetica", 14.0f, juce::Font::plain },
        { "ProgramNameButton", "Helvetica", 12.5f, juce::Font::plain },
        { "AmpTypeButtonMini", "Helvetica", 12.0f, juce::Font::plain },
        { "ProgramListNumber", "Helvetica", 13.0f, juce::Font::plain },
        { "ProgramListName", "Helvetica", 13.0f, juce::Font::plain },
        { "ProgramListCategory", "Helvetica", 13.0f, juce::Font::plain },
        { "FavoriteDisplayNumber", "Helvetica", 14.0f, juce::Font::plain },
        { "FavoriteDisplayName", "Helvetica", 14.0f, juce::Font::plain },
        { "PresetListItemPresetData", "Helvetica", 13.0f, juce::Font::plain },
        { "PresetListItemProgram", "Helvetica", 13.0f, juce::Font::plain },
        { "MidiCommunicationDialogStatus", nullptr, 14.0f, juce::Font::plain },
        { "MidiCommunicationDialogDetail", nullptr, 12.5f, juce::Font::plain },
        { "HeaderModeButton", "Helvetica", 13.0f, juce::Font::plain },
        { "AmpParam", "Helvetica", 14.0f, juce::Font::plain },
        { "AmpParamMini", "Helvetica", 10.0f, juce::Font::plain },
        { "CustomLarge", "Helvetica", 16.0f, juce::Font::plain },
        { "CustomSmall", "Helvetica", 12.0f, juce::Font::plain },
    };

    for (auto& row : rows)
    {
        if (row.face == nullptr)
            addFont(row.key, juce::Font(row.height, row.style));
        else
            addFont(row.key, makeFont(row.face, row.height, row.style));
    }

    const bool japanese = CurrentLanguageModel::getInstance()->isJapanese();
    if (japanese)
    {
        addFont("ComboBoxLookAndFeel", makeFont("Hiragino Kaku Gothic ProN", 16.0f, juce::Font::plain));
        addFont("PopupMenuxLookAndFeel", makeFont("Hiragino Kaku Gothic ProN", 16.0f, juce::Font::plain));
        addFont("ToolTipLookAndFeel", makeFont("Hiragino Kaku Gothic ProN", 11.0f, juce::Font::bold));
    }
    else
    {
        addFont("ComboBoxLookAndFeel", makeFont("Arial Unicode MS", 19.0f, juce::Font::plain));
        addFont("PopupMenuxLookAndFeel", makeFont("Arial Unicode MS", 19.0f, juce::Font::plain));
        addFont("ToolTipLookAndFeel", makeFont("Helvetica", 14.0f, juce::Font::bold));
    }

    addFont("TextInputNormal", makeFont("Helvetica", 12.0f, juce::Font::plain));
    addFont("CatalogPaneTypeName", makeFont("Helvetica", 11.0f, juce::Font::plain));
}

juce::Font FontLibrary::getDeviceSelectDeviceNameFont()
{
    return makeFont("Arial", 20.0f, juce::Font::plain);
}

juce::Font FontLibrary::getDeviceSelectListPortSmallFont()
{
    return juce::Font(14.5f, juce::Font::plain);
}

juce::Font FontLibrary::getDeviceSelectListPortLargeFont()
{
    return juce::Font(15.0f, juce::Font::plain);
}
