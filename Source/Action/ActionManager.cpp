#include "Action/ActionManager.h"

#include "Action/MidiManager.h"
#include "Application/CurrentLanguageModel.h"
#include "Application/Host.h"
#include "Application/PlatformInitializer.h"
#include "Application/RSApplicationBase.h"
#include "Application/StateHolder.h"
#include "Common/DeviceEnvironment.h"
#include "Core/ConnectedDeviceInfoList.h"
#include "Core/MasterConnectionManager.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "DWQ/DWQDataCenter.h"
#include "DataCenter/DataCenter.h"
#include "DataCenter/OrvaDataCenter.h"
#include "GUI/MainComponent.h"
#include "GUI/MainWindow.h"
#include "GUI/MasterGuiManager.h"
#include "HMQ/HMQDataCenter.h"
#include "ParamTable/COrvaUserEditSectionBase.h"

#include <cstring>

// ---------------------------------------------------------------------------
// The command table.

namespace
{
// The registered commands, in registration order.
constexpr int registeredCommands[] = { 0x101, 0x100, 0x102, 0x103, 0x104, 0x105, 0x106,
                                       0x107, 0x108, 0x10B, 0x402, 0x403, 0x405 };

bool isOrva(int model) noexcept { return model >= 2 && model <= 5; }

// The description of a per-model command: DWQ, HMQ and Orva KX texts; the
// Orva PW models get their own by the same pattern.
juce::String modelDescription(int id, int model)
{
    if (model < 0 || model > 5)
        return {};

    const bool pw = model == 3 || model == 5;
    const juce::String ext = model == 0 ? "dwqprog" : model == 1 ? "hmqprog" : pw ? "opwprog" : "okxprog";
    const juce::String dots = model == 1 ? "" : "...";
    const juce::String device = model == 0 ? "DW" : model == 1 ? "HMQ" : pw ? "Orva PW" : "Orva KX";

    switch (id)
    {
        case 0x100:
        case 0x102: return "Open ." + ext + " File" + dots;
        case 0x101: return "Create ." + ext + " File" + dots;
        case 0x103:
        case 0x104: return "Save ." + ext + " File" + dots;
        case 0x105: return "Close ." + ext + " File" + dots;
        case 0x107:
        case 0x109: return "Tx to " + device;
        case 0x108:
        case 0x10A: return "Rx from " + device;
        default: return {};
    }
}

MainComponent* mainComponent()
{
    auto* host = Host::getInstance();
    auto* gui = host != nullptr ? host->getMasterGuiManager() : nullptr;
    auto* window = gui != nullptr ? gui->getMainWindow() : nullptr;
    return window != nullptr ? window->getMainComponent() : nullptr;
}

MidiManager* midiManager()
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getMidiManager() : nullptr;
}

// Re-entrancy guards: a command whose confirmation is open cannot be started
// again by a shortcut or a button while the alert's modal loop runs.
struct ReentrancyGuard
{
    explicit ReentrancyGuard(bool& f) : flag(f), entered(! f) { flag = true; }
    ~ReentrancyGuard()
    {
        if (entered)
            flag = false;
    }
    bool& flag;
    const bool entered;
};

bool txProgRunning = false;
bool rxProgRunning = false;
bool txCurProgRunning = false;
bool rxCurProgRunning = false;
} // namespace

int ActionManager::currentModel() const
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getCurrentModelId() : -1;
}

void ActionManager::setConfirmation(Confirmation c)
{
    confirmation = std::move(c);
}

bool ActionManager::ask(const juce::String& title, const juce::String& text, const juce::String& ok, const juce::String& cancel)
{
    if (confirmation)
        return confirmation(title, text, ok, cancel);
    return juce::AlertWindow::showOkCancelBox(juce::MessageBoxIconType::WarningIcon, title, text, ok, cancel, nullptr, nullptr);
}

