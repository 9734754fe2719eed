#include "GUI/Widgets/RSKnob.h"

#include "GUI/Widgets/KnobCollection.h"
#include "GUI/Widgets/RSReadOnlyTextEditor.h"
#include "GUI/Widgets/RSTextEditor.h"
#include "GUI/Widgets/RSWidgetSupport.h"

RSKnob::RSKnob(const juce::String& name, CurveType curveType, KbdFocusDraw focus, juce::Colour colour)
    : juce::Slider("RSKnob"), focusColour(colour), focusDraw(focus), curve(curveType)
{
    setRange(0.0, 100.0, 1.0);
    setSliderStyle(juce::Slider::RotaryVerticalDrag);
    setTextBoxStyle(juce::Slider::NoTextBox, true, 0, 0);
    setWantsKeyboardFocus(true);
    setMouseClickGrabsKeyboardFocus(true);
    addListener(this);

    imageName = name.isNotEmpty() ? name : juce::String("WexletKnob");
    stripInfo = getKnobImageInfo(imageName);

    setSize(64, 64);
    setComponentEffect(nullptr);
}

RSKnob::~RSKnob()
{
    removeListener(this);
}

void RSKnob::setValue(double v, juce::NotificationType notification)
{
    // Clamped in double first, so that values beyond the int range cannot overflow.
    const double whole = std::trunc(juce::jlimit((double) minimum, (double) juce::jmax(minimum, maximum), v));
    currentValue = juce::jmax(minimum, juce::jmin((int) whole, maximum));
    juce::Slider::setValue((double) currentValue, notification);

    if (auto* readOnly = dynamic_cast<RSReadOnlyTextEditor*>(valueDisplay))
        readOnly->SetFormatValue(currentValue);
    else if (auto* editor = dynamic_cast<RSTextEditor*>(valueDisplay))
        editor->SetFormatValue(currentValue);
}

void RSKnob::setRSKnobMax(int value)
{
    maximum = value;
}

void RSKnob::setRSKnobMin(int value)
{
    minimum = value;
}

void RSKnob::renewRange()
{
    // The framework takes no empty range: a knob whose bounds meet keeps the
    // slider's range, and its own clamping holds the value at the bound.
    if (maximum > minimum)
        setRange((double) minimum, (double) maximum, 1.0);
}

void RSKnob::sliderValueChanged(juce::Slider* slider)
{
    if (slider != this)
        return;
    currentValue = (int) getValue();
    setValue(currentValue, juce::sendNotificationAsync);
}

void RSKnob::valueChanged()
{
    sliderValueChanged(this);
}

void RSKnob::mouseEnter(const juce::MouseEvent& e)
{
    juce::Slider::mouseEnter(e);
}
void RSKnob::mouseExit(const juce::MouseEvent& e)
{
    juce::Slider::mouseExit(e);
}

void RSKnob::mouseDown(const juce::MouseEvent& e)
{
    juce::Slider::mouseDown(e);
    grabKeyboardFocus();
    RSWidgetSupport::notifyParentMouseDown(*this);
}

void RSKnob::mouseDrag(const juce::MouseEvent& e)
{
    juce::Slider::mouseDrag(e);
}
void RSKnob::mouseUp(const juce::MouseEvent& e)
{
    juce::Slider::mouseUp(e);
}

void RSKnob::setVisible(bool shouldBeVisible)
{
    if (shouldBeVisible == isVisible())
        return;
    // The caption, value and unit come and go with their knob.
    for (auto* linked : { valueDisplay, nameLabel, unitLabel })
        if (linked != nullptr)
            linked->setVisible(shouldBeVisible);
    juce::Slider::setVisible(shouldBeVisible);
}

