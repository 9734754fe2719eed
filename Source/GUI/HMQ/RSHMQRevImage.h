#pragma once

#include "GUI/Widgets/RSImage.h"

// The reverb picture of an HMQ custom effect slot, with the custom badge over it.
// The owning page sets m_Type; a press is passed to the parent.
class RSHMQRevImage : public RSImage
{
public:
    static constexpr int kNumTypes = 4;

    explicit RSHMQRevImage(const juce::String& name = {});

    void paint(juce::Graphics& g) override;
    juce::String getPngName(int type) override;
    void mouseDown(const juce::MouseEvent& e) override;

    static const char* const overlayName;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSHMQRevImage)
};
