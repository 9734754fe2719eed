#include "GUI/AudioEQ/RSFrequencyResponseCurveComponent.h"

#include "Application/Host.h"
#include "EQ/CAudioEQManager.h"

#include <cmath>

const unsigned short RSFrequencyResponseCurveComponent::prot_freq_table[numPoints] = {
    10,   20,   30,   40,   50,   60,   70,   80,   90,   100,  110,  120,  130,  140,  150,  160,   170,   180,   190,   200,
    220,  240,  260,  280,  300,  350,  400,  500,  600,  700,  800,  900,  1000, 1100, 1200, 1300,  1400,  1500,  1600,  1700,
    1800, 1900, 2000, 2200, 2400, 2600, 2800, 3000, 3500, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 13000, 16000, 20000,
};

const double RSFrequencyResponseCurveComponent::cos_wT_table[numPoints] = {
    0.999998985, 0.99999594,  0.999990865,  0.999983761,  0.999974626,  0.999963461, 0.999950267, 0.999935043, 0.999917789,
    0.999898505, 0.999877191, 0.999853848,  0.999828475,  0.999801073,  0.999771641, 0.999740179, 0.999706688, 0.999671168,
    0.999633619, 0.99959404,  0.999508795,  0.999415435,  0.99931396,   0.99920437,  0.999086667, 0.998756921, 0.99837649,
    0.997463652, 0.996348338, 0.995030775,  0.993511231,  0.991790014,  0.989867473, 0.987743998, 0.985420021, 0.982896014,
    0.980172488, 0.977249996, 0.974129133,  0.97081053,   0.967294863,  0.963582844, 0.959675227, 0.951276412, 0.942105237,
    0.932169148, 0.921476212, 0.910035111,  0.878221573,  0.841953084,  0.756808832, 0.656327807, 0.542546264, 0.417769991,
    0.284527587, 0.145519215, -0.277691074, -0.650936469, -0.957648316,
};

const double RSFrequencyResponseCurveComponent::sin_wT_table[numPoints] = {
    0.001424758, 0.002849513, 0.004274263, 0.005699003, 0.007123733, 0.008548447, 0.009973145, 0.011397822, 0.012822476,
    0.014247104, 0.015671703, 0.01709627,  0.018520802, 0.019945297, 0.021369752, 0.022794163, 0.024218528, 0.025642843,
    0.027067107, 0.028491315, 0.031339556, 0.034187543, 0.037035251, 0.039882659, 0.042729744, 0.049845886, 0.056959498,
    0.07117769,  0.085381434, 0.099567847, 0.113734048, 0.127877162, 0.141994318, 0.156082651, 0.1701393,   0.184161413,
    0.198146143, 0.212090651, 0.225992107, 0.239847689, 0.253654584, 0.267409989, 0.281111113, 0.308339403, 0.335317346,
    0.362023038, 0.388434796, 0.414531177, 0.478253979, 0.539550743, 0.653636284, 0.754475851, 0.840025923, 0.908552824,
    0.958667853, 0.989355426, 0.960670426, 0.759132211, 0.28794045,
};

RSFrequencyResponseCurveComponent::RSFrequencyResponseCurveComponent(double sampleRate, double lowest, double highest)
    : RSFrequencyResponseBasePane(sampleRate, lowest, highest)
{
    setOpaque(false);
}

void RSFrequencyResponseCurveComponent::mouseDown(const juce::MouseEvent& e)
{
    juce::Component::mouseDown(e);
}

void RSFrequencyResponseCurveComponent::mouseUp(const juce::MouseEvent& e)
{
    juce::Component::mouseUp(e);
}

double RSFrequencyResponseCurveComponent::gainAtPoint(const CAudioEQManager& manager, int i)
{
    const double s = sin_wT_table[i];
    const double c = cos_wT_table[i];
    const double cos2 = 1.0 - 2.0 * s * s;
    const double sin2 = 2.0 * s * c;

    double numerator = 1.0;
    double denominator = 1.0;
    for (int band = 1; band <= CAudioEQManager::numBands; ++band)
    {
        const auto* b = manager.getBand(band);
        if (b == nullptr)
            continue;
        const double a1 = b->getA1(), a2 = b->getA2();
        const double b0 = b->getB0(), b1 = b->getB1(), b2 = b->getB2();
        const double dr = 1.0 + a1 * c + a2 * cos2;
        const double di = a1 * s + a2 * sin2;
        const double nr = b0 + b1 * c + b2 * cos2;
        const double ni = b1 * s + b2 * sin2;
        denominator *= dr * dr + di * di;
        numerator *= nr * nr + ni * ni;
    }
    return 10.0 * std::log10(numerator / denominator) + manager.getTrim();
}

std::array<RSFrequencyResponseCurveComponent::Point, RSFrequencyResponseCurveComponent::numPoints>
RSFrequencyResponseCurveComponent::computePoints(const CAudioEQManager* manager) const
{
    std::array<Point, numPoints> points {};
    if (manager == nullptr || ! hasUsableScale())
        return points;

    const double height = getHeight();
    const double width = getWidth();
    for (int i = 0; i < numPoints; ++i)
    {
        const double gain = gainAtPoint(*manager, i);
        if (! std::isfinite(gain))
            continue; // a band with zero or broken coefficients has no level here
        // Held one pixel beyond the pane before the conversion to int: the
        // clipped drawing stays the same and no value overflows.
        const double dy = juce::jlimit(-height - 1.0, height + 1.0, height * gain * invDbRange);
        const double y = juce::jlimit(-1.0, height + 1.0, (double) y0 - (double) (long long) dy);
        const double x = width * (std::log10((double) prot_freq_table[i]) - log10Lowest) * invLogRange;
        if (! std::isfinite(x))
            continue;
        points[(size_t) i] = { (int) x, (int) y, true };
    }
    return points;
}

void RSFrequencyResponseCurveComponent::paint(juce::Graphics& g)
{
    auto* host = Host::getInstance();
    paintCurve(g, host != nullptr ? host->getAudioEQManager() : nullptr);
}

void RSFrequencyResponseCurveComponent::paintCurve(juce::Graphics& g, const CAudioEQManager* manager)
{
    g.fillAll(juce::Colour(0x00000000));
    g.setColour(juce::Colours::yellow);
    if (manager == nullptr)
        return;

    const auto points = computePoints(manager);
    const Point* previous = nullptr;
    for (const auto& point : points)
    {
        if (! point.valid)
            continue;
        if (previous != nullptr)
            g.drawLine((float) previous->x, (float) previous->y, (float) point.x, (float) point.y, 1.0f);
        previous = &point;
    }
}
