#include "GUI/Editor/AmpFXModelModuleDragItem.h"

const juce::String AmpFXModelModuleDragID = "AmpFXModelModuleDragItem";

AmpFXModelModuleDragItem::AmpFXModelModuleDragItem(const juce::String& dragId, int kind)
    : juce::var(juce::Array<juce::var> { juce::var(dragId), juce::var(kind) }), m_DragId(dragId), m_Kind(kind)
{}
