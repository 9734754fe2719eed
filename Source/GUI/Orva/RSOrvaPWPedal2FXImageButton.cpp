#include "GUI/Orva/RSOrvaPWPedal2FXImageButton.h"

RSOrvaPWPedal2FXImageButton::RSOrvaPWPedal2FXImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSOrvaPedal2FXImageButton(owner, selectEnabled, name)
{
    setHighlightColours(juce::Colour(0xFFC5C5C6), juce::Colour(0xFFC5C5C6));
}
