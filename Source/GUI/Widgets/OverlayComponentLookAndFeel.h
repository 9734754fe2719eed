#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Black-and-white buttons for the overlay pages: black, dark grey under the
// mouse and white when pressed, with a white frame.
class OverlayComponentLookAndFeel : public juce::LookAndFeel_V3
{
public:
    OverlayComponentLookAndFeel() = default;

    void drawButtonBackground(juce::Graphics& g, juce::Button& button, const juce::Colour& backgroundColour, bool isMouseOver,
                              bool isButtonDown) override;
    void drawButtonText(juce::Graphics& g, juce::TextButton& button, bool isMouseOver, bool isButtonDown) override;
    void drawImageButton(juce::Graphics& g, juce::Image* image, int imageX, int imageY, int imageW, int imageH,
                         const juce::Colour& overlayColour, float imageOpacity, juce::ImageButton& button) override;

private:
    static void drawFrame(juce::Graphics& g, juce::Button& button);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OverlayComponentLookAndFeel)
};
