#include "GUI/HMQ/HMQTabbedComponent.h"

#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/HMQ/HMQGuiSupport.h"

namespace
{
bool isProgramDrag(const juce::DragAndDropTarget::SourceDetails& details)
{
    const auto id = DragAndDropDefinitions::getDragId(details.description);
    return id == ProgramDataDragID || id == CurrentProgramDataDragID;
}
} // namespace

bool HMQTabbedComponent::isInterestedInDragSource(const SourceDetails& details)
{
    return isProgramDrag(details);
}

void HMQTabbedComponent::itemDragEnter(const SourceDetails& details)
{
    if (! isProgramDrag(details) || getNumTabs() <= 1)
        return;
    if (getCurrentTabIndex() == 0)
        setCurrentTabIndex(1, true);
    HMQGuiSupport::postROMSubTabMove(true);
}

void HMQTabbedComponent::itemDragExit(const SourceDetails& details)
{
    if (isProgramDrag(details))
        HMQGuiSupport::postROMSubTabMove(false);
}
