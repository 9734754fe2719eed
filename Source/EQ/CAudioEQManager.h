#pragma once

#include "EQ/EQCoefHolder.h"
#include "Singleton.h"

#include <juce_events/juce_events.h>

#include <array>

// The output trim and the four bands of the connected Orva amplifier's audio
// EQ: band 1 a low shelf, bands 2 and 3 peaking, band 4 a high shelf. The
// audio-EQ section keeps it in step with the amplifier's data and the EQ page
// draws its response curve from the bands' coefficients. Created on first
// use (44100 Hz) and deleted at shutdown.
class CAudioEQManager : public Singleton<CAudioEQManager>,
                        public juce::DeletedAtShutdown
{
public:
    static constexpr int numBands = 4;

    explicit CAudioEQManager(double sampleRate = 44100.0);
    ~CAudioEQManager() override;

    double getTrim() const noexcept { return trim; }
    void setTrim(double dB) noexcept { trim = dB; }

    // Band 1..4; null for any other number.
    EQCoefHolder* getBand(int band) const noexcept;

private:
    double trim = 0.0;
    std::array<EQCoefHolder*, numBands> bands {};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(CAudioEQManager)
};
