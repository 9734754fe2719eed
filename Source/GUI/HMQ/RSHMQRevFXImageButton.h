#pragma once

#include "GUI/Widgets/RSDraggableImageButton.h"

// Type picker of the HMQ reverb: 4 types.
class RSHMQRevFXImageButton : public RSDraggableImageButton
{
public:
    static constexpr int kNumTypes = 4;

    RSHMQRevFXImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name);

    void mouseDown(const juce::MouseEvent& e) override;
    juce::String getPngName(int type) override;
    juce::String getIconPngName(int type) override;
    juce::String getTypeName(int type) override;
    int getTypeNameX(int type) override;
    int getTypeNameY(int type) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSHMQRevFXImageButton)
};
