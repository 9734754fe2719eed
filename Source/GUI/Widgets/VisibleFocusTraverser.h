#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

// The keyboard focus order of the window, with the widgets nobody can see
// left out: one that lies outside the area of a component around it (parked
// below its page until the page moves it into view, say) is not reached by
// Tab, nor given the focus that a component passes on.
class VisibleFocusTraverser : public juce::KeyboardFocusTraverser
{
public:
    juce::Component* getNextComponent(juce::Component* current) override;
    juce::Component* getPreviousComponent(juce::Component* current) override;
    juce::Component* getDefaultComponent(juce::Component* parentComponent) override;
    std::vector<juce::Component*> getAllComponents(juce::Component* parentComponent) override;

    // Some of the component lies inside each component around it.
    static bool isInView(const juce::Component& component);
};
