#pragma once

#include "GUI/Editor/DragAndDropDefinitions.h"

#include <juce_core/juce_core.h>

// The description of a drag: the array [drag id, value].
juce::var makeDragDescription(const juce::String& dragId, int value);
