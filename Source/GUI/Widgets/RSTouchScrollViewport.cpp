#include "GUI/Widgets/RSTouchScrollViewport.h"

juce::Array<RSTouchScrollViewport*> RSTouchScrollViewport::theTSViewportList;

RSTouchScrollViewport::RSTouchScrollViewport(int numCells, int cellWidth, int margin)
    : m_NumCells(numCells), m_CellWidth(cellWidth), m_Margin(margin)
{
    setScrollOnDragMode(juce::Viewport::ScrollOnDragMode::all);
    // The catalogue pane inside takes the keys and shows its mark; the
    // viewport around it draws none.
    setWantsKeyboardFocus(false);
    theTSViewportList.add(this);
}

RSTouchScrollViewport::~RSTouchScrollViewport()
{
    theTSViewportList.removeFirstMatchingValue(this);
}

void RSTouchScrollViewport::Scroll(int x, int y)
{
    autoScroll(x, y, 300, 100);
}

void RSTouchScrollViewport::JumpPosition(int index)
{
    if (m_CellWidth < 1 || m_NumCells < 1)
        return;
    const int i = juce::jlimit(0, m_NumCells - 1, index);
    const int first = juce::jmax(0, i - getWidth() / (2 * m_CellWidth));
    const int x = first * m_CellWidth + m_Margin;
    if (x != getViewPositionX())
        setViewPosition(x, getViewPositionY());
}
