#include "GUI/DWQ/DWQLibFileComponent.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/StateHolder.h"
#include "DWQ/DWQDataCenter.h"
#include "GUI/DWQ/DWQViewSupport.h"
#include "GUI/Editor/RSFileProgButton.h"
#include "ParamTable/DWQ/CDWQUserEditSectionImpl.h"

#include <cstring>

namespace
{
constexpr int programButtonGroup = 4098;
}

DWQLibFileComponent::DWQLibFileComponent(int x, int y, int w, int h, int index)
    : fileIndex(index), pageX(x), pageY(y), pageWidth(w), pageHeight(h)
{
    setBounds(x, y, w, h);
}

DWQLibFileComponent::~DWQLibFileComponent()
{
    for (auto& button : buttons)
        button.reset();
}

int DWQLibFileComponent::firstProgram() const noexcept
{
    return DWQViewSupport::firstProgramOfFile(fileIndex);
}

void DWQLibFileComponent::paint(juce::Graphics& g)
{
    g.fillAll(juce::Colour(0xFF2D2D2D));
}

void DWQLibFileComponent::resized()
{
    for (int k = 0; k < numButtons; ++k)
        if (auto* button = buttons[(size_t) k].get())
            button->setBounds(buttonX, buttonY + k * buttonHeight, buttonWidth, buttonHeight);
}

void DWQLibFileComponent::initialise()
{
    buttonX = 4;
    buttonY = 4;
    buttonWidth = pageWidth;
    buttonHeight = (pageHeight - 8) / numButtons;
    const int base = firstProgram();
    for (int k = 0; k < numButtons; ++k)
    {
        auto button = std::make_unique<RSFileProgButton>(this, programButtonGroup, 0, base + k, ":" + juce::String(k + 1));
        addAndMakeVisible(button.get());
        button->setClickingTogglesState(true);
        button->setRadioGroupId(programButtonGroup);
        button->setBounds(buttonX, buttonY + k * buttonHeight, buttonWidth, buttonHeight);
        button->addListener(this);
        buttons[(size_t) k] = std::move(button);
    }
    changeListenerCallback(nullptr);
}

void DWQLibFileComponent::buttonClicked(juce::Button* button)
{
    auto* file = dynamic_cast<RSFileProgButton*>(button);
    if (file == nullptr)
        return;
    const int program = file->getProgramNumber();
    const int base = firstProgram();
    if (! file->getToggleState() || file->isDragStarted() || program < base || program >= base + numButtons)
        return;
    auto* dataCenter = DWQViewSupport::getDataCenter();
    if (dataCenter == nullptr)
        return;
    auto* midi = DWQViewSupport::getMidiManager();

    if (isShowing())
        grabKeyboardFocus();
    dataCenter->setCurProgNo(program);
    if (auto* state = DWQViewSupport::getStateHolder())
    {
        state->currentProgram = program;
        state->deselectedProgram = -1;
    }
    {
        const juce::ScopedReadLock lock(dataCenter->getFileTabLock());
        const int tab = (program - DWQViewSupport::firstFile) / DWQViewSupport::programsPerTab;
        const int slot = (program - DWQViewSupport::firstFile) % DWQViewSupport::programsPerTab;
        // A tab that holds no file has no record: nothing is loaded.
        auto* record = tab < dataCenter->getFileCount() ? dataCenter->getFileProgPtr(tab, slot) : nullptr;
        if (record == nullptr)
            return;
        unsigned char copy[DWQViewSupport::recordSize];
        std::memcpy(copy, record, sizeof(copy));
        dataCenter->UpdateEditBuf(copy);
    }
    if (midi != nullptr)
        midi->sendChangeMessage();
    if (auto* actions = DWQViewSupport::getActionManager())
        actions->setTimerEventReq(ActionManager::timerMainRefresh, 1, 0);
    dataCenter->getUserEditSection().FireOnROMSubTabMove(false);
    if (midi != nullptr)
        midi->sendCurProgDump();
}

void DWQLibFileComponent::RenewFileIndex(int index)
{
    if (index < 0 || index > 2)
        return;
    const int base = DWQViewSupport::firstProgramOfFile(index);
    for (int k = 0; k < numButtons; ++k)
        if (auto* button = buttons[(size_t) k].get())
            button->setProgramNumber(base + k);
    fileIndex = index;
}

juce::Button* DWQLibFileComponent::getFileButtonComponent(int index)
{
    return (unsigned) index < (unsigned) numButtons ? buttons[(size_t) index].get() : nullptr;
}

void DWQLibFileComponent::RenewButtonImages()
{
    for (auto& button : buttons)
        if (button != nullptr)
            button->RenewButtonSetting();
}

void DWQLibFileComponent::SetToggleStateAll(bool on)
{
    auto* state = DWQViewSupport::getStateHolder();
    for (auto& button : buttons)
    {
        if (button == nullptr)
            continue;
        if (! on && state != nullptr && button->getProgramNumber() == state->currentProgram)
            state->deselectedProgram = state->currentProgram;
        button->setToggleState(on, juce::dontSendNotification);
    }
}

void DWQLibFileComponent::changeListenerCallback(juce::ChangeBroadcaster*)
{
    const int current = DataCenter::iCurProgNo;
    const int base = DWQViewSupport::firstFile + DWQViewSupport::programsPerTab * fileIndex;
    const bool here = current >= base && current < base + numButtons;
    for (int k = 0; k < numButtons; ++k)
        if (auto* button = buttons[(size_t) k].get())
        {
            if (here)
                button->setToggleState(k == current - base, juce::dontSendNotification);
            else if (button->getToggleState())
                button->setToggleState(false, juce::dontSendNotification);
        }
}
