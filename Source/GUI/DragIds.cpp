#include "GUI/DragIds.h"

const juce::String ProgramDataDragID { "ProgramDataDragID" };
const juce::String CurrentProgramDataDragID { "CurrentProgramDataDragID" };
const juce::String ProgramPartialSectionDataDragID { "ProgramPartialSectionDataDragID" };
const juce::String AudioEQDataDragID { "AudioEQDataDragID" };
const juce::String CurrentAudioEQDataDragID { "CurrentAudioEQDataDragID" };

juce::var makeDragDescription(const juce::String& dragId, int value)
{
    juce::Array<juce::var> description;
    description.add(dragId);
    description.add(value);
    return juce::var(description);
}
