#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Keeps a small text file up to date with where the showing windows and
// widgets are on the screen, so a test that drives the application with the
// real mouse can find a widget by its parameter id or its name instead of by
// pixels. One line per window or widget, fields separated by tabs:
//
//   window  <title>        x y w h
//   param   <id, hex>      x y w h  <value> <minimum> <maximum>
//   name    <name>         x y w h  <value>
//   picture <name>         x y w h  <image name>
//   focus   <class>        x y w h  <name> <window focused>
//
// A widget without a component name is listed by a button's text, as "Menu"
// for the editor page's menu button, or by a popup menu item's text (an item
// that can be chosen; greyed items are not listed). A picture line follows the
// name line of a program button that holds a picture: the image name of the
// amp type whose picture it is ("-" when it is none of them). Value fields: a
// knob's value and range, a slider's, a button's toggle state or whether a
// catalogue cell is marked (0 or 1), a text field's text; "-" where a widget
// has none. Windows come in desktop order, each followed by its widgets in
// child order. The focus line comes last: the class of the component that has
// the keyboard focus, its name ("-" when it has none) and whether its window
// has the system's focus (1 or 0); there is none while no component has the
// focus. The file is replaced whole (written beside it, then renamed)
// whenever the layout changed.
class WidgetLayoutWriter : private juce::Timer
{
public:
    explicit WidgetLayoutWriter(juce::File file);
    ~WidgetLayoutWriter() override;

    // The layout text of the showing windows now.
    static juce::String describeDesktop();

private:
    void timerCallback() override;

    juce::File file;
    juce::String written;
};
