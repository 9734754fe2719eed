#include "GUI/HMQ/HMQUserButtonContainerComponent.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "Core/MyMessage.h"
#include "GUI/HMQ/HMQGuiSupport.h"
#include "GUI/HMQ/HMQUserProgButton.h"
#include "GUI/Widgets/FocusHandOver.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "HMQ/HMQDataCenter.h"

#include <cstring>

namespace
{
constexpr int programGroup = 4098;
constexpr int firstUser = 60;

void setFileButtonImages(juce::ImageButton& button, const char* imageName)
{
    const auto image = RSWidgetSupport::getImage(imageName);
    button.setImages(false, true, false, image, 0.5f, juce::Colours::transparentBlack, image, 1.0f, juce::Colour(0x000000FF),
                     image, 1.0f, juce::Colours::transparentBlack, 0.0f);
    RSWidgetSupport::reachByMouseOnly(button);
}
} // namespace

HMQUserButtonContainerComponent::HMQUserButtonContainerComponent(int width, int height, int extra)
    : UserButtonContainerComponent(width, height, extra)
{
    setWantsKeyboardFocus(true);
    setMouseClickGrabsKeyboardFocus(true);
}

HMQUserButtonContainerComponent::~HMQUserButtonContainerComponent()
{
    m_Buttons.clear();
    m_SaveButton.reset();
    m_LoadButton.reset();
}

void HMQUserButtonContainerComponent::initialise()
{
    if (! m_Buttons.isEmpty())
        return;
    const int bw = (m_Width - 75) / 4;
    const int bh = (m_Height - 55) / 2;
    for (int row = 0; row < 2; ++row)
        for (int k = 0; k < 4; ++k)
        {
            const int program = firstUser + row * 4 + k;
            const juce::String name = juce::String(row == 0 ? "A" : "B") + juce::String(k + 1);
            auto* button = m_Buttons.add(new HMQUserProgButton(this, programGroup, 0, program, name));
            addAndMakeVisible(button);
            button->setClickingTogglesState(true);
            button->setRadioGroupId(programGroup, juce::sendNotification);
            button->setBounds(30 + k * (bw + 5), 40 + row * (bh + 5), bw, bh);
            button->addListener(this);
        }
    // Lit: the amplifier's current user program, none when it plays another.
    changeListenerCallback(nullptr);

    m_SaveButton = std::make_unique<juce::ImageButton>();
    setFileButtonImages(*m_SaveButton, "savefile_50x50w");
    m_SaveButton->setBounds(m_Width - 35, 7, 25, 25);
    m_LoadButton = std::make_unique<juce::ImageButton>();
    setFileButtonImages(*m_LoadButton, "openfile_50x50w");
    m_LoadButton->setBounds(m_Width - 75, 7, 25, 25);
    for (auto* button : { m_SaveButton.get(), m_LoadButton.get() })
    {
        button->addListener(this);
        addAndMakeVisible(button);
    }
}

juce::Button* HMQUserButtonContainerComponent::getUserButtonComponent(int index)
{
    return (unsigned int) index < (unsigned int) m_Buttons.size() ? m_Buttons[index] : nullptr;
}

void HMQUserButtonContainerComponent::changeListenerCallback(juce::ChangeBroadcaster*)
{
    const int index = DataCenter::iCurProgNo - firstUser;
    for (int k = 0; k < m_Buttons.size(); ++k)
    {
        const bool on = k == index;
        if (m_Buttons[k]->getToggleState() != on)
            m_Buttons[k]->setToggleState(on, juce::dontSendNotification);
        m_Buttons[k]->repaint();
    }
}

void HMQUserButtonContainerComponent::buttonClicked(juce::Button* button)
{
    auto* host = Host::getInstance();
    auto* actions = host != nullptr ? host->getActionManager() : nullptr;
    if (button == m_SaveButton.get() || button == m_LoadButton.get())
    {
        if (actions != nullptr)
            actions->invokeDirectly(
                button == m_SaveButton.get() ? ActionManager::cmdFileSaveUser : ActionManager::cmdFileLoadUser, true);
        return;
    }
    if (auto* user = dynamic_cast<HMQUserProgButton*>(button))
        if (m_Buttons.contains(user) && user->getToggleState() && ! user->isDragStarted())
            selectUserProgram(*user);
}

void HMQUserButtonContainerComponent::selectUserProgram(HMQUserProgButton& button)
{
    const int p = button.getProgramNumber();
    auto* dataCenter = HMQGuiSupport::getDataCenter();
    if (p < firstUser || p >= firstUser + 8 || dataCenter == nullptr)
        return;
    const int n = p - firstUser;

    FocusHandOver::give(this);
    dataCenter->PutMode(1);
    if (auto* midi = HMQGuiSupport::getMidiManager())
        midi->sendModeChange(1, n, 0);
    dataCenter->setCurProgNo(p);
    auto* host = Host::getInstance();
    if (auto* state = host != nullptr ? host->getStateHolder() : nullptr)
    {
        state->currentProgram = p;
        state->deselectedProgram = -1;
    }
    unsigned char copy[HMQDataCenter::recordSize];
    {
        const juce::ScopedReadLock lock(dataCenter->getFileTabLock());
        std::memcpy(copy, dataCenter->getRAMProgPtr(n), sizeof(copy));
    }
    DataCenter::iUserDestProg = p;
    dataCenter->UpdateEditBuf(copy);
    HMQGuiSupport::sendChangeMessage();
    if (auto* actions = host != nullptr ? host->getActionManager() : nullptr)
        actions->setTimerEventReq(ActionManager::timerMainRefresh, 1, 0);
    HMQGuiSupport::postUICtrlSelectValid(false);
}

void HMQUserButtonContainerComponent::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage != nullptr && myMessage->getId() == 5)
        repaint();
}

void HMQUserButtonContainerComponent::mouseDown(const juce::MouseEvent& e)
{
    juce::Component::mouseDown(e);
    HMQGuiSupport::resetParamAreaTouchDown();
}

void HMQUserButtonContainerComponent::mouseDownByOtherComponent(juce::Component* source)
{
    if (source != this)
        HMQGuiSupport::resetParamAreaTouchDown();
}

void HMQUserButtonContainerComponent::mouseUpByOtherComponent(juce::Component* source, bool wasDragging)
{
    if (source != this && ! wasDragging)
        HMQGuiSupport::postROMSubTabMove(false);
}

void HMQUserButtonContainerComponent::paint(juce::Graphics& g)
{
    const auto r = getLocalBounds();
    const float endY = (float) r.getY() + (m_Width > 741 ? 3.0f * (float) r.getHeight() / 4.0f : (float) r.getHeight());
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xFF2F2F2F), (float) r.getX(), (float) r.getY(), juce::Colour(0xFF000000),
                                           (float) r.getX(), endY, false));
    g.fillRect(r);

    auto* dataCenter = HMQGuiSupport::getDataCenter();
    auto* midi = HMQGuiSupport::getMidiManager();
    const bool synchronised = dataCenter != nullptr && dataCenter->isConnected() && midi != nullptr && midi->isSynchronised();
    g.setFont(HMQGuiSupport::getFont("ProgramNameButton"));
    g.setColour(juce::Colour(0xFFD4D4D4));
    g.drawText(synchronised ? "USER PROGRAMS (Synchronized with HMQ-S/M/L)" : "USER PROGRAMS", 32, 10, 350, 20,
               juce::Justification::topLeft, true);
}
