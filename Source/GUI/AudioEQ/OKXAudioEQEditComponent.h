#pragma once

#include "GUI/AudioEQ/AudioEQEditComponent.h"

// The audio-EQ page of the Orva KX and its wireless twin.
class OKXAudioEQEditComponent : public AudioEQEditComponent
{
public:
    OKXAudioEQEditComponent() = default;

protected:
    OrvaDataCenter* getModelDataCenter() const override;
    juce::String getBackgroundImageName() const override { return "bg_AudioEQKX"; }
    juce::Colour getLineColour() const override { return juce::Colour(0xFFCEA939); }
    RSAudioEQFunctionButton* createSlotButton(int slotIndex, const juce::String& text) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXAudioEQEditComponent)
};
