#include "GUI/MasterGuiController.h"

#include "Application/Host.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/MainComponent.h"
#include "GUI/MainWindow.h"
#include "GUI/MasterGuiManager.h"
#include "DWQ/DWQ_PrefsDefine.h"
#include "Preferences/PreferencesData.h"

namespace
{
juce::Rectangle<int> toLandscape(juce::Rectangle<int> r)
{
    if (r.getHeight() > r.getWidth())
        return { r.getY(), r.getX(), r.getHeight(), r.getWidth() };
    return r;
}
} // namespace

MasterGuiController::MasterGuiController()
{
    auto& desktop = juce::Desktop::getInstance();
    desktop.setGlobalScaleFactor(1.0f);

    if (auto* display = desktop.getDisplays().getPrimaryDisplay())
    {
        displayTotalArea = toLandscape(display->totalArea);
        displayUserArea = toLandscape(display->userArea);
    }

    desktop.setOrientationsEnabled(juce::Desktop::rotatedClockwise | juce::Desktop::rotatedAntiClockwise);
}

MasterGuiController::~MasterGuiController() = default;

MainWindow* MasterGuiController::getMainWindow() const
{
    if (auto* host = Host::getInstance())
        if (auto* manager = host->getMasterGuiManager())
            return manager->getMainWindow();
    return nullptr;
}

void MasterGuiController::showMainWindow()
{
    auto* window = getMainWindow();
    if (window == nullptr)
        if (auto* host = Host::getInstance())
            if (auto* manager = host->getMasterGuiManager())
                window = manager->createMainWindow();

    if (window == nullptr)
        return;

    window->toFront(true);

    // A stored position is applied only when it and the window's size are
    // all non-negative; otherwise the window stays centred.
    int x = -1, y = -1;
    if (auto* host = Host::getInstance())
        if (auto* preferences = host->getPreferencesData())
        {
            x = preferences->getIntValue(DWQ::PreferencesLibrarianWindowX, -1);
            y = preferences->getIntValue(DWQ::PreferencesLibrarianWindowY, -1);
        }
    if (x >= 0 && y >= 0 && window->getWidth() >= 0 && window->getHeight() >= 0)
        window->setBounds(x, y, window->getWidth(), window->getHeight());

    windowBounds = window->getBounds();
    window->resized();
}

void MasterGuiController::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr)
        return;

    const int id = myMessage->getId();
    auto* window = getMainWindow();

    switch (id)
    {
        case MessageId::ConnectionStatus:
            if (window != nullptr)
                window->handleMessage(message);
            break;

        case MessageId::MainComponentReserved:
        case MessageId::ReloadSavedInstance:
            if (window != nullptr)
                if (auto* main = window->getMainComponent())
                    main->handleMessage(message);
            break;

        default:
            break;
    }

    // The router owns every record it receives.
    const_cast<MyMessage*>(myMessage)->deleteRecord();
}
