#include "GUI/LibrarianAccess.h"

#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "DataCenter/OrvaDataCenter.h"
#include "GUI/MainComponent.h"
#include "GUI/MainWindow.h"
#include "GUI/MasterGuiController.h"

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
    juce::ignoreUnused(window);
    return nullptr;
}

void LibrarianAccess::repaintCurrentView()
{
}

void LibrarianAccess::selectUserSlot(int slot)
{
    juce::ignoreUnused(slot);
}

void LibrarianAccess::broadcastChange()
{
    if (auto* midi = getMidiManager())
        midi->sendChangeMessage();
}
