#pragma once

#include "GUI/AudioEQ/RSAudioEQFunctionButton.h"

// The audio-EQ slot button of the Orva PW.
class OPWAudioEQFunctionButton : public RSAudioEQFunctionButton
{
public:
    OPWAudioEQFunctionButton(juce::Component* owner, int groupId, int slotIndex, const juce::String& text);

protected:
    OrvaDataCenter* getModelDataCenter() const override;
    juce::String getConfirmationText() const override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWAudioEQFunctionButton)
};
