#include "GUI/Editor/CEditorLibrarianComponent.h"

#include "Action/ActionManager.h"
#include "Application/Host.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Editor/EditorComponent.h"
#include "GUI/Editor/UserButtonContainerComponent.h"

namespace
{
template <typename T>
void deleteAndClear(T*& pointer)
{
    delete pointer;
    pointer = nullptr;
}
} // namespace

CEditorLibrarianComponent::CEditorLibrarianComponent()
{
    setWantsKeyboardFocus(false);
    setMouseClickGrabsKeyboardFocus(false);
}

CEditorLibrarianComponent::~CEditorLibrarianComponent()
{
    deleteAndClear(m_EditorComponent);
    deleteAndClear(m_TabbedComponent);
    deleteAndClear(m_FirstSubTab);
    deleteAndClear(m_UserButtonContainer);
    deleteAndClear(m_OpenFileButton);
    deleteAndClear(m_SaveFileButton);
    deleteAndClear(m_TabBarButton);
    m_Animator.cancelAllAnimations(false);
}

void CEditorLibrarianComponent::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr || myMessage->getRecord() == nullptr)
        return;

    switch (myMessage->getId())
    {
        case MessageId::ROMSubTabMove: ROMSUbTabMove(myMessage->getRecord()->a != 0); break;
        case MessageId::ConnectionStatus:
            if (auto* container = getUserButtonContainer())
                container->handleMessage(message);
            if (m_EditorComponent != nullptr)
                m_EditorComponent->handleMessage(message);
            break;
        default: break;
    }
}

bool CEditorLibrarianComponent::isInterestedInFileDrag(const juce::StringArray&)
{
    return true;
}

void CEditorLibrarianComponent::filesDropped(const juce::StringArray& files, int x, int y)
{
    auto* host = Host::getInstance();
    if (auto* actions = host != nullptr ? host->getActionManager() : nullptr)
        actions->filesDropped_delegate(files, x, y);
}

UserButtonContainerComponent* CEditorLibrarianComponent::getUserButtonContainer()
{
    return m_UserButtonContainer;
}

void CEditorLibrarianComponent::mouseDown(const juce::MouseEvent& e)
{
    juce::Component::mouseDown(e);
    if (auto* parent = getParentComponent())
        if (parent->isShowing())
            parent->grabKeyboardFocus();
}

bool CEditorLibrarianComponent::invokeFileButton(juce::Button* button, ActionManager& actions)
{
    if (button == nullptr)
        return false;
    if (button == m_TabBarButton)
        actions.invokeDirectly(ActionManager::cmdFileNew, true);
    else if (button == m_OpenFileButton)
        actions.invokeDirectly(ActionManager::cmdFileOpen, true);
    else if (button == m_SaveFileButton)
        actions.invokeDirectly(ActionManager::cmdFileSaveFile, true);
    else
        return false;
    return true;
}
