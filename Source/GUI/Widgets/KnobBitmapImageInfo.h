#pragma once

#include <juce_core/juce_core.h>

// The frame geometry of one knob or switch strip: all positions of the
// control in one image, frame k at (0, k * frameHeight, frameWidth, frameHeight).
struct KnobBitmapImageInfo
{
    juce::String name; // image name of the strip
    juce::int32 numFrames;
    juce::int32 frameWidth;
    juce::int32 frameHeight;
    juce::int32 drawWidth; // size at which a frame is drawn
    juce::int32 drawHeight;
};
