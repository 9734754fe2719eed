#pragma once

#include "GUI/AudioEQ/RSFrequencyResponseBasePane.h"

#include <array>

class CAudioEQManager;

// The magnitude response of the audio EQ as the host's audio-EQ manager
// holds it (four biquad bands and the output trim), drawn in yellow over the
// scale at 59 fixed frequencies. It keeps no EQ data of its own: each paint
// reads the coefficients as they are.
class RSFrequencyResponseCurveComponent : public RSFrequencyResponseBasePane
{
public:
    static constexpr int numPoints = 59;

    RSFrequencyResponseCurveComponent(double fs, double lowestDb, double highestDb);

    void mouseDown(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;
    // Draws the host's audio-EQ manager's response (see paintCurve).
    void paint(juce::Graphics& g) override;

    // Clears the pane and draws the response of the manager's bands; nothing
    // more without a manager.
    void paintCurve(juce::Graphics& g, const CAudioEQManager* manager);

    virtual void updateBackground() = 0;

    // One plotted point; invalid where the response is not a finite number.
    struct Point
    {
        int x = 0;
        int y = 0;
        bool valid = false;
    };

    // The points the curve draws now for the manager's bands; all invalid
    // without a manager or a usable scale. A point's y is held to one pixel
    // outside the pane, so clipping draws what lies beyond it.
    std::array<Point, numPoints> computePoints(const CAudioEQManager* manager) const;

    // The response in dB of the manager's four bands and trim at table point i.
    static double gainAtPoint(const CAudioEQManager& manager, int i);

    // The plotted frequencies (Hz) and, for each, cos and sin of 2 pi f / 44100
    // rounded to nine decimal places.
    static const unsigned short prot_freq_table[numPoints];
    static const double cos_wT_table[numPoints];
    static const double sin_wT_table[numPoints];

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSFrequencyResponseCurveComponent)
};
