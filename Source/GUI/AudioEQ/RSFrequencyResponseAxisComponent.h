#pragma once

#include "GUI/AudioEQ/RSFrequencyResponseBasePane.h"

// The scale behind a response curve: background, 0 dB line, left edge,
// gain and frequency grid and their labels, each part as its flag asks.
class RSFrequencyResponseAxisComponent : public RSFrequencyResponseBasePane
{
public:
    RSFrequencyResponseAxisComponent(double fs, double lowestDb, double highestDb, bool drawZeroLine, bool drawLeftLine,
                                     bool drawGrid, bool drawLabels, juce::Colour background, juce::Colour lineColour,
                                     juce::Colour gridColour);

    void paint(juce::Graphics& g) override;

    // The frequencies of the vertical grid lines: 20 .. 90, 100 .. 900,
    // 1000 .. 9000 Hz, 10000 and 20000 Hz.
    static const int gridFrequencies[28];

private:
    const bool drawZeroLine, drawLeftLine, drawGrid, drawLabels;
    const juce::Colour background, lineColour, gridColour;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSFrequencyResponseAxisComponent)
};
