#include "GUI/HMQ/HMQLibROMBankComponent.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "GUI/Editor/LibrarianAccess.h"
#include "GUI/Editor/ProgramNameText.h"
#include "GUI/HMQ/HMQGuiSupport.h"
#include "GUI/HMQ/HMQPresetProgButton.h"
#include "HMQ/HMQDataCenter.h"

#include <cstring>

namespace
{
constexpr int programGroup = 4098;
} // namespace

HMQLibROMBankComponent::HMQLibROMBankComponent(int firstProgram, int x, int y, int width, int height)
    : m_FirstProgram(firstProgram), m_Bounds(x, y, width, height), m_CellRect(x, y, width, height)
{
    // Keeps the focus it takes when a preset is chosen (it uses no key).
    setWantsKeyboardFocus(true);
}

HMQLibROMBankComponent::~HMQLibROMBankComponent()
{
    m_Buttons.clear();
}

void HMQLibROMBankComponent::initialise()
{
    m_CellRect = { 2, 2, (m_Bounds.getWidth() - 4) / 2, (m_Bounds.getHeight() - 4) / 10 };
    auto* dataCenter = LibrarianAccess::getDataCenter();
    for (int k = 0; k < numButtons; ++k)
    {
        const int program = m_FirstProgram + k;
        const auto name = ProgramNameText::fromRecord(dataCenter != nullptr ? dataCenter->getROMProgPtr(program) : nullptr);
        auto* button = m_Buttons.add(new HMQPresetProgButton(this, programGroup, k, program, name));
        addAndMakeVisible(button);
        button->setClickingTogglesState(true);
        button->setRadioGroupId(programGroup, juce::sendNotification);
        const int column = k / 10, row = k % 10;
        button->setBounds(m_CellRect.getX() + column * m_CellRect.getWidth(), m_CellRect.getY() + row * m_CellRect.getHeight(),
                          m_CellRect.getWidth(), m_CellRect.getHeight());
        button->addListener(this);
    }
    // Lit: the current program when it is one of this bank's, else none.
    changeListenerCallback(nullptr);
}

void HMQLibROMBankComponent::RenewButtonImages()
{
    for (auto* button : m_Buttons)
        if (button != nullptr)
            button->RenewButtonSetting();
}

void HMQLibROMBankComponent::paint(juce::Graphics& g)
{
    g.fillAll(juce::Colour(0xFF333333));
}

void HMQLibROMBankComponent::changeListenerCallback(juce::ChangeBroadcaster*)
{
    const int index = DataCenter::iCurProgNo - m_FirstProgram;
    for (int k = 0; k < m_Buttons.size(); ++k)
    {
        const bool on = k == index;
        if (m_Buttons[k]->getToggleState() != on)
            m_Buttons[k]->setToggleState(on, juce::dontSendNotification);
    }
}

void HMQLibROMBankComponent::buttonClicked(juce::Button* button)
{
    auto* preset = dynamic_cast<HMQPresetProgButton*>(button);
    if (preset == nullptr || ! preset->getToggleState() || preset->isDragStarted())
        return;
    const int p = preset->getProgramNumber();
    auto* dataCenter = HMQGuiSupport::getDataCenter();
    if (p < m_FirstProgram || p >= m_FirstProgram + numButtons || dataCenter == nullptr)
        return;
    const auto* record = dataCenter->getROMProgPtr(p);
    if (record == nullptr)
        return;

    if (isShowing())
        grabKeyboardFocus();
    dataCenter->PutMode(0);
    if (auto* midi = HMQGuiSupport::getMidiManager())
        midi->sendModeChange(0, p, 0);
    dataCenter->setCurProgNo(p);
    auto* host = Host::getInstance();
    if (auto* state = host != nullptr ? host->getStateHolder() : nullptr)
    {
        state->currentProgram = p;
        state->deselectedProgram = -1;
    }
    unsigned char copy[HMQDataCenter::recordSize];
    std::memcpy(copy, record, sizeof(copy));
    dataCenter->UpdateEditBuf(copy);
    HMQGuiSupport::sendChangeMessage();
    if (auto* actions = host != nullptr ? host->getActionManager() : nullptr)
        actions->setTimerEventReq(ActionManager::timerMainRefresh, 1, 0);
    HMQGuiSupport::postCustomTabOpen(0, false);
    HMQGuiSupport::postROMSubTabMove(false);
    HMQGuiSupport::postUICtrlSelectValid(false);
}