juce::ApplicationCommandTarget* ActionManager::getNextCommandTarget()
{
    return dynamic_cast<juce::ApplicationCommandTarget*>(juce::JUCEApplication::getInstance());
}

void ActionManager::getAllCommands(juce::Array<juce::CommandID>& commands)
{
    for (const int id : registeredCommands)
        commands.add(id);
}

bool ActionManager::getLibrarianTabs(LibrarianTabs& tabs) const
{
    // The librarian's tabbed component is reached through the main
    // component's editor-librarian view; until a view provides one there are
    // no tabs to read.
    juce::ignoreUnused(tabs);
    return false;
}

bool ActionManager::isSaveFileActive(const LibrarianTabs& tabs)
{
    const int file = tabs.currentTab - (tabs.leadingTab ? 1 : 0);
    return file >= 0 && file <= 2;
}

bool ActionManager::isCloseFileActive(int model, const LibrarianTabs& tabs)
{
    if (isOrva(model))
        return tabs.numTabs > 1 && tabs.currentTab >= 0 && tabs.currentTab <= 2;
    const int file = tabs.currentTab - 1;
    return file >= 0 && file <= 2;
}

int ActionManager::fileToClose(int model, const LibrarianTabs& tabs)
{
    const int n = tabs.numTabs, c = tabs.currentTab;
    if (isOrva(model))
        return (c >= 0 && c < n && n >= 2) ? c : -1;
    // A tab index past the last tab names no file.
    return (c >= 1 && c < n) ? c - 1 : -1;
}

void ActionManager::getCommandInfo(juce::CommandID id, juce::ApplicationCommandInfo& result)
{
    const int model = currentModel();
    const int shortcut = juce::ModifierKeys::commandModifier;

    switch (id)
    {
        case 0x100:
            result.setInfo("Open File...", modelDescription(id, model), "File", 0);
            result.addDefaultKeypress('o', shortcut);
            break;
        case 0x101:
            result.setInfo("New File...", modelDescription(id, model), "File", 0);
            result.addDefaultKeypress('n', shortcut);
            break;
        case 0x102:
            result.setInfo("Load USER PROGRAMS From...", modelDescription(id, model), "File", 0);
            break;
        case 0x103:
            result.setInfo("Save USER PROGRAMS As...", modelDescription(id, model), "File", 0);
            result.addDefaultKeypress('s', shortcut);
            break;
        case 0x104:
        {
            result.setInfo("Save File As...", modelDescription(id, model), "File", 0);
            result.addDefaultKeypress('t', shortcut);
            LibrarianTabs tabs;
            if (getLibrarianTabs(tabs))
                result.setActive(isSaveFileActive(tabs));
            break;
        }
        case 0x105:
        {
            result.setInfo("Close File", modelDescription(id, model), "File", 0);
            result.addDefaultKeypress('w', shortcut);
            LibrarianTabs tabs;
            if (getLibrarianTabs(tabs))
                result.setActive(isCloseFileActive(model, tabs));
            break;
        }
        case 0x106:
            result.setInfo("Write Current Program...", "Write Current Program", "File", 0);
            result.addDefaultKeypress('u', shortcut);
            break;
        case 0x109:
            result.setInfo("Transmit Current Program...", modelDescription(id, model), "File", 0);
            break;
        case 0x10A:
            result.setInfo("Receive Current Program...", modelDescription(id, model), "File", 0);
            break;
        case 0x107:
        case 0x108:
        {
            result.setInfo(id == 0x107 ? "Transmit All Programs..." : "Receive All Programs...",
                           modelDescription(id, model), "File", 0);
            auto* midi = midiManager();
            auto* environment = getCurrentDeviceEnvironment();
            auto* dataCenter = environment != nullptr ? environment->getDataCenter() : nullptr;
            if (dataCenter == nullptr)
                result.setActive(false); // no model: nothing to transfer
            else if (midi != nullptr && (midi->isBulkTransmit() || midi->isBulkReceive() || midi->isAudioEQBulkReceive()))
                result.setActive(false);
            else if (menuEnabled)
                result.setActive(dataCenter->isConnected());
            break;
        }
        case 0x10B:
            result.setInfo("Quit", "Quit...", "File", 0);
            result.addDefaultKeypress('q', shortcut);
            break;
        case 0x402:
            result.setInfo("About", "Open About Dialog", "Option", 0);
            break;
        case 0x403:
            result.setInfo("Help", "Open Help Browser", "Option", 0);
            break;
        case 0x405:
            result.setInfo("Bluetooth MIDI", "Bluetooth MIDI Setting...", "Option", 0);
            break;
        default:
            break;
    }

    // Write, transmit current and receive current need a model to act on.
    if ((id == 0x106 || id == 0x109 || id == 0x10A) && menuEnabled)
        result.setActive(true);
}