int RSKnob::frameForValue(int v, int lo, int hi, int numFrames, CurveType curveType)
{
    const auto span = (juce::int64) hi - (juce::int64) lo;
    if (span <= 0 || numFrames <= 0)
        return 0;
    const auto n = (juce::int64) numFrames;
    juce::int64 frame = 0;
    switch (curveType)
    {
        case CurveSquareFromMin:
        {
            const auto d = (juce::int64) v - lo;
            frame = (d * d * n) / (span * span);
            break;
        }
        case CurveSquareFromMax:
        {
            const auto d = (juce::int64) hi - v;
            frame = n - (d * d * n) / (span * span);
            break;
        }
        case CurveLinear:
        default: frame = (((juce::int64) v - lo) * n) / span; break;
    }
    return (int) juce::jlimit((juce::int64) 0, n - 1, frame);
}

int RSKnob::clampedSliderValue() const
{
    const auto v = (int) juce::jlimit(-2147483648.0, 2147483647.0, getValue());
    return juce::jmax(minimum, juce::jmin(v, maximum));
}

int RSKnob::getFrameIndex() const
{
    if (stripInfo == nullptr)
        return 0;
    return frameForValue(clampedSliderValue(), minimum, maximum, stripInfo->numFrames, curve);
}

void RSKnob::paintFocus(juce::Graphics& g, bool whole) const
{
    g.setColour(focusColour.withAlpha(0.2f));
    const auto w = (float) getWidth(), h = (float) getHeight();
    if (whole)
        g.fillRect(0.0f, 0.0f, w, h);
    else
        g.fillRect(w / 7.0f, h / 7.0f, 5.0f * w / 7.0f, 5.0f * h / 7.0f);
}

void RSKnob::drawFrame(juce::Graphics& g, const KnobBitmapImageInfo& info, int frame, int x, int y)
{
    const auto image = RSWidgetSupport::getImage(info.name);
    if (image.isNull())
        return;
    // At full strength: an image is drawn at the opacity of the current
    // colour, which the focus fill has just set to a faint one.
    g.setOpacity(1.0f);
    g.drawImage(image, x, y, info.drawWidth, info.drawHeight, 0, frame * info.frameHeight, info.frameWidth, info.frameHeight);
}

void RSKnob::paint(juce::Graphics& g)
{
    if (hasKeyboardFocus(false))
    {
        if (focusDraw == FocusDrawInnerSquare)
            paintFocus(g, false);
        else if (focusDraw == FocusDrawWhole)
            paintFocus(g, true);
    }
    // A knob whose strip is not in the knob collection has no frames to draw.
    if (stripInfo != nullptr)
        drawFrame(g, *stripInfo, getFrameIndex(), 0, 0);
}

bool RSKnob::keyFocusIsHere() const
{
    return hasKeyboardFocus(false) || (valueDisplay != nullptr && valueDisplay->hasKeyboardFocus(false));
}

bool RSKnob::keyPressed(const juce::KeyPress& key)
{
    if (! keyFocusIsHere())
        return false;

    const int step = juce::jmax(1, (int) getInterval());
    const int code = key.getKeyCode();
    if (code == juce::KeyPress::upKey)
        setValue(juce::jmin((juce::int64) currentValue + step, (juce::int64) maximum), juce::sendNotificationAsync);
    else if (code == juce::KeyPress::downKey)
        setValue(juce::jmax((juce::int64) currentValue - step, (juce::int64) minimum), juce::sendNotificationAsync);
    else if (code == juce::KeyPress::pageUpKey)
        setValue(juce::jmin((juce::int64) currentValue + 10 * step, (juce::int64) maximum), juce::sendNotificationAsync);
    else if (code == juce::KeyPress::pageDownKey)
        setValue(juce::jmax((juce::int64) currentValue - 10 * step, (juce::int64) minimum), juce::sendNotificationAsync);
    else if (code == juce::KeyPress::homeKey)
        setValue(minimum, juce::sendNotificationAsync);
    else if (code == juce::KeyPress::endKey)
        setValue(maximum, juce::sendNotificationAsync);
    else if (code == juce::KeyPress::leftKey || code == juce::KeyPress::rightKey)
        ;
    else
        return false;
    return true;
}

juce::String RSKnob::getTextFromValue(double value)
{
    return juce::Slider::getTextFromValue(value);
}
