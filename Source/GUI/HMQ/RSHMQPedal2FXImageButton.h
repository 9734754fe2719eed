#pragma once

#include "GUI/Widgets/RSDraggableImageButton.h"

// Type picker of the HMQ second pedal: 7 types.
class RSHMQPedal2FXImageButton : public RSDraggableImageButton
{
public:
    static constexpr int kNumTypes = 7;

    RSHMQPedal2FXImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name);

    void mouseDown(const juce::MouseEvent& e) override;
    juce::String getPngName(int type) override;
    juce::String getIconPngName(int type) override;
    juce::String getTypeName(int type) override;
    int getTypeNameX(int type) override;
    int getTypeNameY(int type) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSHMQPedal2FXImageButton)
};
