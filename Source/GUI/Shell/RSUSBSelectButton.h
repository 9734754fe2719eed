#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A mode button of the USB-routing page ("MODE 1" .. "MODE 3"): selects on
// mouse down, never takes the keyboard focus, and draws its fill and
// outline in the model's colours when on.
class RSUSBSelectButton : public juce::ImageButton
{
public:
    RSUSBSelectButton(juce::Component* owner, int groupId, int modeIndex, const juce::String& text, juce::Colour outline,
                      juce::Colour fill);

    void paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;

    virtual void updateBackground();
    virtual void RenewButtonSetting() {}

    int getModeIndex() const noexcept { return modeIndex; }
    juce::Colour getOutlineColour() const noexcept { return outlineColour; }
    juce::Colour getFillColour() const noexcept { return fillColour; }

private:
    juce::Component* owner;
    juce::Colour outlineColour;
    juce::Colour fillColour;
    int modeIndex;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSUSBSelectButton)
};
