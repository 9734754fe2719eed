#include "GUI/DWQ/DWQLibROMComponent.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/StateHolder.h"
#include "DWQ/DWQDataCenter.h"
#include "GUI/DWQ/DWQViewSupport.h"
#include "GUI/Editor/ProgramNameText.h"
#include "GUI/Editor/RSPresetProgButton.h"
#include "ParamTable/DWQ/CDWQUserEditSectionImpl.h"

#include <cstring>

namespace
{
constexpr int programButtonGroup = 4098;
}

DWQLibROMComponent::DWQLibROMComponent(int x, int y, int w, int h) : pageX(x), pageY(y), pageWidth(w), pageHeight(h)
{
    // Keeps the focus it takes when a preset is chosen (it uses no key).
    setWantsKeyboardFocus(true);
    setBounds(x, y, w, h);
}

DWQLibROMComponent::~DWQLibROMComponent()
{
    for (auto& button : buttons)
        button.reset();
}

void DWQLibROMComponent::paint(juce::Graphics& g)
{
    g.fillAll(juce::Colour(0xFF2D2D2D));
}

RSPresetProgButton* DWQLibROMComponent::getPresetButton(int index) const
{
    return index >= 0 && index < numButtons ? buttons[(size_t) index].get() : nullptr;
}

void DWQLibROMComponent::RenewButtonImages()
{
    for (auto& button : buttons)
        if (button != nullptr)
            button->RenewButtonSetting();
}

void DWQLibROMComponent::initialise()
{
    const int bh = (pageHeight - 8) / numButtons;
    auto* dataCenter = DWQViewSupport::getDataCenter();
    for (int k = 0; k < numButtons; ++k)
    {
        const auto* record = dataCenter != nullptr ? dataCenter->getROMProgPtr(k) : nullptr;
        const int ampType = record != nullptr ? record[18] : 0;
        auto button =
            std::make_unique<RSPresetProgButton>(this, programButtonGroup, ampType, k, ProgramNameText::fromRecord(record));
        addAndMakeVisible(button.get());
        button->setClickingTogglesState(true);
        button->setRadioGroupId(programButtonGroup);
        button->setBounds(4, 4 + k * bh, pageWidth, bh);
        button->addListener(this);
        buttons[(size_t) k] = std::move(button);
    }
    lightCurrentProgram();
}

void DWQLibROMComponent::buttonClicked(juce::Button* button)
{
    auto* preset = dynamic_cast<RSPresetProgButton*>(button);
    if (preset == nullptr)
        return;
    const int program = preset->getProgramNumber();
    if (! preset->getToggleState() || preset->isDragStarted() || program < 0 || program >= DWQViewSupport::numPresets)
        return;
    auto* dataCenter = DWQViewSupport::getDataCenter();
    if (dataCenter == nullptr)
        return;
    auto* midi = DWQViewSupport::getMidiManager();

    if (isShowing())
        grabKeyboardFocus();
    dataCenter->PutMode(0);
    if (midi != nullptr)
        midi->sendModeChange(0, program, 0);
    dataCenter->setCurProgNo(program);
    if (auto* state = DWQViewSupport::getStateHolder())
    {
        state->currentProgram = program;
        state->deselectedProgram = -1;
    }
    unsigned char copy[DWQViewSupport::recordSize] = {};
    if (auto* record = dataCenter->getROMProgPtr(program))
        std::memcpy(copy, record, sizeof(copy));
    dataCenter->UpdateEditBuf(copy);
    if (midi != nullptr)
        midi->sendChangeMessage();
    if (auto* actions = DWQViewSupport::getActionManager())
        actions->setTimerEventReq(ActionManager::timerMainRefresh, 1, 0);
    dataCenter->getUserEditSection().FireOnROMSubTabMove(false);
}

void DWQLibROMComponent::lightCurrentProgram()
{
    auto* dataCenter = DWQViewSupport::getDataCenter();
    const int current = DataCenter::iCurProgNo;
    const bool lit = dataCenter != nullptr && current >= 0 && current < numButtons && dataCenter->getCurBank() == 0;
    for (int k = 0; k < numButtons; ++k)
        if (auto* button = buttons[(size_t) k].get())
        {
            if (lit)
                button->setToggleState(k == current, juce::dontSendNotification);
            else if (button->getToggleState())
                button->setToggleState(false, juce::dontSendNotification);
        }
}

void DWQLibROMComponent::changeListenerCallback(juce::ChangeBroadcaster*)
{
    lightCurrentProgram();
}
