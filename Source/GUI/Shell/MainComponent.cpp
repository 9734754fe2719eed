#include "GUI/Shell/MainComponent.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "Core/ProductModel.h"
#include "DataCenter/DataCenter.h"
#include "GUI/AudioEQ/AudioEQEditComponent.h"
#include "GUI/AudioEQ/OKXAudioEQEditComponent.h"
#include "GUI/AudioEQ/OPWAudioEQEditComponent.h"
#include "GUI/Catalog/CatalogComponent.h"
#include "GUI/Editor/CEditorLibrarianComponent.h"
#include "GUI/Editor/EditParamComponent.h"
#include "GUI/Editor/EditorComponent.h"
#include "GUI/Editor/WriteProgDialogComponent.h"
#include "GUI/Shell/CAboutDialogComponent.h"
#include "GUI/Shell/CProgressBarDialogComponent.h"
#include "GUI/Shell/DeviceSelectComponent.h"
#include "GUI/Shell/EditorLibrarianViewFactory.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Shell/TypeSelectOverlayComponentHolder.h"
#include "GUI/Shell/USBRoutingSelectComponent.h"
#include "GUI/Widgets/FocusHandOver.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "GUI/Widgets/VisibleFocusTraverser.h"
#include "Platform/BluetoothMidiPairing.h"

namespace
{
const juce::Colour overlayBackdrop(0x9B000000);
const juce::Colour typeSelectBackdrop(0x7B000000);
} // namespace

int MainComponent::m_TargetModelId = -1;
juce::CriticalSection& MainComponent::m_MainComponentCriticalSection = ActionManager::viewLock;

MainComponent::MainComponent()
{
    setWantsKeyboardFocus(true);
    setMouseClickGrabsKeyboardFocus(true);
}

MainComponent::~MainComponent()
{
    if (auto* host = Host::getInstance())
        if (auto* actions = host->getActionManager(); actions != nullptr && actions->getProgressView() == this)
            actions->setProgressView(nullptr);
    if (auto* host = Host::getInstance())
        if (auto* actions = host->getActionManager())
            actions->setWriteProgDialogComponent(nullptr);
    // The view goes first: its pages may still listen to the broadcasters.
    destroyView();
    overlayHolder.reset();
    aboutPage.reset();
    if (progressDialog != nullptr)
    {
        // The MIDI manager may be gone already at shutdown.
        auto* host = Host::getInstance();
        if (auto* midi = host != nullptr ? host->getMidiManager() : nullptr)
            midi->removeChangeListener(progressDialog.get());
        progressDialog.reset();
    }
    hideAudioEQEdit();
    hideUSBRoutingSelect();
    catalogSelMini.reset();
    // The device page leaves the bus with the window it was shown in.
    Singleton<DeviceSelectComponent>::deleteInstance();
}

void MainComponent::initialise()
{
    auto* host = Host::getInstance();
    auto* controller = host != nullptr ? host->getMasterGuiController() : nullptr;

    int width = 1024, height = 768;
    if (controller != nullptr && ! controller->displayUserArea.isEmpty())
    {
        width = juce::jmin(controller->displayUserArea.getWidth(), 1024);
        height = juce::jmin(controller->displayUserArea.getHeight() - MasterGuiController::getTitleBarHeight(), 768);
    }
    setSize(width, height);

    if (controller != nullptr)
        controller->windowBounds = getBounds();

    if (writeProgDialog == nullptr)
    {
        writeProgDialog = std::make_unique<WriteProgDialogComponent>();
        addChildComponent(writeProgDialog.get());
    }

    if (progressDialog == nullptr)
    {
        progressDialog = std::make_unique<CProgressBarDialogComponent>();
        addChildComponent(progressDialog.get());
        if (auto* midi = host != nullptr ? host->getMidiManager() : nullptr)
            midi->addChangeListener(progressDialog.get());
    }

    if (host != nullptr)
    {
        if (auto* broadcaster = host->getChangeBroadcaster())
            broadcaster->sendChangeMessage();

        if (auto* actions = host->getActionManager())
        {
            actions->setWriteProgDialogComponent(writeProgDialog.get());
            actions->setMenuEnable(true);
            actions->setProgressView(this);
        }

        if (auto* commands = host->getCommandManager())
            if (host->getMenuBarManager() != nullptr)
                addKeyListener(commands->getKeyMappings());
    }
}

void MainComponent::destroyView()
{
    if (m_View == nullptr)
        return;
    auto* host = Host::getInstance();
    if (auto* midi = host != nullptr ? host->getMidiManager() : nullptr)
        midi->removeChangeListener(m_View);
    auto* view = m_View;
    m_View = nullptr;
    delete view;
}

