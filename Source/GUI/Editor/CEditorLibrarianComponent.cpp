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

void CEditorLibrarianComponent::placeNewFileButton()
{
    auto* tabs = dynamic_cast<juce::TabbedComponent*>(m_TabbedComponent);
    if (tabs == nullptr || m_TabBarButton == nullptr)
        return;
    auto& bar = tabs->getTabbedButtonBar();
    // A tab button's width follows its title and its close button.
    bar.resized();
    int right = 0;
    if (auto* last = bar.getTabButton(bar.getNumTabs() - 1))
        right = bar.getX() + last->getRight();
    m_TabBarButton->setBounds(right + 5, tabs->getTabBarDepth() - 20, 20, 20);
    m_TabBarButton->toFront(false);
}

void CEditorLibrarianComponent::retitleTab(int tabIndex, const juce::String& title)
{
    auto* tabs = dynamic_cast<juce::TabbedComponent*>(m_TabbedComponent);
    if (tabs == nullptr || ! juce::isPositiveAndBelow(tabIndex, tabs->getNumTabs()))
        return;
    tabs->setTabName(tabIndex, title);
    placeNewFileButton();
}
