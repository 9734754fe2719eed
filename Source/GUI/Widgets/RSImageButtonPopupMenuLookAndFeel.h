#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The look of a type picker's type menu: dark grey menu, light text, a
// highlighted row in the picker's colour.
class RSImageButtonPopupMenuLookAndFeel : public juce::LookAndFeel_V3
{
public:
    RSImageButtonPopupMenuLookAndFeel();

    void drawPopupMenuBackground(juce::Graphics& g, int width, int height) override;
    juce::Font getPopupMenuFont() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSImageButtonPopupMenuLookAndFeel)
};
