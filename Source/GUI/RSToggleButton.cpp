#include "GUI/RSToggleButton.h"

#include "GUI/RSWidgetSupport.h"

RSToggleButton::RSToggleButton(const juce::String& text) : juce::ToggleButton(text)
{}

void RSToggleButton::mouseDown(const juce::MouseEvent& e)
{
    juce::ToggleButton::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}