bool ActionManager::perform(const InvocationInfo& info)
{
    const int model = currentModel();
    auto* host = Host::getInstance();
    auto* gui = host != nullptr ? host->getMasterGuiManager() : nullptr;

    switch (info.commandID)
    {
        case 0x100:
            if (executeFileOpen(model) >= 1)
                afterFileOpenUI(model);
            return true;
        case 0x101:
            juce::Logger::writeToLog("ActionManager::perform(cmdFileNew)");
            if (executeNewFile(model))
                afterNewFileUI(model);
            return true;
        case 0x102:
            if (executeFileLoadUser(model) >= 1)
                afterFileLoadUserUI(model);
            return true;
        case 0x103:
            executeFileSaveUser(model);
            return true;
        case 0x104:
            if (executeFileSaveFile(model))
                afterFileSaveUI(model);
            return true;
        case 0x105:
            performFileClose(model);
            return true;
        case 0x106:
            OpenWriteProgDialog(model);
            return true;
        case 0x107:
            executeTxProg(model, true, false, true);
            return true;
        case 0x108:
            executeRxProg(model, true);
            return true;
        case 0x109:
            executeTxCurProg(model, false);
            return true;
        case 0x10A:
            executeRxCurProg(model);
            return true;
        case 0x10B:
            performQuit(model);
            return true;
        case 0x402:
            if (gui != nullptr)
                gui->showAboutPage();
            return true;
        case 0x403:
            OpenHelpBrowser();
            return true;
        case 0x404:
            if (gui != nullptr)
                gui->showDeviceSelect();
            return true;
        case 0x405:
            if (gui != nullptr)
                gui->showBLEMidiDeviceSelect();
            return true;
        default:
            return false;
    }
}

void ActionManager::performFileClose(int model)
{
    LibrarianTabs tabs;
    if (! getLibrarianTabs(tabs))
        return;
    const int file = fileToClose(model, tabs);
    if (file >= 0 && executeFileClose(model, file))
        afterFileCloseUI(model, tabs.currentTab);
}

void ActionManager::performQuit(int model)
{
    // A quit put off by a running transmission is carried out by timer 1.
    if (! executeQuit(model))
        return;
    if (auto* app = RSApplicationBase::getRSInstance())
        app->saveInstanceState();
    juce::JUCEApplicationBase::quit();
}

// ---------------------------------------------------------------------------
// Transfers, dialogs and help.

bool ActionManager::isTransferRunning()
{
    auto* midi = midiManager();
    return midi != nullptr
           && (midi->isBulkTransmit() || midi->isBulkReceive() || midi->isSyncRunning() || midi->isAudioEQBulkReceive()
               || midi->isCustomBulkReceive());
}

juce::Range<int> ActionManager::getProgressRange(int model)
{
    if (model == 0)
        return { 0, 19 };
    if (model == 1)
        return { 0, 68 };
    if (isOrva(model))
        return { 0, 8 };
    return {};
}

