#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// How a child widget reports a press to its parent; the widget finds it by a
// dynamic cast of its parent. The parent decides what the press means.
class AnotherComponentListner
{
public:
    virtual ~AnotherComponentListner() = default;

    virtual void mouseDownByOtherComponent(juce::Component*) {}
    virtual void mouseUpByOtherComponent(juce::Component*, bool /*dragged*/) {}
};
