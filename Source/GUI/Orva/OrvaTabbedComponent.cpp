#include "GUI/Orva/OrvaTabbedComponent.h"

#include "DataCenter/OrvaDataCenter.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/LibrarianAccess.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "ParamTable/COrvaGlobalSectionBase.h"
#include "ParamTable/COrvaUserEditSectionBase.h"

void OrvaTabbedComponent::paint(juce::Graphics& g)
{
    const auto back = RSWidgetSupport::getImage("back_orva_256x768");
    if (back.isValid())
        g.drawImageAt(back, 0, 0);
    g.fillAll(juce::Colours::black.withAlpha(0.7f));
}

bool OrvaTabbedComponent::isProgramDrag(const SourceDetails& details)
{
    const auto id = DragAndDropDefinitions::getDragId(details.description);
    return id == ProgramDataDragID || id == CurrentProgramDataDragID;
}

void OrvaTabbedComponent::fireSubTabMove(bool open)
{
    if (auto* dataCenter = LibrarianAccess::getOrvaDataCenter())
        dataCenter->getUserEditSection().FireOnROMSubTabMove(open);
}

bool OrvaTabbedComponent::isInterestedInDragSource(const SourceDetails& details)
{
    return isProgramDrag(details);
}

void OrvaTabbedComponent::itemDragEnter(const SourceDetails& details)
{
    if (! isProgramDrag(details))
        return;
    if (m_FirstTabFixed)
    {
        if (getNumTabs() == 1)
            return;
        if (getCurrentTabIndex() == 0)
            setCurrentTabIndex(1, true);
    }
    else if (getNumTabs() == 0)
    {
        return;
    }
    fireSubTabMove(true);
}

void OrvaTabbedComponent::itemDragExit(const SourceDetails& details)
{
    if (isProgramDrag(details))
        fireSubTabMove(false);
}
