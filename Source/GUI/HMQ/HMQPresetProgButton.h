#pragma once

#include "GUI/HMQ/HMQProgSelectButton.h"

// A factory preset of the HMQ: selected by a click, dragged onto user and
// file slots; it takes no drop itself.
class HMQPresetProgButton : public HMQProgSelectButton
{
public:
    HMQPresetProgButton(juce::Component* parent, int groupId, int ampType, int program, const juce::String& name);

    void paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;
    void updateBackground() override;
    // The button text becomes the preset's name.
    void RenewButtonSetting() override;
    bool isInterestedInDragSource(const SourceDetails&) override { return false; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQPresetProgButton)
};
