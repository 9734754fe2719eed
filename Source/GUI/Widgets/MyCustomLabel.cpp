#include "GUI/Widgets/MyCustomLabel.h"

#include "GUI/Widgets/RSWidgetSupport.h"

MyCustomLabel::MyCustomLabel(const juce::String& name, const juce::String& text) : juce::Label(name, text)
{}

void MyCustomLabel::mouseDown(const juce::MouseEvent& e)
{
    juce::Label::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}
