#pragma once

#include "GUI/DWQ/RSDWQEffectImageButton.h"

// Type picker of the DWQR modulation effect, without dragging: 5 types.
class RSDWQPedalFXImageButtonSmall : public RSDWQEffectImageButton<RSImageButton>
{
public:
    RSDWQPedalFXImageButtonSmall(juce::Component* owner, bool selectEnabled, const juce::String& name)
        : RSDWQEffectImageButton(DWQEffectPickers::modulation, owner, selectEnabled, name)
    {}

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSDWQPedalFXImageButtonSmall)
};
