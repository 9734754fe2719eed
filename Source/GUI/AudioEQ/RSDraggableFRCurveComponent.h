#pragma once

#include "GUI/AudioEQ/RSFrequencyResponseCurveComponent.h"

// The response curve of the audio-EQ page, which also starts the drag of the
// EQ being edited: dragged onto a slot button it is stored into that slot.
class RSDraggableFRCurveComponent : public RSFrequencyResponseCurveComponent,
                                    public juce::DragAndDropContainer
{
public:
    // How far (|dx| + |dy|, pixels) the pointer moves before a drag starts.
    static constexpr int m_DragSensitivity = 5;

    RSDraggableFRCurveComponent(double fs, double lowestDb, double highestDb);

    void mouseEnter(const juce::MouseEvent& e) override;
    void mouseExit(const juce::MouseEvent& e) override;
    void mouseDown(const juce::MouseEvent& e) override;
    void mouseDrag(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;

    void updateBackground() override { repaint(); }

    bool isHovered() const noexcept { return hover; }
    bool isDragStarted() const noexcept { return dragStarted; }

private:
    bool hover = false;
    bool dragStarted = false;
    int dragX = 0;
    int dragY = 0;
    juce::String unused;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSDraggableFRCurveComponent)
};