int ActionManager::getWriteProgItemId(int model, int userDestProg)
{
    if (model == 0)
        return userDestProg - 10;
    if (model == 1)
        return userDestProg - 59;
    return userDestProg + 1;
}

juce::String ActionManager::getManualFileName(int model, bool japanese)
{
    const juce::String language = japanese ? "J" : "E";
    switch (model)
    {
        case 0: return "RigSmith_UM_1.2.0_DW_" + language + ".pdf";
        case 1: return "RigSmith_UM_1.2.0_HMQ_" + language + ".PDF";
        case 2:
        case 4: return "RigSmith_UM_1.2.0_OrvaKX_" + language + ".pdf";
        case 3:
        case 5: return "RigSmith_UM_1.2.0_OrvaPW_" + language + ".pdf";
        default: return {};
    }
}

juce::File ActionManager::getManualFolder()
{
   #if JUCE_MAC
    // The folder that contains the application bundle.
    return juce::File::getSpecialLocation(juce::File::currentApplicationFile).getParentDirectory();
   #else
    // Elsewhere the resources, manuals included, lie next to the executable.
    return juce::File::getSpecialLocation(juce::File::currentExecutableFile).getParentDirectory().getChildFile("Resources");
   #endif
}

void ActionManager::executeTxProg(int model, bool confirm, bool unused, bool all)
{
    juce::ignoreUnused(unused, all);
    ReentrancyGuard guard(txProgRunning);
    if (! guard.entered || model < 0 || model > 5)
        return;

    if (confirm
        && ! ask("Transmit:", "This command will overwrite 8 programs of your DWQR. \nAre you sure?", " OK ", "Cancel"))
        return;

    auto* midi = midiManager();
    if (midi == nullptr || ! midi->isMIDIOutPortOpen())
        return;
    // One chain at a time: a second would interleave its messages and flags
    // with the running one.
    if (isTransferRunning())
    {
        juce::Logger::writeToLog("ActionManager::executeTxProg() refused: a transfer is running");
        return;
    }

    const int first = model == 0 ? 11 : model == 1 ? 60 : 0;
    midi->setSequenceCounter(first);
    OpenProgressBarDialog("TRANSMIT...", first);
    midi->setBulkTransmit(true);
    midi->sendProgDumpOut(first);
}

void ActionManager::executeRxProg(int model, bool all)
{
    juce::ignoreUnused(all);
    ReentrancyGuard guard(rxProgRunning);
    if (! guard.entered || model < 0 || model > 5)
        return;

    if (! ask("Receive:", "This command will overwrite current list. \nAre you sure?", "  OK  ", "Cancel"))
        return;

    // The Orva models receive their programs through the synchronisation.
    if (model != 0 && model != 1)
        return;

    auto* midi = midiManager();
    if (midi == nullptr || ! midi->isMIDIOutPortOpen())
        return;
    if (isTransferRunning())
    {
        juce::Logger::writeToLog("ActionManager::executeRxProg() refused: a transfer is running");
        return;
    }

    midi->setSequenceCounter(model == 0 ? 11 : 60);
    OpenProgressBarDialog("RECEIVED...", 0);
    midi->setSyncRunning(true);
    midi->setBulkReceive(true);
    midi->setSynchronised(false);
    if (auto* environment = getCurrentDeviceEnvironment())
        if (auto* dataCenter = environment->getDataCenter())
            dataCenter->setSynchronised(false);
    midi->sendProgDumpRequest(1, 0);
}

bool ActionManager::executeTxCurProg(int model, bool noConfirm)
{
    ReentrancyGuard guard(txCurProgRunning);
    if (! guard.entered || model < 0 || model > 5)
        return false;

    if (! noConfirm
        && ! ask("Transmit:", "This command will overwrite current program of your DWQ R. \nAre you sure?", " OK ", "Cancel"))
        return false;

    // The destination is numbered as in the data centre (DWQ users from 11,
    // HMQ users from 60); the amplifier counts its user slots from 0.
    const int slot = DataCenter::iUserDestProg - (model == 0 ? 11 : model == 1 ? 60 : 0);
    auto* midi = midiManager();
    if (midi == nullptr || isTransferRunning() || slot < 0 || slot > 7)
        return false;
    midi->sendCurProgWrite(slot);
    return true;
}

