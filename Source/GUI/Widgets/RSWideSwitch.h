#pragma once

#include "Core/ProductModel.h"

#include <juce_gui_basics/juce_gui_basics.h>

// A button of the global page that shows its on/off parameter as a picture
// in its right half; its look draws the caption on the left.
class RSWideSwitch : public juce::TextButton
{
public:
    RSWideSwitch(const juce::String& name, eProductModelId model, int paramId);
    ~RSWideSwitch() override;

    void paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;

    // "Roomflare_on" or "Roomflare_off" by the value; null without a
    // parameter, model or row.
    virtual juce::Image getParamValueImage();
    int getParamId() const;

    // Where the picture is drawn.
    juce::Rectangle<int> getValueArea() const;

private:
    eProductModelId modelId;
    std::unique_ptr<juce::LookAndFeel> look;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSWideSwitch)
};
