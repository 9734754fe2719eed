#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// The form controls of the overlay pages of the Orva global panel (the
// audio-EQ and USB-routing pages), made from their form layer.
class OverlayPageForm
{
public:
    // Makes the layer's controls for `page` in the table's order. Labels
    // (classes 0, 56 and 57) and toggle buttons (class 11) report to the
    // listeners, frames (class 13) are kept as they are, and any other class
    // goes to `wireOther`, which sets the control up and says whether the
    // page keeps it. Kept controls are shown on the page and added to
    // `widgets`; hidden rows and controls of the wrong type are dropped.
    static void scanLayer(juce::Component& page, int layerId, juce::Label::Listener* labelListener,
                          juce::Button::Listener* buttonListener,
                          const std::function<bool(int code, juce::Component& widget)>& wireOther,
                          juce::OwnedArray<juce::Component>& widgets);

    // A form label on a clear ground: Orva KX gold for class 56, Orva PW
    // silver for class 57, else beige.
    static void setUpLabel(juce::Label& label, int code, juce::Label::Listener* listener);
};
