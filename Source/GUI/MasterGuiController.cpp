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

// The stored position is where the window manager's frame stood. Whether a
// move asked before the window manager has framed the window places the frame
// or the content depends on timing, so once the frame is known (checked every
// 50 ms for a while) the content is put where that frame position puts it.
void placeWhenFramed(MainWindow* window, juce::Point<int> framePosition, int attemptsLeft)
{
    juce::Component::SafePointer<juce::Component> safe(window);
    auto* peer = window->getPeer();
    const auto frameSize = peer != nullptr ? peer->getFrameSizeIfPresent() : juce::ComponentPeer::OptionalBorderSize {};
    if (frameSize)
    {
        const auto frame = *frameSize;
        const auto wanted = framePosition + juce::Point<int>(frame.getLeft(), frame.getTop());
        // Once framed, a move places the content: put it inside the frame.
        if (window->getPosition() != wanted)
            window->setTopLeftPosition(wanted);
        return;
    }
    if (attemptsLeft <= 0)
        return;
    juce::Timer::callAfterDelay(50, [safe, framePosition, attemptsLeft] {
        if (auto* w = dynamic_cast<MainWindow*>(safe.getComponent()))
            placeWhenFramed(w, framePosition, attemptsLeft - 1);
    });
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
    {
        window->setBounds(x, y, window->getWidth(), window->getHeight());
        placeWhenFramed(window, { x, y }, 40);
    }

    windowBounds = window->getBounds();
    window->resized();
}

juce::MessageListener* MasterGuiController::overlayPage(bool audioEQ) const
{
    auto* host = Host::getInstance();
    auto* manager = host != nullptr ? host->getMasterGuiManager() : nullptr;
    if (manager == nullptr)
        return nullptr;
    if (audioEQ)
        return manager->isAudioEQEditShowing() ? dynamic_cast<juce::MessageListener*>(manager->getAudioEQEdit()) : nullptr;
    return manager->isUSBRoutingSelectShowing() ? dynamic_cast<juce::MessageListener*>(manager->getUSBRoutingSelect()) : nullptr;
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

        case MessageId::SectionReinitialized:
        case MessageId::SectionParamPropsChanged:
        case MessageId::SectionValueChanged:
        case MessageId::AudioEQCoefsChanged:
            // The audio-EQ page, while it is shown, follows the Orva sections.
            if (auto* page = overlayPage(true))
                page->handleMessage(message);
            break;

        case MessageId::USBRoutingChanged:
            if (auto* page = overlayPage(false))
                page->handleMessage(message);
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
