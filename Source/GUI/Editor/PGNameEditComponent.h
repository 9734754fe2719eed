#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class DataCenter;
class PGNameBoxComponent;

// The name strip of an editor page: where the current program comes from
// (a caption) and its name, which Return commits and sends to the
// amplifier and a focus loss discards. The model subclasses change only the
// caption texts and the placement of the two children.
class PGNameEditComponent : public juce::Component,
                            public juce::TextEditor::Listener,
                            public juce::ChangeListener
{
public:
    PGNameEditComponent(int width, int height);
    ~PGNameEditComponent() override;

    // Name and caption from the data centre.
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void textEditorTextChanged(juce::TextEditor& editor) override;
    void textEditorReturnKeyPressed(juce::TextEditor& editor) override;
    void textEditorEscapeKeyPressed(juce::TextEditor& editor) override;
    void textEditorFocusLost(juce::TextEditor& editor) override;

    void paint(juce::Graphics&) override {}
    void resized() override;
    bool keyPressed(const juce::KeyPress&) override { return false; }

    PGNameBoxComponent* getNameBox() const noexcept { return m_NameBox; }
    juce::Label* getProgramLabel() const noexcept { return m_Label; }

    // The name as stored and sent: the first 16 characters, and in their
    // UTF-8 form every control byte, DEL and byte beyond ASCII replaced by a
    // blank. A letter of two bytes thus becomes two blanks; what lies beyond
    // 16 bytes is cut when the name is stored.
    static juce::String cleanProgramName(const juce::String& text);

    // The name of the program being edited as the program buttons show the
    // same record: every byte outside 0x20-0x7E one blank, the blanks at its
    // end left out. Return with nothing typed thus stores what is shown.
    static juce::String shownProgramName(DataCenter& dataCenter);

protected:
    // The caption of program n; false leaves the label as it is.
    virtual bool captionForProgram(int n, juce::String& text, juce::Justification& justification);

    PGNameBoxComponent* m_NameBox = nullptr;
    juce::Label* m_Label = nullptr;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(PGNameEditComponent)
};
