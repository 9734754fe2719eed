// Audio-EQ band coefficients and the manager that holds the four bands.
// The expected values are computed here from the textbook shelf and peak
// biquad formulas, in double precision with A = 10^(dB/40).
#include "EQ/CAudioEQManager.h"
#include "EQ/EQCoefHolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

namespace
{
constexpr double fs = 44100.0;
constexpr double pi = 3.14159265358979323846;

struct Biquad
{
    double b0, b1, b2, a0, a1, a2;
};

Biquad reference(int kind, double f0, double dB, double Q)
{
    const double A = std::pow(10.0, dB / 40.0);
    const double w0 = 2.0 * pi * f0 / fs;
    const double c = std::cos(w0);
    const double alpha = std::sin(w0) / (2.0 * Q);
    const double s = 2.0 * std::sqrt(A) * alpha;

    Biquad r {};
    if (kind == 0)
        r = { A * ((A + 1) - (A - 1) * c + s), 2 * A * ((A - 1) - (A + 1) * c), A * ((A + 1) - (A - 1) * c - s),
              (A + 1) + (A - 1) * c + s,       -2 * ((A - 1) + (A + 1) * c),    (A + 1) + (A - 1) * c - s };
    else if (kind == 1)
        r = { 1 + alpha * A, -2 * c, 1 - alpha * A, 1 + alpha / A, -2 * c, 1 - alpha / A };
    else
        r = { A * ((A + 1) + (A - 1) * c + s), -2 * A * ((A - 1) + (A + 1) * c), A * ((A + 1) + (A - 1) * c - s),
              (A + 1) - (A - 1) * c + s,       2 * ((A - 1) - (A + 1) * c),      (A + 1) - (A - 1) * c - s };
    return r;
}

// |H| in dB of the band's biquad at frequency f.
double responsedB(const EQCoefHolder& band, double f)
{
    const auto z1 = std::polar(1.0, -2.0 * pi * f / fs);
    const auto z2 = z1 * z1;
    const auto h =
        (band.getB0() + band.getB1() * z1 + band.getB2() * z2) / (band.getA0() + band.getA1() * z1 + band.getA2() * z2);
    return 20.0 * std::log10(std::abs(h));
}

struct Snapshot
{
    double b0, b1, b2, a0, a1, a2;
    bool operator==(const Snapshot& o) const
    {
        return b0 == o.b0 && b1 == o.b1 && b2 == o.b2 && a0 == o.a0 && a1 == o.a1 && a2 == o.a2;
    }
};

Snapshot snapshot(const EQCoefHolder& b)
{
    return { b.getB0(), b.getB1(), b.getB2(), b.getA0(), b.getA1(), b.getA2() };
}
} // namespace

TEST(AudioEQCoef, GainTablesFollowTheHalfDecibelSteps)
{
    for (int k = 0; k < 49; ++k)
    {
        const double dB = (k - 24) * 0.5;
        EXPECT_NEAR(EQCoefHolder::EQGain[k], std::pow(10.0, dB / 40.0), 6e-10) << k;
        EXPECT_NEAR(EQCoefHolder::sqEQGain[k], std::pow(10.0, dB / 80.0), 6e-10) << k;
    }
    EXPECT_EQ(EQCoefHolder::EQGain[0], 0.501187234);
    EXPECT_EQ(EQCoefHolder::EQGain[24], 1.0);
    EXPECT_EQ(EQCoefHolder::EQGain[48], 1.995262315);
    EXPECT_EQ(EQCoefHolder::EQGain[49], 0.0);
    EXPECT_EQ(EQCoefHolder::sqEQGain[49], 0.0);
}

