#pragma once

#include "GUI/Widgets/RSKnob.h"

#include <vector>

// A knob that draws itself as a multi-position switch when the parameter's
// range fits one of its switch strips; a click can then step through the
// positions.
class RSKnobSwitch : public RSKnob
{
public:
    RSKnobSwitch(const juce::String& knobImage, CurveType curve, const juce::String& switchImage, bool forceMouseOnClick,
                 bool forceDrag, juce::Colour focusColour);
    RSKnobSwitch(const juce::String& knobImage, CurveType curve, const juce::String& switchImage1,
                 const juce::String& switchImage2, bool forceMouseOnClick, bool forceDrag, juce::Colour focusColour);

    void paint(juce::Graphics& g) override;
    void mouseDown(const juce::MouseEvent& e) override;
    void mouseDrag(const juce::MouseEvent& e) override;
    void setRSKnobMax(int maximum) override;
    void setRSKnobMin(int minimum) override;
    void renewRange() override;

    virtual void setForceDrag(bool shouldForceDrag) { forceDrag = shouldForceDrag; }
    virtual void setForceMouseOnClick(bool shouldStep) { forceMouseOnClick = shouldStep; }
    // Whether the switch's own class steps on a click, whatever a page sets.
    bool stepsOnClickByClass() const noexcept { return classStepsOnClick; }

    // 0 the knob strip, 1 the first switch strip, 2 the second.
    void renew_DisplayMode();
    int getDisplayMode() const noexcept { return displayMode; }
    const juce::StringArray& getSwitchImageNames() const noexcept { return switchImageNames; }

    // The switch frame drawn now (the position counted from the minimum).
    int getSwitchFrameIndex() const;

private:
    void addSwitchStrip(const juce::String& name);

    int displayMode = 0;
    juce::StringArray switchImageNames;
    std::vector<const KnobBitmapImageInfo*> switchStrips;
    bool forceMouseOnClick = false;
    bool forceDrag = false;
    const bool classStepsOnClick;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSKnobSwitch)
};
