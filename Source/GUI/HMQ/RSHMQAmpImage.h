#pragma once

#include "GUI/Widgets/RSImage.h"

// The amp picture of an HMQ custom amp slot, with the custom badge over it.
// The owning page sets m_Type; a press is passed to the parent.
class RSHMQAmpImage : public RSImage
{
public:
    static constexpr int kNumTypes = 20;

    explicit RSHMQAmpImage(const juce::String& name = {});

    void paint(juce::Graphics& g) override;
    juce::String getPngName(int type) override;
    void mouseDown(const juce::MouseEvent& e) override;

    static const char* const overlayName;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSHMQAmpImage)
};
