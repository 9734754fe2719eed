#pragma once

#include "GUI/Editor/RSProgSelectButton.h"

// The Orva KX program buttons' amp tables (amp types 0-22) and the drags
// they accept: the edited program, and programs 0-31 other than their own.
class OKXProgSelectButton : public RSProgSelectButton
{
public:
    using RSProgSelectButton::RSProgSelectButton;

    bool isInterestedInDragSource(const SourceDetails& details) override;
    juce::String getPNGName(int ampType) override;
    juce::String getAmpName(int ampType) override;
    juce::Colour getAmpColor(int ampType) override;
};
