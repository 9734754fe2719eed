#include "GUI/AudioEQ/AudioEQDataDragItem.h"

AudioEQDataDragItem::AudioEQDataDragItem(const juce::String& dragId, int number)
    : juce::var(juce::Array<juce::var> { juce::var(dragId), juce::var(number) }), m_DragId(dragId), m_Number(number)
{}
