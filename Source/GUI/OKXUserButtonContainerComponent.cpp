#include "GUI/OKXUserButtonContainerComponent.h"

#include "GUI/CEditorLibrarianComponent.h"
#include "GUI/EditorComponent.h"
#include "GUI/OKXEditParamComponent.h"

void OKXUserButtonContainerComponent::resetTouchDownMemory()
{
    auto* view = LibrarianAccess::getCurrentView();
    auto* editor = view != nullptr ? view->getEditorComponent() : nullptr;
    if (auto* area = editor != nullptr ? dynamic_cast<OKXEditParamComponent*>(editor->getEditParam()) : nullptr)
        area->ResetTouchDownMemory();
}