TEST(AudioEQCoef, CoefficientsMatchTheShelfAndPeakFormulas)
{
    struct Case
    {
        int kind;
        double fc, dB, Q;
    };
    const Case cases[] = { { 0, 100, 6, 0.7 },   { 0, 250, -12, 0.4 },  { 1, 1000, 6, 0.7 },   { 1, 500, -7.5, 1.0 },
                           { 1, 2000, 12, 0.4 }, { 2, 5000, 3.5, 0.7 }, { 2, 11000, -12, 1.0 } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " fc " << c.fc << " dB " << c.dB);
        const auto r = reference(c.kind, c.fc, c.dB, c.Q);

        EQCoefHolder raw(c.kind, fs, false);
        raw.setParam(c.fc, c.dB, c.Q);
        const double tol = 1e-8 * std::abs(r.a0);
        EXPECT_NEAR(raw.getB0(), r.b0, tol);
        EXPECT_NEAR(raw.getB1(), r.b1, tol);
        EXPECT_NEAR(raw.getB2(), r.b2, tol);
        EXPECT_NEAR(raw.getA0(), r.a0, tol);
        EXPECT_NEAR(raw.getA1(), r.a1, tol);
        EXPECT_NEAR(raw.getA2(), r.a2, tol);

        EQCoefHolder norm(c.kind, fs, true);
        norm.setParam(c.fc, c.dB, c.Q);
        EXPECT_EQ(norm.getA0(), 1.0);
        EXPECT_NEAR(norm.getB0(), r.b0 / r.a0, 1e-8);
        EXPECT_NEAR(norm.getB1(), r.b1 / r.a0, 1e-8);
        EXPECT_NEAR(norm.getB2(), r.b2 / r.a0, 1e-8);
        EXPECT_NEAR(norm.getA1(), r.a1 / r.a0, 1e-8);
        EXPECT_NEAR(norm.getA2(), r.a2 / r.a0, 1e-8);
    }
}

TEST(AudioEQCoef, MagnitudeResponseHasTheGainWhereEachKindActs)
{
    EQCoefHolder peak(EQCoefHolder::Peaking, fs);
    peak.setParam(1000, 6, 0.7);
    EXPECT_GT(peak.getB0(), 1.0);
    EXPECT_NEAR(responsedB(peak, 1000), 6.0, 1e-6);
    EXPECT_NEAR(responsedB(peak, 20), 0.0, 0.05);
    EXPECT_NEAR(responsedB(peak, 20000), 0.0, 0.2);

    EQCoefHolder low(EQCoefHolder::LowShelf, fs);
    low.setParam(200, -9, 0.7);
    EXPECT_NEAR(responsedB(low, 1e-3), -9.0, 1e-4);
    EXPECT_NEAR(responsedB(low, 200), -4.5, 1e-6); // half the gain at the corner
    EXPECT_NEAR(responsedB(low, 20000), 0.0, 0.01);

    EQCoefHolder high(EQCoefHolder::HighShelf, fs);
    high.setParam(5000, 12, 0.7);
    EXPECT_NEAR(responsedB(high, 1e-3), 0.0, 1e-4);
    EXPECT_NEAR(responsedB(high, 5000), 6.0, 1e-6);
    EXPECT_NEAR(responsedB(high, fs / 2), 12.0, 0.05);

    // 0 dB is flat: numerator and denominator coincide.
    EQCoefHolder flat(EQCoefHolder::Peaking, fs);
    flat.setParam(1000, 0, 0.7);
    EXPECT_EQ(flat.getB0(), 1.0);
    EXPECT_DOUBLE_EQ(flat.getB1(), flat.getA1());
    EXPECT_DOUBLE_EQ(flat.getB2(), flat.getA2());
}

