#include "GUI/Editor/DragAndDropDefinitions.h"

const juce::String ProgramDataDragID = "ProgramDataDragItem";
const juce::String CurrentProgramDataDragID = "CurrentProgramDataDragItem";
const juce::String ProgramPartialSectionDataDragID = "ProgramPartialSectionDataDragItem";
const juce::String AudioEQDataDragID = "AudioEQDataDragItem";
const juce::String CurrentAudioEQDataDragID = "CurrentAudioEQDataDragItem";

namespace DragAndDropDefinitions
{
juce::String getDragId(const juce::var& description)
{
    return description.isArray() && description.size() >= 1 ? description[0].toString() : juce::String();
}

int getDragValue(const juce::var& description)
{
    return description.isArray() && description.size() >= 2 ? (int) description[1] : 0;
}
} // namespace DragAndDropDefinitions
