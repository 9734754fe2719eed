#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class ISection;

// What the widgets that show a parameter share: the section a parameter id
// lives in, the value text of a parameter, and the font the form properties
// "FONTFACE", "FONTHEIGHT" and "FONTSTYLE" give a widget.
class RSWidgetSupport
{
public:
    // The model id of the current device, -1 without one.
    static int getCurrentModelId();

    // The section of the current device's data centre that holds the id, by
    // the model: the user-edit section of the DWQ and the HMQ; on the Orva
    // models the user-edit section below 0x4000, the global section below
    // 0x6000 and the current audio-EQ section above. Null when the model is
    // outside 0 to 5 or its data centre is not open.
    static ISection* findSection(int modelId, int paramId);

    // The row's text for the value; false (text untouched) when there is no
    // section, no row or no converter.
    static bool formatParamValue(int modelId, int paramId, int value, juce::String& text);

    // The current value of the parameter; false when there is no row.
    static bool getCurrentParamValue(int modelId, int paramId, int& value);

    // The font with the component's form font properties applied.
    static juce::Font applyFormFontProperties(const juce::Component& component, juce::Font font);

    // For a widget that draws no focus mark: the mouse reaches it, the
    // keyboard focus does not (neither Tab nor a click gives it the focus), so
    // no key can press it while nobody sees it selected. A click leaves the
    // focus where it was.
    static void reachByMouseOnly(juce::Component& widget);

    // For an alert built after the framework put it on the desktop: its native
    // window is made again at the size it has now, with all its buttons. A
    // window made small and grown afterwards can be left at its first size by
    // a window manager that handles the two sizes late.
    static void remakeNativeWindow(juce::TopLevelWindow& window);

    // Reports a press to the parent when it listens for its children's presses.
    static void notifyParentMouseDown(juce::Component& child);

    // The image of that name, or the null image when there is no image manager.
    static juce::Image getImage(const juce::String& name);
};
