#include "GUI/Widgets/RSDraggableImageButton.h"

#include "GUI/Editor/AmpFXModelModuleDragItem.h"

#include <cstdlib>

RSDraggableImageButton::RSDraggableImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : RSImageButton(owner, selectEnabled, name)
{}

void RSDraggableImageButton::updateBackground()
{
    repaint();
}

void RSDraggableImageButton::mouseEnter(const juce::MouseEvent& e)
{
    updateBackground();
    m_DragStarted = false;
    m_EntryX = e.x;
    m_EntryY = e.y;
}

void RSDraggableImageButton::mouseExit(const juce::MouseEvent&)
{
    updateBackground();
}

void RSDraggableImageButton::mouseDrag(const juce::MouseEvent& e)
{
    if (m_DragStarted)
    {
        updateBackground();
        return;
    }
    auto* container = juce::DragAndDropContainer::findParentDragContainerFor(getParentComponent());
    if (container == nullptr)
        return;
    if (std::abs(e.x - m_EntryX) + std::abs(e.y - m_EntryY) < m_DragSensitivity)
        return;
    container->startDragging(AmpFXModelModuleDragItem(AmpFXModelModuleDragID, m_ModuleIndex), this, juce::ScaledImage(), false);
    m_DragStarted = true;
    updateBackground();
}

void RSDraggableImageButton::mouseUp(const juce::MouseEvent& e)
{
    juce::ImageButton::mouseUp(e);
    m_DragStarted = false;
    updateBackground();
}
