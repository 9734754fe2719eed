#include "GUI/RSFrequencyResponseBasePane.h"

#include <cmath>

RSFrequencyResponseBasePane::RSFrequencyResponseBasePane(double sampleRate, double minimumDb, double maximumDb)
    : m_SampleRate(sampleRate),
      m_MinimumDb(minimumDb),
      m_MaximumDb(maximumDb),
      m_Nyquist(sampleRate / 2.0),
      m_XScale(1.0 / (std::log10(sampleRate / 2.0) - 1.0)),
      m_YScale(1.0 / (maximumDb - minimumDb))
{
}

RSFrequencyResponseBasePane::~RSFrequencyResponseBasePane()
{
    delete m_Child;
    m_Child = nullptr;
}

void RSFrequencyResponseBasePane::resized()
{
    const int h = getHeight();
    m_InverseHeight = h > 0 ? 1.0 / h : 0.0;
    m_ZeroDbLine = (int) (m_MaximumDb * m_YScale * h);
    // The child lies inside this pane: it covers it from its own origin.
    if (m_Child != nullptr)
        m_Child->setBounds(0, 0, getWidth(), h);
}

void RSFrequencyResponseBasePane::setChildPane(juce::Component* child)
{
    if (child == m_Child)
        return;
    delete m_Child;
    m_Child = child;
    if (m_Child != nullptr)
    {
        addAndMakeVisible(m_Child);
        m_Child->setBounds(0, 0, getWidth(), getHeight());
    }
}

int RSFrequencyResponseBasePane::xOfFrequency(double hz) const
{
    return (int) (getWidth() * (std::log10(hz) - m_LogLowest) * m_XScale);
}

int RSFrequencyResponseBasePane::yOfGain(double db) const
{
    return m_ZeroDbLine - (int) (getHeight() * db * m_YScale);
}
