#include "GUI/Widgets/VisibleFocusTraverser.h"

#include <algorithm>

bool VisibleFocusTraverser::isInView(const juce::Component& component)
{
    auto area = component.getLocalBounds();
    for (auto* at = &component; ! area.isEmpty(); at = at->getParentComponent())
    {
        auto* parent = at->getParentComponent();
        if (parent == nullptr)
            return true;
        area = (area + at->getPosition()).getIntersection(parent->getLocalBounds());
    }
    return false;
}

juce::Component* VisibleFocusTraverser::getNextComponent(juce::Component* current)
{
    auto* next = KeyboardFocusTraverser::getNextComponent(current);
    while (next != nullptr && ! isInView(*next))
        next = KeyboardFocusTraverser::getNextComponent(next);
    return next;
}

juce::Component* VisibleFocusTraverser::getPreviousComponent(juce::Component* current)
{
    auto* previous = KeyboardFocusTraverser::getPreviousComponent(current);
    while (previous != nullptr && ! isInView(*previous))
        previous = KeyboardFocusTraverser::getPreviousComponent(previous);
    return previous;
}

juce::Component* VisibleFocusTraverser::getDefaultComponent(juce::Component* parentComponent)
{
    const auto all = getAllComponents(parentComponent);
    return all.empty() ? nullptr : all.front();
}

std::vector<juce::Component*> VisibleFocusTraverser::getAllComponents(juce::Component* parentComponent)
{
    auto all = KeyboardFocusTraverser::getAllComponents(parentComponent);
    all.erase(std::remove_if(all.begin(), all.end(), [](const juce::Component* c) { return ! isInView(*c); }), all.end());
    return all;
}
