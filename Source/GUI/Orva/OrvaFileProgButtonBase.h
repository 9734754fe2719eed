#pragma once

#include "GUI/Editor/LibrarianFileSlotButton.h"
#include "GUI/Orva/OrvaProgButtonSupport.h"

// A slot of an open program file in an Orva librarian (programs 8-31: file
// (n - 8) / 8, slot (n - 8) % 8), of the model whose program button and look
// are given. It shows the slot's name (red while the slot is modified) and
// amp picture; a drop copies the dragged program into the slot without a
// question and selects it.
template <class SelectButton, const OrvaProgButtonSupport::Look& (*lookOf)()>
class OrvaFileProgButtonBase : public LibrarianFileSlotButton<SelectButton>
{
public:
    OrvaFileProgButtonBase(juce::Component* owner, int groupId, int ampType, int programNumber, const juce::String& name)
        : LibrarianFileSlotButton<SelectButton>(owner, groupId, ampType, programNumber, name),
          m_FileIndex((programNumber - 8) / 8),
          m_IndexInFile((programNumber - 8) % 8)
    {}

    void paintButton(juce::Graphics& g, bool, bool isButtonDown) override
    {
        OrvaProgButtonSupport::paintFileButton(*this, g, isButtonDown, m_FileIndex, m_IndexInFile, lookOf());
    }

    void RenewButtonSetting() override { OrvaProgButtonSupport::renewFileButton(*this, m_FileIndex, m_IndexInFile, lookOf()); }

    void itemDropped(const juce::DragAndDropTarget::SourceDetails& details) override
    {
        OrvaProgButtonSupport::dropOnFileSlot(*this, details, lookOf());
    }

    // Renumbers the button (the "PROGID" property keeps its value).
    void setProgramNumber(int programNumber)
    {
        this->m_ProgramNumber = programNumber;
        m_FileIndex = (programNumber - 8) / 8;
        m_IndexInFile = (programNumber - 8) % 8;
    }

    int getFileIndex() const noexcept { return m_FileIndex; }
    int getIndexInFile() const noexcept { return m_IndexInFile; }

private:
    int m_FileIndex;
    int m_IndexInFile;
};
