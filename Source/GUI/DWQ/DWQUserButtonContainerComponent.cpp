#include "GUI/DWQ/DWQUserButtonContainerComponent.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/StateHolder.h"
#include "Core/MyMessage.h"
#include "DWQ/DWQDataCenter.h"
#include "GUI/DWQ/DWQViewSupport.h"
#include "GUI/Editor/RSUserProgButton.h"
#include "GUI/Widgets/FocusHandOver.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "ParamTable/DWQ/CDWQUserEditSectionImpl.h"

#include <cstring>

namespace
{
constexpr const char* slotNames[DWQUserButtonContainerComponent::numButtons] = { "A1", "A2", "A3", "A4", "B1", "B2", "B3", "B4" };
constexpr int programButtonGroup = 4098;

void setFileButtonImages(juce::ImageButton& button, const juce::String& name)
{
    const auto image = RSWidgetSupport::getImage(name);
    button.setImages(false, true, false, image, 0.5f, juce::Colours::transparentBlack, image, 1.0f, juce::Colour(0x000000FF),
                     image, 1.0f, juce::Colours::transparentBlack);
    RSWidgetSupport::reachByMouseOnly(button);
}
} // namespace

DWQUserButtonContainerComponent::DWQUserButtonContainerComponent(int width, int height, int unused)
    : UserButtonContainerComponent(width, height, unused), panelWidth(width), panelHeight(height)
{}

DWQUserButtonContainerComponent::~DWQUserButtonContainerComponent()
{
    for (auto& button : buttons)
        button.reset();
    saveButton.reset();
    loadButton.reset();
}

void DWQUserButtonContainerComponent::mouseDown(const juce::MouseEvent& e)
{
    UserButtonContainerComponent::mouseDown(e);
}

void DWQUserButtonContainerComponent::initialise()
{
    const int bw = (panelWidth - 75) / 4;
    const int bh = (panelHeight - 55) / 2;

    for (int k = 0; k < numButtons; ++k)
    {
        const int program = DWQViewSupport::firstUser + k;
        auto button = std::make_unique<RSUserProgButton>(this, programButtonGroup, 0, program, juce::String(slotNames[k]));
        addAndMakeVisible(button.get());
        button->setClickingTogglesState(true);
        button->setRadioGroupId(programButtonGroup);
        const int column = k % 4;
        const int row = k / 4;
        button->setBounds(30 + column * (bw + 5), 40 + row * (bh + 5), bw, bh);
        button->addListener(this);
        buttons[(size_t) k] = std::move(button);
    }
    // Light the amplifier's current program, not whichever button the radio
    // group happened to leave on.
    lightCurrentProgram();

    saveButton = std::make_unique<juce::ImageButton>();
    setFileButtonImages(*saveButton, "savefile_50x50w");
    saveButton->setBounds(panelWidth - 35, 7, 25, 25);
    saveButton->addListener(this);
    addAndMakeVisible(saveButton.get());

    loadButton = std::make_unique<juce::ImageButton>();
    setFileButtonImages(*loadButton, "openfile_50x50w");
    loadButton->setBounds(panelWidth - 75, 7, 25, 25);
    loadButton->addListener(this);
    addAndMakeVisible(loadButton.get());
}

juce::Button* DWQUserButtonContainerComponent::getUserButtonComponent(int index)
{
    return index >= 0 && index < numButtons ? buttons[(size_t) index].get() : nullptr;
}

void DWQUserButtonContainerComponent::lightCurrentProgram()
{
    const int current = DWQViewSupport::getDataCenter() != nullptr ? DataCenter::iCurProgNo - DWQViewSupport::firstUser : -1;
    for (int k = 0; k < numButtons; ++k)
        if (auto* button = buttons[(size_t) k].get())
        {
            if (current >= 0 && current < numButtons)
                button->setToggleState(k == current, juce::dontSendNotification);
            else if (button->getToggleState())
                button->setToggleState(false, juce::dontSendNotification);
            button->repaint();
        }
}

void DWQUserButtonContainerComponent::changeListenerCallback(juce::ChangeBroadcaster*)
{
    lightCurrentProgram();
}

void DWQUserButtonContainerComponent::buttonClicked(juce::Button* button)
{
    if (auto* user = dynamic_cast<RSUserProgButton*>(button))
    {
        const int program = user->getProgramNumber();
        if (! user->getToggleState() || user->isDragStarted() || program < DWQViewSupport::firstUser
            || program >= DWQViewSupport::firstFile)
            return;
        auto* dataCenter = DWQViewSupport::getDataCenter();
        auto* midi = DWQViewSupport::getMidiManager();
        if (dataCenter == nullptr)
            return;

        FocusHandOver::give(this);
        dataCenter->PutMode(1);
        if (midi != nullptr)
            midi->sendModeChange(1, program - DWQViewSupport::firstUser, 0);
        dataCenter->setCurProgNo(program);
        if (auto* state = DWQViewSupport::getStateHolder())
        {
            state->currentProgram = program;
            state->deselectedProgram = -1;
        }
        unsigned char copy[DWQViewSupport::recordSize] = {};
        if (auto* record = dataCenter->getRAMProgPtr(program - DWQViewSupport::firstUser))
            std::memcpy(copy, record, sizeof(copy));
        DataCenter::iUserDestProg = program;
        dataCenter->UpdateEditBuf(copy);
        if (midi != nullptr)
            midi->sendChangeMessage();
        if (auto* actions = DWQViewSupport::getActionManager())
            actions->setTimerEventReq(ActionManager::timerMainRefresh, 1, 0);
        return;
    }

    auto* actions = DWQViewSupport::getActionManager();
    if (actions == nullptr)
        return;
    if (button == saveButton.get())
        actions->invokeDirectly(ActionManager::cmdFileSaveUser, true);
    else if (button == loadButton.get())
        actions->invokeDirectly(ActionManager::cmdFileLoadUser, true);
}

void DWQUserButtonContainerComponent::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage != nullptr && myMessage->getId() == 5)
        repaint();
}

void DWQUserButtonContainerComponent::mouseUpByOtherComponent(juce::Component* other, bool dragged)
{
    if (other == this || dragged)
        return;
    if (auto* section = DWQViewSupport::getSection())
        section->FireOnROMSubTabMove(false);
}

juce::String DWQUserButtonContainerComponent::headerText()
{
    auto* dataCenter = DWQViewSupport::getDataCenter();
    auto* midi = DWQViewSupport::getMidiManager();
    if (dataCenter != nullptr && midi != nullptr && dataCenter->isSynchronised() && midi->isSynchronised())
        return "User Program (Synchronized with DWQR)";
    return "User Program";
}

void DWQUserButtonContainerComponent::paint(juce::Graphics& g)
{
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xFF2F2F2F), 0.0f, 0.0f, juce::Colour(0xFF000000), 0.0f,
                                           (float) getHeight() * 0.75f, false));
    g.fillRect(getLocalBounds());
    juce::Component::paint(g);
    g.setColour(juce::Colour(0xFFD4D4D4));
    g.drawText(headerText(), 32, 10, 300, 20, juce::Justification::topLeft, true);
}
