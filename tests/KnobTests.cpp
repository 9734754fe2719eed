// The knob and the knob switch: frames over their ranges, value clamping,
// drag, wheel and keys, switch modes and stepping, and the links to the value
// display and labels.
#include "Application/Host.h"
#include "Core/DeviceInfo.h"
#include "GUI/Editor/AnotherComponentListner.h"
#include "GUI/Widgets/KnobBitmapImageInfo.h"
#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSKnobSwitch.h"
#include "GUI/Widgets/RSLabel.h"
#include "GUI/Widgets/RSReadOnlyTextEditor.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

namespace
{
using Curve = RSKnob::CurveType;

juce::MouseEvent mouseAt(juce::Component& c, juce::Point<float> pos, juce::Point<float> downPos, bool dragged,
                         juce::Time when = juce::Time::getCurrentTime())
{
    return juce::MouseEvent(juce::Desktop::getInstance().getMainMouseSource(), pos, {}, {}, {}, {}, {}, {}, &c, &c, when, downPos,
                            when, 1, dragged);
}

// A parent that records the presses its children report.
struct Panel : juce::Component,
               AnotherComponentListner
{
    void mouseDownByOtherComponent(juce::Component* c) override { pressed.add(c); }
    juce::Array<juce::Component*> pressed;
};

// The knobs sit in a window on the screen, as in the application: a press
// gives a knob the keyboard focus, which only a showing component can take.
struct Knob : ::testing::Test
{
    Knob()
    {
        panel.setSize(300, 200);
        panel.addToDesktop(0);
        panel.setVisible(true);
    }

    RSKnob& addKnob(Curve curve = RSKnob::CurveLinear, const juce::String& strip = "Knob_OrvaPW_7070")
    {
        knob = std::make_unique<RSKnob>(strip, curve, RSKnob::FocusDrawInnerSquare, juce::Colours::yellow);
        panel.addAndMakeVisible(*knob);
        knob->setBounds(10, 10, 70, 70);
        return *knob;
    }

    Panel panel;
    std::unique_ptr<RSKnob> knob;
};
} // namespace

TEST(KnobFrames, LinearCurveCoversEveryFrameAndClampsTheTop)
{
    EXPECT_EQ(RSKnob::frameForValue(0, 0, 100, 101, RSKnob::CurveLinear), 0);
    EXPECT_EQ(RSKnob::frameForValue(50, 0, 100, 101, RSKnob::CurveLinear), 50);
    EXPECT_EQ(RSKnob::frameForValue(99, 0, 100, 101, RSKnob::CurveLinear), 99);
    EXPECT_EQ(RSKnob::frameForValue(100, 0, 100, 101, RSKnob::CurveLinear), 100);
    // Ranges that do not start at 0 and do not span 100: truncated division.
    EXPECT_EQ(RSKnob::frameForValue(-12, -12, 12, 101, RSKnob::CurveLinear), 0);
    EXPECT_EQ(RSKnob::frameForValue(0, -12, 12, 101, RSKnob::CurveLinear), 50);
    EXPECT_EQ(RSKnob::frameForValue(1, -12, 12, 101, RSKnob::CurveLinear), 54);
    EXPECT_EQ(RSKnob::frameForValue(12, -12, 12, 101, RSKnob::CurveLinear), 100);
    EXPECT_EQ(RSKnob::frameForValue(240, 0, 240, 101, RSKnob::CurveLinear), 100);
    EXPECT_EQ(RSKnob::frameForValue(1, 0, 240, 101, RSKnob::CurveLinear), 0);
}

TEST(KnobFrames, SquareCurvesBendTowardsTheirEnd)
{
    EXPECT_EQ(RSKnob::frameForValue(50, 0, 100, 101, RSKnob::CurveSquareFromMin), 25);
    EXPECT_EQ(RSKnob::frameForValue(50, 0, 100, 101, RSKnob::CurveSquareFromMax), 76);
    for (auto curve : { RSKnob::CurveSquareFromMin, RSKnob::CurveSquareFromMax })
    {
        EXPECT_EQ(RSKnob::frameForValue(0, 0, 100, 101, curve), 0);
        EXPECT_EQ(RSKnob::frameForValue(100, 0, 100, 101, curve), 100);
        EXPECT_EQ(RSKnob::frameForValue(10, 10, 20, 101, curve), 0);
        EXPECT_EQ(RSKnob::frameForValue(20, 10, 20, 101, curve), 100);
    }
    EXPECT_EQ(RSKnob::frameForValue(15, 10, 20, 101, RSKnob::CurveSquareFromMin), 25);
}

