#include "GUI/Shell/MasterGuiManager.h"

#include "Action/ActionManager.h"
#include "Application/Host.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Widgets/RSTouchScrollViewport.h"

MasterGuiManager::MasterGuiManager()
{
    if (auto* bus = MessageEngine::instance())
        bus->addListener(this);
    RSTouchScrollViewport::theTSViewportList.clear();
}

MasterGuiManager::~MasterGuiManager()
{
    mainWindow.reset();
    if (auto* bus = MessageEngine::instance())
        bus->removeListener(this);
}

MainWindow* MasterGuiManager::createMainWindow()
{
    if (mainWindow == nullptr)
        mainWindow = std::make_unique<MainWindow>();
    return mainWindow.get();
}

MainComponent* MasterGuiManager::getMainComponent() const
{
    return mainWindow != nullptr ? mainWindow->getMainComponent() : nullptr;
}

void MasterGuiManager::showDeviceSelect()
{
    if (auto* main = getMainComponent())
        main->showDeviceSelect();
}

void MasterGuiManager::hideDeviceSelect()
{
    if (auto* main = getMainComponent())
        main->hideDeviceSelect();
}

bool MasterGuiManager::isDeviceSelectShowing() const
{
    auto* main = getMainComponent();
    return main != nullptr && main->isDeviceSelectShowing();
}

void MasterGuiManager::showAudioEQEdit()
{
    if (auto* main = getMainComponent())
        main->showAudioEQEdit();
}

void MasterGuiManager::hideAudioEQEdit()
{
    if (auto* main = getMainComponent())
        main->hideAudioEQEdit();
}

bool MasterGuiManager::isAudioEQEditShowing() const
{
    auto* main = getMainComponent();
    return main != nullptr && main->isAudioEQEditShowing();
}

juce::Component* MasterGuiManager::getAudioEQEdit() const
{
    auto* main = getMainComponent();
    return main != nullptr ? main->getAudioEQEdit() : nullptr;
}

void MasterGuiManager::showUSBRoutingSelect()
{
    if (auto* main = getMainComponent())
        main->showUSBRoutingSelect();
}

void MasterGuiManager::hideUSBRoutingSelect()
{
    if (auto* main = getMainComponent())
        main->hideUSBRoutingSelect();
}

bool MasterGuiManager::isUSBRoutingSelectShowing() const
{
    auto* main = getMainComponent();
    return main != nullptr && main->isUSBRoutingSelectShowing();
}

juce::Component* MasterGuiManager::getUSBRoutingSelect() const
{
    auto* main = getMainComponent();
    return main != nullptr ? main->getUSBRoutingSelect() : nullptr;
}

void MasterGuiManager::showBLEMidiDeviceSelect()
{
    if (auto* main = getMainComponent())
        main->showBLEMidiDeviceSelect();
}

void MasterGuiManager::showCatalogSelMini()
{
    if (auto* main = getMainComponent())
        main->showCatalogSelMini();
}

void MasterGuiManager::hideCatalogSelMini()
{
    if (auto* main = getMainComponent())
        main->hideCatalogSelMini();
}

bool MasterGuiManager::isCatalogSelMiniShowing() const
{
    auto* main = getMainComponent();
    return main != nullptr && main->isCatalogSelMiniShowing();
}

juce::Component* MasterGuiManager::getCatalogSelMini() const
{
    auto* main = getMainComponent();
    return main != nullptr ? main->getCatalogSelMini() : nullptr;
}

void MasterGuiManager::showAboutPage()
{
    if (auto* main = getMainComponent())
        main->showAboutPage();
}

void MasterGuiManager::showProgressBarDialog(const juce::String& text, int value)
{
    // The command layer sets the bar's range for the model.
    auto* host = Host::getInstance();
    if (auto* actions = host != nullptr ? host->getActionManager() : nullptr)
        actions->OpenProgressBarDialog(text, value);
}

void MasterGuiManager::setViewportTouchScroll(bool enabled)
{
    const auto mode = enabled ? juce::Viewport::ScrollOnDragMode::all : juce::Viewport::ScrollOnDragMode::never;
    for (auto* viewport : RSTouchScrollViewport::theTSViewportList)
        viewport->setScrollOnDragMode(mode);
}

int MasterGuiManager::getCurrentTargetModel() const
{
    return MainComponent::m_TargetModelId;
}

void MasterGuiManager::changeTargetModel(int model)
{
    if (auto* main = getMainComponent())
        main->changeTargetModel(model);
}

void MasterGuiManager::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr || myMessage->getRecord() == nullptr)
        return;

    const auto& record = *myMessage->getRecord();
    auto* main = getMainComponent();

    switch (record.id)
    {
        case MessageId::AboutPageClosed:
            if (main != nullptr)
                main->hideAboutPage();
            break;

        case MessageId::AudioEQEditClosed:
            if (main != nullptr)
                main->hideAudioEQEdit();
            break;

        case MessageId::USBRoutingSelectClosed:
            if (main != nullptr)
                main->hideUSBRoutingSelect();
            break;

        case MessageId::CatalogSelMiniClosed:
            if (main != nullptr)
                main->hideCatalogSelMini();
            break;

        case MessageId::DragScrollOff: setViewportTouchScroll(false); break;

        case MessageId::DragScrollOn: setViewportTouchScroll(true); break;

        case MessageId::Progress:
            showProgressBarDialog(record.ptr != nullptr ? juce::String(static_cast<const char*>(record.ptr)) : juce::String(),
                                  record.a);
            break;

        case MessageId::CloseOverlays:
            // Every overlay but the device page, each only when shown.
            if (main != nullptr)
            {
                if (main->isAudioEQEditShowing())
                    main->hideAudioEQEdit();
                if (main->isUSBRoutingSelectShowing())
                    main->hideUSBRoutingSelect();
                if (main->isBLEMidiDeviceSelectShowing())
                    main->hideBLEMidiDeviceSelect();
                if (main->isCatalogSelMiniShowing())
                    main->hideCatalogSelMini();
                if (main->isAboutPageShowing())
                    main->hideAboutPage();
            }
            break;

        default: break;
    }
}
