#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The scale shared by the response axis and the response curve: a
// logarithmic frequency axis from 10 Hz to half the sample rate and a linear
// gain axis between the lowest and the highest gain. It may own one child
// pane (the curve), which always covers it, and points at a partner pane.
class RSFrequencyResponseBasePane : public juce::Component
{
public:
    RSFrequencyResponseBasePane(double fs, double lowestDb, double highestDb);
    ~RSFrequencyResponseBasePane() override;

    void resized() override;

    // Takes the pane (owned) and makes it the covering child; null removes
    // and deletes the present one.
    void setChildPane(RSFrequencyResponseBasePane* pane);
    RSFrequencyResponseBasePane* getChildPane() const noexcept { return childPane.get(); }
    // Gives the child pane back without deleting it (null when none).
    RSFrequencyResponseBasePane* releaseChildPane();

    void setPartnerPane(juce::Component* pane) noexcept { partnerPane = pane; }
    juce::Component* getPartnerPane() const noexcept { return partnerPane; }

    // Whether the scale can place points: a height, a frequency range above
    // 10 Hz and a gain range.
    bool hasUsableScale() const noexcept;

    // The x of a frequency and the y of a gain, truncated toward zero; both
    // assume a usable scale.
    int xOfFrequency(double hz) const noexcept;
    int yOfGain(double dB) const noexcept;

    double getSampleRate() const noexcept { return fs; }
    double getLowestDb() const noexcept { return lowestDb; }
    double getHighestDb() const noexcept { return highestDb; }
    int getZeroDbRow() const noexcept { return y0; }

protected:
    const double fs;
    const double lowestDb;
    const double highestDb;
    const double nyquist;
    const double log10Lowest = 1.0; // 10 Hz
    double invLogRange = 0.0;       // 1 / (log10(fs / 2) - 1)
    double invDbRange = 0.0;        // 1 / (highest - lowest)
    double invHeight = 0.0;
    int y0 = 0; // the row of 0 dB

private:
    void computeScale();

    std::unique_ptr<RSFrequencyResponseBasePane> childPane;
    juce::Component* partnerPane = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSFrequencyResponseBasePane)
};
