#pragma once

#include "GUI/Editor/AnotherComponentListner.h"
#include "GUI/Editor/LibrarianAccess.h"

// What every librarian's user-slot button does with the mouse: presses and
// releases go to the parent (the user-button container), which selects the
// program; a release also says whether the press became a drag. The
// background is the librarian view's, when there is one.
template <class SelectButton>
class LibrarianUserSlotButton : public SelectButton
{
public:
    using SelectButton::SelectButton;

    void mouseDown(const juce::MouseEvent& e) override
    {
        juce::ImageButton::mouseDown(e);
        if (auto* listener = dynamic_cast<AnotherComponentListner*>(this->getParentComponent()))
            listener->mouseDownByOtherComponent(this);
    }

    void mouseUp(const juce::MouseEvent& e) override
    {
        const bool dragged = this->m_DragStarted;
        juce::ImageButton::mouseUp(e);
        this->m_DragStarted = false;
        updateBackground();
        if (auto* listener = dynamic_cast<AnotherComponentListner*>(this->getParentComponent()))
            listener->mouseUpByOtherComponent(this, dragged);
    }

    void updateBackground() override
    {
        if (LibrarianAccess::getCurrentView() != nullptr)
            LibrarianAccess::repaintCurrentView();
        else
            this->repaint();
    }
};
