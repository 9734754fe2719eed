#include "GUI/DWQ/DWQTabbedComponent.h"

#include "GUI/DWQ/DWQViewSupport.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "ParamTable/DWQ/CDWQUserEditSectionImpl.h"

namespace
{
bool isProgramDrag(const juce::DragAndDropTarget::SourceDetails& details)
{
    const auto id = details.description[0].toString();
    return id == ProgramDataDragID || id == CurrentProgramDataDragID;
}
} // namespace

bool DWQTabbedComponent::isInterestedInDragSource(const SourceDetails& details)
{
    return isProgramDrag(details);
}

void DWQTabbedComponent::itemDragEnter(const SourceDetails& details)
{
    if (! isProgramDrag(details) || getNumTabs() <= 1)
        return;
    if (getCurrentTabIndex() == 0)
        setCurrentTabIndex(1, true);
    if (auto* section = DWQViewSupport::getSection())
        section->FireOnROMSubTabMove(true);
}

void DWQTabbedComponent::itemDragExit(const SourceDetails& details)
{
    if (! isProgramDrag(details))
        return;
    if (auto* section = DWQViewSupport::getSection())
        section->FireOnROMSubTabMove(false);
}
