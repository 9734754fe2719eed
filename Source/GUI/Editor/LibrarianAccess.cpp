#include "GUI/Editor/LibrarianAccess.h"

#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "DataCenter/OrvaDataCenter.h"
#include "GUI/Editor/CEditorLibrarianComponent.h"
#include "GUI/Editor/UserButtonContainerComponent.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Widgets/FocusHandOver.h"

DataCenter* LibrarianAccess::getDataCenter()
{
    auto* host = Host::getInstance();
    auto* environment = host != nullptr ? host->getDeviceEnvironment() : nullptr;
    return environment != nullptr ? environment->getDataCenter() : nullptr;
}

OrvaDataCenter* LibrarianAccess::getOrvaDataCenter()
{
    return dynamic_cast<OrvaDataCenter*>(getDataCenter());
}

MidiManager* LibrarianAccess::getMidiManager()
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getMidiManager() : nullptr;
}

int LibrarianAccess::getModelId()
{
    auto* host = Host::getInstance();
    auto* environment = host != nullptr ? host->getDeviceEnvironment() : nullptr;
    return environment != nullptr ? (int) environment->getDeviceInfo().model : -1;
}

CEditorLibrarianComponent* LibrarianAccess::getCurrentView()
{
    auto* host = Host::getInstance();
    auto* controller = host != nullptr ? host->getMasterGuiController() : nullptr;
    auto* window = controller != nullptr ? controller->getMainWindow() : nullptr;
    auto* main = window != nullptr ? window->getMainComponent() : nullptr;
    return main != nullptr ? main->getView() : nullptr;
}

void LibrarianAccess::repaintCurrentView()
{
    if (auto* view = getCurrentView())
        view->repaint();
}

void LibrarianAccess::settleProgramDrop()
{
    auto* view = getCurrentView();
    if (view == nullptr)
        return;
    FocusHandOver::give(view->getUserButtonContainer());
    juce::Desktop::getInstance().getAnimator().cancelAllAnimations(true);
    if (auto* window = view->getTopLevelComponent())
    {
        window->repaint();
        if (auto* peer = window->getPeer())
            peer->performAnyPendingRepaintsNow();
    }
}

void LibrarianAccess::selectUserSlot(int slot)
{
    auto* view = getCurrentView();
    auto* container = view != nullptr ? view->getUserButtonContainer() : nullptr;
    auto* button = container != nullptr ? container->getUserButtonComponent(slot) : nullptr;
    if (button == nullptr)
        return;
    // Switched on silently (the radio group follows): the one click below
    // selects the slot, so the amplifier hears of it once.
    button->setToggleState(true, juce::dontSendNotification);
    container->buttonClicked(button);
}

void LibrarianAccess::broadcastChange()
{
    if (auto* midi = getMidiManager())
        midi->sendChangeMessage();
}
