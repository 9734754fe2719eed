#pragma once

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "DataCenter/OrvaDataCenter.h"
#include "GUI/Editor/AnotherComponentListner.h"
#include "GUI/Editor/LibrarianAccess.h"
#include "GUI/Editor/UserButtonContainerComponent.h"
#include "GUI/Widgets/FocusHandOver.h"
#include "GUI/Widgets/FontLibrary.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "ParamTable/COrvaUserEditSectionBase.h"

#include <array>

// The user-program panel of an Orva librarian: the eight user slots A1 to
// B4 (programs 0-7) as one radio group, a title and the buttons that load
// and save all user programs as a file. A click on a slot selects that user
// program on the amplifier and in the editor. The Orva PW and Orva KX panels
// differ in their button class, title and parameter area.
template <class UserButton>
class OrvaUserButtonContainerComponent : public UserButtonContainerComponent,
                                         public AnotherComponentListner
{
public:
    static constexpr int numButtons = 8;

    OrvaUserButtonContainerComponent(int width, int height, int extra) : UserButtonContainerComponent(width, height, extra)
    {
        setWantsKeyboardFocus(true);
        setMouseClickGrabsKeyboardFocus(true);
    }

    ~OrvaUserButtonContainerComponent() override
    {
        for (auto*& button : m_Buttons)
        {
            delete button;
            button = nullptr;
        }
        delete m_SaveButton;
        delete m_LoadButton;
    }

    void initialise() override
    {
        static const char* names[] = { "A1", "A2", "A3", "A4", "B1", "B2", "B3", "B4" };
        const int bw = (m_Width - 75) / 4;
        const int bh = (m_Height - 55) / 2;
        for (int k = 0; k < numButtons; ++k)
        {
            auto* button = new UserButton(this, 4098, 0, k, names[k]);
            m_Buttons[(size_t) k] = button;
            addAndMakeVisible(button);
            button->setClickingTogglesState(true);
            button->setRadioGroupId(4098, juce::sendNotification);
            button->setBounds(30 + (k % 4) * (bw + 5), 40 + (k / 4) * (bh + 5), bw, bh);
            button->setToggleState(true, juce::dontSendNotification);
            button->addListener(this);
        }
        m_SaveButton = makeFileButton("savefile30x30", { m_Width - 35, 7, 25, 25 });
        m_LoadButton = makeFileButton("loadfile30x30", { m_Width - 75, 7, 25, 25 });

        // The radio group leaves only the last slot on: show the real one.
        showCurrentProgram();
    }

    void changeListenerCallback(juce::ChangeBroadcaster*) override { showCurrentProgram(); }

    void buttonClicked(juce::Button* b) override
    {
        auto* host = Host::getInstance();
        auto* actions = host != nullptr ? host->getActionManager() : nullptr;
        if (b == m_SaveButton || b == m_LoadButton)
        {
            if (actions != nullptr)
                actions->invokeDirectly(b == m_SaveButton ? ActionManager::cmdFileSaveUser : ActionManager::cmdFileLoadUser,
                                        true);
            return;
        }

        auto* button = dynamic_cast<UserButton*>(b);
        if (button == nullptr || ! button->getToggleState() || button->isDragStarted())
            return;
        const int p = button->getProgramNumber();
        auto* dataCenter = LibrarianAccess::getOrvaDataCenter();
        if (p < 0 || p >= numButtons || dataCenter == nullptr || dataCenter->getRAMProgPtr(p) == nullptr)
            return;

        FocusHandOver::give(this);
        dataCenter->PutMode(1);
        if (auto* midi = LibrarianAccess::getMidiManager())
            midi->sendModeChange(1, p, 0);
        dataCenter->setCurProgNo(p);
        if (auto* state = host != nullptr ? host->getStateHolder() : nullptr)
        {
            state->currentProgram = p;
            state->deselectedProgram = -1;
        }
        unsigned char record[OrvaDataCenter::recordSize];
        {
            const juce::ScopedReadLock lock(dataCenter->getFileTabLock());
            std::memcpy(record, dataCenter->getRAMProgPtr(p), sizeof(record));
        }
        DataCenter::iUserDestProg = p;
        dataCenter->UpdateEditBuf(record);
        LibrarianAccess::broadcastChange();
        if (actions != nullptr)
            actions->setTimerEventReq(ActionManager::timerMainRefresh, 1, 0);
        dataCenter->getUserEditSection().FireOnUICtrlSelectValid(false);
    }

    void handleMessage(const juce::Message& message) override
    {
        if (auto* myMessage = dynamic_cast<const MyMessage*>(&message))
            if (myMessage->getId() == MessageId::ConnectionStatus)
                repaint();
    }

    juce::Button* getUserButtonComponent(int index) override
    {
        return index >= 0 && index < numButtons ? m_Buttons[(size_t) index] : nullptr;
    }

    void mouseDownByOtherComponent(juce::Component* other) override
    {
        if (other != this)
            resetTouchDownMemory();
    }

    void mouseUpByOtherComponent(juce::Component* other, bool dragged) override
    {
        if (other == this || dragged)
            return;
        if (auto* dataCenter = LibrarianAccess::getOrvaDataCenter())
            dataCenter->getUserEditSection().FireOnROMSubTabMove(false);
    }

    void mouseDown(const juce::MouseEvent& e) override
    {
        juce::Component::mouseDown(e);
        resetTouchDownMemory();
    }

    void paint(juce::Graphics& g) override
    {
        const auto back = RSWidgetSupport::getImage("back_orva_800x200");
        if (back.isValid())
            g.drawImageAt(back, 0, 0);
        g.fillAll(juce::Colours::black.withAlpha(0.7f));
        auto* fonts = FontLibrary::getInstance();
        g.setFont(fonts != nullptr ? fonts->getFont("ProgramNameButton") : FontLibrary::DefaultFont());
        g.setColour(juce::Colour(0xFFD4D4D4));
        g.drawText(getTitle(), 32, 10, 350, 20, juce::Justification::topLeft, true);
    }

    // "USER PROGRAMS", with the model named once all user programs have
    // been read from the connected amplifier.
    juce::String getTitle() const
    {
        auto* dataCenter = LibrarianAccess::getDataCenter();
        auto* midi = LibrarianAccess::getMidiManager();
        if (dataCenter != nullptr && midi != nullptr && dataCenter->isSynchronised() && midi->isSynchronised())
            return "USER PROGRAMS (Synchronized with " + synchronisedModelName(LibrarianAccess::getModelId()) + ")";
        return "USER PROGRAMS";
    }

    juce::Button* getSaveButton() const noexcept { return m_SaveButton; }
    juce::Button* getLoadButton() const noexcept { return m_LoadButton; }

protected:
    // The model named in the title for a connected model id.
    virtual juce::String synchronisedModelName(int modelId) const = 0;
    // Forgets the parameter area's pending touch-down.
    virtual void resetTouchDownMemory() = 0;

    // The button of the current program on, the others off; none on while a
    // file program (8 and up) is current.
    void showCurrentProgram()
    {
        const int c = DataCenter::iCurProgNo;
        for (int k = 0; k < numButtons; ++k)
            if (auto* button = m_Buttons[(size_t) k])
            {
                if (c >= numButtons)
                {
                    if (button->getToggleState())
                        button->setToggleState(false, juce::dontSendNotification);
                }
                else
                {
                    button->setToggleState(k == c, juce::dontSendNotification);
                }
                button->repaint();
            }
    }

    juce::ImageButton* makeFileButton(const juce::String& imageName, juce::Rectangle<int> bounds)
    {
        auto* button = new juce::ImageButton(juce::String());
        const auto image = RSWidgetSupport::getImage(imageName);
        const auto down = RSWidgetSupport::getImage(imageName);
        button->setImages(false, true, false, image, 0.5f, juce::Colours::transparentBlack, image, 1.0f, juce::Colour(0x000000FF),
                          down, 1.0f, juce::Colours::transparentBlack);
        button->setBounds(bounds);
        RSWidgetSupport::reachByMouseOnly(*button);
        button->addListener(this);
        addAndMakeVisible(button);
        return button;
    }

    std::array<UserButton*, numButtons> m_Buttons {}; // owned
    juce::ImageButton* m_SaveButton = nullptr;        // owned
    juce::ImageButton* m_LoadButton = nullptr;        // owned
};
