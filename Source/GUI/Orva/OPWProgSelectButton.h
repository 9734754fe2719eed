#pragma once

#include "GUI/Editor/RSProgSelectButton.h"

// The Orva PW program buttons' amp tables (amp types 0-16) and the drags
// they accept: the edited program, and programs 0-31 other than their own.
class OPWProgSelectButton : public RSProgSelectButton
{
public:
    using RSProgSelectButton::RSProgSelectButton;

    bool isInterestedInDragSource(const SourceDetails& details) override;
    juce::String getPNGName(int ampType) override;
    juce::String getAmpName(int ampType) override;
    juce::Colour getAmpColor(int ampType) override;

    // Whether an Orva program button accepts the drag (shared with the Orva KX).
    static bool acceptsOrvaProgramDrag(const SourceDetails& details, const juce::Component* self);
};
