#include "GUI/Widgets/RSKnobSwitch.h"

#include "GUI/Widgets/KnobCollection.h"
#include "GUI/Widgets/RSWidgetSupport.h"

RSKnobSwitch::RSKnobSwitch(const juce::String& knobImage, CurveType curveType, const juce::String& switchImage, bool stepOnClick,
                           bool dragAlways, juce::Colour colour)
    : RSKnob(knobImage, curveType, FocusDrawWhole, juce::Colours::yellow),
      forceMouseOnClick(stepOnClick),
      forceDrag(dragAlways),
      classStepsOnClick(stepOnClick)
{
    focusColour = colour;
    addSwitchStrip(switchImage.isNotEmpty() ? switchImage : juce::String("Switch_HMQ3state"));
}

RSKnobSwitch::RSKnobSwitch(const juce::String& knobImage, CurveType curveType, const juce::String& switchImage1,
                           const juce::String& switchImage2, bool stepOnClick, bool dragAlways, juce::Colour colour)
    : RSKnob(knobImage, curveType, FocusDrawWhole, juce::Colours::yellow),
      forceMouseOnClick(stepOnClick),
      forceDrag(dragAlways),
      classStepsOnClick(stepOnClick)
{
    focusColour = colour;
    addSwitchStrip(switchImage1.isNotEmpty() ? switchImage1 : juce::String("Switch_OFFON"));
    addSwitchStrip(switchImage2.isNotEmpty() ? switchImage2 : juce::String("Switch_HMQ3state"));
}

void RSKnobSwitch::addSwitchStrip(const juce::String& name)
{
    switchImageNames.add(name);
    switchStrips.push_back(getKnobImageInfo(name));
}

void RSKnobSwitch::setRSKnobMax(int value)
{
    RSKnob::setRSKnobMax(value);
    renew_DisplayMode();
}

void RSKnobSwitch::setRSKnobMin(int value)
{
    RSKnob::setRSKnobMin(value);
    renew_DisplayMode();
}

void RSKnobSwitch::renewRange()
{
    RSKnob::renewRange();
    renew_DisplayMode();
}

void RSKnobSwitch::renew_DisplayMode()
{
    const auto span = (juce::int64) maximum - (juce::int64) minimum;
    // A strip missing from the knob collection has no positions.
    auto framesOf = [this](size_t i) { return switchStrips[i] != nullptr ? (juce::int64) switchStrips[i]->numFrames : 0; };

    if (switchStrips.size() == 1)
    {
        displayMode = (span > 0 && span < framesOf(0)) ? 1 : 0;
    }
    else if (switchStrips.size() == 2)
    {
        const auto f1 = framesOf(0), f2 = framesOf(1);
        if (f1 >= f2)
            return;
        if (span > 0 && span < f1)
            displayMode = 1;
        else if (span >= f2)
            displayMode = 0;
        else
            displayMode = 2;
    }
}

int RSKnobSwitch::getSwitchFrameIndex() const
{
    return clampedSliderValue() - minimum;
}

void RSKnobSwitch::paint(juce::Graphics& g)
{
    if (displayMode == 0)
    {
        RSKnob::paint(g);
        return;
    }
    if (hasKeyboardFocus(false))
        paintFocus(g, true);

    const auto* info = switchStrips[(size_t) displayMode - 1];
    if (info == nullptr)
        return;
    const int x = getWidth() > 0 && getHeight() > 0 ? (getWidth() - info->drawWidth) / 2 : 0;
    const int y = getWidth() > 0 && getHeight() > 0 ? (getHeight() - info->drawHeight) / 2 : 0;
    drawFrame(g, *info, getSwitchFrameIndex(), x, y);
}

void RSKnobSwitch::mouseDown(const juce::MouseEvent& e)
{
    juce::Slider::mouseDown(e);
    if (displayMode > 0 && forceMouseOnClick)
    {
        auto next = getValue() + getInterval();
        if (next > getMaximum())
            next = getMinimum();
        setValue(next, juce::sendNotificationAsync);
    }
    grabKeyboardFocus();
    RSWidgetSupport::notifyParentMouseDown(*this);
}

void RSKnobSwitch::mouseDrag(const juce::MouseEvent& e)
{
    if (displayMode == 0 || forceDrag)
        juce::Slider::mouseDrag(e);
}
