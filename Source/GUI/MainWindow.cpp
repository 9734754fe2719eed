#include "GUI/MainWindow.h"

#include "Action/ActionManager.h"
#include "Application/Host.h"
#include "Application/RSApplicationBase.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/CEditorLibrarianComponent.h"
#include "GUI/EditParamComponent.h"
#include "GUI/EditorComponent.h"
#include "GUI/MainComponent.h"
#include "GUI/MasterGuiController.h"
#include "Platform/PlatformFonts.h"

const juce::String MainWindow::productName("Rig Smith");

namespace
{
// The tooltip in a window of its own beside the pointer. When the tip goes,
// the windows under it repaint where it stood: the window system does not
// always ask them to, and the tip's picture would stay on the screen.
class PointerTooltipWindow : public juce::TooltipWindow
{
public:
    explicit PointerTooltipWindow(int delayMs) : juce::TooltipWindow(nullptr, delayMs) {}

    void moved() override { rememberBounds(); }
    void resized() override { rememberBounds(); }

    void visibilityChanged() override
    {
        if (isVisible() || shownAt.isEmpty())
            return;
        auto& desktop = juce::Desktop::getInstance();
        for (int i = 0; i < desktop.getNumComponents(); ++i)
            if (auto* window = desktop.getComponent(i); window != nullptr && window != this && window->isShowing())
                window->repaint(window->getLocalArea(nullptr, shownAt));
        shownAt = {};
    }

private:
    // A window of its own: its bounds are screen bounds.
    void rememberBounds() { shownAt = getBounds(); }

    juce::Rectangle<int> shownAt;
};
} // namespace

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
    if (auto* view = main->getView())
        if (auto* page = view->getEditorComponent())
            if (auto* area = page->getEditParam())
                if (area->isShowing())
                    area->grabKeyboardFocus();

    // A window of its own beside the pointer (a tip drawn inside this
    // window would be cut by it, and would stay when the pointer moves on to
    // another window).
    tooltipWindow = std::make_unique<PointerTooltipWindow>(400);
}

MainWindow::~MainWindow()
{
    tooltipWindow.reset();
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