void ActionManager::executeRxCurProg(int model)
{
    ReentrancyGuard guard(rxCurProgRunning);
    if (! guard.entered || model < 0 || model > 5)
        return;

    if (! ask("Receive:", "This command will overwrite current list. \nAre you sure?", "  OK  ", "Cancel"))
        return;

    auto* midi = midiManager();
    if (midi == nullptr || isTransferRunning())
        return;
    midi->sendCurProgDumpRequest();
}

void ActionManager::OpenWriteProgDialog(int model)
{
    if (writeProgDialog == nullptr || model < 0 || model > 5)
        return;

    // The dialog takes the model, preselects the current destination
    // (getWriteProgItemId: items 1 to 8 for the user slots), is sized
    // 350 x 152 and centred, and is shown modal with the focus on its OK
    // button. The dialog class itself is built with the librarian pages.
    juce::Logger::writeToLog("ActionManager::OpenWriteProgDialog() item "
                             + juce::String(getWriteProgItemId(model, DataCenter::iUserDestProg)));
}

void ActionManager::OpenProgressBarDialog(juce::String text, int value)
{
    auto* main = mainComponent();
    const int model = currentModel();
    if (main == nullptr || model < 0)
        return;

    main->setProgressRange(getProgressRange(model));
    main->openProgressBarDialog(text, value);
}

void ActionManager::CloseProgressBarDialog()
{
    auto* main = mainComponent();
    if (main == nullptr)
        return;
    main->closeProgressBarDialog();
}

void ActionManager::OpenHelpBrowser()
{
    const int model = currentModel();
    const bool japanese = CurrentLanguageModel::getInstance()->isJapanese();
    const auto folder = getManualFolder().getFullPathName() + juce::File::getSeparatorString();
    launch_file(folder + getManualFileName(model, japanese));
}

namespace
{
// The ids that are ever requested; stopAllTimers stops each of them.
constexpr int allTimerIds[] = { ActionManager::timerStatusRefresh,
                                ActionManager::timerMainRefresh,
                                ActionManager::timerPresetRefresh,
                                ActionManager::eREQID_DISCONNECT_STARTUP,
                                ActionManager::eREQID_DELAYED_SYNCRONIZE,
                                ActionManager::timerReceiveChainEnd,
                                ActionManager::eREQID_BLANKPROG_CHECK,
                                ActionManager::eREQID_MODEREQUEST_TIMEOUT,
                                ActionManager::timerAnotherInstance };
} // namespace

ActionManager::ActionManager() = default;

ActionManager::~ActionManager()
{
    stopAllTimers();
}

void ActionManager::setTimerEventReq(int id, int ms, int cmd)
{
    juce::ignoreUnused(cmd);
    const int delay = juce::jmax(1, ms);
    dueTimes[id] = juce::Time::getMillisecondCounter() + (juce::uint32) delay;
    stopTimer(id);
    startTimer(id, delay);
}

void ActionManager::stopAllTimers()
{
    for (const int id : allTimerIds)
        stopTimer(id);
}

