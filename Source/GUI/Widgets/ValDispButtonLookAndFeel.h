#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The caption look of a global-page button: the caption sits small in the
// button's upper left; the button draws its value on the right itself.
class ValDispButtonLookAndFeel : public juce::LookAndFeel_V3
{
public:
    ValDispButtonLookAndFeel() = default;

    void drawButtonText(juce::Graphics& g, juce::TextButton& button, bool isMouseOver, bool isButtonDown) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(ValDispButtonLookAndFeel)
};
