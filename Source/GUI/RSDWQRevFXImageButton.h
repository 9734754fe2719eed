#pragma once

#include "GUI/RSDraggableImageButton.h"

// Type picker of the DWQR delay/reverb: 5 types.
class RSDWQRevFXImageButton : public RSDraggableImageButton
{
public:
    static constexpr int kNumTypes = 5;

    RSDWQRevFXImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name);

    void mouseDown(const juce::MouseEvent& e) override;
    void setType(int type) override;
    juce::String getPngName(int type) override;
    juce::String getIconPngName(int type) override;
    juce::String getTypeName(int type) override;
    int getTypeNameX(int type) override;
    int getTypeNameY(int type) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSDWQRevFXImageButton)
};
