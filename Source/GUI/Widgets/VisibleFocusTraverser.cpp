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

bool VisibleFocusTraverser::isInScope(const juce::Component& component) const
{
    return scope == nullptr || scope->isParentOf(&component);
}

juce::Component* VisibleFocusTraverser::stepInScope(juce::Component* current, bool forwards)
{
    const auto all = getAllComponents(const_cast<juce::Component*>(scope));
    if (all.empty())
        return nullptr;
    const auto at = std::find(all.begin(), all.end(), current);
    if (at == all.end())
        return forwards ? all.front() : all.back();
    if (forwards)
        return std::next(at) == all.end() ? all.front() : *std::next(at);
    return at == all.begin() ? all.back() : *std::prev(at);
}

juce::Component* VisibleFocusTraverser::getNextComponent(juce::Component* current)
{
    if (scope != nullptr)
        return stepInScope(current, true);
    auto* next = KeyboardFocusTraverser::getNextComponent(current);
    while (next != nullptr && ! isInView(*next))
        next = KeyboardFocusTraverser::getNextComponent(next);
    return next;
}

juce::Component* VisibleFocusTraverser::getPreviousComponent(juce::Component* current)
{
    if (scope != nullptr)
        return stepInScope(current, false);
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
    all.erase(
        std::remove_if(all.begin(), all.end(), [this](const juce::Component* c) { return ! isInView(*c) || ! isInScope(*c); }),
        all.end());
    return all;
}
