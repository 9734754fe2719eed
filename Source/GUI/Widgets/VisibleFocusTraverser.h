#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

// The keyboard focus order of the window, with the widgets nobody can see
// left out: one that lies outside the area of a component around it (parked
// below its page until the page moves it into view, say) is not reached by
// Tab, nor given the focus that a component passes on.
//
// Given a scope (an overlay page's holder while it stands over the window),
// the order holds only the widgets inside it: Tab goes round them and comes
// back to the first, the focus that a component passes on goes to one of
// them or to none, and nothing behind the scope is reached.
class VisibleFocusTraverser : public juce::KeyboardFocusTraverser
{
public:
    explicit VisibleFocusTraverser(const juce::Component* scope = nullptr) : scope(scope) {}

    juce::Component* getNextComponent(juce::Component* current) override;
    juce::Component* getPreviousComponent(juce::Component* current) override;
    juce::Component* getDefaultComponent(juce::Component* parentComponent) override;
    std::vector<juce::Component*> getAllComponents(juce::Component* parentComponent) override;

    // Some of the component lies inside each component around it.
    static bool isInView(const juce::Component& component);

private:
    bool isInScope(const juce::Component& component) const;
    // The next or previous widget of the scope, round from the last to the
    // first; the first (or the last) when `current` is none of them.
    juce::Component* stepInScope(juce::Component* current, bool forwards);

    const juce::Component* scope;
};
