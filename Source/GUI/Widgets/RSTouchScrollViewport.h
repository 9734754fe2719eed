#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The sideways-scrolling window of a catalogue pane. Drag scrolling is on;
// the overlay page manager switches it off and on for all live instances at
// once (off while a drag-and-drop runs).
class RSTouchScrollViewport : public juce::Viewport
{
public:
    // The cell count, cell width and margin of the strip it shows, for
    // JumpPosition.
    RSTouchScrollViewport(int numCells = 0, int cellWidth = 0, int margin = 0);
    ~RSTouchScrollViewport() override;

    // The framework's auto-scroll towards (x, y): edge 300, speed 100.
    virtual void Scroll(int x, int y);
    // Scrolls so that cell `index` (clamped into the strip) stands about
    // centred; nothing when the strip has no cells.
    virtual void JumpPosition(int index);

    int getNumCells() const noexcept { return m_NumCells; }
    int getCellWidth() const noexcept { return m_CellWidth; }
    int getMargin() const noexcept { return m_Margin; }

    // Every live instance, in creation order.
    static juce::Array<RSTouchScrollViewport*> theTSViewportList;

private:
    int m_NumCells;
    int m_CellWidth;
    int m_Margin;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSTouchScrollViewport)
};
