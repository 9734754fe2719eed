#pragma once

#include "GUI/Editor/EditorComponent.h"

// The upper part of the HMQ main view: the header with the program-name
// strip, the write, help and menu buttons and the MIDI indicator; under it
// the catalogue strip; under that the parameter area. The layout is fixed
// when the page is built.
class HMQEditorComponent : public EditorComponent
{
public:
    static constexpr int nameStripWidth = 346;
    static constexpr int nameStripHeight = 38;
    static constexpr int minimumAreaWidth = 768;

    HMQEditorComponent(int width, int height);

    void initialize() override;
    void paint(juce::Graphics& g) override;
    void resized() override {}

    // The catalogue strip's height for a page width: W x 200 / 758 + 19.
    static int catalogHeightFor(int width) noexcept { return width * 200 / 758 + 19; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQEditorComponent)
};
