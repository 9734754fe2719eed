#pragma once

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "DataCenter/OrvaDataCenter.h"
#include "GUI/Editor/LibrarianAccess.h"
#include "GUI/Editor/RSLibFileComponentBase.h"
#include "ParamTable/COrvaUserEditSectionBase.h"

#include <array>

// The file page of an Orva librarian: the eight program buttons ":1" to
// ":8" of one open program file (file f holds programs 8 + 8f to 15 + 8f).
// A click loads the program into the editor and sends it to the amplifier
// as its current program. The Orva PW and Orva KX pages differ only in
// their button class and background.
template <class FileButton>
class OrvaLibFileComponent : public RSLibFileComponentBase
{
public:
    static constexpr int numButtons = 8;

    OrvaLibFileComponent(int x, int y, int width, int height, int fileIndex) : m_Area(x, y, width, height), m_FileIndex(fileIndex)
    {}

    ~OrvaLibFileComponent() override
    {
        for (auto*& button : m_Buttons)
        {
            delete button;
            button = nullptr;
        }
    }

    void initialise() override
    {
        m_ButtonRect = { 4, 4, m_Area.getWidth(), (m_Area.getHeight() - 8) / 8 };
        const int base = firstProgram(m_FileIndex);
        for (int k = 0; k < numButtons; ++k)
        {
            auto* button = new FileButton(this, 4098, 0, base + k, ":" + juce::String(k + 1));
            m_Buttons[(size_t) k] = button;
            addAndMakeVisible(button);
            button->setClickingTogglesState(true);
            button->setRadioGroupId(4098, juce::sendNotification);
            button->setBounds(buttonBounds(k));
            button->setToggleState(true, juce::dontSendNotification);
            button->addListener(this);
        }
    }

    void resized() override
    {
        for (int k = 0; k < numButtons; ++k)
            if (auto* button = m_Buttons[(size_t) k])
                button->setBounds(buttonBounds(k));
    }

    // Selects the clicked program of this file as the current program.
    void buttonClicked(juce::Button* b) override
    {
        auto* button = dynamic_cast<FileButton*>(b);
        if (button == nullptr || ! button->getToggleState() || button->isDragStarted())
            return;
        const int p = button->getProgramNumber();
        const int base = firstProgram(m_FileIndex);
        if (p < base || p >= base + numButtons)
            return;
        auto* dataCenter = LibrarianAccess::getOrvaDataCenter();
        if (dataCenter == nullptr)
            return;
        const int file = (p - 8) / 8;

        {
            // A tab that holds no file has no program to load.
            const juce::ScopedReadLock lock(dataCenter->getFileTabLock());
            if (file >= dataCenter->getFileCount() || dataCenter->getFileProgPtr(file, p - 8 - 8 * file) == nullptr)
                return;
        }

        if (isShowing())
            grabKeyboardFocus();
        dataCenter->setCurProgNo(p);
        if (auto* state = stateHolder())
        {
            state->currentProgram = p;
            state->deselectedProgram = -1;
        }
        {
            const juce::ScopedReadLock lock(dataCenter->getFileTabLock());
            unsigned char record[OrvaDataCenter::recordSize];
            std::memcpy(record, dataCenter->getFileProgPtr(file, p - 8 - 8 * file), sizeof(record));
            dataCenter->UpdateEditBuf(record);
        }
        LibrarianAccess::broadcastChange();
        if (auto* host = Host::getInstance())
            if (auto* actions = host->getActionManager())
                actions->setTimerEventReq(ActionManager::timerMainRefresh, 1, 0);
        dataCenter->getUserEditSection().FireOnROMSubTabMove(false);
        dataCenter->getUserEditSection().FireOnUICtrlSelectValid(false);
        if (auto* midi = LibrarianAccess::getMidiManager())
            midi->sendCurProgDump();
    }

    void RenewFileIndex(int fileIndex) override
    {
        // Only three files exist: another index would name programs past 31.
        if (fileIndex < 0 || fileIndex > 2)
            return;
        const int base = firstProgram(fileIndex);
        for (int k = 0; k < numButtons; ++k)
            if (auto* button = m_Buttons[(size_t) k])
                button->setProgramNumber(base + k);
        m_FileIndex = fileIndex;
    }

    juce::Button* getFileButtonComponent(int index) override
    {
        return index >= 0 && index < numButtons ? m_Buttons[(size_t) index] : nullptr;
    }

    void RenewButtonImages() override
    {
        for (auto* button : m_Buttons)
            if (button != nullptr)
                button->RenewButtonSetting();
    }

    void changeListenerCallback(juce::ChangeBroadcaster*) override
    {
        const int c = DataCenter::iCurProgNo;
        const int base = firstProgram(m_FileIndex);
        if (c >= base && c < base + numButtons && m_Buttons[(size_t) (c - base)] != nullptr)
        {
            for (int k = 0; k < numButtons; ++k)
                if (auto* button = m_Buttons[(size_t) k])
                    button->setToggleState(k == c - base, juce::dontSendNotification);
            return;
        }
        for (auto* button : m_Buttons)
            if (button != nullptr && button->getToggleState())
                button->setToggleState(false, juce::dontSendNotification);
    }

    void SetToggleStateAll(bool on) override
    {
        auto* state = stateHolder();
        for (auto* button : m_Buttons)
        {
            if (button == nullptr)
                continue;
            button->setToggleState(on, juce::dontSendNotification);
            if (! on && state != nullptr && button->getProgramNumber() == state->currentProgram)
                state->deselectedProgram = state->currentProgram;
        }
    }

    int getFileIndex() const override { return m_FileIndex; }

protected:
    static int firstProgram(int fileIndex) { return fileIndex == 0 ? 8 : fileIndex == 1 ? 16 : 24; }

    juce::Rectangle<int> buttonBounds(int k) const
    {
        return { 4, 4 + k * m_ButtonRect.getHeight(), m_Area.getWidth(), m_ButtonRect.getHeight() };
    }

    static StateHolder* stateHolder()
    {
        auto* host = Host::getInstance();
        return host != nullptr ? host->getStateHolder() : nullptr;
    }

    juce::Rectangle<int> m_Area;
    juce::Rectangle<int> m_ButtonRect;
    int m_FileIndex;
    std::array<FileButton*, numButtons> m_Buttons {}; // owned
};
