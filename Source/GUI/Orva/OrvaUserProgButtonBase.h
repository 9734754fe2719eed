#pragma once

#include "GUI/Editor/LibrarianUserSlotButton.h"
#include "GUI/Orva/OrvaProgButtonSupport.h"

// A user slot of an Orva librarian (programs 0-7, A1 to B4), of the model
// whose program button and look are given. A drop writes the dragged program
// into the slot, after the write question, sends it to the amplifier and
// selects the slot.
template <class SelectButton, const OrvaProgButtonSupport::Look& (*lookOf)()>
class OrvaUserProgButtonBase : public LibrarianUserSlotButton<SelectButton>
{
public:
    OrvaUserProgButtonBase(juce::Component* owner, int groupId, int ampType, int programNumber, const juce::String& name)
        : LibrarianUserSlotButton<SelectButton>(owner, groupId, ampType, programNumber, name),
          m_UserIndex(OrvaProgButtonSupport::userIndexOf(programNumber))
    {
        this->setRadioGroupId(groupId, juce::sendNotification);
        this->getProperties().set("PROGID", programNumber);
    }

    void paintButton(juce::Graphics& g, bool, bool isButtonDown) override
    {
        OrvaProgButtonSupport::paintUserButton(*this, g, isButtonDown, m_UserIndex, lookOf());
    }

    void RenewButtonSetting() override {}

    void itemDropped(const juce::DragAndDropTarget::SourceDetails& details) override
    {
        OrvaProgButtonSupport::dropOnUserSlot(*this, details, lookOf());
    }

    static void afterDropExecute(int destination, int source, juce::String& dragId)
    {
        OrvaProgButtonSupport::afterDropExecute(destination, source, dragId);
    }

    int getUserIndex() const noexcept { return m_UserIndex; }

private:
    int m_UserIndex;
};