TEST(AudioEQCoef, GainIsRoundedToHalfDecibelStepsAndHeldToTheTableRange)
{
    EXPECT_EQ(EQCoefHolder::gainStepFromdB(0.0), 0);
    EXPECT_EQ(EQCoefHolder::gainStepFromdB(0.24), 0);
    EXPECT_EQ(EQCoefHolder::gainStepFromdB(0.25), 1);
    EXPECT_EQ(EQCoefHolder::gainStepFromdB(-0.25), -1);
    EXPECT_EQ(EQCoefHolder::gainStepFromdB(-0.24), 0);
    EXPECT_EQ(EQCoefHolder::gainStepFromdB(11.5), 23);
    EXPECT_EQ(EQCoefHolder::gainStepFromdB(12.0), 24);
    EXPECT_EQ(EQCoefHolder::gainStepFromdB(-12.0), -24);

    // Past the ends: the step stays at the last table entry.
    EXPECT_EQ(EQCoefHolder::gainStepFromdB(12.25), 24);
    EXPECT_EQ(EQCoefHolder::gainStepFromdB(12.5), 24);
    EXPECT_EQ(EQCoefHolder::gainStepFromdB(-12.5), -24);
    EXPECT_EQ(EQCoefHolder::gainStepFromdB(1e300), 24);
    EXPECT_EQ(EQCoefHolder::gainStepFromdB(-1e300), -24);
    EXPECT_EQ(EQCoefHolder::gainStepFromdB(std::nan("")), 0);
}

TEST(AudioEQCoef, GainsBeyondTwelveDecibelsGiveTheTwelveDecibelCurve)
{
    // Step 25 would read the zero entry and divide by it in the peak filter.
    for (int kind = 0; kind < 3; ++kind)
    {
        EQCoefHolder atEnd(kind, fs), beyond(kind, fs), below(kind, fs), atLow(kind, fs);
        atEnd.setParam(1000, 12, 0.7);
        beyond.setParam(1000, 12.5, 0.7);
        atLow.setParam(1000, -12, 0.7);
        below.setParam(1000, -40, 0.7);

        EXPECT_EQ(beyond.getGainStep(), 24);
        EXPECT_TRUE(snapshot(beyond) == snapshot(atEnd)) << kind;
        EXPECT_TRUE(std::isfinite(beyond.getB0()) && std::isfinite(beyond.getA1())) << kind;
        EXPECT_EQ(below.getGainStep(), -24);
        EXPECT_TRUE(snapshot(below) == snapshot(atLow)) << kind;

        beyond.setdBGain(30);
        EXPECT_TRUE(snapshot(beyond) == snapshot(atEnd)) << kind;
    }
}

TEST(AudioEQCoef, UnusableQOrKindLeavesTheCoefficientsUnchanged)
{
    EQCoefHolder band(EQCoefHolder::Peaking, fs);
    band.setParam(1000, 6, 0.7);
    const auto before = snapshot(band);

    band.setQ(0.0);
    EXPECT_TRUE(snapshot(band) == before);
    band.setQ(-0.5);
    EXPECT_TRUE(snapshot(band) == before);
    band.setParam(2000, 3, 0.0);
    EXPECT_TRUE(snapshot(band) == before);

    // A usable Q again computes from everything stored meanwhile.
    band.setQ(0.7);
    const auto r = reference(1, 2000, 3, 0.7);
    EXPECT_NEAR(band.getB0(), r.b0 / r.a0, 1e-8);

    EQCoefHolder other(7, fs);
    other.setParam(1000, 6, 0.7);
    EXPECT_EQ(other.getA0(), 1.0);
    EXPECT_EQ(other.getB0(), 0.0);
    EXPECT_EQ(other.getA1(), 0.0);
}

TEST(AudioEQCoef, ManagerHoldsFourBandsOfTheirKinds)
{
    // A connection of an earlier test may have made the manager: start anew.
    CAudioEQManager::deleteInstance();
    ASSERT_EQ(CAudioEQManager::getInstanceWithoutCreating(), nullptr);
    auto* manager = CAudioEQManager::getInstance();
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(CAudioEQManager::getInstance(), manager);
    EXPECT_EQ(manager->getBand(0), nullptr);
    EXPECT_EQ(manager->getBand(5), nullptr);
    const int kinds[] = { 0, 1, 1, 2 };
    for (int i = 1; i <= 4; ++i)
    {
        ASSERT_NE(manager->getBand(i), nullptr);
        EXPECT_EQ(manager->getBand(i)->getKind(), kinds[i - 1]);
    }
    CAudioEQManager::deleteInstance();
    EXPECT_EQ(CAudioEQManager::getInstanceWithoutCreating(), nullptr);
}
