#pragma once

#include "GUI/AudioEQ/RSFrequencyResponseBasePane.h"

// The scale behind a response curve: background, 0 dB line, left edge, gain
// and frequency grid, each as its flag asks, and the labels of the scale.
class RSFrequencyResponseAxisComponent : public RSFrequencyResponseBasePane
{
public:
    RSFrequencyResponseAxisComponent(double fs, double lowestDb, double highestDb, bool drawZeroLine, bool drawLeftLine,
                                     bool drawGainGrid, bool drawFrequencyGrid, juce::Colour background, juce::Colour axisColour,
                                     juce::Colour gridColour);

    // Fills the pane with the background and draws the axis over it.
    void paint(juce::Graphics& g) override;

    // The axis lines first, then the grids over them, then the labels.
    virtual void drawAxis(juce::Graphics& g);

    // The frequencies of the vertical grid lines: 20 .. 90, 100 .. 900,
    // 1000 .. 9000 Hz, 10000 and 20000 Hz.
    static const int gridFrequencies[28];

private:
    const bool drawZeroLine, drawLeftLine, drawGainGrid, drawFrequencyGrid;
    const juce::Colour background, axisColour, gridColour;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSFrequencyResponseAxisComponent)
};