TEST(KnobFrames, DegenerateRangesShowTheFirstFrameAndWideRangesDoNotOverflow)
{
    EXPECT_EQ(RSKnob::frameForValue(7, 7, 7, 101, RSKnob::CurveLinear), 0);
    EXPECT_EQ(RSKnob::frameForValue(7, 7, 7, 101, RSKnob::CurveSquareFromMax), 0);
    EXPECT_EQ(RSKnob::frameForValue(0, 10, 0, 101, RSKnob::CurveLinear), 0);
    EXPECT_EQ(RSKnob::frameForValue(65535, 0, 65535, 101, RSKnob::CurveSquareFromMin), 100);
    EXPECT_EQ(RSKnob::frameForValue(0, -2147483647 - 1, 2147483647, 101, RSKnob::CurveLinear), 50);
}

TEST_F(Knob, ConstructionDefaultsAndMissingStrip)
{
    auto& k = addKnob();
    EXPECT_EQ(k.getName(), "RSKnob");
    EXPECT_EQ(k.getMinimum(), 0.0);
    EXPECT_EQ(k.getMaximum(), 100.0);
    EXPECT_EQ(k.getInterval(), 1.0);
    EXPECT_EQ(k.getSliderStyle(), juce::Slider::RotaryVerticalDrag);
    EXPECT_TRUE(k.getWantsKeyboardFocus());
    ASSERT_NE(k.getStripInfo(), nullptr);
    EXPECT_EQ(k.getStripInfo()->numFrames, 101);

    RSKnob unnamed({}, RSKnob::CurveLinear, RSKnob::FocusDrawNone, juce::Colours::red);
    EXPECT_EQ(unnamed.getImageName(), "WexletKnob");
    EXPECT_EQ(unnamed.getStripInfo(), nullptr);
    EXPECT_EQ(unnamed.getWidth(), 64);
    unnamed.setSize(70, 70);
    EXPECT_NO_THROW(unnamed.createComponentSnapshot(unnamed.getLocalBounds())); // draws nothing
}

TEST_F(Knob, SetValueTruncatesAndClampsIntoItsOwnRange)
{
    auto& k = addKnob();
    k.setValue(150, juce::dontSendNotification);
    EXPECT_EQ(k.getCurrentValue(), 100);
    k.setValue(-3, juce::dontSendNotification);
    EXPECT_EQ(k.getCurrentValue(), 0);
    k.setValue(42.9, juce::dontSendNotification);
    EXPECT_EQ(k.getCurrentValue(), 42);
    EXPECT_EQ(k.getValue(), 42.0);
    EXPECT_EQ(k.getFrameIndex(), 42);

    // The bounds apply to the slider only after renewRange.
    k.setRSKnobMin(-12);
    k.setRSKnobMax(12);
    EXPECT_EQ(k.getMinimum(), 0.0);
    k.renewRange();
    EXPECT_EQ(k.getMinimum(), -12.0);
    EXPECT_EQ(k.getMaximum(), 12.0);
    k.setValue(-20, juce::dontSendNotification);
    EXPECT_EQ(k.getCurrentValue(), -12);
    EXPECT_EQ(k.getFrameIndex(), 0);
    k.setValue(0, juce::dontSendNotification);
    EXPECT_EQ(k.getFrameIndex(), 50);
    k.setValue(1e12, juce::dontSendNotification);
    EXPECT_EQ(k.getCurrentValue(), 12);
}

TEST_F(Knob, DragTurnsWithinTheRangeAndTellsTheParent)
{
    auto& k = addKnob();
    k.setValue(20, juce::dontSendNotification);
    const juce::Point<float> start(35, 35);
    k.mouseDown(mouseAt(k, start, start, false));
    EXPECT_EQ(panel.pressed, juce::Array<juce::Component*>({ &k }));

    // 250 pixels make the whole range.
    k.mouseDrag(mouseAt(k, start.translated(0, -125), start, true));
    EXPECT_EQ(k.getCurrentValue(), 70);
    k.mouseDrag(mouseAt(k, start.translated(0, -1000), start, true));
    EXPECT_EQ(k.getCurrentValue(), 100);
    k.mouseDrag(mouseAt(k, start.translated(0, 1000), start, true));
    EXPECT_EQ(k.getCurrentValue(), 0);
    k.mouseUp(mouseAt(k, start.translated(0, 1000), start, true));
}

