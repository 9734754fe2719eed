#include "GUI/Editor/DragIds.h"

juce::var makeDragDescription(const juce::String& dragId, int value)
{
    juce::Array<juce::var> description;
    description.add(dragId);
    description.add(value);
    return juce::var(description);
}
