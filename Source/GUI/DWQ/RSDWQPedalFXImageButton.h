#pragma once

#include "GUI/DWQ/RSDWQEffectImageButton.h"

// Type picker of the DWQR modulation effect: 5 types.
class RSDWQPedalFXImageButton : public RSDWQEffectImageButton<RSDraggableImageButton>
{
public:
    RSDWQPedalFXImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name)
        : RSDWQEffectImageButton(DWQEffectPickers::modulation, owner, selectEnabled, name)
    {}

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSDWQPedalFXImageButton)
};