TEST_F(Knob, WheelStepsAtLeastOneIntervalAndStopsAtTheEnds)
{
    auto& k = addKnob();
    k.setRSKnobMax(3);
    k.renewRange();
    k.setValue(1, juce::dontSendNotification);
    juce::MouseWheelDetails up { 0.0f, 0.1f, false, false, false };
    auto t = juce::Time::getCurrentTime();
    k.mouseWheelMove(mouseAt(k, { 5, 5 }, { 5, 5 }, false, t), up);
    EXPECT_EQ(k.getCurrentValue(), 2);
    for (int i = 1; i < 5; ++i)
        k.mouseWheelMove(mouseAt(k, { 5, 5 }, { 5, 5 }, false, t + juce::RelativeTime::milliseconds(i)), up);
    EXPECT_EQ(k.getCurrentValue(), 3);
    auto down = up;
    down.deltaY = -0.1f;
    k.mouseWheelMove(mouseAt(k, { 5, 5 }, { 5, 5 }, false, t + juce::RelativeTime::milliseconds(9)), down);
    EXPECT_EQ(k.getCurrentValue(), 2);
}

TEST_F(Knob, KeysNeedFocusAndKeepTheValueInRange)
{
    auto& plain = addKnob();
    plain.setValue(5, juce::dontSendNotification);
    EXPECT_FALSE(plain.keyPressed(juce::KeyPress(juce::KeyPress::upKey)));
    EXPECT_EQ(plain.getCurrentValue(), 5);

    // The display has no window manager to hand out focus; the knob is told it has it.
    struct FocusedKnob : RSKnob
    {
        using RSKnob::RSKnob;
        bool keyFocusIsHere() const override { return focused; }
        bool focused = true;
    } fk("Knob_OrvaPW_7070", RSKnob::CurveLinear, RSKnob::FocusDrawInnerSquare, juce::Colours::yellow);
    fk.setValue(5, juce::dontSendNotification);
    auto& k = fk;
    using KP = juce::KeyPress;
    auto press = [&k](int code) { return k.keyPressed(KP(code)); };
    EXPECT_TRUE(press(KP::downKey));
    EXPECT_EQ(k.getCurrentValue(), 4);
    EXPECT_TRUE(press(KP::pageDownKey));
    EXPECT_EQ(k.getCurrentValue(), 0);
    EXPECT_TRUE(press(KP::downKey));
    EXPECT_EQ(k.getCurrentValue(), 0);
    EXPECT_TRUE(press(KP::pageUpKey));
    EXPECT_TRUE(press(KP::upKey));
    EXPECT_EQ(k.getCurrentValue(), 11);
    EXPECT_TRUE(press(KP::endKey));
    EXPECT_EQ(k.getCurrentValue(), 100);
    EXPECT_TRUE(press(KP::pageUpKey));
    EXPECT_EQ(k.getCurrentValue(), 100);
    EXPECT_TRUE(press(KP::homeKey));
    EXPECT_EQ(k.getCurrentValue(), 0);
    EXPECT_TRUE(press(KP::rightKey));
    EXPECT_TRUE(press(KP::leftKey));
    EXPECT_EQ(k.getCurrentValue(), 0);
    EXPECT_FALSE(k.keyPressed(KP('a')));
    fk.focused = false;
    EXPECT_FALSE(k.keyPressed(KP(KP::homeKey)));
}

