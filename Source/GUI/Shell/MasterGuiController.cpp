#include "GUI/Shell/MasterGuiController.h"
#include "GUI/HMQ/CHMQEditorLibrarianComponent.h"

#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "DWQ/DWQ_PrefsDefine.h"
#include "GUI/Catalog/CatalogComponent.h"
#include "GUI/Editor/CEditorLibrarianComponent.h"
#include "GUI/Editor/EditParamComponent.h"
#include "GUI/Editor/EditorComponent.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiManager.h"
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
// 50 ms for up to 10 s: a busy window manager can take seconds to frame a new
// window) the content is put where that frame position puts it. A window
// manager still placing the new window may move it after that, so the place is
// checked until the window has stood there for two seconds.
constexpr int placeChecksToHold = 40;

void placeWhenFramed(MainWindow* window, juce::Point<int> framePosition, int attemptsLeft, int heldChecks)
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
        {
            if (heldChecks > 0)
                juce::Logger::writeToLog("MasterGuiController::placeWhenFramed() the window was moved to "
                                         + window->getPosition().toString() + "; put back at " + wanted.toString());
            window->setTopLeftPosition(wanted);
            heldChecks = 0;
        }
        else if (++heldChecks >= placeChecksToHold)
            return;
    }
    if (attemptsLeft <= 0)
    {
        if (! frameSize)
            juce::Logger::writeToLog("MasterGuiController::placeWhenFramed() no window frame within 10 s; the window stays "
                                     "where it was asked to stand");
        return;
    }
    juce::Timer::callAfterDelay(50, [safe, framePosition, attemptsLeft, heldChecks] {
        if (auto* w = dynamic_cast<MainWindow*>(safe.getComponent()))
            placeWhenFramed(w, framePosition, attemptsLeft - 1, heldChecks);
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
        placeWhenFramed(window, { x, y }, 200, 0);
    }

    windowBounds = window->getBounds();
    window->resized();
}

MainComponent* MasterGuiController::getMainComponent() const
{
    auto* window = getMainWindow();
    return window != nullptr ? window->getMainComponent() : nullptr;
}

CEditorLibrarianComponent* MasterGuiController::getView() const
{
    auto* main = getMainComponent();
    return main != nullptr ? main->getView() : nullptr;
}

EditParamComponent* MasterGuiController::getParamArea() const
{
    auto* view = getView();
    auto* page = view != nullptr ? view->getEditorComponent() : nullptr;
    return page != nullptr ? page->getEditParam() : nullptr;
}

CatalogComponent* MasterGuiController::getCatalogStrip() const
{
    auto* view = getView();
    auto* page = view != nullptr ? view->getEditorComponent() : nullptr;
    return page != nullptr ? page->getCatalog() : nullptr;
}

CatalogComponent* MasterGuiController::getShownCatalogSelMini() const
{
    auto* host = Host::getInstance();
    auto* manager = host != nullptr ? host->getMasterGuiManager() : nullptr;
    if (manager == nullptr || ! manager->isCatalogSelMiniShowing())
        return nullptr;
    return dynamic_cast<CatalogComponent*>(manager->getCatalogSelMini());
}

void MasterGuiController::OnIdleSectionReinitialized()
{
    auto* host = Host::getInstance();
    auto* midi = host != nullptr ? host->getMidiManager() : nullptr;
    if (auto* area = getParamArea())
        area->changeListenerCallback(midi);
}

void MasterGuiController::OnIdleSectionParamPropsChanged(int paramId)
{
    if ((uint32_t) paramId != 0xFFFF0000u)
        return;
    auto* host = Host::getInstance();
    auto* midi = host != nullptr ? host->getMidiManager() : nullptr;
    if (auto* main = getMainComponent())
        main->changeListenerCallback(midi);
}

void MasterGuiController::routeOrvaTail(const juce::Message& message)
{
    auto* view = getView();
    if (view == nullptr || ! view->isOrvaView())
        return;
    auto* host = Host::getInstance();
    auto* manager = host != nullptr ? host->getMasterGuiManager() : nullptr;
    if (manager != nullptr && manager->isAudioEQEditShowing())
    {
        if (auto* page = dynamic_cast<juce::MessageListener*>(manager->getAudioEQEdit()))
            page->handleMessage(message);
        return;
    }
    view->handleGlobalPanelMessage(message);
}

void MasterGuiController::routeHMQChain(const juce::Message& message)
{
    if (auto* view = dynamic_cast<CHMQEditorLibrarianComponent*>(getView()))
        view->handleSectionEvent(message);
}

void MasterGuiController::routeOverlayPageEvent(const juce::Message& message)
{
    auto* host = Host::getInstance();
    auto* manager = host != nullptr ? host->getMasterGuiManager() : nullptr;
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (manager == nullptr || myMessage == nullptr)
        return;
    juce::Component* page = nullptr;
    if (myMessage->getId() == MessageId::USBRoutingChanged && manager->isUSBRoutingSelectShowing())
        page = manager->getUSBRoutingSelect();
    else if (myMessage->getId() == MessageId::AudioEQCoefsChanged && manager->isAudioEQEditShowing())
        page = manager->getAudioEQEdit();
    if (auto* listener = dynamic_cast<juce::MessageListener*>(page))
        listener->handleMessage(message);
}

void MasterGuiController::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr)
        return;
    if (myMessage->getRecord() == nullptr)
        return;

    const int id = myMessage->getId();
    const int a = myMessage->getRecord()->a;
    auto* window = getMainWindow();
    auto* area = getParamArea();
    auto* strip = getCatalogStrip();
    auto* mini = getShownCatalogSelMini();

    // The catalog mini view, the parameter area and the catalog strip take
    // the section and catalog events in this order, then the HMQ chain.
    const auto pass = [&message](auto* pane) {
        if (pane != nullptr)
            pane->handleMessageSub(message);
    };
    const auto passToPanes = [&] {
        pass(mini);
        pass(area);
        pass(strip);
        routeHMQChain(message);
    };

    switch (id)
    {
        case MessageId::SectionReinitialized:
            OnIdleSectionReinitialized();
            passToPanes();
            routeOrvaTail(message);
            break;

        case MessageId::SectionParamPropsChanged:
            OnIdleSectionParamPropsChanged(a);
            pass(area);
            routeOrvaTail(message);
            break;

        case MessageId::SectionValueChanged:
            passToPanes();
            routeOrvaTail(message);
            break;

        case MessageId::SectionRangeChanged:
        case MessageId::TooltipChanged: pass(area); break;

        case MessageId::ConnectionStatus:
            if (window != nullptr)
                window->handleMessage(message);
            break;

        case MessageId::MainComponentReserved:
        case MessageId::ReloadSavedInstance:
            if (auto* main = getMainComponent())
                main->handleMessage(message);
            break;

        case MessageId::CatalogSelect: passToPanes(); break;

        case MessageId::CustomTabOpen:
        case MessageId::UICtrlSelectValid: routeHMQChain(message); break;

        case MessageId::CatalogReserved:
            pass(mini);
            pass(strip);
            break;

        case MessageId::ROMSubTabMove:
            if (auto* view = getView())
                view->handleMessage(message);
            break;

        case MessageId::USBRoutingChanged:
        case MessageId::AudioEQCoefsChanged:
            if (auto* view = getView())
            {
                routeOverlayPageEvent(message);
                if (view->isOrvaView())
                    view->handleGlobalPanelMessage(message);
            }
            break;

        default: break;
    }

    // The router owns every record it receives.
    const_cast<MyMessage*>(myMessage)->deleteRecord();
}
