#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class OrvaDataCenter;

// A slot button of the audio-EQ page ("OFF", "EQ 1" .. "EQ 4"). A click
// selects the slot at once (on mouse down); a slot can be dragged onto
// another slot button, and a dropped slot or current EQ is written into the
// button's slot after the confirmation. The model subclasses give the
// colours, the question and the data centre they write to.
class RSAudioEQFunctionButton : public juce::ImageButton,
                                public juce::DragAndDropContainer,
                                public juce::DragAndDropTarget
{
public:
    // How far (|dx| + |dy|, pixels) the pointer moves before a drag starts.
    static constexpr int m_DragSensitivity = 5;

    RSAudioEQFunctionButton(juce::Component* owner, int groupId, int slotIndex, const juce::String& text);

    void mouseEnter(const juce::MouseEvent& e) override;
    void mouseExit(const juce::MouseEvent& e) override;
    void mouseDown(const juce::MouseEvent& e) override;
    void mouseDrag(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;
    void paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;

    virtual void updateBackground();
    virtual void RenewButtonSetting() {}

    bool isInterestedInDragSource(const SourceDetails& details) override;
    void itemDragEnter(const SourceDetails& details) override;
    void itemDragMove(const SourceDetails& details) override;
    void itemDragExit(const SourceDetails& details) override;
    void itemDropped(const SourceDetails& details) override;

    // Writes the dropped block into slot (0..3) and sends it: the current
    // block for the current-EQ drag id, else stored slot number.
    virtual void afterDropExecute(int slot, int number, const juce::String& dragId);

    int getSlotIndex() const noexcept { return slotIndex; }
    bool isDragStarted() const noexcept { return dragStarted; }
    bool isDropHover() const noexcept { return dropHover; }
    juce::Colour getFrameColour() const noexcept { return frameColour; }
    juce::Colour getFillColour() const noexcept { return fillColour; }

protected:
    // The data centre of the button's model; null when the connected data
    // centre is of another model or there is none.
    virtual OrvaDataCenter* getModelDataCenter() const = 0;
    virtual juce::String getConfirmationText() const = 0;

    juce::Component* owner;
    bool hover = false;
    bool dropHover = false;
    bool dragStarted = false;
    int dragX = 0;
    int dragY = 0;
    juce::String unused;
    int slotIndex;
    juce::Colour frameColour { juce::Colours::white };
    juce::Colour fillColour { juce::Colours::white };

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSAudioEQFunctionButton)
};
