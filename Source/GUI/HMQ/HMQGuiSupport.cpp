#include "GUI/HMQ/HMQGuiSupport.h"

#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "GUI/Editor/CEditorLibrarianComponent.h"
#include "GUI/Editor/EditorComponent.h"
#include "GUI/Editor/WriteConfirmation.h"
#include "GUI/HMQ/HMQEditParamComponent.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Widgets/FontLibrary.h"
#include "HMQ/HMQDataCenter.h"

HMQDataCenter* HMQGuiSupport::getDataCenter()
{
    auto* environment = getCurrentDeviceEnvironment();
    return environment != nullptr ? dynamic_cast<HMQDataCenter*>(environment->getDataCenter()) : nullptr;
}

MidiManager* HMQGuiSupport::getMidiManager()
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getMidiManager() : nullptr;
}

juce::Font HMQGuiSupport::getFont(const juce::String& key)
{
    auto* fonts = FontLibrary::getInstanceWithoutCreating();
    return fonts != nullptr ? fonts->getFont(key) : FontLibrary::DefaultFont();
}

void HMQGuiSupport::sendChangeMessage()
{
    if (auto* midi = getMidiManager())
        midi->sendChangeMessage();
}

void HMQGuiSupport::postROMSubTabMove(bool show)
{
    if (auto* dc = getDataCenter())
        dc->getUserEditSection().FireOnROMSubTabMove(show);
}

void HMQGuiSupport::postUICtrlSelectValid(bool valid)
{
    if (auto* dc = getDataCenter())
        dc->getUserEditSection().FireOnUICtrlSelectValid(valid);
}

void HMQGuiSupport::postCustomTabOpen(int kind, bool open)
{
    if (auto* dc = getDataCenter())
        dc->getCustomSection().FireOnCustomTabOpen(kind, open);
}

void HMQGuiSupport::resetParamAreaTouchDown()
{
    auto* host = Host::getInstance();
    auto* controller = host != nullptr ? host->getMasterGuiController() : nullptr;
    auto* window = controller != nullptr ? controller->getMainWindow() : nullptr;
    auto* main = window != nullptr ? window->getMainComponent() : nullptr;
    auto* view = main != nullptr ? main->getView() : nullptr;
    auto* page = view != nullptr ? view->getEditorComponent() : nullptr;
    if (auto* area = page != nullptr ? dynamic_cast<HMQEditParamComponent*>(page->getEditParam()) : nullptr)
        area->ResetTouchDownMemory();
}

bool HMQGuiSupport::confirm(const juce::String& message)
{
    return WriteConfirmation::ask(message);
}
