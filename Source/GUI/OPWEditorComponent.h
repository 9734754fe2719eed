#pragma once

#include "GUI/EditorComponent.h"

// The editor page of the Orva PW: name strip, catalogue strip, parameter
// area, menu and help buttons and the connection badge, placed once.
class OPWEditorComponent : public EditorComponent
{
public:
    OPWEditorComponent(int width, int height);
    ~OPWEditorComponent() override = default;

    void initialize() override;

    // The catalogue strip's height for a page width.
    static int catalogHeightFor(int width) noexcept { return (width * 190) / 755 + 19; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWEditorComponent)
};
