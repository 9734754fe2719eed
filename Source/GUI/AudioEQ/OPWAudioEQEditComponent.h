#pragma once

#include "GUI/AudioEQ/AudioEQEditComponent.h"

// The audio-EQ page of the Orva PW and its wireless twin.
class OPWAudioEQEditComponent : public AudioEQEditComponent
{
public:
    OPWAudioEQEditComponent() = default;

protected:
    OrvaDataCenter* getModelDataCenter() const override;
    juce::String getBackgroundImageName() const override { return "bg_AudioEQPW"; }
    juce::Colour getLineColour() const override { return juce::Colour(0xFFC5C5C6); }
    RSAudioEQFunctionButton* createSlotButton(int slotIndex, const juce::String& text) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWAudioEQEditComponent)
};
