#include "GUI/Widgets/FocusHandOver.h"

juce::uint32 FocusHandOver::handOvers = 0;
juce::WeakReference<juce::Component> FocusHandOver::lastTarget;

void FocusHandOver::give(juce::Component* target)
{
    if (target == nullptr || ! target->isShowing())
        return;
    ++handOvers;
    lastTarget = target;
    target->grabKeyboardFocus();
    auto* peer = target->getPeer();
    if (peer == nullptr || ! target->hasKeyboardFocus(true))
        return;
    // The window learns which component to give the focus back to only when
    // it is deactivated: a deactivation and activation at once record the
    // new holder and leave it with the focus.
    peer->handleFocusLoss();
    peer->handleFocusGain();
}

FocusHandOver::AcrossModalLoop::AcrossModalLoop() : handOversBefore(handOvers)
{}

FocusHandOver::AcrossModalLoop::~AcrossModalLoop()
{
    if (handOvers != handOversBefore)
        give(lastTarget.get());
}

FocusHandOver::KeptInPlace::KeptInPlace() : holder(juce::Component::getCurrentlyFocusedComponent())
{}

FocusHandOver::KeptInPlace::~KeptInPlace()
{
    auto* before = holder.getComponent();
    if (before == nullptr || before == juce::Component::getCurrentlyFocusedComponent()
        || before->isCurrentlyBlockedByAnotherModalComponent())
        return;
    give(before);
}
