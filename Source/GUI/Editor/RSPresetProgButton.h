#pragma once

#include "GUI/Editor/RSProgSelectButton.h"

// A factory preset of the DWQ librarian (programs 0-10): a drag source
// only, never a drop target.
class RSPresetProgButton : public RSProgSelectButton
{
public:
    RSPresetProgButton(juce::Component* owner, int groupId, int ampType, int programNumber, const juce::String& name);
    ~RSPresetProgButton() override = default;

    void paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;
    void updateBackground() override;
    // The button text becomes the preset's name.
    void RenewButtonSetting() override;
    bool isInterestedInDragSource(const SourceDetails&) override { return false; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSPresetProgButton)
};
