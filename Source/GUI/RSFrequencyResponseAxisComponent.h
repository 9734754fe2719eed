#pragma once

#include "GUI/RSFrequencyResponseBasePane.h"

// The axes of a frequency-response display: its background, the 0 dB line,
// the left edge, the +-12 dB and the frequency grid lines, as its flags ask,
// and the labels of 100 Hz, 1 kHz, 10 kHz and +-12 and +-24 dB.
class RSFrequencyResponseAxisComponent : public RSFrequencyResponseBasePane
{
public:
    RSFrequencyResponseAxisComponent(double sampleRate, double minimumDb, double maximumDb,
                                     bool zeroLine, bool leftEdge, bool gainGrid, bool frequencyGrid,
                                     juce::Colour background, juce::Colour axis, juce::Colour grid);
    ~RSFrequencyResponseAxisComponent() override = default;

    void paint(juce::Graphics& g) override;
    virtual void drawAxis(juce::Graphics& g);

    // The 28 frequencies of the vertical grid lines.
    static const juce::Array<double>& gridFrequencies();

private:
    bool m_ZeroLine, m_LeftEdge, m_GainGrid, m_FrequencyGrid;
    juce::Colour m_Background, m_Axis, m_Grid;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSFrequencyResponseAxisComponent)
};
