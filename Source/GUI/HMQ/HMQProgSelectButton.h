#pragma once

#include "GUI/Editor/RSProgSelectButton.h"

// The base of every HMQ program button (preset, user and file slots): the
// HMQ's twenty amp types for the picture, the amp name and the frame colour,
// and the HMQ drop filter (the edited program, or a program 0-100 that does
// not come from this very button).
class HMQProgSelectButton : public RSProgSelectButton
{
public:
    static constexpr int kNumAmpTypes = 20;

    using RSProgSelectButton::RSProgSelectButton;

    bool isInterestedInDragSource(const SourceDetails& details) override;
    juce::String getPNGName(int ampType) override;
    juce::String getAmpName(int ampType) override;
    juce::Colour getAmpColor(int ampType) override;

    // The amp type of a program record as the edit section reads the same
    // byte: a byte that is none of the types reads as type 0. -1 without a
    // record or an HMQ data centre.
    static int ampTypeOf(const unsigned char* record);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQProgSelectButton)
};
