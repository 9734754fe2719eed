#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The base of the panes of a frequency-response display: a logarithmic
// frequency axis from 10 Hz to half the sample rate across the width and a
// dB range down the height, with the 0 dB row. It may hold one child pane
// (owned), which always covers the whole pane.
class RSFrequencyResponseBasePane : public juce::Component
{
public:
    RSFrequencyResponseBasePane(double sampleRate, double minimumDb, double maximumDb);
    ~RSFrequencyResponseBasePane() override;

    void paint(juce::Graphics& g) override = 0;
    void resized() override;

    // Takes ownership of the child pane and places it over this pane.
    void setChildPane(juce::Component* child);
    juce::Component* getChildPane() const noexcept { return m_Child; }
    void setPartnerPane(RSFrequencyResponseBasePane* partner) noexcept { m_Partner = partner; }

    int getZeroDbLine() const noexcept { return m_ZeroDbLine; }
    // x of a frequency and y of a gain, truncated toward zero.
    int xOfFrequency(double hz) const;
    int yOfGain(double db) const;

protected:
    double m_SampleRate;
    double m_MinimumDb;
    double m_MaximumDb;
    double m_LowestFrequency = 10.0;
    double m_Nyquist;
    double m_LogLowest = 1.0;
    double m_XScale;
    double m_YScale;
    double m_InverseHeight = 0.0;
    int m_ZeroDbLine = 0;
    juce::Component* m_Child = nullptr;                  // owned
    RSFrequencyResponseBasePane* m_Partner = nullptr; // not owned

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSFrequencyResponseBasePane)
};
