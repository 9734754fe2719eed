#pragma once

#include "Core/ProductModel.h"

#include <juce_gui_basics/juce_gui_basics.h>

// A button of the global page that shows its parameter's current value as
// text in its right half; its look draws the caption on the left.
class RSValDispButton : public juce::TextButton
{
public:
    RSValDispButton(const juce::String& name, eProductModelId model, int paramId);
    ~RSValDispButton() override;

    void paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;

    // The value text, empty without a parameter, model or row.
    virtual juce::String getParamValueString();
    int getParamId() const;

    // Where the value is drawn.
    juce::Rectangle<int> getValueArea() const;

private:
    eProductModelId modelId;
    std::unique_ptr<juce::LookAndFeel> look;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSValDispButton)
};
