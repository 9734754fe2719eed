#include "GUI/Widgets/RSLabel.h"

#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSWidgetSupport.h"

RSLabel::RSLabel(const juce::String& name, const juce::String& text, juce::Colour textColour, juce::Colour backgroundColour)
    : juce::Label(name, text)
{
    setWantsKeyboardFocus(true);
    setMouseClickGrabsKeyboardFocus(true);
    setColour(juce::Label::textColourId, textColour);
    setColour(juce::Label::backgroundColourId, backgroundColour);
    setJustificationType(juce::Justification::centred);
}

void RSLabel::paint(juce::Graphics& g)
{
    setFont(RSWidgetSupport::applyFormFontProperties(*this, getFont()));
    juce::Label::paint(g);
}

void RSLabel::mouseDown(const juce::MouseEvent& e)
{
    juce::Component::mouseDown(e);
    if (linkedKnob != nullptr)
    {
        linkedKnob->mouseDown(e.getEventRelativeTo(linkedKnob));
        linkedKnob->repaint();
    }
}

void RSLabel::mouseDrag(const juce::MouseEvent& e)
{
    juce::Component::mouseDrag(e);
    if (linkedKnob != nullptr)
        linkedKnob->mouseDrag(e.getEventRelativeTo(linkedKnob));
}

void RSLabel::mouseUp(const juce::MouseEvent& e)
{
    juce::Label::mouseUp(e);
    if (linkedKnob != nullptr)
        linkedKnob->mouseUp(e.getEventRelativeTo(linkedKnob));
}

void RSLabel::mouseWheelMove(const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    juce::Component::mouseWheelMove(e, wheel);
    if (linkedKnob != nullptr)
        linkedKnob->mouseWheelMove(e.getEventRelativeTo(linkedKnob), wheel);
}
