#include "GUI/COKXEditorLibrarianComponent.h"

#include "GUI/OKXEditorComponent.h"
#include "GUI/OKXLibFileSubTab.h"
#include "GUI/OKXTabbedComponent.h"
#include "GUI/OKXUserButtonContainerComponent.h"

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
