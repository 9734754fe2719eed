#pragma once

#include <cstdint>

// One band of the audio EQ: its filter kind, sampling rate, frequency, Q and
// gain, and the biquad coefficients computed from them for the response
// curve (denominator a0..a2, numerator b0..b2). The gain is kept in
// half-decibel steps and its linear factor comes from the two gain tables,
// never from a power function.
class EQCoefHolder
{
public:
    enum Kind : int
    {
        LowShelf = 0,
        Peaking = 1,
        HighShelf = 2
    };

    // Gain steps run from -24 (-12 dB) to +24 (+12 dB).
    static constexpr int64_t minGainStep = -24;
    static constexpr int64_t maxGainStep = 24;

    // Indexed by gain step + 24: A = 10^(dB / 40) and its square root.
    // The last entry of each table lies past the +12 dB end and is never read.
    static const double EQGain[50];
    static const double sqEQGain[50];

    // A band at rest: frequency 0, Q 0.4, gain 0 dB, a0 = 1 and the other
    // coefficients 0 (no meaningful curve until the band is set).
    EQCoefHolder(int kind, double fs, bool normalise = true);

    void setParam(double fc, double dB, double Q);
    void setFc(double fc);
    void setdBGain(double dB);
    void setQ(double Q);
    void UpdateCoef();

    // Half-decibel step of a gain in dB, rounded to the nearest half decibel
    // (halves away from zero) and held to -24..24.
    static int64_t gainStepFromdB(double dB) noexcept;

    int getKind() const noexcept { return kind; }
    bool isNormalised() const noexcept { return normalise; }
    double getFs() const noexcept { return fs; }
    double getFc() const noexcept { return fc; }
    double getQ() const noexcept { return Q; }
    int64_t getGainStep() const noexcept { return gainStep; }

    double getA0() const noexcept { return a0; }
    double getA1() const noexcept { return a1; }
    double getA2() const noexcept { return a2; }
    double getB0() const noexcept { return b0; }
    double getB1() const noexcept { return b1; }
    double getB2() const noexcept { return b2; }

private:
    bool normalise;
    int kind;
    double fs;
    double fc = 0.0;
    double Q = 0.4;
    int64_t gainStep = 0;
    double invFs;
    double a0 = 1.0, a1 = 0.0, a2 = 0.0;
    double b0 = 0.0, b1 = 0.0, b2 = 0.0;
};