void ActionManager::timerCallback(int timerID)
{
    // Every timer fires once. It is stopped before its action, so that an
    // action that runs a modal loop cannot see the same timer fire again and
    // an action may request its own timer anew.
    stopTimer(timerID);

    const auto due = dueTimes.find(timerID);
    if (due != dueTimes.end())
    {
        const auto remaining = (int) (due->second - juce::Time::getMillisecondCounter());
        if (remaining > 0)
        {
            startTimer(timerID, remaining);
            return;
        }
        dueTimes.erase(due);
    }

    switch (timerID)
    {
        case timerStatusRefresh:
            runStatusRefresh();
            break;

        case timerMainRefresh:
            refreshMainComponent();
            break;

        case timerPresetRefresh:
            // The DWQ and HMQ preset pages renew their button texts here once
            // those pages exist; the other models do nothing.
            break;

        case eREQID_DISCONNECT_STARTUP:
            runPostConnectSetup();
            break;

        case eREQID_DELAYED_SYNCRONIZE:
            runDelayedSynchronize();
            break;

        case timerReceiveChainEnd:
            break;

        case eREQID_BLANKPROG_CHECK:
            runBlankProgramCheck();
            break;

        case eREQID_MODEREQUEST_TIMEOUT:
            runModeRequestTimeout();
            break;

        case timerAnotherInstance:
            if (auto* host = Host::getInstance())
                host->handleAnotherInstanceFinishedMessage();
            break;

        default:
            break;
    }
}

void ActionManager::handleMessage(const juce::Message& message)
{
    // The notices posted here (9 device answered, 11 custom bulk receive
    // complete, 17 audio-EQ bulk receive complete) need no action; the
    // receiver of a directly posted message deletes its record.
    if (auto* myMessage = dynamic_cast<const MyMessage*>(&message))
    {
        juce::Logger::writeToLog("ActionManager::handleMessage(" + juce::String(myMessage->getId()) + ")");
        const_cast<MyMessage*>(myMessage)->deleteRecord();
    }
}

bool ActionManager::executeQuit(int model)
{
    juce::ignoreUnused(model);
    // Quitting in the middle of a transmit-all would leave the amplifier's
    // user programs half written: the quit waits for the end of the
    // transmission, whose status refresh (timer 1) asks to quit again.
    auto* midi = midiManager();
    if (midi != nullptr && midi->isBulkTransmit())
    {
        juce::Logger::writeToLog("ActionManager::executeQuit() deferred until the transmission ends");
        quitRequested = true;
        return false;
    }
    quitRequested = false;
    return true;
}

void ActionManager::refreshMainComponent()
{
    auto* host = Host::getInstance();
    if (host == nullptr)
        return;

    auto* guiManager = host->getMasterGuiManager();
    auto* window = guiManager != nullptr ? guiManager->getMainWindow() : nullptr;
    auto* main = window != nullptr ? window->getMainComponent() : nullptr;
    if (main != nullptr)
        main->changeListenerCallback(host->getMidiManager());
}

// ---------------------------------------------------------------------------
// Actions that reach into the connection manager and the data centres.

void ActionManager::runStatusRefresh()
{
    auto* host = Host::getInstance();
    if (host == nullptr)
        return;
    auto* midi = host->getMidiManager();

    if (midi != nullptr)
        midi->sendChangeMessage();
    refreshMainComponent();

    // A quit asked for while a transfer ran is carried out here once the
    // command table keeps its quit-request flag.
    if (quitRequested)
        if (auto* app = juce::JUCEApplicationBase::getInstance())
            app->systemRequestedQuit();

    if (auto* broadcaster = host->getChangeBroadcaster())
        broadcaster->sendChangeMessage();
    if (midi != nullptr)
        midi->sendChangeMessage();
}

