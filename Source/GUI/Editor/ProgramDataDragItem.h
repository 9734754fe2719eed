#pragma once

#include <juce_core/juce_core.h>

// The description of a program drag: the array [drag id, program number]
// (-1 for the program being edited).
class ProgramDataDragItem : public juce::var
{
public:
    ProgramDataDragItem(const juce::String& dragId, int programNumber);

    juce::String m_DragId;
    int m_ProgramNumber;
    bool m_Valid = true;
};
