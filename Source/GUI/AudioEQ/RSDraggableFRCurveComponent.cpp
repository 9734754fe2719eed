#include "GUI/AudioEQ/RSDraggableFRCurveComponent.h"

#include "GUI/AudioEQ/AudioEQDataDragItem.h"

#include <cstdlib>

RSDraggableFRCurveComponent::RSDraggableFRCurveComponent(double sampleRate, double lowest, double highest)
    : RSFrequencyResponseCurveComponent(sampleRate, lowest, highest)
{}

void RSDraggableFRCurveComponent::mouseEnter(const juce::MouseEvent& e)
{
    hover = true;
    updateBackground();
    dragStarted = false;
    dragX = e.x;
    dragY = e.y;
}

void RSDraggableFRCurveComponent::mouseExit(const juce::MouseEvent&)
{
    hover = false;
    updateBackground();
}

void RSDraggableFRCurveComponent::mouseDown(const juce::MouseEvent& e)
{
    RSFrequencyResponseCurveComponent::mouseDown(e);
}

void RSDraggableFRCurveComponent::mouseDrag(const juce::MouseEvent& e)
{
    if (dragStarted)
    {
        updateBackground();
        return;
    }
    auto* container = juce::DragAndDropContainer::findParentDragContainerFor(this);
    if (container == nullptr || std::abs(e.x - dragX) + std::abs(e.y - dragY) < m_DragSensitivity)
        return;
    auto* source = getPartnerPane() != nullptr ? getPartnerPane() : this;
    container->startDragging(AudioEQDataDragItem(CurrentAudioEQDataDragID, -1), source, juce::ScaledImage());
    dragStarted = true;
    updateBackground();
}

void RSDraggableFRCurveComponent::mouseUp(const juce::MouseEvent& e)
{
    RSFrequencyResponseCurveComponent::mouseUp(e);
    dragStarted = false;
    updateBackground();
}
