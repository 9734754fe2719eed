#include "GUI/AudioEQ/RSFrequencyResponseBasePane.h"

#include <cmath>

RSFrequencyResponseBasePane::RSFrequencyResponseBasePane(double sampleRate, double lowest, double highest)
    : fs(sampleRate), lowestDb(lowest), highestDb(highest), nyquist(sampleRate / 2.0)
{
    setInterceptsMouseClicks(true, true);
    computeScale();
}

RSFrequencyResponseBasePane::~RSFrequencyResponseBasePane()
{
    childPane.reset();
}

void RSFrequencyResponseBasePane::computeScale()
{
    const double logRange = nyquist > 0.0 ? std::log10(nyquist) - log10Lowest : 0.0;
    invLogRange = logRange > 0.0 && std::isfinite(logRange) ? 1.0 / logRange : 0.0;
    const double dbRange = highestDb - lowestDb;
    invDbRange = dbRange != 0.0 && std::isfinite(dbRange) ? 1.0 / dbRange : 0.0;
    const int height = getHeight();
    invHeight = height > 0 ? 1.0 / height : 0.0;
    y0 = invDbRange != 0.0 ? (int) (highestDb * invDbRange * height) : 0;
}

bool RSFrequencyResponseBasePane::hasUsableScale() const noexcept
{
    return getHeight() > 0 && getWidth() > 0 && invLogRange > 0.0 && invDbRange != 0.0;
}

int RSFrequencyResponseBasePane::xOfFrequency(double hz) const noexcept
{
    return (int) (getWidth() * (std::log10(hz) - log10Lowest) * invLogRange);
}

int RSFrequencyResponseBasePane::yOfGain(double dB) const noexcept
{
    return y0 - (int) (getHeight() * dB * invDbRange);
}

void RSFrequencyResponseBasePane::resized()
{
    computeScale();
    if (childPane != nullptr)
        childPane->setBounds(getLocalBounds());
}

void RSFrequencyResponseBasePane::setChildPane(RSFrequencyResponseBasePane* pane)
{
    if (childPane != nullptr)
        removeChildComponent(childPane.get());
    childPane.reset(pane);
    if (childPane != nullptr)
    {
        addAndMakeVisible(childPane.get());
        childPane->setBounds(getLocalBounds());
    }
}

RSFrequencyResponseBasePane* RSFrequencyResponseBasePane::releaseChildPane()
{
    if (childPane != nullptr)
        removeChildComponent(childPane.get());
    return childPane.release();
}
