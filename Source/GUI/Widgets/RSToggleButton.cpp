#include "GUI/Widgets/RSToggleButton.h"

#include "GUI/Widgets/RSWidgetSupport.h"

RSToggleButton::RSToggleButton(const juce::String& text) : juce::ToggleButton(text)
{}

void RSToggleButton::mouseDown(const juce::MouseEvent& e)
{
    juce::ToggleButton::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}
