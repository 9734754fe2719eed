#include "GUI/AudioEQ/RSFrequencyResponseAxisComponent.h"

#include "GUI/Widgets/FontLibrary.h"

const int RSFrequencyResponseAxisComponent::gridFrequencies[28] = {
    20,  30,  40,  50,   60,   70,   80,   90,   100,  200,  300,  400,  500,   600,
    700, 800, 900, 1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 20000,
};

RSFrequencyResponseAxisComponent::RSFrequencyResponseAxisComponent(double sampleRate, double lowest, double highest,
                                                                   bool zeroLine, bool leftLine, bool gainGrid,
                                                                   bool frequencyGrid, juce::Colour backgroundColour,
                                                                   juce::Colour axis, juce::Colour grid)
    : RSFrequencyResponseBasePane(sampleRate, lowest, highest),
      drawZeroLine(zeroLine),
      drawLeftLine(leftLine),
      drawGainGrid(gainGrid),
      drawFrequencyGrid(frequencyGrid),
      background(backgroundColour),
      axisColour(axis),
      gridColour(grid)
{
    setOpaque(backgroundColour.isOpaque());
}

void RSFrequencyResponseAxisComponent::paint(juce::Graphics& g)
{
    g.fillAll(background);
    drawAxis(g);
}

void RSFrequencyResponseAxisComponent::drawAxis(juce::Graphics& g)
{
    if (! hasUsableScale())
        return;

    const float width = (float) getWidth();
    const float height = (float) getHeight();

    g.setColour(axisColour);
    if (drawLeftLine)
        g.drawLine(0.0f, 0.0f, 0.0f, height, 2.0f);
    if (drawZeroLine)
        g.drawLine(0.0f, (float) y0 + 0.5f, width, (float) y0 + 0.5f, 1.0f);

    // The grids cross the axis lines and are drawn over them.
    g.setColour(gridColour);
    if (drawFrequencyGrid)
        for (int hz : gridFrequencies)
            if (hz < nyquist)
                g.drawVerticalLine(xOfFrequency(hz), 0.0f, height);
    if (drawGainGrid)
        for (double dB : { -12.0, 12.0 })
            g.drawHorizontalLine(yOfGain(dB), 0.0f, width);

    // Single-line texts, each given by the start of its baseline: the
    // frequencies stand on the 0 dB line, starting 4 pixels left of their grid
    // line; the gains start at the left edge, their baselines a few pixels
    // below their lines at the top (+24, +12) and on or just above them at
    // the bottom (-12, -24).
    g.setColour(axisColour);
    g.setFont(FontLibrary::makeFont("Arial", 10.0f, juce::Font::plain));
    const struct
    {
        const char* text;
        int hz;
    } frequencyLabels[] = { { "100", 100 }, { "1K", 1000 }, { "10K", 10000 } };
    for (const auto& label : frequencyLabels)
        if (label.hz < nyquist)
            g.drawSingleLineText(label.text, xOfFrequency(label.hz) - 4, y0, juce::Justification::left);
    const struct
    {
        const char* text;
        double dB;
        int baselineOffset;
    } gainLabels[] = { { "+24", 24.0, 6 }, { "+12", 12.0, 5 }, { "-12", -12.0, 0 }, { "-24", -24.0, -1 } };
    for (const auto& label : gainLabels)
        g.drawSingleLineText(label.text, 0, yOfGain(label.dB) + label.baselineOffset, juce::Justification::left);
}
