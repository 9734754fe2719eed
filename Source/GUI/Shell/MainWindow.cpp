#include "GUI/Shell/MainWindow.h"

#include "Action/ActionManager.h"
#include "Application/Host.h"
#include "Application/RSApplicationBase.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MasterGuiController.h"
#include "Platform/PlatformFonts.h"

const juce::String MainWindow::productName("Rig Smith");

MainWindow::MainWindow() : juce::DocumentWindow("MainWindow", juce::Colours::black, juce::DocumentWindow::allButtons, false)
{
    // The window's look becomes everyone's, in the same face as the rest of the UI.
    customLookAndFeel.setDefaultSansSerifTypefaceName(PlatformFonts::mapTypefaceName("Helvetica"));
    juce::LookAndFeel::setDefaultLookAndFeel(&customLookAndFeel);
    setUsingNativeTitleBar(true);
    juce::LookAndFeel::getDefaultLookAndFeel().setUsingNativeAlertWindows(true);

    auto* main = new MainComponent();
    main->initialise();
    setContentOwned(main, true);

    if (auto* host = Host::getInstance())
        if (auto* controller = host->getMasterGuiController())
            if (! controller->windowBounds.isEmpty())
                main->setBounds(controller->windowBounds);

    centreWithSize(getWidth(), getHeight());
    setName(productName + " [not connected]");
    setResizable(false, false);

    // Added to the desktop once its size and title are final, so the window
    // manager never sees a half-built window.
    addToDesktop();
    setVisible(true);

    // The parameter area of the view's editor page takes the keyboard focus.
    main->focusParameterArea();

    // The window's tooltip window, 400 ms before a tip shows; tips stand in
    // the lower right corner of the window.
    tooltips = std::make_unique<WindowTooltips>(*this, 400);

    // No click, key or close request of any of the application's windows
    // waits unread for the next event.
    eventDrain = std::make_unique<WindowEventDrain>(*this);
}

MainWindow::~MainWindow()
{
    eventDrain.reset();
    tooltips.reset();
    clearContentComponent();
    if (&juce::LookAndFeel::getDefaultLookAndFeel() == &customLookAndFeel)
        juce::LookAndFeel::setDefaultLookAndFeel(nullptr);
}

MainComponent* MainWindow::getMainComponent() const
{
    return dynamic_cast<MainComponent*>(getContentComponent());
}

void MainWindow::closeButtonPressed()
{
    // Quitting is agreed to unless the command layer refuses; a refused quit
    // leaves the window open.
    auto* host = Host::getInstance();
    auto* actions = host != nullptr ? host->getActionManager() : nullptr;
    const bool agreed = actions == nullptr || actions->executeQuit(host->getCurrentModelId());
    if (! agreed)
        return;

    if (auto* app = dynamic_cast<RSApplicationBase*>(juce::JUCEApplicationBase::getInstance()))
        app->saveInstanceState();

    juce::JUCEApplicationBase::quit();
}

void MainWindow::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr)
        return;

    const int id = myMessage->getId();
    if (id == MessageId::SectionReinitialized || id == MessageId::SectionParamPropsChanged
        || id == MessageId::SectionValueChanged)
    {
        if (auto* main = getMainComponent())
            main->handleMessage(message);
        return;
    }

    if (id == MessageId::ConnectionStatus)
    {
        if (auto* main = getMainComponent())
            main->handleMessage(message);

        if (getCurrentDeviceEnvironment() != nullptr)
            setName(myMessage->getRecord()->a != 0 ? productName + " [connected] " : productName);
    }
}
