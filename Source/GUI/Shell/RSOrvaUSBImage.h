#pragma once

#include "GUI/Widgets/RSImage.h"

// The USB-routing diagram of the Orva models, one picture per routing mode.
class RSOrvaUSBImage : public RSImage
{
public:
    static constexpr int kNumTypes = 3;

    explicit RSOrvaUSBImage(const juce::String& name);

    void paint(juce::Graphics& g) override;
    juce::String getPngName(int type) override;
    void mouseDown(const juce::MouseEvent& e) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSOrvaUSBImage)
};
