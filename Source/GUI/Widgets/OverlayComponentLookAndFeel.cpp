#include "GUI/Widgets/OverlayComponentLookAndFeel.h"

void OverlayComponentLookAndFeel::drawFrame(juce::Graphics& g, juce::Button& button)
{
    g.setColour(juce::Colours::white.withAlpha(button.isEnabled() ? 1.0f : 0.5f));
    g.drawRect(0, 0, button.getWidth(), button.getHeight());
}

void OverlayComponentLookAndFeel::drawButtonBackground(juce::Graphics& g, juce::Button& button, const juce::Colour&,
                                                       bool isMouseOver, bool isButtonDown)
{
    g.setColour(isButtonDown ? juce::Colours::white : isMouseOver ? juce::Colour(0xFF222222) : juce::Colours::black);
    g.fillRect(0, 0, button.getWidth(), button.getHeight());
    drawFrame(g, button);
}

void OverlayComponentLookAndFeel::drawButtonText(juce::Graphics& g, juce::TextButton& button, bool, bool isButtonDown)
{
    const int w = button.getWidth(), h = button.getHeight();
    const auto font = getTextButtonFont(button, h);
    g.setFont(font);
    g.setColour(isButtonDown ? juce::Colours::black : juce::Colours::white.withAlpha(button.isEnabled() ? 1.0f : 0.5f));

    const int yIndent = juce::jmin(4, button.proportionOfHeight(0.3f));
    const int cornerSize = juce::jmin(w, h) / 2;
    const int fontHeight = juce::roundToInt(font.getHeight() * 0.6f);
    const int leftIndent = juce::jmin(fontHeight, 2 + cornerSize / (button.isConnectedOnLeft() ? 4 : 2));
    const int rightIndent = juce::jmin(fontHeight, 2 + cornerSize / (button.isConnectedOnRight() ? 4 : 2));
    g.drawFittedText(button.getButtonText(), leftIndent, yIndent, w - leftIndent - rightIndent, h - yIndent * 2,
                     juce::Justification::centred, 2);
}

void OverlayComponentLookAndFeel::drawImageButton(juce::Graphics& g, juce::Image* image, int imageX, int imageY, int imageW,
                                                  int imageH, const juce::Colour& overlayColour, float imageOpacity,
                                                  juce::ImageButton& button)
{
    juce::LookAndFeel_V2::drawImageButton(g, image, imageX, imageY, imageW, imageH, overlayColour, imageOpacity, button);
    drawFrame(g, button);
}
