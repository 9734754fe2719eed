#pragma once

#include "GUI/Orva/RSOrvaPedal2FXImageButton.h"

// The Orva PW second pedal: the Orva picker in the Orva PW colours.
class RSOrvaPWPedal2FXImageButton : public RSOrvaPedal2FXImageButton
{
public:
    RSOrvaPWPedal2FXImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSOrvaPWPedal2FXImageButton)
};
