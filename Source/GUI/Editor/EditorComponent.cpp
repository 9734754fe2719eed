#include "GUI/Editor/EditorComponent.h"

#include "Action/ActionManager.h"
#include "Action/MenuBarManager.h"
#include "Application/Host.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Catalog/CatalogComponent.h"
#include "GUI/Editor/EditParamComponent.h"
#include "GUI/Editor/PGNameEditComponent.h"
#include "GUI/Widgets/FocusHandOver.h"
#include "GUI/Widgets/MIDIIndicator.h"

juce::PopupMenu* EditorComponent::m_menu = nullptr;

namespace
{
template <typename T>
void deleteAndClear(T*& pointer)
{
    delete pointer;
    pointer = nullptr;
}

constexpr juce::CommandID commandWriteCurrentProgram = 262;
} // namespace

EditorComponent::EditorComponent(int width, int height) : m_Width(width), m_Height(height)
{
    setWantsKeyboardFocus(false);
    setMouseClickGrabsKeyboardFocus(false);
}

EditorComponent::~EditorComponent()
{
    deleteAndClear(m_EditParam);
    deleteAndClear(m_PGNameEdit);
    deleteAndClear(m_MenuButton);
    deleteAndClear(m_WriteButton);
    deleteAndClear(m_HelpButton);
    deleteAndClear(m_MIDIIndicator);
    deleteAndClear(m_Catalog);
}

void EditorComponent::buttonClicked(juce::Button* button)
{
    auto* host = Host::getInstance();
    auto* actions = host != nullptr ? host->getActionManager() : nullptr;

    if (button == nullptr)
        return;
    if (button == m_WriteButton)
    {
        if (actions != nullptr)
            actions->invokeDirectly(commandWriteCurrentProgram, true);
    }
    else if (button == m_MenuButton)
    {
        auto* menus = host != nullptr ? host->getMenuBarManager() : nullptr;
        if (menus == nullptr)
            return;
        m_menu = menus->createPopupMenu();
        if (m_menu != nullptr)
            showMenuBelowButton(*m_menu);
        menus->deletePopupMenu();
        m_menu = nullptr;
    }
    else if (button == m_HelpButton)
    {
        if (actions != nullptr)
            actions->OpenHelpBrowser();
    }
}

void EditorComponent::showMenuBelowButton(juce::PopupMenu& menu)
{
    // The press that opens the menu also activates and raises the window.
    // When the window manager's answer to that arrives after the menu is up,
    // the framework takes it for the window being moved or left and closes
    // the menu at once. So for a short while after the press, a menu that
    // closed by itself (no item chosen, no click or key of the user's since,
    // the window where it was) opens again.
    constexpr juce::uint32 settleMs = 600;
    constexpr int maxOpenings = 20;
    const auto mouse = juce::Desktop::getInstance().getMainMouseSource();
    const auto pressTime = mouse.getLastMouseDownTime();
    const auto windowPosition = getTopLevelComponent()->getScreenPosition();
    const auto pressed = juce::Time::getMillisecondCounter();
    const FocusHandOver::AcrossModalLoop keepHandOvers;
    for (int opening = 0; opening < maxOpenings; ++opening)
    {
        const int chosen = menu.showMenu(juce::PopupMenu::Options().withTargetComponent(m_MenuButton));
        // A quit asked while the menu was open (the window closed, say) ends
        // the menu's loop but leaves the menu standing, drawn with the
        // window's look, until after the window and its look are gone; no
        // message is handled any more to take it down. It goes now, and no
        // menu opens again.
        if (juce::MessageManager::getInstance()->hasStopMessageBeenSent())
        {
            juce::PopupMenu::dismissAllActiveMenus();
            return;
        }
        if (chosen != 0)
            return;
        const bool closedByUser =
            mouse.getLastMouseDownTime() != pressTime || juce::KeyPress::isKeyCurrentlyDown(juce::KeyPress::escapeKey);
        if (closedByUser || juce::Time::getMillisecondCounter() - pressed > settleMs || ! m_MenuButton->isShowing()
            || getTopLevelComponent()->getScreenPosition() != windowPosition)
            return;
        // Let the window system's answer arrive before the menu opens again.
        juce::MessageManager::getInstance()->runDispatchLoopUntil(20);
    }
}

void EditorComponent::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr || myMessage->getRecord() == nullptr || myMessage->getId() != MessageId::ConnectionStatus)
        return;
    if (m_MIDIIndicator == nullptr)
        return;
    const bool connected = myMessage->getRecord()->a != 0;
    m_MIDIIndicator->setVisible(connected);
    if (connected)
        m_MIDIIndicator->repaint();
}

void EditorComponent::changeListenerCallback(juce::ChangeBroadcaster* source)
{
    if (m_EditParam != nullptr)
        m_EditParam->changeListenerCallback(source);
    if (m_PGNameEdit != nullptr)
        m_PGNameEdit->changeListenerCallback(source);
    if (m_Catalog != nullptr)
        m_Catalog->changeListenerCallback(source);
}
