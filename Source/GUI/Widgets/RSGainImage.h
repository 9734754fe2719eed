#pragma once

#include "GUI/Widgets/RSImage.h"

// The gain badge of a parameter page: the same picture whatever the type.
class RSGainImage : public RSImage
{
public:
    explicit RSGainImage(const juce::String& name);

    juce::String getPngName(int type) override;
    // Hands the keyboard focus to the page.
    void mouseDown(const juce::MouseEvent& e) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSGainImage)
};
