#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Toggle buttons whose tick box is a red glass sphere: bright when ticked,
// translucent dark red when not.
class ToggleButtonLookAndFeel : public juce::LookAndFeel_V3
{
public:
    ToggleButtonLookAndFeel() = default;

    void drawToggleButton(juce::Graphics& g, juce::ToggleButton& button, bool isMouseOver, bool isButtonDown) override;
    void drawTickBox(juce::Graphics& g, juce::Component& component, float x, float y, float w, float h, bool ticked,
                     bool isEnabled, bool isMouseOver, bool isButtonDown) override;

    // The sphere's colour for the state.
    static juce::Colour sphereColour(bool ticked, bool isMouseOver, bool isButtonDown);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(ToggleButtonLookAndFeel)
};
