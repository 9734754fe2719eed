#pragma once

#include "GUI/Editor/DragIds.h"

#include <juce_core/juce_core.h>

// The description of an audio-EQ drag: the array [drag id, number], with
// the drag id of a stored slot (AudioEQDataDragID, number 0..3, -1 for
// "OFF") or of the EQ being edited (CurrentAudioEQDataDragID, number -1).
class AudioEQDataDragItem : public juce::var
{
public:
    AudioEQDataDragItem(const juce::String& dragId, int number);

    juce::String m_DragId;
    int m_Number;
    int m_Flag = 1;
};
