#pragma once

#include "GUI/Widgets/KnobBitmapImageInfo.h"

// Every knob and switch strip the knob widgets draw. Rows are shared: widgets
// keep pointers to them and never own them.
constexpr int kNumKnobCollection = 25;
extern const KnobBitmapImageInfo KnobCollection[kNumKnobCollection];

// The last row whose name equals the given name exactly, or null.
const KnobBitmapImageInfo* getKnobImageInfo(const juce::String& name);
