#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class RSKnob;

// An editable one-line value field. Return and Escape hand the focus back to
// the parent; the page that owns the field parses what was typed.
class RSTextEditor : public juce::TextEditor,
                     public juce::TextEditor::Listener
{
public:
    explicit RSTextEditor(const juce::String& name);
    ~RSTextEditor() override;

    void setLinkedKnob(RSKnob* knob) noexcept { linkedKnob = knob; }
    RSKnob* getLinkedKnob() const noexcept { return linkedKnob; }

    void resized() override;
    juce::TextInputTarget::VirtualKeyboardType getKeyboardType() override;

    void textEditorReturnKeyPressed(juce::TextEditor& editor) override;
    void textEditorEscapeKeyPressed(juce::TextEditor& editor) override;
    void textEditorFocusLost(juce::TextEditor& editor) override;

    // As the read-only value display's.
    virtual bool SetFormatValue(int value);

private:
    RSKnob* linkedKnob = nullptr; // not owned

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSTextEditor)
};
