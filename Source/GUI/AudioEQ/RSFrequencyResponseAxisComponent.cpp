#include "GUI/AudioEQ/RSFrequencyResponseAxisComponent.h"

#include "GUI/Widgets/FontLibrary.h"

const int RSFrequencyResponseAxisComponent::gridFrequencies[28] = {
    20,  30,  40,  50,   60,   70,   80,   90,   100,  200,  300,  400,  500,   600,
    700, 800, 900, 1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 20000,
};

RSFrequencyResponseAxisComponent::RSFrequencyResponseAxisComponent(double sampleRate, double lowest, double highest,
                                                                   bool zeroLine, bool leftLine, bool grid, bool labels,
                                                                   juce::Colour backgroundColour, juce::Colour line,
                                                                   juce::Colour gridLine)
    : RSFrequencyResponseBasePane(sampleRate, lowest, highest),
      drawZeroLine(zeroLine),
      drawLeftLine(leftLine),
      drawGrid(grid),
      drawLabels(labels),
      background(backgroundColour),
      lineColour(line),
      gridColour(gridLine)
{
    setOpaque(backgroundColour.isOpaque());
}

void RSFrequencyResponseAxisComponent::paint(juce::Graphics& g)
{
    g.fillAll(background);
    if (! hasUsableScale())
        return;

    const float width = (float) getWidth();
    const float height = (float) getHeight();

    if (drawGrid)
    {
        g.setColour(gridColour);
        for (double dB : { -12.0, 12.0 })
            g.drawHorizontalLine(yOfGain(dB), 0.0f, width);
        for (int hz : gridFrequencies)
            if (hz < nyquist)
                g.drawVerticalLine(xOfFrequency(hz), 0.0f, height);
    }

    g.setColour(lineColour);
    if (drawZeroLine)
        g.drawLine(0.0f, (float) y0 + 0.5f, width, (float) y0 + 0.5f, 1.0f);
    if (drawLeftLine)
        g.drawLine(1.0f, 0.0f, 1.0f, height, 2.0f);

    if (drawLabels)
    {
        // Single-line texts, each given by the start of its baseline: the
        // frequencies stand on the 0 dB line just right of their grid line,
        // the gains at the left edge on their lines.
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
}