namespace
{
// The part of the post-connect set-up every model shares: the catalogue
// shows the amp, the destination becomes the current and the write target.
template <typename EditSection>
void selectDestination(Host& host, EditSection& section, int destination)
{
    section.FireOnCatalogSelect(0);
    if (auto* state = host.getStateHolder())
    {
        state->currentProgram = destination;
        state->deselectedProgram = -1;
    }
    DataCenter::iUserDestProg = destination;
}

// DWQ and HMQ: user mode, a destination among the user programs, and the
// last run's edit record replayed until the amplifier's arrives.
template <typename ModelDataCenter>
void setUpUserModeModel(Host& host, ModelDataCenter& dataCenter, int firstUserProgram)
{
    dataCenter.PutMode(1);
    const int destination = DataCenter::iCurProgNo >= firstUserProgram ? DataCenter::iCurProgNo : firstUserProgram;
    selectDestination(host, dataCenter.getUserEditSection(), destination);

    // Copied first: the receive callback writes the buffer it is replayed into.
    unsigned char edit[sizeof(ModelDataCenter::m_sBkEditBuf)];
    std::memcpy(edit, &ModelDataCenter::m_sBkEditBuf, sizeof(edit));
    dataCenter.OnRcvCurProgDump(host.getMidiManager(), edit, sizeof(edit));
}
} // namespace

void ActionManager::runPostConnectSetup()
{
    auto* host = Host::getInstance();
    auto* environment = host != nullptr ? host->getDeviceEnvironment() : nullptr;
    auto* dataCenter = environment != nullptr ? environment->getDataCenter() : nullptr;
    if (dataCenter == nullptr)
        return;

    host->setBootFlag(false);

    const int model = environment->getDeviceInfo().model;
    if (model >= 2 && model <= 5)
    {
        if (auto* orva = dynamic_cast<OrvaDataCenter*>(dataCenter))
        {
            selectDestination(*host, orva->getUserEditSection(), DataCenter::iCurProgNo >= 0 ? DataCenter::iCurProgNo : 0);

            // The last run's edit state shows until the amplifier's arrives.
            // The backups are copied first: the receive callbacks write the
            // buffers they are replayed into.
            auto* midi = host->getMidiManager();
            unsigned char edit[OrvaDataCenter::recordSize];
            unsigned char global[OrvaDataCenter::globalSize];
            unsigned char eq[OrvaDataCenter::audioEQSize];
            std::memcpy(edit, orva->getBackupEditBuf(), sizeof(edit));
            std::memcpy(global, orva->getBackupGlobalBuf(), sizeof(global));
            std::memcpy(eq, orva->getBackupAudioEQBuf(), sizeof(eq));
            orva->OnRcvCurProgDump(midi, edit, sizeof(edit));
            orva->OnRcvGlobalDump(midi, global, sizeof(global));
            orva->OnRcvCurAudioEQDump(midi, eq, sizeof(eq));

            orva->getUserEditSection().FireOnUICtrlSelectValid(false);
            host->setResyncPending(true);
        }
    }
    else if (model == 0)
    {
        if (auto* dwq = dynamic_cast<DWQDataCenter*>(dataCenter))
        {
            setUpUserModeModel(*host, *dwq, 11);
            host->setResyncPending(true);
        }
        else
        {
            dataCenter->PutMode(1);
        }
    }
    else if (model == 1)
    {
        if (auto* hmq = dynamic_cast<HMQDataCenter*>(dataCenter))
        {
            setUpUserModeModel(*host, *hmq, 60);
            hmq->getUserEditSection().FireOnUICtrlSelectValid(false);
            host->setResyncPending(true);
        }
        else
        {
            dataCenter->PutMode(1);
        }
    }

    setTimerEventReq(timerMainRefresh, 1, 0);
}

