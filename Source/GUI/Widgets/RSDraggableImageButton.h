#pragma once

#include "GUI/Widgets/RSImageButton.h"

// A type picker whose module picture can be dragged onto other targets. The
// drag starts once the pointer has moved m_DragSensitivity pixels from where
// it entered the button.
class RSDraggableImageButton : public RSImageButton,
                               public juce::DragAndDropContainer
{
public:
    static constexpr int m_DragSensitivity = 3;

    RSDraggableImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name);

    void mouseEnter(const juce::MouseEvent& e) override;
    void mouseExit(const juce::MouseEvent& e) override;
    void mouseDrag(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;
    virtual void updateBackground();

    bool isDragStarted() const noexcept { return m_DragStarted; }
    // Where the pointer entered the picture, in its own coordinates.
    int getEntryX() const noexcept { return m_EntryX; }
    int getEntryY() const noexcept { return m_EntryY; }

private:
    bool m_DragStarted = false;
    int m_EntryX = 0;
    int m_EntryY = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSDraggableImageButton)
};
