#pragma once

#include "GUI/Editor/AmpFXModelModuleDragItem.h"

#include <juce_core/juce_core.h>

// The ids of every drag inside the editor-librarian view. A drag's
// description is the array [drag id, integer value]; targets compare element
// 0 as text with these ids and read element 1 as an integer.
//
//   ProgramDataDragID             a program button; value = program number
//   CurrentProgramDataDragID      the parameter area; value -1 (the edit buffer)
//   AmpFXModelModuleDragID        a draggable type picker; value = module index
//   ProgramPartialSectionDataDragID  started by nothing; accepted by custom slots
//   AudioEQDataDragID             an audio-EQ slot button; value = slot 0-3
//   CurrentAudioEQDataDragID      the response curve; value -1
extern const juce::String ProgramDataDragID;
extern const juce::String CurrentProgramDataDragID;
extern const juce::String ProgramPartialSectionDataDragID;
extern const juce::String AudioEQDataDragID;
extern const juce::String CurrentAudioEQDataDragID;

namespace DragAndDropDefinitions
{
// Element 0 of a drag description as text (empty for another layout).
juce::String getDragId(const juce::var& description);
// Element 1 as an integer (0 for another layout).
int getDragValue(const juce::var& description);
} // namespace DragAndDropDefinitions