void ActionManager::runDelayedSynchronize()
{
    // A synchronisation supersedes a post-connect set-up still waiting.
    if (isTimerRunning(eREQID_DISCONNECT_STARTUP))
    {
        stopTimer(eREQID_DISCONNECT_STARTUP);
        juce::Logger::writeToLog("Application::timerCallback() timer(eREQID_DISCONNECT_STARTUP) stopped");
    }

    auto* list = ConnectedDeviceInfoList::instance();
    if (list == nullptr || list->getNumDevices() == 0)
        return;

    juce::Logger::writeToLog("ActionManager::timerCallback(eREQID_DELAYED_SYNCRONIZE)");

    auto* host = Host::getInstance();
    auto* midi = host != nullptr ? host->getMidiManager() : nullptr;
    auto* environment = host != nullptr ? host->getDeviceEnvironment() : nullptr;
    if (midi == nullptr || environment == nullptr)
        return;

    const int model = environment->getDeviceInfo().model;
    if (model < 0 || model > 5)
        return;

    // The receive chain counts user programs from the model's first one.
    midi->setSequenceCounter(model >= 2 ? 0 : (model == 1 ? 60 : 11));
    midi->setSynchronised(false);
    if (auto* dataCenter = environment->getDataCenter())
        dataCenter->setSynchronised(false);
    midi->setSyncRunning(true);
    midi->setBulkReceive(false);
    juce::Logger::writeToLog(model >= 2 ? "eREQID_DELAYED_SYNCRONIZE => eREQID_MODEREQUEST_TIMEOUT setting"
                                        : "=> eREQID_MODEREQUEST_TIMEOUT setting");
    setTimerEventReq(eREQID_MODEREQUEST_TIMEOUT, 2000, 0);
    midi->sendModeRequest();
}

void ActionManager::runBlankProgramCheck()
{
    auto* host = Host::getInstance();
    auto* environment = host != nullptr ? host->getDeviceEnvironment() : nullptr;
    auto* dataCenter = environment != nullptr ? environment->getDataCenter() : nullptr;
    const int model = environment != nullptr ? (int) environment->getDeviceInfo().model : -1;
    if (dataCenter == nullptr || model < 2 || model > 5)
        return;

    const juce::ScopedLock sl(MainComponent::m_MainComponentCriticalSection);
    if (dataCenter->getFileCount() == 0)
    {
        juce::Logger::writeToLog("ActionManager::timerCallback() eREQID_BLANKPROG_CHECK => exec cmdFileNew\n");
        // Only posts the New File command; it runs later on the message thread.
        invokeDirectly(cmdFileNew, true);
    }
}

void ActionManager::runModeRequestTimeout()
{
    juce::Logger::writeToLog("ActionManager::timerCallback() eREQID_MODEREQUEST_TIMEOUT\n");

    auto* host = Host::getInstance();
    auto* connection = host != nullptr ? host->getMasterConnectionManager() : nullptr;
    if (connection == nullptr || ! connection->isConnected())
        return;

    // An amplifier that does not answer is treated as unplugged: the
    // connection comes down, then a scan looks for it again.
    connection->cableRemoved();
    connection->scanDevicesforReconnect(false);
}


// ---------------------------------------------------------------------------
// Program files: open, create, save and close file tabs, load and save the
// user programs.

bool ActionManager::executeNewFile(int model)
{
    juce::ignoreUnused(model);
    return false;
}

void ActionManager::afterNewFileUI(int model)
{
    juce::ignoreUnused(model);
}

int ActionManager::executeFileOpen(int model)
{
    juce::ignoreUnused(model);
    return -1;
}

void ActionManager::afterFileOpenUI(int model)
{
    juce::ignoreUnused(model);
}

int ActionManager::executeFileLoadUser(int model)
{
    juce::ignoreUnused(model);
    return -1;
}

void ActionManager::afterFileLoadUserUI(int model)
{
    juce::ignoreUnused(model);
}

void ActionManager::executeFileSaveUser(int model)
{
    juce::ignoreUnused(model);
}

bool ActionManager::executeFileSaveFile(int model)
{
    juce::ignoreUnused(model);
    return false;
}

void ActionManager::afterFileSaveUI(int model)
{
    juce::ignoreUnused(model);
}

bool ActionManager::executeFileClose(int model, int fileIndex)
{
    juce::ignoreUnused(model, fileIndex);
    return false;
}

void ActionManager::afterFileCloseUI(int model, int tabIndex)
{
    juce::ignoreUnused(model, tabIndex);
}
