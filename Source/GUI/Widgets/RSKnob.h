#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

struct KnobBitmapImageInfo;

// The rotary control of a continuous parameter, drawn from a knob strip of the
// knob collection. It keeps its own integer range and value and pushes every
// value it takes to its linked value display. It never writes a parameter:
// the page that listens to it does.
class RSKnob : public juce::Slider,
               public juce::ChangeListener,
               public juce::Slider::Listener
{
public:
    // How the frame follows the value.
    enum CurveType
    {
        CurveSquareFromMin = 0, // "knob_Acurve"
        CurveLinear = 1,
        CurveSquareFromMax = 2 // "knob_Ccurve"
    };

    // What keyboard focus highlights.
    enum KbdFocusDraw
    {
        FocusDrawNone = 0,
        FocusDrawInnerSquare = 1,
        FocusDrawWhole = 2
    };

    RSKnob(const juce::String& imageName, CurveType curve, KbdFocusDraw focusDraw, juce::Colour focusColour);
    ~RSKnob() override;

    // Takes the integer part of v clamped into [minimum, maximum], moves the
    // slider there and shows it in the linked value display.
    virtual void setValue(double v, juce::NotificationType notification = juce::sendNotificationAsync);
    // Store the bound only; the slider's range follows at renewRange().
    virtual void setRSKnobMax(int maximum);
    virtual void setRSKnobMin(int minimum);
    virtual void renewRange();

    void changeListenerCallback(juce::ChangeBroadcaster*) override {}
    void sliderValueChanged(juce::Slider* slider) override;
    // The framework calls its listeners newest first; taking the value here
    // as well lets the pages that listen to the knob see it already taken.
    void valueChanged() override;

    void mouseEnter(const juce::MouseEvent& e) override;
    void mouseExit(const juce::MouseEvent& e) override;
    void mouseDown(const juce::MouseEvent& e) override;
    void mouseDrag(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;
    void setVisible(bool shouldBeVisible) override;
    void paint(juce::Graphics& g) override;
    bool keyPressed(const juce::KeyPress& key) override;
    void resized() override {}
    juce::String getTextFromValue(double value) override;

    // Links set by the page; never owned.
    void setValueDisplay(juce::Component* display) noexcept { valueDisplay = display; }
    void setNameLabel(juce::Component* label) noexcept { nameLabel = label; }
    void setUnitLabel(juce::Component* label) noexcept { unitLabel = label; }
    juce::Component* getValueDisplay() const noexcept { return valueDisplay; }
    juce::Component* getNameLabel() const noexcept { return nameLabel; }
    juce::Component* getUnitLabel() const noexcept { return unitLabel; }

    int getCurrentValue() const noexcept { return currentValue; }
    int getRSKnobMax() const noexcept { return maximum; }
    int getRSKnobMin() const noexcept { return minimum; }
    CurveType getCurve() const noexcept { return curve; }
    const juce::String& getImageName() const noexcept { return imageName; }
    const KnobBitmapImageInfo* getStripInfo() const noexcept { return stripInfo; }

    // The frame of an N-frame strip that shows v in [minimum, maximum].
    static int frameForValue(int v, int minimum, int maximum, int numFrames, CurveType curve);
    // The frame the knob draws now.
    int getFrameIndex() const;

protected:
    // Whether the knob or its value display has the keyboard focus.
    virtual bool keyFocusIsHere() const;
    // The slider's value as an integer within the knob's own range.
    int clampedSliderValue() const;
    void paintFocus(juce::Graphics& g, bool whole) const;
    static void drawFrame(juce::Graphics& g, const KnobBitmapImageInfo& info, int frame, int x, int y);

    juce::Colour focusColour;
    juce::Component* valueDisplay = nullptr;
    juce::Component* nameLabel = nullptr;
    juce::Component* unitLabel = nullptr;
    juce::String imageName;
    const KnobBitmapImageInfo* stripInfo = nullptr;
    int currentValue = 0;
    int maximum = 100;
    int minimum = 0;
    KbdFocusDraw focusDraw;
    CurveType curve;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSKnob)
};
