#include "GUI/Orva/OrvaGlobalComponent.h"

#include "Application/Host.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "Core/ProductModel.h"
#include "DataCenter/OrvaDataCenter.h"
#include "GUI/Editor/LibrarianAccess.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "GUI/Widgets/RSValDispButton.h"
#include "GUI/Widgets/RSWideSwitch.h"
#include "ParamTable/COrvaGlobalSectionBase.h"
#include "ParamTable/COrvaUserEditSectionBase.h"
#include "ParamTable/SParamDesc.h"
#include "UIForm/UIFormIds.h"

OrvaGlobalComponent::OrvaGlobalComponent(int, int, int width, int height) : m_Width(width), m_Height(height)
{}

OrvaGlobalComponent::~OrvaGlobalComponent()
{
    delete m_Wide;
    delete m_USBRouting;
    delete m_AudioEQ;
}

void OrvaGlobalComponent::initialise()
{
    const int model = LibrarianAccess::getModelId();
    const juce::Colour accent(isOrvaKXModel(model) ? 0xFFCEA939 : 0xFFC5C5C6);
    const int bw = m_Width - 16;
    const int bh = (m_Height - 40) / 3;

    auto style = [&](juce::Button& button, juce::Rectangle<int> bounds) {
        button.setColour(juce::TextButton::buttonColourId, juce::Colour(0xFF4F4F4F));
        button.setColour(juce::TextButton::textColourOffId, accent);
        button.setColour(juce::TextButton::buttonOnColourId, juce::Colour(0xFF4F4F4F));
        button.setColour(juce::TextButton::textColourOnId, accent);
        button.setBounds(bounds);
        button.addListener(this);
        addAndMakeVisible(button);
    };

    m_Wide = new RSWideSwitch("WIDE", (eProductModelId) model, wideParamId);
    style(*m_Wide, { 8, 10, bw, bh });
    m_USBRouting = new RSValDispButton("USB ROUTING", (eProductModelId) model, usbRoutingParamId);
    style(*m_USBRouting, { 8, bh + 20, bw, bh });
    m_AudioEQ = new RSValDispButton("AUDIO EQ", (eProductModelId) model, audioEQParamId);
    style(*m_AudioEQ, { 8, 2 * bh + 30, bw, bh });
}

void OrvaGlobalComponent::buttonClicked(juce::Button* button)
{
    auto* host = Host::getInstance();
    if (button == m_Wide)
    {
        auto* dataCenter = LibrarianAccess::getOrvaDataCenter();
        if (dataCenter == nullptr)
            return;
        auto& global = dataCenter->getGlobalSection();
        const int value = global.GetParamI(wideParamId) == 0 ? 1 : 0;
        global.PutParamI(wideParamId, value);
        m_Wide->setToggleState(value != 0, juce::dontSendNotification);
    }
    else if (button == m_USBRouting)
    {
        if (auto* gui = host != nullptr ? host->getMasterGuiManager() : nullptr)
            gui->showUSBRoutingSelect();
    }
    else if (button == m_AudioEQ)
    {
        if (auto* gui = host != nullptr ? host->getMasterGuiManager() : nullptr)
            gui->showAudioEQEdit();
    }
}

juce::Component* OrvaGlobalComponent::findChildByParamId(int paramId) const
{
    if (paramId < 0)
        return nullptr;
    for (auto* child : getChildren())
        if ((int) child->getProperties().getWithDefault(UIFormProperty::ParamId, -1) == paramId)
            return child;
    return nullptr;
}

void OrvaGlobalComponent::handleMessageSub(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    auto* record = myMessage != nullptr ? myMessage->getRecord() : nullptr;
    auto* dataCenter = LibrarianAccess::getOrvaDataCenter();
    if (record == nullptr || dataCenter == nullptr || ! isOrvaModel(LibrarianAccess::getModelId()))
        return;

    auto& global = dataCenter->getGlobalSection();
    const int id = record->id;
    const int paramId = record->a;
    if (auto* target = findChildByParamId(paramId))
    {
        if (id == MessageId::SectionReinitialized || id == MessageId::SectionParamPropsChanged)
        {
            SParamDesc desc;
            if (global.GetParamDesc(paramId, &desc))
            {
                target->setVisible((desc.flags & ParamFlags::hidden) == 0);
                target->setEnabled((desc.flags & ParamFlags::disabled) == 0);
                target->repaint();
            }
        }
        else if (id == MessageId::SectionValueChanged)
        {
            if (paramId == wideParamId)
            {
                m_Wide->setToggleState(global.GetParamI(wideParamId) != 0, juce::dontSendNotification);
                m_Wide->repaint();
            }
            else if (paramId == audioEQParamId)
            {
                m_AudioEQ->repaint();
            }
        }
        return;
    }

    if (id == MessageId::USBRoutingChanged && m_USBRouting != nullptr)
        m_USBRouting->repaint();
    else if (id == MessageId::AudioEQCoefsChanged && m_AudioEQ != nullptr)
        m_AudioEQ->repaint();
}
