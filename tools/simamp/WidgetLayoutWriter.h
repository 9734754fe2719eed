#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

// Keeps a small text file up to date with where the showing windows and
// widgets are on the screen, so a test that drives the application with the
// real mouse can find a widget by its parameter id or its name instead of by
// pixels, and can wait until the application has seen what the test's
// pointer and keyboard did. One line per window or widget, fields separated
// by tabs:
//
//   window  <title>        x y w h  <focused> <keys> - <id> <listed at> <modal>
//   param   <id, hex>      x y w h  <value> <minimum> <maximum>
//   name    <name>         x y w h  <value>
//   picture <name>         x y w h  <image name>
//   focus   <class>        x y w h  <name> <window focused>
//   pointer <name>         x y w h  <at> <presses> <held> <window id>
//
// A window's focused field is 1 while it holds the keyboard focus of the
// display; its keys field counts the key presses that reached the window
// itself, none of its widgets having taken them. Its id is a number of its
// own for as long as it lives (a menu opened again is a new window with a new
// id); listed at is the millisecond counter (Time::getMillisecondCounter,
// the same in every process of the machine) when the writer first found the
// window, which is never before the window was made; modal is 1 for the
// window of the component currently modal (a menu, a question, a chooser).
// The one pointer line tells
// the mouse as the application has seen it: the widget under the pointer
// (its name as listed, "-" when it has none, and its bounds; "-" and empty
// bounds when the pointer is over none of the application's windows), the
// screen position of the last mouse event handled ("x,y"), how many presses
// of a button the application has handled, and whether it holds a button
// down as it has seen it (1 from the press until the release is handled),
// and the id of the window the widget under the pointer belongs to (0 for
// none).
//
// A widget without a component name is listed by a button's text, as "Menu"
// for the editor page's menu button ("Badge" for its connection badge), or by
// a popup menu item's text (an item
// that can be chosen; greyed items are not listed). A picture line follows the
// name line of a program button that holds a picture: the image name of the
// amp type whose picture it is ("-" when it is none of them). Value fields: a
// knob's value and range, a slider's, a button's toggle state or whether a
// catalogue cell is marked (0 or 1), a text field's text; "-" where a widget
// has none. Windows come in desktop order, each followed by its widgets in
// child order, then the pointer line. The focus line comes last: the class of
// the component that has the keyboard focus, its name ("-" when it has none)
// and whether its window has the system's focus (1 or 0); there is none while
// no component has the focus. The file is replaced whole (written beside it,
// then renamed) whenever the layout changed.
class WidgetLayoutWriter : private juce::Timer,
                           private juce::MouseListener,
                           private juce::KeyListener
{
public:
    explicit WidgetLayoutWriter(juce::File file);
    ~WidgetLayoutWriter() override;

    // The layout text of the showing windows now.
    juce::String describeDesktop();

    // Writes the text beside the file, then renames it over the file in one
    // step: a reader finds the old text or the new one, never a part of
    // either and never no file at all.
    static bool replaceWhole(const juce::File& target, const juce::String& text);

private:
    void timerCallback() override;

    void mouseMove(const juce::MouseEvent& e) override { sawPointerAt(e); }
    void mouseEnter(const juce::MouseEvent& e) override { sawPointerAt(e); }
    void mouseExit(const juce::MouseEvent& e) override { sawPointerAt(e); }
    void mouseDrag(const juce::MouseEvent& e) override { sawPointerAt(e); }
    void mouseDown(const juce::MouseEvent& e) override { sawPointerAt(e); }
    void mouseUp(const juce::MouseEvent& e) override { sawPointerAt(e); }
    void sawPointerAt(const juce::MouseEvent& e);

    bool keyPressed(const juce::KeyPress&, juce::Component* window) override;
    // Listens to the keys of every window on the desktop.
    void listenToWindows();

    juce::File file;
    juce::String written;
    juce::Point<int> lastPointer;
    // The windows listened to, and the keys that reached each.
    struct ListenedWindow
    {
        juce::Component::SafePointer<juce::Component> window;
        int keys = 0;
        int id = 0;
        juce::uint32 listedAt = 0;
    };
    int lastWindowId = 0;
    std::vector<ListenedWindow> listened;
    ListenedWindow* findListened(juce::Component* window);
};
