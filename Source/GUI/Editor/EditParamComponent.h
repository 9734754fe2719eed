#pragma once

#include "GUI/Editor/AnotherComponentListner.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The parameter area of an editor page: module pictures and value controls
// built from the model's form layer. It owns every child. The model
// subclass builds the widgets, writes their edits and follows the section
// events routed to handleMessageSub.
class EditParamComponent : public juce::Component,
                           public juce::ChangeListener,
                           public juce::Button::Listener,
                           public juce::Slider::Listener,
                           public juce::TextEditor::Listener,
                           public juce::Label::Listener,
                           public juce::DragAndDropContainer,
                           public juce::DragAndDropTarget,
                           public juce::ComboBox::Listener,
                           public AnotherComponentListner
{
public:
    EditParamComponent(int width, int height);
    ~EditParamComponent() override;

    // scanUIForm, scanLinkedComponent, repaint.
    virtual void initialise();
    virtual void scanUIForm() = 0;
    virtual void scanLinkedComponent() = 0;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override = 0;
    void textEditorTextChanged(juce::TextEditor&) override {}
    void textEditorReturnKeyPressed(juce::TextEditor&) override {}
    void textEditorEscapeKeyPressed(juce::TextEditor&) override {}
    void textEditorFocusLost(juce::TextEditor&) override {}
    void buttonClicked(juce::Button* button) override = 0;
    void sliderValueChanged(juce::Slider* slider) override = 0;
    void comboBoxChanged(juce::ComboBox* combo) override = 0;
    void labelTextChanged(juce::Label* label) override = 0;
    virtual void handleMessageSub(const juce::Message& message) = 0;
    // Repaints the whole top view of the main component.
    virtual void updateBackground();
    // Only module drags.
    bool isInterestedInDragSource(const SourceDetails& details) override;
    void itemDragEnter(const SourceDetails& details) override;
    void itemDragMove(const SourceDetails& details) override = 0;
    void itemDragExit(const SourceDetails& details) override;
    void itemDropped(const SourceDetails& details) override = 0;

    void mouseEnter(const juce::MouseEvent& e) override;
    void mouseExit(const juce::MouseEvent& e) override;
    void mouseDown(const juce::MouseEvent& e) override;
    void mouseDrag(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;
    void paint(juce::Graphics& g) override;
    // Children with an "ID" go back to their form bounds.
    void resized() override;

    // A rounded frame with the title in a gap of its top edge.
    void drawOutLine(juce::Graphics& g, int x, int y, int w, int h, juce::String title);

    int getSelectedModule() const noexcept { return m_SelectedModule; }
    int getPrevSelectedModule() const noexcept { return m_PrevSelectedModule; }
    bool isMouseOverArea() const noexcept { return m_MouseOver; }
    bool isDragOver() const noexcept { return m_DragOver; }
    bool isDragStarted() const noexcept { return m_DragStarted; }
    juce::Point<int> getDragOrigin() const noexcept { return m_DragOrigin; }
    juce::ComponentAnimator& getAnimator() noexcept { return m_Animator; }

    // Pixels (|dx| + |dy|) before a press on the background starts a drag of
    // the program being edited.
    static const int m_DragSensitivity;
    // Pixels a dragged pedal picture must travel to switch its pedal.
    static const int m_DragOnOffSensitivity;

protected:
    int m_SignalChainY = 135;
    juce::ComponentAnimator m_Animator;
    int m_SelectedModule = -1;
    int m_PrevSelectedModule = -1;
    bool m_MouseOver = true;
    bool m_DragOver = false;
    int m_Width;
    int m_Height;
    bool m_DragStarted = false;
    juce::Point<int> m_DragOrigin;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(EditParamComponent)
};
