#pragma once

// Drives a component through its window's peer as the windowing system
// would: moves, presses, drags and releases of the left button enter the
// framework's mouse handling, so enter/exit, click triggers, drag thresholds
// and drag-and-drop all run as for a real mouse. The component must be
// showing in a window.
#include <juce_gui_basics/juce_gui_basics.h>

namespace testing_support
{
struct PeerMouse
{
    void move(juce::Component& c, juce::Point<int> p) { send(c, p, false); }
    void press(juce::Component& c, juce::Point<int> p) { send(c, p, true); }
    void drag(juce::Component& c, juce::Point<int> p) { send(c, p, true); }
    void release(juce::Component& c, juce::Point<int> p) { send(c, p, false); }

    // Move, press, drag in steps to the end point, release.
    void dragFromTo(juce::Component& from, juce::Point<int> start, juce::Component& to, juce::Point<int> end, int steps = 4)
    {
        move(from, start);
        press(from, start);
        const auto a = from.localPointToGlobal(start).toFloat();
        const auto b = to.localPointToGlobal(end).toFloat();
        for (int i = 1; i <= steps; ++i)
        {
            const auto g = a + (b - a) * ((float) i / (float) steps);
            sendGlobal(from, g, true);
        }
        release(to, end);
    }

    void click(juce::Component& c, juce::Point<int> p)
    {
        move(c, p);
        press(c, p);
        release(c, p);
    }

private:
    void send(juce::Component& c, juce::Point<int> p, bool down) { sendGlobal(c, c.localPointToGlobal(p).toFloat(), down); }

    void sendGlobal(juce::Component& c, juce::Point<float> global, bool down)
    {
        auto* peer = c.getPeer();
        if (peer == nullptr)
            return;
        time = juce::jmax(time + 20, juce::Time::currentTimeMillis());
        peer->handleMouseEvent(juce::MouseInputSource::InputSourceType::mouse, peer->globalToLocal(global),
                               down ? juce::ModifierKeys(juce::ModifierKeys::leftButtonModifier) : juce::ModifierKeys(),
                               juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation, time);
    }

    juce::int64 time = 0;
};

// Answers the modal alert boxes that appear while it lives: each one is
// handed to `prepare` and then closed with the button of the given text.
struct AlertAnswerer : juce::Timer
{
    explicit AlertAnswerer(juce::String buttonText, std::function<void(juce::AlertWindow&)> prepareBox = {})
        : button(std::move(buttonText)), prepare(std::move(prepareBox))
    {
        startTimer(5);
    }
    ~AlertAnswerer() override { stopTimer(); }

    void timerCallback() override
    {
        auto* box = dynamic_cast<juce::AlertWindow*>(juce::Component::getCurrentlyModalComponent());
        if (box == nullptr || box == answering)
            return;
        // A box is answered once it is ready (or after 10 s of waiting).
        if (box != waitingFor)
        {
            waitingFor = box;
            waitingSince = juce::Time::getMillisecondCounter();
        }
        if (readyToAnswer && ! readyToAnswer(*box) && juce::Time::getMillisecondCounter() - waitingSince < 10000)
            return;
        answering = box;
        answeredWindows.push_back({ (juce::pointer_sized_uint) box->getWindowHandle(), box->getBounds() });
        ++seen;
        titles.add(box->getName());
        if (prepare)
            prepare(*box);
        for (auto* child : box->getChildren())
            if (auto* b = dynamic_cast<juce::TextButton*>(child); b != nullptr && b->getButtonText() == button)
            {
                b->triggerClick();
                return;
            }
        box->exitModalState(-1);
    }

    // The tick box of a box, or null.
    static juce::ToggleButton* findToggle(juce::AlertWindow& box)
    {
        for (int i = 0; i < box.getNumCustomComponents(); ++i)
            if (auto* t = dynamic_cast<juce::ToggleButton*>(box.getCustomComponent(i)))
                return t;
        return nullptr;
    }

    juce::String button;
    std::function<void(juce::AlertWindow&)> prepare;
    // When set, a box is left standing until this holds for it.
    std::function<bool(juce::AlertWindow&)> readyToAnswer;
    juce::Component::SafePointer<juce::AlertWindow> answering, waitingFor;
    juce::uint32 waitingSince = 0;
    int seen = 0;
    juce::StringArray titles;
    // Each box's native window and the bounds it was answered at.
    std::vector<std::pair<juce::pointer_sized_uint, juce::Rectangle<int>>> answeredWindows;
};
} // namespace testing_support
