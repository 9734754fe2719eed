#include "GUI/Orva/OKXUserButtonContainerComponent.h"

#include "GUI/Editor/CEditorLibrarianComponent.h"
#include "GUI/Editor/EditorComponent.h"
#include "GUI/Orva/OKXEditParamComponent.h"

void OKXUserButtonContainerComponent::resetTouchDownMemory()
{
    auto* view = LibrarianAccess::getCurrentView();
    auto* editor = view != nullptr ? view->getEditorComponent() : nullptr;
    if (auto* area = editor != nullptr ? dynamic_cast<OKXEditParamComponent*>(editor->getEditParam()) : nullptr)
        area->ResetTouchDownMemory();
}
