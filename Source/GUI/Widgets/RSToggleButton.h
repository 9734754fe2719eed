#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A toggle button that reports its mouse-downs to its parent.
class RSToggleButton : public juce::ToggleButton
{
public:
    explicit RSToggleButton(const juce::String& text = {});

    void mouseDown(const juce::MouseEvent& e) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSToggleButton)
};
