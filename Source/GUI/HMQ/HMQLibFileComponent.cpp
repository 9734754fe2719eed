#include "GUI/HMQ/HMQLibFileComponent.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Editor/LibrarianAccess.h"
#include "GUI/HMQ/HMQFileProgButton.h"
#include "GUI/HMQ/HMQGuiSupport.h"

#include <cstring>

namespace
{
constexpr int programGroup = 4098;
} // namespace

HMQLibFileComponent::HMQLibFileComponent(int x, int y, int width, int height, int fileIndex)
    : m_FileIndex(fileIndex), m_Bounds(x, y, width, height)
{}

HMQLibFileComponent::~HMQLibFileComponent()
{
    m_Buttons.clear();
}

int HMQLibFileComponent::firstProgramOf(int fileIndex)
{
    return fileIndex == 0 ? 68 : (fileIndex == 1 ? 79 : 90);
}

void HMQLibFileComponent::initialise()
{
    m_ButtonRect = { 4, 4, m_Bounds.getWidth(), (m_Bounds.getHeight() - 8) / numButtons };
    const int base = firstProgramOf(m_FileIndex);
    for (int k = 0; k < numButtons; ++k)
    {
        auto* button = m_Buttons.add(new HMQFileProgButton(this, programGroup, 0, base + k, ":" + juce::String(k + 1)));
        addAndMakeVisible(button);
        button->setClickingTogglesState(true);
        button->setRadioGroupId(programGroup, juce::sendNotification);
        button->setBounds(m_ButtonRect.getX(), m_ButtonRect.getY() + k * m_ButtonRect.getHeight(), m_ButtonRect.getWidth(),
                          m_ButtonRect.getHeight());
        button->addListener(this);
    }
    // Lit: the current program when it is one of this file's, else none.
    changeListenerCallback(nullptr);
}

void HMQLibFileComponent::resized()
{
    for (int k = 0; k < m_Buttons.size(); ++k)
        m_Buttons[k]->setBounds(m_ButtonRect.getX(), m_ButtonRect.getY() + k * m_ButtonRect.getHeight(), m_ButtonRect.getWidth(),
                                m_ButtonRect.getHeight());
}

void HMQLibFileComponent::paint(juce::Graphics& g)
{
    g.fillAll(juce::Colour(0xFF2D2D2D));
}

void HMQLibFileComponent::RenewFileIndex(int fileIndex)
{
    if (! juce::isPositiveAndBelow(fileIndex, 3))
        return;
    const int base = firstProgramOf(fileIndex);
    for (int k = 0; k < m_Buttons.size(); ++k)
        m_Buttons[k]->setProgramNumber(base + k);
    m_FileIndex = fileIndex;
}

juce::Button* HMQLibFileComponent::getFileButtonComponent(int index)
{
    return (unsigned int) index < (unsigned int) m_Buttons.size() ? m_Buttons[index] : nullptr;
}

void HMQLibFileComponent::RenewButtonImages()
{
    for (auto* button : m_Buttons)
        button->RenewButtonSetting();
}

void HMQLibFileComponent::SetToggleStateAll(bool on)
{
    auto* host = Host::getInstance();
    auto* state = host != nullptr ? host->getStateHolder() : nullptr;
    for (auto* button : m_Buttons)
    {
        button->setToggleState(on, juce::dontSendNotification);
        if (! on && state != nullptr && button->getProgramNumber() == state->currentProgram)
            state->deselectedProgram = state->currentProgram;
    }
}

void HMQLibFileComponent::changeListenerCallback(juce::ChangeBroadcaster*)
{
    const int index = DataCenter::iCurProgNo - firstProgramOf(m_FileIndex);
    for (int k = 0; k < m_Buttons.size(); ++k)
    {
        const bool on = k == index;
        if (m_Buttons[k]->getToggleState() != on)
            m_Buttons[k]->setToggleState(on, juce::dontSendNotification);
    }
}

void HMQLibFileComponent::buttonClicked(juce::Button* button)
{
    auto* fileButton = dynamic_cast<HMQFileProgButton*>(button);
    if (fileButton == nullptr || ! fileButton->getToggleState() || fileButton->isDragStarted())
        return;
    const int p = fileButton->getProgramNumber();
    const int base = firstProgramOf(m_FileIndex);
    auto* dataCenter = LibrarianAccess::getDataCenter();
    if (p < base || p > base + numButtons - 1 || dataCenter == nullptr)
        return;

    unsigned char copy[62];
    const int size = juce::jmin((int) sizeof(copy), dataCenter->getNumbering().recordSize);
    {
        const juce::ScopedReadLock lock(dataCenter->getFileTabLock());
        const auto* record = fileButton->getFileNumber() < dataCenter->getFileCount()
                                 ? dataCenter->getFileProgPtr(fileButton->getFileNumber(), fileButton->getSlot())
                                 : nullptr;
        if (record == nullptr)
            return;
        std::memcpy(copy, record, (size_t) size);
    }

    if (isShowing())
        grabKeyboardFocus();
    dataCenter->setCurProgNo(p);
    auto* host = Host::getInstance();
    if (auto* state = host != nullptr ? host->getStateHolder() : nullptr)
    {
        state->currentProgram = p;
        state->deselectedProgram = -1;
    }
    dataCenter->UpdateEditBuf(copy);
    LibrarianAccess::broadcastChange();
    if (auto* actions = host != nullptr ? host->getActionManager() : nullptr)
        actions->setTimerEventReq(ActionManager::timerMainRefresh, 1, 0);
    HMQGuiSupport::postROMSubTabMove(false);
    HMQGuiSupport::postUICtrlSelectValid(false);
    if (auto* midi = LibrarianAccess::getMidiManager())
        midi->sendCurProgDump();
}
