#pragma once

#include <juce_core/juce_core.h>

// The drag ids of the audio-EQ page: a stored slot (number 0..3, -1 for
// "OFF") and the EQ being edited (number -1).
extern const juce::String AudioEQDataDragID;
extern const juce::String CurrentAudioEQDataDragID;

// The description of an audio-EQ drag: the array [drag id, number].
class AudioEQDataDragItem : public juce::var
{
public:
    AudioEQDataDragItem(const juce::String& dragId, int number);

    juce::String m_DragId;
    int m_Number;
    int m_Flag = 1;
};
