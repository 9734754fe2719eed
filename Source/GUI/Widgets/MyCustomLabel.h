#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A text of a custom amp slot: a press on it counts as a press on its slot.
class MyCustomLabel : public juce::Label
{
public:
    explicit MyCustomLabel(const juce::String& name = {}, const juce::String& text = {});

    void mouseDown(const juce::MouseEvent& e) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(MyCustomLabel)
};
