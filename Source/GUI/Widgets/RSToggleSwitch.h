#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The power-switch picture button of the parameter pages; the artwork set
// follows the current device's model.
class RSToggleSwitch : public juce::ImageButton
{
public:
    explicit RSToggleSwitch(const juce::String& name);

    void mouseDown(const juce::MouseEvent& e) override;
    void resized() override;

    // The off, mouse-over and on artwork of the model.
    static juce::StringArray getImageNamesForModel(int modelId);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSToggleSwitch)
};
