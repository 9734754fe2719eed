#include "EQ/EQCoefHolder.h"

#include <cmath>

namespace
{
constexpr double pi = 3.14159265358979323846;
}

// clang-format off
const double EQCoefHolder::EQGain[50] = {
    0.501187234, 0.515822165, 0.530884444, 0.546386550, 0.562341325,
    0.578761988, 0.595662144, 0.613055792, 0.630957344, 0.649381632,
    0.668343918, 0.687859912, 0.707945784, 0.728618175, 0.749894209,
    0.771791516, 0.794328235, 0.817523038, 0.841395142, 0.865964323,
    0.891250938, 0.917275935, 0.944060876, 0.971627952, 1.000000000,
    1.029200527, 1.059253725, 1.090184492, 1.122018454, 1.154781985,
    1.188502227, 1.223207119, 1.258925412, 1.295686698, 1.333521432,
    1.372460961, 1.412537545, 1.453784386, 1.496235656, 1.539926526,
    1.584893192, 1.631172909, 1.678804018, 1.727825981, 1.778279410,
    1.830206106, 1.883649089, 1.938652636, 1.995262315, 0.0,
};

const double EQCoefHolder::sqEQGain[50] = {
    0.707945784, 0.718207606, 0.728618175, 0.739179647, 0.749894209,
    0.760764082, 0.771791516, 0.782978794, 0.794328235, 0.805842188,
    0.817523038, 0.829373204, 0.841395142, 0.853591339, 0.865964323,
    0.878516656, 0.891250938, 0.904169806, 0.917275935, 0.930572041,
    0.944060876, 0.957745235, 0.971627952, 0.985711901, 1.000000000,
    1.014495208, 1.029200527, 1.044119003, 1.059253725, 1.074607828,
    1.090184492, 1.105986943, 1.122018454, 1.138282345, 1.154781985,
    1.171520790, 1.188502227, 1.205729815, 1.223207119, 1.240937761,
    1.258925412, 1.277173798, 1.295686698, 1.314467946, 1.333521432,
    1.352851103, 1.372460961, 1.392355068, 1.412537545, 0.0,
};
// clang-format on

EQCoefHolder::EQCoefHolder(int kindToUse, double sampleRate, bool normaliseCoefs)
    : normalise(normaliseCoefs), kind(kindToUse), fs(sampleRate), invFs(sampleRate > 0.0 ? 1.0 / sampleRate : 0.0)
{}

int64_t EQCoefHolder::gainStepFromdB(double dB) noexcept
{
    if (std::isnan(dB))
        return 0;

    // Clamped before the conversion: only -12..+12 dB have a table entry, and
    // a huge value must not overflow the integer.
    const double raw = dB >= 0.0 ? 2.0 * dB + 0.5 : 2.0 * dB - 0.5;
    if (raw <= (double) minGainStep)
        return minGainStep;
    if (raw >= (double) maxGainStep)
        return maxGainStep;
    return (int64_t) raw; // truncation towards zero
}

void EQCoefHolder::setParam(double newFc, double dB, double newQ)
{
    fc = newFc;
    gainStep = gainStepFromdB(dB);
    Q = newQ;
    UpdateCoef();
}

void EQCoefHolder::setFc(double newFc)
{
    fc = newFc;
    UpdateCoef();
}

void EQCoefHolder::setdBGain(double dB)
{
    gainStep = gainStepFromdB(dB);
    UpdateCoef();
}

void EQCoefHolder::setQ(double newQ)
{
    Q = newQ;
    UpdateCoef();
}

void EQCoefHolder::UpdateCoef()
{
    if (kind != LowShelf && kind != Peaking && kind != HighShelf)
        return;

    // alpha divides by Q: a band without a usable Q keeps its last curve.
    if (! (Q > 0.0))
        return;

    // gainStep is held to -24..24 when set, so the index is 0..48.
    const auto index = (size_t) (gainStep + 24);
    const double A = EQGain[index];
    const double sqA = sqEQGain[index];

    const double w0 = 2.0 * pi * fc * invFs;
    const double cs = std::cos(w0);
    const double alpha = std::sin(w0) * (1.0 / Q) * 0.5;

    double na0 = 0.0, na1 = 0.0, na2 = 0.0, nb0 = 0.0, nb1 = 0.0, nb2 = 0.0;

    switch (kind)
    {
        case LowShelf:
            nb0 = A * ((A + 1.0) - (A - 1.0) * cs + 2.0 * sqA * alpha);
            nb1 = 2.0 * A * ((A - 1.0) - (A + 1.0) * cs);
            nb2 = A * ((A + 1.0) - (A - 1.0) * cs - 2.0 * sqA * alpha);
            na0 = (A + 1.0) + (A - 1.0) * cs + 2.0 * sqA * alpha;
            na1 = -2.0 * ((A - 1.0) + (A + 1.0) * cs);
            na2 = (A + 1.0) + (A - 1.0) * cs - 2.0 * sqA * alpha;
            break;

        case Peaking:
            nb0 = 1.0 + alpha * A;
            nb1 = -2.0 * cs;
            nb2 = 1.0 - alpha * A;
            na0 = 1.0 + alpha / A;
            na1 = -2.0 * cs;
            na2 = 1.0 - alpha / A;
            break;

        case HighShelf:
        default:
            nb0 = A * ((A + 1.0) + (A - 1.0) * cs + 2.0 * sqA * alpha);
            nb1 = -2.0 * A * ((A - 1.0) + (A + 1.0) * cs);
            nb2 = A * ((A + 1.0) + (A - 1.0) * cs - 2.0 * sqA * alpha);
            na0 = (A + 1.0) - (A - 1.0) * cs + 2.0 * sqA * alpha;
            na1 = 2.0 * ((A - 1.0) - (A + 1.0) * cs);
            na2 = (A + 1.0) - (A - 1.0) * cs - 2.0 * sqA * alpha;
            break;
    }

    if (normalise)
    {
        b0 = nb0 / na0;
        b1 = nb1 / na0;
        b2 = nb2 / na0;
        a1 = na1 / na0;
        a2 = na2 / na0;
        a0 = 1.0;
    }
    else
    {
        a0 = na0;
        a1 = na1;
        a2 = na2;
        b0 = nb0;
        b1 = nb1;
        b2 = nb2;
    }
}
