#include "GUI/Editor/PGNameBoxComponent.h"

PGNameBoxComponent::PGNameBoxComponent(const juce::String& name) : juce::TextEditor(name)
{
    setMultiLine(false, true);
    setReturnKeyStartsNewLine(false);
    setReadOnly(false);
    setScrollbarsShown(false);
    setCaretVisible(true);
    setPopupMenuEnabled(false);

    setColour(juce::TextEditor::textColourId, juce::Colour(0xFFFCFCFC));
    setColour(juce::TextEditor::backgroundColourId, juce::Colours::transparentBlack);
    setColour(juce::TextEditor::highlightColourId, juce::Colours::lightgrey);
    setColour(juce::TextEditor::highlightedTextColourId, juce::Colours::black);
    setColour(juce::CaretComponent::caretColourId, juce::Colours::white);
    setColour(juce::TextEditor::outlineColourId, juce::Colour(0x00FFFFFF));
    setColour(juce::TextEditor::shadowColourId, juce::Colour(0x00FFFFFF));
}

void PGNameBoxComponent::paint(juce::Graphics& g)
{
    // The gradient spans the whole box, whatever part of it is repainted.
    g.setGradientFill(
        juce::ColourGradient(juce::Colour(0xFF000000), 0.0f, 0.0f, juce::Colour(0xFF3F3F3F), 0.0f, (float) getHeight(), false));
    g.fillRect(getLocalBounds());
}
