#include "GUI/Widgets/RSTextEditor.h"

#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "UIForm/UIFormIds.h"

RSTextEditor::RSTextEditor(const juce::String& name) : juce::TextEditor(name, 0)
{
    setMultiLine(false, true);
    setReturnKeyStartsNewLine(false);
    setReadOnly(false);
    setScrollbarsShown(false);
    setCaretVisible(true);
    setPopupMenuEnabled(false);
    setText(juce::String(), false);

    setColour(juce::TextEditor::backgroundColourId, juce::Colours::darkgrey);
    setColour(juce::TextEditor::textColourId, juce::Colours::white);
    setColour(juce::TextEditor::highlightColourId, juce::Colours::lightgrey);
    setColour(juce::TextEditor::highlightedTextColourId, juce::Colours::black);
    setColour(juce::CaretComponent::caretColourId, juce::Colours::white);

    addListener(this);
}

RSTextEditor::~RSTextEditor()
{
    removeListener(this);
}

void RSTextEditor::resized()
{
    juce::TextEditor::resized();
}

juce::TextInputTarget::VirtualKeyboardType RSTextEditor::getKeyboardType()
{
    return juce::TextInputTarget::numericKeyboard;
}

void RSTextEditor::textEditorReturnKeyPressed(juce::TextEditor&)
{
    if (auto* parent = getParentComponent())
        parent->grabKeyboardFocus();
}

void RSTextEditor::textEditorEscapeKeyPressed(juce::TextEditor&)
{
    if (auto* parent = getParentComponent())
        parent->grabKeyboardFocus();
}

void RSTextEditor::textEditorFocusLost(juce::TextEditor&)
{
    repaint();
}

bool RSTextEditor::SetFormatValue(int value)
{
    if (linkedKnob == nullptr)
        return false;
    const int paramId = linkedKnob->getProperties().getWithDefault(UIFormProperty::ParamId, -1);
    if (paramId == -1)
        return false;

    applyFontToAllText(RSWidgetSupport::applyFormFontProperties(*this, getFont()));

    juce::String text;
    if (! RSWidgetSupport::formatParamValue(RSWidgetSupport::getCurrentModelId(), paramId, value, text))
        return false;
    setText(text, true);
    return true;
}
