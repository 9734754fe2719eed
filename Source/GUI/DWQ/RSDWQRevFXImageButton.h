#pragma once

#include "GUI/DWQ/RSDWQEffectImageButton.h"

// Type picker of the DWQR delay/reverb: 5 types.
class RSDWQRevFXImageButton : public RSDWQEffectImageButton<RSDraggableImageButton>
{
public:
    RSDWQRevFXImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name)
        : RSDWQEffectImageButton(DWQEffectPickers::delayReverb, owner, selectEnabled, name)
    {}

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSDWQRevFXImageButton)
};
