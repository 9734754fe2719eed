#pragma once

#include "GUI/AmpFXModelModuleDragItem.h"

#include <juce_core/juce_core.h>

// The ids that open every drag description [drag id, value] of the views.
extern const juce::String ProgramDataDragID;
extern const juce::String CurrentProgramDataDragID;
extern const juce::String ProgramPartialSectionDataDragID;
extern const juce::String AudioEQDataDragID;
extern const juce::String CurrentAudioEQDataDragID;

// The description of a drag: the array [drag id, value].
juce::var makeDragDescription(const juce::String& dragId, int value);
