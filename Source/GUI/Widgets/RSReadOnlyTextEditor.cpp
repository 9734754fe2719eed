#include "GUI/Widgets/RSReadOnlyTextEditor.h"

#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "UIForm/UIFormIds.h"

RSReadOnlyTextEditor::RSReadOnlyTextEditor(const juce::String& name) : juce::Label(name, juce::String())
{
    setJustificationType(juce::Justification::centred);
    setColour(juce::Label::backgroundColourId, juce::Colours::transparentBlack);
    setColour(juce::Label::textColourId, juce::Colours::white);
}

void RSReadOnlyTextEditor::mouseDown(const juce::MouseEvent& e)
{
    juce::Component::mouseDown(e);
    if (linkedKnob != nullptr)
    {
        linkedKnob->mouseDown(e.getEventRelativeTo(linkedKnob));
        linkedKnob->repaint();
    }
}

void RSReadOnlyTextEditor::mouseDrag(const juce::MouseEvent& e)
{
    juce::Component::mouseDrag(e);
    if (linkedKnob != nullptr)
        linkedKnob->mouseDrag(e.getEventRelativeTo(linkedKnob));
}

void RSReadOnlyTextEditor::mouseUp(const juce::MouseEvent& e)
{
    juce::Label::mouseUp(e);
    if (linkedKnob != nullptr)
        linkedKnob->mouseUp(e.getEventRelativeTo(linkedKnob));
}

void RSReadOnlyTextEditor::mouseWheelMove(const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    juce::Component::mouseWheelMove(e, wheel);
    if (linkedKnob != nullptr)
        linkedKnob->mouseWheelMove(e.getEventRelativeTo(linkedKnob), wheel);
}

void RSReadOnlyTextEditor::resized()
{
    juce::Label::resized();
}

bool RSReadOnlyTextEditor::SetFormatValue(int value)
{
    if (linkedKnob == nullptr)
        return false;
    const int paramId = linkedKnob->getProperties().getWithDefault(UIFormProperty::ParamId, -1);
    if (paramId == -1)
        return false;

    setFont(RSWidgetSupport::applyFormFontProperties(*this, getFont()));

    juce::String text;
    if (! RSWidgetSupport::formatParamValue(RSWidgetSupport::getCurrentModelId(), paramId, value, text))
        return false;
    setText(text, juce::sendNotification);
    return true;
}
