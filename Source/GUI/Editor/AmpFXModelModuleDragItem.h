#pragma once

#include <juce_core/juce_core.h>

// The drag id of a module drag.
extern const juce::String AmpFXModelModuleDragID;

// The description of a module drag: the array [drag id, module index].
class AmpFXModelModuleDragItem : public juce::var
{
public:
    AmpFXModelModuleDragItem(const juce::String& dragId, int kind);

    juce::String m_DragId;
    int m_Kind;
    bool m_Valid = true;
};
