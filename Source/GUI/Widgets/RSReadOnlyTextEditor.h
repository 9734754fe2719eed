#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class RSKnob;

// The value display under a knob: a label that shows the knob's value as its
// parameter's row formats it. Mouse gestures on it turn the knob.
class RSReadOnlyTextEditor : public juce::Label
{
public:
    explicit RSReadOnlyTextEditor(const juce::String& name);

    void setLinkedKnob(RSKnob* knob) noexcept { linkedKnob = knob; }
    RSKnob* getLinkedKnob() const noexcept { return linkedKnob; }

    void mouseDown(const juce::MouseEvent& e) override;
    void mouseDrag(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;
    void mouseWheelMove(const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;
    void resized() override;

    // Shows the value as the linked knob's parameter formats it; false (and
    // the text unchanged) without a knob, parameter id or row.
    virtual bool SetFormatValue(int value);

private:
    RSKnob* linkedKnob = nullptr; // not owned

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSReadOnlyTextEditor)
};
