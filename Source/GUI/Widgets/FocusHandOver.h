#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Hands the keyboard focus on so that it stays where it was given.
//
// A window gives the focus back, each time it is activated, to the component
// that held it when the window was last deactivated. A popup menu or a
// question window can deactivate the main window before the focus moves on
// inside it (the window then remembers a component that held the focus long
// before, such as the menu button), and the window system's activation can
// arrive after the focus was given to a page that just opened. Either way the
// window would take the focus away from where it was given. A hand-over
// makes the window remember the new holder.
class FocusHandOver
{
public:
    // Gives the focus to the component (to its default child when it takes
    // none itself). Nothing happens while it is not showing.
    static void give(juce::Component* target);

    // Held while a modal loop runs (a menu shown and waited for). The loop
    // ends by giving the focus back to the component that held it when the
    // loop began; a chosen item can have opened a page and handed it the
    // focus before that, inside the loop. When the guard goes, the focus is
    // handed again to the component last handed it while the guard was held.
    class AcrossModalLoop
    {
    public:
        AcrossModalLoop();
        ~AcrossModalLoop();

    private:
        const juce::uint32 handOversBefore;

        JUCE_DECLARE_NON_COPYABLE(AcrossModalLoop)
    };

    // Held while a page is brought to the front (a tab added and made the
    // current one): the framework hands the focus to the first widget around
    // it that takes the focus. When the guard goes, the component that held
    // the focus before is handed it again, while it shows and no modal
    // component blocks it.
    class KeptInPlace
    {
    public:
        KeptInPlace();
        ~KeptInPlace();

    private:
        const juce::Component::SafePointer<juce::Component> holder;

        JUCE_DECLARE_NON_COPYABLE(KeptInPlace)
    };

private:
    static juce::uint32 handOvers;
    static juce::WeakReference<juce::Component> lastTarget;
};
