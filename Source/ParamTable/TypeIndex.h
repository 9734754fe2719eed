#pragma once

#include <juce_core/juce_core.h>

// Type indices from sections, files and the amplifier are clamped into the
// table before any lookup, so no caller can read outside a type table.
inline int clampTypeIndex(int index, int count)
{
    return juce::jlimit(0, count - 1, index);
}