void MainComponent::changeTargetModel(int model)
{
    juce::Logger::writeToLog("@@@MainComponent::changeTargetModel(" + juce::String(model) + ")");
    if (model == m_TargetModelId && m_View != nullptr)
    {
        juce::Logger::writeToLog("@@@MainComponent::changeTargetModel(1), already draw target model");
        return;
    }
    const bool twins = model != m_TargetModelId && isSameModelClass(model, m_TargetModelId);
    if (m_View != nullptr && twins)
    {
        juce::Logger::writeToLog("@@@MainComponent::changeTargetModel(2), already draw target model");
        m_TargetModelId = model;
        return;
    }

    auto* host = Host::getInstance();
    auto* midi = host != nullptr ? host->getMidiManager() : nullptr;
    {
        juce::Logger::writeToLog("@@@MainComponent::changeTargetModel() check getMainComponentCriticalSection()");
        const juce::ScopedLock lock(m_MainComponentCriticalSection);
        juce::Logger::writeToLog("@@@MainComponent::changeTargetModel() ok getMainComponentCriticalSection()");

        destroyView();
        if (auto* view = EditorLibrarianViewFactory::createView(model))
        {
            view->initialise();
            addChildComponent(view);
            view->setBounds(getBounds());
            view->setVisible(true);
            // Overlay pages stay above the view.
            if (overlayHolder != nullptr)
                overlayHolder->toFront(false);
            if (midi != nullptr)
                midi->addChangeListener(view);
            m_View = view;
        }
    }
    m_TargetModelId = model;
    repaint();
    // Left alone, the window would give the focus to the first of the new
    // widgets that takes it (the file bar's add button), or keep it itself
    // where no shortcut reaches.
    focusParameterArea();

    // The view of the model is in place: reopen the tabs of the last run,
    // then open the command-line files into the tabs left free.
    auto* actions = host != nullptr ? host->getActionManager() : nullptr;
    if (actions == nullptr || host->getDeviceEnvironment() == nullptr)
        return;
    actions->fileShouldOpen_restore(this);
    juce::Logger::writeToLog("@@@MainComponent::changeTargetModel(" + juce::String(model) + ") .. sleep(" + "200" + ")");
    juce::Thread::sleep(200);
    actions->fileShouldOpen_commandline(this, false);
    requestBlankProgramCheck(1);
}

void MainComponent::focusParameterArea()
{
    if (m_View == nullptr || overlayHolder != nullptr)
        return;
    if (auto* page = m_View->getEditorComponent())
        FocusHandOver::give(page->getEditParam());
}

void MainComponent::reloadSavedInstance()
{
    // The tabs of the last run and the command-line files, as after a model
    // change but without its pause.
    juce::Logger::writeToLog("MainComponent::handleMessage(MSG_RELOAD_SAVEDINSTANCE)");
    auto* host = Host::getInstance();
    auto* actions = host != nullptr ? host->getActionManager() : nullptr;
    if (actions == nullptr)
        return;
    actions->fileShouldOpen_restore(this);
    actions->fileShouldOpen_commandline(this, false);
    requestBlankProgramCheck(300);
}

void MainComponent::requestBlankProgramCheck(int delayMs)
{
    // Only a data centre without an open file tab gets its blank program.
    auto* host = Host::getInstance();
    auto* actions = host != nullptr ? host->getActionManager() : nullptr;
    auto* environment = host != nullptr ? host->getDeviceEnvironment() : nullptr;
    auto* dataCenter = environment != nullptr ? environment->getDataCenter() : nullptr;
    if (actions != nullptr && dataCenter != nullptr && dataCenter->getFileCount() == 0)
        actions->setTimerEventReq(ActionManager::eREQID_BLANKPROG_CHECK, delayMs, 0);
}

juce::ApplicationCommandTarget* MainComponent::getNextCommandTarget()
{
    // Every command of the window reaches the command layer.
    auto* host = Host::getInstance();
    return host != nullptr ? host->getActionManager() : nullptr;
}

void MainComponent::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr)
        return;
    if (myMessage->getId() == MessageId::ReloadSavedInstance)
    {
        reloadSavedInstance();
        return;
    }
    if (myMessage->getId() != MessageId::ConnectionStatus)
        return;

    if (m_View != nullptr)
        m_View->handleMessage(message);
    if (aboutPage != nullptr)
        aboutPage->handleMessage(message);
    // The device page ignores it while hidden; one that was never shown has
    // nothing to update.
    if (auto* devicePage = Singleton<DeviceSelectComponent>::getInstanceWithoutCreating())
        devicePage->handleMessage(message);
}

