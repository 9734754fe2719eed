#include "GUI/OPWUserButtonContainerComponent.h"

#include "GUI/CEditorLibrarianComponent.h"
#include "GUI/EditorComponent.h"
#include "GUI/OPWEditParamComponent.h"

void OPWUserButtonContainerComponent::resetTouchDownMemory()
{
    auto* view = LibrarianAccess::getCurrentView();
    auto* editor = view != nullptr ? view->getEditorComponent() : nullptr;
    if (auto* area = editor != nullptr ? dynamic_cast<OPWEditParamComponent*>(editor->getEditParam()) : nullptr)
        area->ResetTouchDownMemory();
}
