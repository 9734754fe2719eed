#include "GUI/Orva/OPWUserButtonContainerComponent.h"

#include "GUI/Editor/CEditorLibrarianComponent.h"
#include "GUI/Editor/EditorComponent.h"
#include "GUI/Orva/OPWEditParamComponent.h"

void OPWUserButtonContainerComponent::resetTouchDownMemory()
{
    auto* view = LibrarianAccess::getCurrentView();
    auto* editor = view != nullptr ? view->getEditorComponent() : nullptr;
    if (auto* area = editor != nullptr ? dynamic_cast<OPWEditParamComponent*>(editor->getEditParam()) : nullptr)
        area->ResetTouchDownMemory();
}