std::unique_ptr<juce::ComponentTraverser> MainComponent::createKeyboardFocusTraverser()
{
    // While an overlay page stands, the keys stay inside its holder.
    return std::make_unique<VisibleFocusTraverser>(overlayHolder.get());
}

void MainComponent::paint(juce::Graphics& g)
{
    auto image = [](const char* name) { return RSWidgetSupport::getImage(name); };

    if (isOrvaModel(m_TargetModelId))
    {
        const auto topBar = image("topbar_orva_h36");
        if (topBar.isValid())
            g.drawImageAt(topBar, 0, 0);
        const auto back = image("back_orva_1024x768");
        if (back.isValid())
            g.drawImageAt(back, 0, topBar.isValid() ? topBar.getHeight() : 0);
        const auto cable = image("cable1034");
        if (cable.isValid())
            g.drawImageAt(cable, 0, 360);
        return;
    }

    g.fillAll(juce::Colours::black);
    if (m_TargetModelId == kProductModelDWQ || m_TargetModelId == kProductModelHMQ)
    {
        const auto topBar = image("topbar");
        if (topBar.isValid())
            g.drawImageAt(topBar, 0, 0);
        const auto logo = image("rigsmith_h25g");
        if (logo.isValid())
            g.drawImageAt(logo, 714, 6);
    }
}

void MainComponent::showInHolder(juce::Component* page, bool typeSelect)
{
    if (typeSelect)
        overlayHolder = std::make_unique<TypeSelectOverlayComponentHolder>(this, page, typeSelectBackdrop);
    else
        overlayHolder = std::make_unique<OverlayComponentHolder>(this, page, overlayBackdrop);
    addAndMakeVisible(overlayHolder.get());
    // The page takes the focus (its holder, where the page takes none): no
    // key reaches the widget behind the backdrop that held it last.
    FocusHandOver::give(page != nullptr && page->getWantsKeyboardFocus() ? page : overlayHolder.get());
}

template <typename Page>
void MainComponent::closePage(std::unique_ptr<Page>& page)
{
    if (page == nullptr)
        return;
    if (overlayHolder != nullptr && overlayHolder->getContent() == page.get())
        closeHolder();
    page.reset();
}

void MainComponent::closeHolder()
{
    // The page took the focus or was given it; the window keeps it when the
    // page goes.
    overlayHolder.reset();
    FocusHandOver::give(this);
}

void MainComponent::showAboutPage()
{
    if (! canShowOverlay() || aboutPage != nullptr)
        return;
    aboutPage = std::make_unique<CAboutDialogComponent>();
    showInHolder(aboutPage.get(), false);
    broadcastMessageId(MessageId::AboutPageShown);
}

void MainComponent::hideAboutPage()
{
    closePage(aboutPage);
}

void MainComponent::showDeviceSelect()
{
    if (! canShowOverlay())
        return;
    showInHolder(Singleton<DeviceSelectComponent>::getInstance(), false);
    broadcastMessageId(MessageId::DeviceSelectShown);
}

void MainComponent::hideDeviceSelect()
{
    // Only the device page's own holder goes; the page itself lives on.
    auto* devicePage = Singleton<DeviceSelectComponent>::getInstanceWithoutCreating();
    if (overlayHolder != nullptr && devicePage != nullptr && overlayHolder->getContent() == devicePage)
        closeHolder();
}

bool MainComponent::isDeviceSelectShowing() const noexcept
{
    // Asked without making the page: one never built is not showing.
    auto* devicePage = Singleton<DeviceSelectComponent>::getInstanceWithoutCreating();
    return devicePage != nullptr && overlayHolder != nullptr && overlayHolder->getContent() == devicePage;
}

void MainComponent::listenToMidiChanges(juce::ChangeListener* page, bool listen)
{
    // The MIDI manager may be gone already at shutdown.
    auto* host = Host::getInstance();
    auto* midi = host != nullptr ? host->getMidiManager() : nullptr;
    if (midi == nullptr || page == nullptr)
        return;
    if (listen)
        midi->addChangeListener(page);
    else
        midi->removeChangeListener(page);
}

juce::Component* MainComponent::getAudioEQEdit() const noexcept
{
    return audioEQEdit.get();
}

juce::Component* MainComponent::getUSBRoutingSelect() const noexcept
{
    return usbRoutingSelect.get();
}

