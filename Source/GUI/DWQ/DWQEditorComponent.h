#pragma once

#include "GUI/Editor/EditorComponent.h"

// The DWQR editor page: the program-name strip, the write, help and menu
// buttons, the connection badge, the catalogue strip and, below it, the
// parameter area. The base handles the buttons and the messages.
class DWQEditorComponent : public EditorComponent
{
public:
    static constexpr int nameStripWidth = 346;
    static constexpr int nameStripHeight = 38;
    static constexpr int paramAreaY = 238;
    static constexpr int paramAreaHeight = 348;
    static constexpr int minParamAreaWidth = 768;

    DWQEditorComponent(int width, int height);
    ~DWQEditorComponent() override = default;

    void paint(juce::Graphics& g) override;
    void resized() override {}
    void initialize() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(DWQEditorComponent)
};
