#include "GUI/OPWUserProgButton.h"

#include "GUI/AnotherComponentListner.h"
#include "GUI/LibrarianAccess.h"
#include "GUI/OrvaProgButtonSupport.h"

namespace
{
int userIndexOf(int programNumber)
{
    switch (LibrarianAccess::getModelId())
    {
        case 0: return programNumber - 11;
        case 1: return programNumber - 60;
        default: return programNumber;
    }
}
} // namespace

OPWUserProgButton::OPWUserProgButton(juce::Component* owner, int groupId, int ampType, int programNumber,
                                     const juce::String& name)
    : OPWProgSelectButton(owner, groupId, ampType, programNumber, name),
      m_UserIndex(userIndexOf(programNumber))
{
    setRadioGroupId(groupId, juce::sendNotification);
    getProperties().set("PROGID", programNumber);
}

void OPWUserProgButton::paintButton(juce::Graphics& g, bool, bool isButtonDown)
{
    OrvaProgButtonSupport::paintUserButton(*this, g, isButtonDown, m_UserIndex, OrvaProgButtonSupport::orvaPWLook());
}

void OPWUserProgButton::mouseDown(const juce::MouseEvent& e)
{
    juce::ImageButton::mouseDown(e);
    if (auto* listener = dynamic_cast<AnotherComponentListner*>(getParentComponent()))
        listener->mouseDownByOtherComponent(this);
}

void OPWUserProgButton::mouseUp(const juce::MouseEvent& e)
{
    const bool dragged = m_DragStarted;
    juce::ImageButton::mouseUp(e);
    m_DragStarted = false;
    updateBackground();
    if (auto* listener = dynamic_cast<AnotherComponentListner*>(getParentComponent()))
        listener->mouseUpByOtherComponent(this, dragged);
}

void OPWUserProgButton::updateBackground()
{
    if (LibrarianAccess::getCurrentView() != nullptr)
        LibrarianAccess::repaintCurrentView();
    else
        repaint();
}

void OPWUserProgButton::itemDropped(const SourceDetails& details)
{
    OrvaProgButtonSupport::dropOnUserSlot(*this, details, OrvaProgButtonSupport::orvaPWLook());
}

void OPWUserProgButton::afterDropExecute(int destination, int source, juce::String& dragId)
{
    OrvaProgButtonSupport::afterDropExecute(destination, source, dragId);
}
