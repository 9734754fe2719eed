#include "GUI/Widgets/RSImageButtonPopupMenuLookAndFeel.h"

#include "GUI/Widgets/FontLibrary.h"

RSImageButtonPopupMenuLookAndFeel::RSImageButtonPopupMenuLookAndFeel()
{
    setColour(juce::PopupMenu::backgroundColourId, juce::Colour(0xFF4F4F4F));
    setColour(juce::PopupMenu::textColourId, juce::Colour(0xFFD4D4D4));
    setColour(juce::PopupMenu::highlightedBackgroundColourId, juce::Colour(0xFFFFAC00));
    setColour(juce::PopupMenu::highlightedTextColourId, juce::Colour(0xFF4F4F4F));
}

void RSImageButtonPopupMenuLookAndFeel::drawPopupMenuBackground(juce::Graphics& g, int width, int height)
{
    g.fillAll(findColour(juce::PopupMenu::backgroundColourId));
    g.setColour(findColour(juce::PopupMenu::textColourId).withAlpha(0.6f));
    g.drawRect(0, 0, width, height, 1);
}

juce::Font RSImageButtonPopupMenuLookAndFeel::getPopupMenuFont()
{
    auto* fonts = FontLibrary::getInstanceWithoutCreating();
    return fonts != nullptr ? fonts->getFont("AmpTypePopup") : FontLibrary::DefaultFont();
}