TEST_F(Knob, HidingTakesTheLinkedWidgetsAlong)
{
    auto& k = addKnob();
    RSReadOnlyTextEditor value("value");
    RSLabel caption("caption", "GAIN", juce::Colours::white, juce::Colours::transparentBlack);
    RSLabel unit("unit", "dB", juce::Colours::white, juce::Colours::transparentBlack);
    for (juce::Component* c : { (juce::Component*) &value, (juce::Component*) &caption, (juce::Component*) &unit })
        panel.addAndMakeVisible(c);
    k.setValueDisplay(&value);
    k.setNameLabel(&caption);
    k.setUnitLabel(&unit);

    k.setVisible(false);
    EXPECT_FALSE(value.isVisible() || caption.isVisible() || unit.isVisible() || k.isVisible());

    // Already visible: nothing else is touched.
    k.setVisible(true);
    caption.setVisible(false);
    k.setVisible(true);
    EXPECT_FALSE(caption.isVisible());
    EXPECT_TRUE(value.isVisible());
}

TEST_F(Knob, DraggingOrScrollingALinkedLabelTurnsTheKnob)
{
    auto& k = addKnob();
    RSLabel caption("caption", "GAIN", juce::Colours::white, juce::Colours::transparentBlack);
    RSReadOnlyTextEditor value("value");
    panel.addAndMakeVisible(caption);
    panel.addAndMakeVisible(value);
    caption.setBounds(10, 90, 70, 16);
    value.setBounds(10, 110, 70, 16);
    caption.setLinkedKnob(&k);
    value.setLinkedKnob(&k);

    k.setValue(10, juce::dontSendNotification);
    const juce::Point<float> start(20, 8);
    caption.mouseDown(mouseAt(caption, start, start, false));
    caption.mouseDrag(mouseAt(caption, start.translated(0, -50), start, true));
    caption.mouseUp(mouseAt(caption, start.translated(0, -50), start, true));
    EXPECT_EQ(k.getCurrentValue(), 30);
    EXPECT_TRUE(panel.pressed.contains(&k));

    value.mouseDown(mouseAt(value, start, start, false));
    value.mouseDrag(mouseAt(value, start.translated(0, 25), start, true));
    value.mouseUp(mouseAt(value, start.translated(0, 25), start, true));
    EXPECT_EQ(k.getCurrentValue(), 20);

    const juce::MouseWheelDetails up { 0.0f, 0.1f, false, false, false };
    caption.mouseWheelMove(mouseAt(caption, start, start, false), up);
    EXPECT_GT(k.getCurrentValue(), 20);
}

TEST_F(Knob, PagesHearTheChangeAfterTheKnob)
{
    auto& k = addKnob();
    struct Page : juce::Slider::Listener
    {
        void sliderValueChanged(juce::Slider* s) override { seen.add(static_cast<RSKnob*>(s)->getCurrentValue()); }
        juce::Array<int> seen;
    } page;
    k.addListener(&page);
    const juce::Point<float> start(35, 35);
    k.mouseDown(mouseAt(k, start, start, false));
    k.mouseDrag(mouseAt(k, start.translated(0, -25), start, true));
    k.mouseUp(mouseAt(k, start.translated(0, -25), start, true));
    testing_support::pumpFor(20);
    ASSERT_EQ(page.seen.size(), 1) << page.seen.size();
    EXPECT_EQ(page.seen[0], 10);
    k.removeListener(&page);
}

// --------------------------------------------------------------------------
namespace
{
struct KnobSwitch : ::testing::Test
{
    std::unique_ptr<RSKnobSwitch> make(bool stepOnClick, bool dragAlways, bool twoStrips)
    {
        auto s = twoStrips ? std::make_unique<RSKnobSwitch>("Knob_HMQ_5454", RSKnob::CurveLinear, "Switch_OFFON",
                                                            "Switch_HMQ3state", stepOnClick, dragAlways, juce::Colours::red)
                           : std::make_unique<RSKnobSwitch>("Knob_HMQ_5454", RSKnob::CurveLinear, "Switch_OFFON", stepOnClick,
                                                            dragAlways, juce::Colours::red);
        s->setBounds(0, 0, 60, 60);
        window.addAndMakeVisible(*s);
        return s;
    }

    // A window on the screen, as in the application.
    KnobSwitch()
    {
        window.setSize(200, 100);
        window.addToDesktop(0);
        window.setVisible(true);
    }

    static void setRange(RSKnobSwitch& s, int lo, int hi)
    {
        s.setRSKnobMin(lo);
        s.setRSKnobMax(hi);
        s.renewRange();
    }

    juce::Component window;
};
} // namespace

