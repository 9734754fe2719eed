#include "GUI/RSFrequencyResponseAxisComponent.h"

RSFrequencyResponseAxisComponent::RSFrequencyResponseAxisComponent(double sampleRate, double minimumDb, double maximumDb,
                                                                   bool zeroLine, bool leftEdge, bool gainGrid,
                                                                   bool frequencyGrid, juce::Colour background,
                                                                   juce::Colour axis, juce::Colour grid)
    : RSFrequencyResponseBasePane(sampleRate, minimumDb, maximumDb),
      m_ZeroLine(zeroLine), m_LeftEdge(leftEdge), m_GainGrid(gainGrid), m_FrequencyGrid(frequencyGrid),
      m_Background(background), m_Axis(axis), m_Grid(grid)
{
}

const juce::Array<double>& RSFrequencyResponseAxisComponent::gridFrequencies()
{
    static const juce::Array<double> frequencies = [] {
        juce::Array<double> f;
        for (double decade : { 10.0, 100.0, 1000.0 })
            for (int k = 2; k <= 10; ++k)
                f.add(decade * k);
        f.add(20000.0);
        return f;
    }();
    return frequencies;
}

void RSFrequencyResponseAxisComponent::paint(juce::Graphics& g)
{
    g.fillAll(m_Background);
    drawAxis(g);
}

void RSFrequencyResponseAxisComponent::drawAxis(juce::Graphics& g)
{
    const float w = (float) getWidth(), h = (float) getHeight();
    const float zero = (float) m_ZeroDbLine;

    g.setColour(m_Axis);
    if (m_LeftEdge)
        g.drawLine(0.0f, 0.0f, 0.0f, h, 2.0f);
    if (m_ZeroLine)
        g.drawLine(0.0f, zero, w, zero, 1.0f);

    g.setColour(m_Grid);
    if (m_FrequencyGrid)
        for (const double f : gridFrequencies())
        {
            const float x = (float) xOfFrequency(f);
            g.drawLine(x, 0.0f, x, h, 1.0f);
        }
    if (m_GainGrid)
        for (const double db : { -12.0, 12.0 })
        {
            const float y = (float) yOfGain(db);
            g.drawLine(0.0f, y, w, y, 1.0f);
        }

    g.setColour(m_Axis);
    g.setFont(10.0f);
    auto label = [&g](const char* text, int x, int y) {
        g.drawSingleLineText(text, x, y, juce::Justification::left);
    };
    label("100", xOfFrequency(100.0) - 4, m_ZeroDbLine);
    label("1K", xOfFrequency(1000.0) - 4, m_ZeroDbLine);
    label("10K", xOfFrequency(10000.0) - 4, m_ZeroDbLine);
    label("+24", 0, yOfGain(24.0) + 6);
    label("+12", 0, yOfGain(12.0) + 5);
    label("-12", 0, yOfGain(-12.0));
    label("-24", 0, yOfGain(-24.0) - 1);
}
