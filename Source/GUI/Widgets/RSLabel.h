#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class RSKnob;

// A caption or unit label of a parameter page. Its font follows the form
// properties, and clicks, drags and the wheel over it turn its knob.
class RSLabel : public juce::Label
{
public:
    RSLabel(const juce::String& name, const juce::String& text, juce::Colour textColour, juce::Colour backgroundColour);

    void setLinkedKnob(RSKnob* knob) noexcept { linkedKnob = knob; }
    RSKnob* getLinkedKnob() const noexcept { return linkedKnob; }

    void mouseDown(const juce::MouseEvent& e) override;
    void mouseDrag(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;
    void mouseWheelMove(const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;
    void paint(juce::Graphics& g) override;

private:
    RSKnob* linkedKnob = nullptr; // not owned

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSLabel)
};