void MainComponent::showAudioEQEdit()
{
    if (! canShowOverlay() || audioEQEdit != nullptr)
        return;
    // Only the Orva models have audio EQ.
    if (isOrvaKXModel(m_TargetModelId))
        audioEQEdit = std::make_unique<OKXAudioEQEditComponent>();
    else if (isOrvaPWModel(m_TargetModelId))
        audioEQEdit = std::make_unique<OPWAudioEQEditComponent>();
    else
        return;
    audioEQEdit->initialize();
    listenToMidiChanges(audioEQEdit.get(), true);
    showInHolder(audioEQEdit.get(), false);
    broadcastMessageId(MessageId::OverlayPageShown);
}

void MainComponent::hideAudioEQEdit()
{
    if (audioEQEdit == nullptr)
        return;
    listenToMidiChanges(audioEQEdit.get(), false);
    closePage(audioEQEdit);
}

void MainComponent::showUSBRoutingSelect()
{
    if (! canShowOverlay() || usbRoutingSelect != nullptr)
        return;
    usbRoutingSelect = std::make_unique<USBRoutingSelectComponent>();
    usbRoutingSelect->initialize();
    listenToMidiChanges(usbRoutingSelect.get(), true);
    showInHolder(usbRoutingSelect.get(), false);
    broadcastMessageId(MessageId::OverlayPageShown);
}

void MainComponent::hideUSBRoutingSelect()
{
    if (usbRoutingSelect == nullptr)
        return;
    listenToMidiChanges(usbRoutingSelect.get(), false);
    closePage(usbRoutingSelect);
}

void MainComponent::showCatalogSelMini()
{
    if (! canShowOverlay() || catalogSelMini != nullptr)
        return;
    if (! isKnownModel(m_TargetModelId))
        return;
    auto* page = m_View != nullptr ? m_View->getEditorComponent() : nullptr;
    const int width = page != nullptr ? page->getWidth() : getWidth();
    auto* catalog = EditorLibrarianViewFactory::createCatalog(m_TargetModelId, width, getHeight() / 2, true);
    if (catalog == nullptr)
        return;
    catalogSelMini.reset(catalog);
    catalog->initialise();
    catalog->reinitialized();
    catalogSelMini->setWantsKeyboardFocus(true);
    showInHolder(catalogSelMini.get(), true);
}

void MainComponent::hideCatalogSelMini()
{
    closePage(catalogSelMini);
}

bool MainComponent::showBLEMidiDeviceSelect()
{
    auto& pairing = BluetoothMidiPairing::get();
    if (! pairing.isAvailable())
        return false;
    return pairing.open([](int result) { exitBLECallback(result, 0); });
}

void MainComponent::hideBLEMidiDeviceSelect()
{
    BluetoothMidiPairing::get().close();
}

bool MainComponent::isBLEMidiDeviceSelectShowing() const
{
    return BluetoothMidiPairing::get().isShowing();
}

void MainComponent::exitBLECallback(int result, int)
{
    // The pairing window ended (results 0 to 2): drag scrolling comes back.
    if (result >= 0 && result <= 2 && MessageEngine::instance() != nullptr)
        broadcastMessageId(MessageId::DragScrollOn);
}

void MainComponent::openProgressBarDialog(const juce::String& text, int value)
{
    if (progressDialog == nullptr)
        return;
    const juce::Rectangle<int> size(0, 0, 480, 140);
    progressDialog->open(size.withCentre(getLocalBounds().getCentre()), progressRange, text, value);
}

void MainComponent::openProgress(juce::Range<int> range, const juce::String& text, int value)
{
    setProgressRange(range);
    openProgressBarDialog(text, value);
}

void MainComponent::showQuitWaiting(bool waiting)
{
    if (progressDialog != nullptr)
        progressDialog->setQuitWaiting(waiting);
}

void MainComponent::refreshStatus()
{
    auto* host = Host::getInstance();
    changeListenerCallback(host != nullptr ? host->getMidiManager() : nullptr);
}

void MainComponent::renewPresetButtons()
{
    if (m_View != nullptr)
        m_View->renewPresetButtons();
}

void MainComponent::bringWindowToFront()
{
    if (auto* window = getTopLevelComponent())
        window->toFront(true);
}

void MainComponent::closeProgressBarDialog()
{
    if (progressDialog != nullptr)
        progressDialog->close();
}

bool MainComponent::isProgressBarDialogShowing() const noexcept
{
    return progressDialog != nullptr && progressDialog->isOpen();
}

juce::Range<int> MainComponent::getProgressRange() const
{
    return progressDialog != nullptr ? progressDialog->getRange() : progressRange;
}

juce::String MainComponent::getProgressText() const
{
    return progressDialog != nullptr ? progressDialog->getText() : juce::String();
}

int MainComponent::getProgressValue() const
{
    return progressDialog != nullptr ? progressDialog->getValue() : 0;
}
