#include "GUI/HMQ/HMQReadOnlyTextEditor.h"

HMQReadOnlyTextEditor::HMQReadOnlyTextEditor(const juce::String& name) : RSReadOnlyTextEditor(name)
{
    setJustificationType(juce::Justification::centred);
    setText(juce::String(), juce::dontSendNotification);
    setColour(juce::Label::backgroundColourId, juce::Colours::transparentBlack);
    setColour(juce::Label::textColourId, juce::Colours::white);
}

void HMQReadOnlyTextEditor::mouseDown(const juce::MouseEvent& e)
{
    RSReadOnlyTextEditor::mouseDown(e);
}

void HMQReadOnlyTextEditor::mouseUp(const juce::MouseEvent& e)
{
    RSReadOnlyTextEditor::mouseUp(e);
}