TEST_F(KnobSwitch, OneStripShowsTheSwitchOnlyWhenTheRangeFits)
{
    auto s = make(true, false, false);
    EXPECT_EQ(s->getDisplayMode(), 0);
    setRange(*s, 0, 1);
    EXPECT_EQ(s->getDisplayMode(), 1);
    setRange(*s, 0, 2);
    EXPECT_EQ(s->getDisplayMode(), 0);
    setRange(*s, 3, 3);
    EXPECT_EQ(s->getDisplayMode(), 0);
    EXPECT_EQ(s->getCurrentValue(), 0);
    s->setValue(9, juce::dontSendNotification);
    EXPECT_EQ(s->getCurrentValue(), 3);

    RSKnobSwitch defaulted("Knob_HMQ_5454", RSKnob::CurveLinear, "", false, false, juce::Colours::red);
    EXPECT_EQ(defaulted.getSwitchImageNames(), juce::StringArray("Switch_HMQ3state"));
}

TEST_F(KnobSwitch, TwoStripsPickTheSmallestThatFits)
{
    auto s = make(true, false, true);
    setRange(*s, 0, 1);
    EXPECT_EQ(s->getDisplayMode(), 1);
    setRange(*s, 0, 2);
    EXPECT_EQ(s->getDisplayMode(), 2);
    setRange(*s, 0, 3);
    EXPECT_EQ(s->getDisplayMode(), 0);
    setRange(*s, 5, 7);
    EXPECT_EQ(s->getDisplayMode(), 2);

    // A first strip with as many frames as the second never changes the mode.
    RSKnobSwitch same("Knob_HMQ_5454", RSKnob::CurveLinear, "Switch_HMQ3state", "Switch_VOICE_7070", true, false,
                      juce::Colours::red);
    same.setRSKnobMax(1);
    EXPECT_EQ(same.getDisplayMode(), 0);
    RSKnobSwitch defaulted("Knob_HMQ_5454", RSKnob::CurveLinear, "", "", true, false, juce::Colours::red);
    EXPECT_EQ(defaulted.getSwitchImageNames(), juce::StringArray("Switch_OFFON", "Switch_HMQ3state"));
}

TEST_F(KnobSwitch, ClickStepsAndWrapsOnlyInASwitchMode)
{
    auto s = make(true, false, true);
    setRange(*s, 4, 6);
    ASSERT_EQ(s->getDisplayMode(), 2);
    s->setValue(4, juce::dontSendNotification);
    const juce::Point<float> p(30, 30);
    juce::Array<int> seen;
    for (int i = 0; i < 4; ++i)
    {
        s->mouseDown(mouseAt(*s, p, p, false));
        s->mouseUp(mouseAt(*s, p, p, false));
        seen.add(s->getCurrentValue());
    }
    EXPECT_EQ(seen, juce::Array<int>({ 5, 6, 4, 5 }));
    EXPECT_EQ(s->getSwitchFrameIndex(), 1);

    setRange(*s, 0, 100);
    ASSERT_EQ(s->getDisplayMode(), 0);
    s->setValue(50, juce::dontSendNotification);
    s->mouseDown(mouseAt(*s, p, p, false));
    EXPECT_EQ(s->getCurrentValue(), 50);

    auto noStep = make(false, false, false);
    setRange(*noStep, 0, 1);
    noStep->mouseDown(mouseAt(*noStep, p, p, false));
    EXPECT_EQ(noStep->getCurrentValue(), 0);
}

TEST_F(KnobSwitch, DragsAreIgnoredInASwitchModeUnlessForced)
{
    const juce::Point<float> p(30, 30);
    auto drag = [&p](RSKnobSwitch& s) {
        s.mouseDown(mouseAt(s, p, p, false));
        s.mouseDrag(mouseAt(s, p.translated(0, -250), p, true));
        s.mouseUp(mouseAt(s, p.translated(0, -250), p, true));
        return s.getCurrentValue();
    };
    auto s = make(false, false, false);
    setRange(*s, 0, 1);
    EXPECT_EQ(drag(*s), 0);
    s->setForceDrag(true);
    EXPECT_EQ(drag(*s), 1);

    auto knobMode = make(false, false, false);
    setRange(*knobMode, 0, 100);
    EXPECT_EQ(drag(*knobMode), 100);
}
