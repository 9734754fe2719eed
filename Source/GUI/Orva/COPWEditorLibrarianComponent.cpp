#include "GUI/Orva/COPWEditorLibrarianComponent.h"

#include "GUI/Orva/OPWEditorComponent.h"
#include "GUI/Orva/OPWLibFileSubTab.h"
#include "GUI/Orva/OPWTabbedComponent.h"
#include "GUI/Orva/OPWUserButtonContainerComponent.h"

COPWEditorLibrarianComponent::COPWEditorLibrarianComponent() = default;

COPWEditorLibrarianComponent::~COPWEditorLibrarianComponent() = default;

EditorComponent* COPWEditorLibrarianComponent::createEditorPage(int width, int height)
{
    return new OPWEditorComponent(width, height);
}

OrvaTabbedComponent* COPWEditorLibrarianComponent::createTabPanel()
{
    return new OPWTabbedComponent();
}

UserButtonContainerComponent* COPWEditorLibrarianComponent::createUserButtonContainer(int width, int height)
{
    return new OPWUserButtonContainerComponent(width, height, 0);
}

RSLibFileSubTabBase* COPWEditorLibrarianComponent::createFileSubTab(int x, int y, int width, int height, int fileIndex)
{
    return new OPWLibFileSubTab(x, y, width, height, fileIndex);
}
