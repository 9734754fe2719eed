#include "GUI/Orva/COKXEditorLibrarianComponent.h"

#include "GUI/Orva/OKXEditorComponent.h"
#include "GUI/Orva/OKXLibFileSubTab.h"
#include "GUI/Orva/OKXTabbedComponent.h"
#include "GUI/Orva/OKXUserButtonContainerComponent.h"

COKXEditorLibrarianComponent::COKXEditorLibrarianComponent() = default;

COKXEditorLibrarianComponent::~COKXEditorLibrarianComponent() = default;

EditorComponent* COKXEditorLibrarianComponent::createEditorPage(int width, int height)
{
    return new OKXEditorComponent(width, height);
}

OrvaTabbedComponent* COKXEditorLibrarianComponent::createTabPanel()
{
    return new OKXTabbedComponent();
}

UserButtonContainerComponent* COKXEditorLibrarianComponent::createUserButtonContainer(int width, int height)
{
    return new OKXUserButtonContainerComponent(width, height, 0);
}

RSLibFileSubTabBase* COKXEditorLibrarianComponent::createFileSubTab(int x, int y, int width, int height, int fileIndex)
{
    return new OKXLibFileSubTab(x, y, width, height, fileIndex);
}
