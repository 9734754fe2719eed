#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// What the selector buttons of the librarian and the audio-EQ and
// USB-routing pages share: their set-up, their background (drawn by the
// parent) and the drawing of the slot and mode buttons.
class SelectButtonSupport
{
public:
    // A radio button that selects on mouse down, never takes the keyboard
    // focus and repaints as the pointer moves over it.
    static void setUp(juce::Button& button, int groupId);

    // Repaints the parent, which draws the button's background, or the
    // button alone while it has none.
    static void repaintBackground(juce::Component& button);

    // The fill (`fill` while on), then the red frame while a drop hovers, or
    // else the `frame` colour's frame while on.
    static void paintBackground(juce::Button& button, juce::Graphics& g, bool on, juce::Colour fill, juce::Colour frame,
                                bool dropHover);

    // The button's text, white in the small program-name font, at the top left.
    static void paintText(juce::Button& button, juce::Graphics& g);
};
