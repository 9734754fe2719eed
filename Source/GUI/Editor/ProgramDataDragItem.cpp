#include "GUI/Editor/ProgramDataDragItem.h"

ProgramDataDragItem::ProgramDataDragItem(const juce::String& dragId, int programNumber)
    : juce::var(juce::Array<juce::var> { juce::var(dragId), juce::var(programNumber) }),
      m_DragId(dragId),
      m_ProgramNumber(programNumber)
{}
