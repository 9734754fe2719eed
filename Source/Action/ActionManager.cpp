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

// Set while a command runs: its confirmations and file dialogs run modal
// loops, in which a shortcut or a button could start the same command again.
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


// ===========================================================================
// Program files and file tabs: new, open, save as, close, the user programs,
// and the tabs carried from one run to the next (restore at start-up,
// command-line files, dropped files, the backup at quit).
// ===========================================================================

#include "Action/FileCommandPrompts.h"
#include "Action/FileTabView.h"
#include "Action/NativeFileCommandPrompts.h"
#include "Action/ProgramFile.h"
#include "DWQ/DWQ_PrefsDefine.h"
#include "GUI/MasterGuiController.h"
#include "Preferences/PreferencesData.h"

namespace
{
constexpr const char* okButton = "  OK  ";
constexpr const char* tooManyFiles = "Can't open more than 3 files.";
constexpr int maxTabs = 3;

struct TabPreferenceKeys
{
    const char* fileName[3];
    const char* dirty[3];
    const char* currentTab;
};

const TabPreferenceKeys& tabPreferenceKeys(int model)
{
    static const TabPreferenceKeys dwq { { DWQ::Preferences_DWQ_TAB1FileName, DWQ::Preferences_DWQ_TAB2FileName, DWQ::Preferences_DWQ_TAB3FileName },
                                         { DWQ::Preferences_DWQ_TAB1DirtyData, DWQ::Preferences_DWQ_TAB2DirtyData, DWQ::Preferences_DWQ_TAB3DirtyData },
                                         DWQ::Preferences_DWQ_CurrentTabindex };
    static const TabPreferenceKeys hmq { { DWQ::Preferences_HMQ_TAB1FileName, DWQ::Preferences_HMQ_TAB2FileName, DWQ::Preferences_HMQ_TAB3FileName },
                                         { DWQ::Preferences_HMQ_TAB1DirtyData, DWQ::Preferences_HMQ_TAB2DirtyData, DWQ::Preferences_HMQ_TAB3DirtyData },
                                         DWQ::Preferences_HMQ_CurrentTabindex };
    static const TabPreferenceKeys okx { { DWQ::Preferences_OKX_TAB1FileName, DWQ::Preferences_OKX_TAB2FileName, DWQ::Preferences_OKX_TAB3FileName },
                                         { DWQ::Preferences_OKX_TAB1DirtyData, DWQ::Preferences_OKX_TAB2DirtyData, DWQ::Preferences_OKX_TAB3DirtyData },
                                         DWQ::Preferences_OKX_CurrentTabindex };
    static const TabPreferenceKeys opw { { DWQ::Preferences_OPW_TAB1FileName, DWQ::Preferences_OPW_TAB2FileName, DWQ::Preferences_OPW_TAB3FileName },
                                         { DWQ::Preferences_OPW_TAB1DirtyData, DWQ::Preferences_OPW_TAB2DirtyData, DWQ::Preferences_OPW_TAB3DirtyData },
                                         DWQ::Preferences_OPW_CurrentTabindex };
    switch (model)
    {
        case 0: return dwq;
        case 1: return hmq;
        case 3:
        case 5: return opw;
        default: return okx;
    }
}

juce::String backupFileName(int fileTab, const ProgramFile::Format& format)
{
    return "TABFile" + juce::String(fileTab + 1) + format.getExtension();
}

int leadingTab(const FileTabView* view)
{
    return view != nullptr && view->hasLeadingTab() ? 1 : 0;
}

void logRefusal(const juce::String& operation, ProgramFile::ReadError error, const juce::File& file,
                const ProgramFile::Format& format)
{
    juce::Logger::writeToLog("ActionManager::" + operation + "() refused " + file.getFullPathName() + ": "
                             + ProgramFile::describe(error, file, format));
}
} // namespace

struct ActionManager::FileContext
{
    DataCenter* dataCenter = nullptr;
    const ProgramFile::Format* format = nullptr;
    int model = -1; // the environment's model
};

bool ActionManager::getFileContext(int model, FileContext& context) const
{
    auto* environment = getCurrentDeviceEnvironment();
    auto* dataCenter = environment != nullptr ? environment->getDataCenter() : nullptr;
    const int environmentModel = environment != nullptr ? (int) environment->getDeviceInfo().model : -1;
    const auto* format = ProgramFile::forModel(environmentModel);
    const auto* asked = ProgramFile::forModel(model);
    if (dataCenter == nullptr || format == nullptr || asked == nullptr)
        return false;

    // A file of one model must never land in another model's buffers: their
    // records differ in size and layout.
    if (asked->tag != format->tag || dataCenter->getNumbering().recordSize != format->recordSize)
    {
        juce::Logger::writeToLog("ActionManager: file command for model " + juce::String(model)
                                 + " refused, the open model is " + juce::String(environmentModel));
        return false;
    }
    context = { dataCenter, format, environmentModel };
    return true;
}

void ActionManager::setFileCommandPrompts(std::unique_ptr<FileCommandPrompts> prompts)
{
    filePrompts = std::move(prompts);
}

FileCommandPrompts& ActionManager::prompts()
{
    if (filePrompts == nullptr)
        filePrompts = std::make_unique<NativeFileCommandPrompts>();
    return *filePrompts;
}

// The one step that shows a file tab: only a view that takes the tab makes it
// count as open.
bool ActionManager::showFileTab(DataCenter& dataCenter, int fileTab, const juce::String& title)
{
    if (fileTabView == nullptr || ! fileTabView->addFileTab(fileTab, title))
        return false;
    dataCenter.setFileCount(fileTab + 1);
    return true;
}

void ActionManager::copyIntoTab(DataCenter& dataCenter, int fileTab, const std::vector<unsigned char>& records,
                                const juce::String& name)
{
    {
        const juce::ScopedWriteLock lock(dataCenter.getFileTabLock());
        if (auto* first = dataCenter.getFileProgPtr(fileTab, 0))
            std::memcpy(first, records.data(), records.size());
    }
    dataCenter.setFileName(fileTab, name);
}

void ActionManager::bringMainWindowToFront()
{
    auto* host = Host::getInstance();
    auto* controller = host != nullptr ? host->getMasterGuiController() : nullptr;
    if (auto* window = controller != nullptr ? controller->getMainWindow() : nullptr)
        window->toFront(true);
}

// --- New, open, save as, close ---------------------------------------------

bool ActionManager::executeNewFile(int model)
{
    static bool running = false;
    const ReentrancyGuard guard(running);
    FileContext context;
    if (! guard.entered || ! getFileContext(model, context))
        return false;

    auto& dataCenter = *context.dataCenter;
    const int n = dataCenter.getFileCount();
    if (n >= maxTabs)
    {
        prompts().showWarning("New File Error:", tooManyFiles, okButton);
        return false;
    }

    const juce::ScopedWriteLock lock(dataCenter.getFileTabLock());
    dataCenter.setFileName(n, "NEW FILE");
    const int recordSize = context.format->recordSize;
    for (int i = 0; i < context.format->programsPerTab; ++i)
    {
        auto* record = dataCenter.getFileProgPtr(n, i);
        if (record == nullptr)
            return false;
        std::memcpy(record, dataCenter.getInitProgData(), (size_t) recordSize);
        if (context.model >= 2)
        {
            const juce::String name = "NO NAME " + juce::String(i + 1);
            std::memset(record, ' ', 16);
            std::memcpy(record, name.toRawUTF8(), (size_t) name.length());
        }
    }
    dataCenter.setModifiedMask(n, 0);
    return true;
}

void ActionManager::afterNewFileUI(int model)
{
    FileContext context;
    if (! getFileContext(model, context))
        return;
    const int n = context.dataCenter->getFileCount();
    showFileTab(*context.dataCenter, n, context.dataCenter->getFileName(n));
}

void ActionManager::afterFileOpenUI(int model)
{
    afterNewFileUI(model);
}

int ActionManager::executeFileOpen(int model)
{
    static bool running = false;
    const ReentrancyGuard guard(running);
    FileContext context;
    if (! guard.entered || ! getFileContext(model, context))
        return -1;

    if (context.dataCenter->getFileCount() >= maxTabs)
    {
        prompts().showWarning("File Open Error:", tooManyFiles, okButton);
        return -1;
    }
    if (context.dataCenter->getFileReadBuf() == nullptr)
        return -1;

    int result = -1;
    const auto chosen = prompts().chooseFileToOpen("Open " + context.format->getTypeName() + " file...",
                                                   context.format->getPattern());
    if (chosen != juce::File())
        result = executeFileOpenSub(model, chosen);

    if (fileTabView != nullptr)
        fileTabView->focusUserProgramButtons();
    return result;
}

int ActionManager::executeFileOpenSub(int model, const juce::File& file)
{
    FileContext context;
    if (! getFileContext(model, context))
        return -1;

    auto& dataCenter = *context.dataCenter;
    const int n = dataCenter.getFileCount();
    if (n >= maxTabs)
        return -1;

    // Read whole into a local buffer first: a refused file leaves the tab as it was.
    std::vector<unsigned char> records;
    const auto read = ProgramFile::read(file, *context.format, context.format->programsPerTab,
                                        dataCenter.getInitProgData(), records);
    if (! read.ok())
    {
        logRefusal("executeFileOpenSub", read.error, file, *context.format);
        prompts().showWarning("File Open Error:", ProgramFile::describe(read.error, file, *context.format), okButton);
        return -1;
    }

    copyIntoTab(dataCenter, n, records, file.getFileNameWithoutExtension());
    return read.programs;
}

namespace
{
// Writes the header and `count` records (read through `recordAt`, null ends
// the write as a failure) into the data centre's write buffer, then the whole
// image to the stream from its start. The records are read under `recordLock`
// when one is given (taken after the write buffer's lock).
template <typename RecordAt>
bool writeProgramImage(DataCenter& dataCenter, const ProgramFile::Format& format, juce::FileOutputStream& out,
                       int count, size_t imageSize, const juce::ReadWriteLock* recordLock, RecordAt&& recordAt)
{
    auto* image = dataCenter.getFileWriteBuf();
    if (image == nullptr)
        return false;

    try
    {
        const juce::ScopedWriteLock writeLock(dataCenter.getWriteBufLock());
        ProgramFile::writeHeader(image, format);
        {
            if (recordLock != nullptr)
                recordLock->enterRead();
            const juce::ScopeGuard unlock { [recordLock] {
                if (recordLock != nullptr)
                    recordLock->exitRead();
            } };
            for (int i = 0; i < count; ++i)
            {
                const auto* record = recordAt(i);
                if (record == nullptr)
                    return false;
                std::memcpy(image + ProgramFile::headerSize + i * format.recordSize, record, (size_t) format.recordSize);
            }
        }
        if (! out.setPosition(0))
            return false;
        return out.write(image, imageSize) && out.truncate().wasOk();
    }
    catch (...)
    {
        return false;
    }
}
} // namespace

bool ActionManager::executeFileSaveSubStream(int model, juce::FileOutputStream* out, int tab)
{
    FileContext context;
    if (out == nullptr || tab < 0 || tab >= maxTabs || ! getFileContext(model, context))
        return false;

    auto& dataCenter = *context.dataCenter;
    const auto& format = *context.format;
    return writeProgramImage(dataCenter, format, *out, format.programsPerTab, (size_t) format.tabImageSize(),
                             &dataCenter.getFileTabLock(), [&](int i) { return dataCenter.getFileProgPtr(tab, i); });
}

// The shared body of the two save commands: dialog, name check, extension,
// replace question, then the write through a temporary file. tab < 0 saves
// the user programs.
bool ActionManager::saveChosenFile(int model, const juce::String& dialogTitle, const juce::String& errorTitle, int tab)
{
    FileContext context;
    if (! getFileContext(model, context))
        return false;
    const auto& format = *context.format;

    const auto chosen = prompts().chooseFileToSave(dialogTitle, format.getPattern());
    if (chosen == juce::File())
        return false;

    if (! ProgramFile::isValidFileName(chosen.getFileName()))
    {
        prompts().showWarning(errorTitle, "Invalid file name.", okButton);
        if (fileTabView != nullptr)
            fileTabView->focusUserProgramButtons();
        return false;
    }

    chosen.getParentDirectory().setAsCurrentWorkingDirectory();
    const auto target = ProgramFile::withModelExtension(chosen, format);
    if (target != chosen && target.exists()
        && ! prompts().confirm("Confirm Save As:", target.getFileName() + " already exists.\n\rDo you want to replace it?",
                               " Yes ", "  No  "))
        return false;

    bool openFailed = false;
    bool written = false;
    {
        const juce::ScopedLock lock(fileSaveLock);
        const int imageSize = tab >= 0 ? format.tabImageSize() : format.userImageSize();
        written = ProgramFile::writeSafely(target, juce::jmax(16384, imageSize), [&](juce::FileOutputStream& out) {
            return tab >= 0 ? executeFileSaveSubStream(model, &out, tab) : executeFileSaveUserSubStream(model, &out);
        }, &openFailed);
    }

    if (openFailed)
    {
        prompts().showWarning("File Save Error:",
                              "This file (or this location) is set to read-only.\n\rTry again with a different file name (or a different location).",
                              okButton);
        return false;
    }
    if (! written)
    {
        juce::Logger::writeToLog("ActionManager::saveChosenFile() cannot write " + target.getFullPathName());
        prompts().showWarning("File Save Error:", target.getFileName() + " could not be written.", okButton);
    }
    else if (tab >= 0)
    {
        // Only a tab that reached the disk counts as saved.
        context.dataCenter->setFileName(tab, chosen.getFileNameWithoutExtension());
        context.dataCenter->setModifiedMask(tab, 0);
    }

    if (fileTabView != nullptr)
        fileTabView->focusUserProgramButtons();
    return written;
}

bool ActionManager::executeFileSaveFile(int model)
{
    static bool running = false;
    const ReentrancyGuard guard(running);
    FileContext context;
    if (! guard.entered || fileTabView == nullptr || ! getFileContext(model, context))
        return false;

    const int n = context.dataCenter->getFileCount();
    const int f = fileTabView->getCurrentTabIndex() - leadingTab(fileTabView);
    if (f < 0 || f >= n || n > maxTabs)
        return false;

    return saveChosenFile(model, "Save Current File Programs...", "Save Current File Programs Error:", f);
}

void ActionManager::afterFileSaveUI(int model)
{
    FileContext context;
    if (fileTabView == nullptr || ! getFileContext(model, context))
        return;
    const int t = fileTabView->getCurrentTabIndex();
    fileTabView->setTabTitle(t, context.dataCenter->getFileName(t - leadingTab(fileTabView)));
}

bool ActionManager::executeFileClose(int model, int tab)
{
    static bool running = false;
    const ReentrancyGuard guard(running);
    FileContext context;
    if (! guard.entered || ! getFileContext(model, context))
        return false;

    auto& dataCenter = *context.dataCenter;
    if (tab < 0 || tab >= maxTabs || tab >= dataCenter.getFileCount())
    {
        juce::Logger::writeToLog("ActionManager::executeFileClose() no open file tab " + juce::String(tab));
        return false;
    }

    if (dataCenter.getModifiedMask(tab) != 0
        && ! prompts().confirm("File is modified. ", "Force close file.\nAre you sure?", " OK ", "Cancel"))
        return false;

    if (! dataCenter.removeFileBuf(tab))
        return false;
    for (int i = tab; i < maxTabs - 1; ++i)
        dataCenter.setModifiedMask(i, dataCenter.getModifiedMask(i + 1));
    dataCenter.setModifiedMask(maxTabs - 1, 0);
    return true;
}

void ActionManager::afterFileCloseUI(int model, int tabIndex)
{
    FileContext context;
    if (fileTabView == nullptr || ! getFileContext(model, context))
        return;
    if (tabIndex >= 0 && tabIndex < fileTabView->getNumTabs())
        fileTabView->removeFileTab(tabIndex);
}

// --- User programs -----------------------------------------------------------

int ActionManager::executeFileLoadUser(int model)
{
    static bool running = false;
    const ReentrancyGuard guard(running);
    FileContext context;
    if (! guard.entered || ! getFileContext(model, context))
        return -1;

    int result = -1;
    const auto chosen = prompts().chooseFileToOpen("Load USER PROGRAMS From...", context.format->getPattern());
    if (chosen != juce::File())
        result = executeFileLoadUserSub(model, chosen);

    if (fileTabView != nullptr)
        fileTabView->focusUserProgramButtons();
    return result;
}

int ActionManager::executeFileLoadUserSub(int model, const juce::File& file)
{
    FileContext context;
    if (! getFileContext(model, context) || context.dataCenter->getRAMProgPtr(0) == nullptr)
        return -1;

    auto& dataCenter = *context.dataCenter;
    const auto& format = *context.format;
    std::vector<unsigned char> records;
    const auto read = ProgramFile::read(file, format, ProgramFile::numUserPrograms, dataCenter.getInitProgData(), records);
    if (! read.ok())
    {
        logRefusal("executeFileLoadUserSub", read.error, file, format);
        prompts().showWarning("Load USER PROGRAMS Error:", ProgramFile::describe(read.error, file, format), okButton);
        return -1;
    }

    for (int i = 0; i < ProgramFile::numUserPrograms; ++i)
        dataCenter.setRAMProgram(i, records.data() + i * format.recordSize);

    executeTxProg(context.model, false, false, true);
    return read.programs;
}

void ActionManager::afterFileLoadUserUI(int model)
{
    juce::ignoreUnused(model);
    if (fileTabView != nullptr)
        fileTabView->repaintUserProgramButtons();
}

void ActionManager::executeFileSaveUser(int model)
{
    static bool running = false;
    const ReentrancyGuard guard(running);
    if (guard.entered)
        saveChosenFile(model, "Save USER PROGRAMS As...", "Save USER PROGRAMS Error:", -1);
}

bool ActionManager::executeFileSaveUserSubStream(int model, juce::FileOutputStream* out)
{
    FileContext context;
    if (out == nullptr || ! getFileContext(model, context))
        return false;

    auto& dataCenter = *context.dataCenter;
    const auto& format = *context.format;
    return writeProgramImage(dataCenter, format, *out, ProgramFile::numUserPrograms, (size_t) format.userImageSize(),
                             nullptr, [&](int i) { return dataCenter.getRAMProgPtr(i); });
}

// --- Tabs across runs ---------------------------------------------------------

juce::File ActionManager::getTabBackupFolder()
{
    return PreferencesData::getInstance()->getPreferencesFile().getParentDirectory();
}

bool ActionManager::fileShouldOpen_restore(juce::Component* mainComponent)
{
    juce::Logger::writeToLog(juce::String("******************ActionManager::fileShouldOpen_restore(")
                             + (mainComponent != nullptr ? "not nullptr" : "nullptr") + ")");
    bool restored = false;
    FileContext context;
    auto* host = Host::getInstance();
    auto* environment = getCurrentDeviceEnvironment();
    if (host == nullptr || environment == nullptr || ! getFileContext((int) environment->getDeviceInfo().model, context))
        return false;
    if (fileTabView == nullptr)
        return false;

    auto& dataCenter = *context.dataCenter;
    const auto& format = *context.format;
    const int flag = leadingTab(fileTabView);
    if (fileTabView->getNumTabs() == flag)
    {
        auto* preferences = PreferencesData::getInstance();
        const auto& keys = tabPreferenceKeys(context.model);
        const auto folder = getTabBackupFolder();

        // The names are a chain: a missing one ends it.
        juce::String names[maxTabs];
        for (int i = 0; i < maxTabs; ++i)
            host->restoreFile(i) = juce::File();
        for (int i = 0; i < maxTabs; ++i)
        {
            const auto stored = preferences->getStringValue(keys.fileName[i], {});
            if (stored.isEmpty())
                break;
            names[i] = stored.containsChar('.') ? stored.upToLastOccurrenceOf(".", false, false) : juce::String();
            host->restoreFile(i) = folder.getChildFile(backupFileName(i, format));
        }

        // The stored flags follow their file to whichever tab it lands in.
        int dirtyOfTab[maxTabs] = { 0, 0, 0 };
        for (int i = 0; i < maxTabs; ++i)
        {
            auto& slot = host->restoreFile(i);
            if (! slot.existsAsFile())
                continue;
            if (slot.getFileExtension() != format.getExtension())
                break;

            const int n = dataCenter.getFileCount();
            std::vector<unsigned char> records;
            const auto read = ProgramFile::read(slot, format, format.programsPerTab, dataCenter.getInitProgData(), records);
            if (read.error == ProgramFile::ReadError::cannotOpen)
                juce::Logger::writeToLog("failedToOpen()");
            else if (! read.ok())
                logRefusal("fileShouldOpen_restore", read.error, slot, format);

            if (read.ok() && n < maxTabs)
            {
                copyIntoTab(dataCenter, n, records, names[i]);
                if (showFileTab(dataCenter, n, dataCenter.getFileName(n)))
                {
                    dirtyOfTab[n] = preferences->getIntValue(keys.dirty[i], 0);
                    restored = true;
                }
            }
            slot = juce::File();
        }

        for (int k = 0; k < maxTabs; ++k)
            dataCenter.setModifiedMask(k, k < dataCenter.getFileCount() ? dirtyOfTab[k] : 0);
        const int current = preferences->getIntValue(keys.currentTab, 0) + flag - 1;
        fileTabView->setCurrentTabIndex(current < fileTabView->getNumTabs() ? juce::jmax(-1, current) : -1);
    }

    juce::Logger::writeToLog("******************ActionManager::fileShouldOpen_restore() -EXIT");
    return restored;
}

bool ActionManager::fileShouldOpen_commandline(juce::Component* mainComponent, bool fromUI)
{
    juce::ignoreUnused(mainComponent, fromUI);
    juce::Logger::writeToLog("******************ActionManager::fileShouldOpen_commandline()");

    auto* host = Host::getInstance();
    if (host == nullptr || ! host->hasCommandLineFile())
    {
        juce::Logger::writeToLog("******************ActionManager::fileShouldOpen_commandline() no commandline exit");
        return false;
    }

    FileContext context;
    auto* environment = getCurrentDeviceEnvironment();
    if (environment == nullptr || ! getFileContext((int) environment->getDeviceInfo().model, context))
        return false;

    auto& dataCenter = *context.dataCenter;
    const auto& format = *context.format;
    bool opened = false;
    {
        const juce::ScopedLock lock(MainComponent::m_MainComponentCriticalSection);
        for (int i = 0; i < maxTabs; ++i)
        {
            auto& slot = host->commandLineFile(i);
            const auto file = slot;
            slot = juce::File();
            if (! file.existsAsFile())
            {
                juce::Thread::sleep(1);
                continue;
            }
            if (file.getFileExtension() != format.getExtension())
            {
                juce::Logger::writeToLog("ActionManager::fileShouldOpen_commandline() not a " + format.getExtension()
                                         + " file: " + file.getFullPathName());
                prompts().showWarningAsync("File Open Error:", "This is not a " + format.getExtension() + " file.", okButton);
                continue;
            }

            const int n = dataCenter.getFileCount();
            if (n >= maxTabs)
            {
                for (int j = 0; j < maxTabs; ++j)
                    host->commandLineFile(j) = juce::File();
                bringMainWindowToFront();
                prompts().showWarningAsync("File Open Error:", tooManyFiles, okButton);
                return opened;
            }

            std::vector<unsigned char> records;
            const auto read = ProgramFile::read(file, format, format.programsPerTab, dataCenter.getInitProgData(), records);
            if (! read.ok())
            {
                if (read.error == ProgramFile::ReadError::cannotOpen)
                    juce::Logger::writeToLog("failedToOpen()");
                logRefusal("fileShouldOpen_commandline", read.error, file, format);
                prompts().showWarningAsync("File Open Error:", ProgramFile::describe(read.error, file, format), okButton);
                juce::Thread::sleep(1);
                continue;
            }

            const auto name = file.getFileNameWithoutExtension();
            copyIntoTab(dataCenter, n, records, name);
            showFileTab(dataCenter, n, name.isNotEmpty() ? name : juce::String("@@@"));
            juce::Thread::sleep(1);
            opened = true;
        }
    }
    if (opened)
        bringMainWindowToFront();
    return opened;
}

void ActionManager::filesDropped_delegate(const juce::StringArray& files, int x, int y)
{
    juce::ignoreUnused(x, y);
    FileContext context;
    auto* environment = getCurrentDeviceEnvironment();
    if (environment == nullptr || ! getFileContext((int) environment->getDeviceInfo().model, context))
        return;

    auto& dataCenter = *context.dataCenter;
    const auto& format = *context.format;
    if (dataCenter.getFileCount() + files.size() > maxTabs)
    {
        prompts().showWarning("File Open Error:", tooManyFiles, okButton);
        return;
    }

    for (const auto& path : files)
    {
        const juce::File file(path);
        if (! file.existsAsFile())
            continue;
        if (file.getFileExtension() != format.getExtension())
        {
            prompts().showWarning("File Open Error:", "This is not a " + format.getExtension() + " file.", okButton);
            return;
        }

        const int n = dataCenter.getFileCount();
        std::vector<unsigned char> records;
        const auto read = ProgramFile::read(file, format, format.programsPerTab, dataCenter.getInitProgData(), records);
        if (! read.ok())
        {
            logRefusal("filesDropped_delegate", read.error, file, format);
            prompts().showWarning("File Open Error:", ProgramFile::describe(read.error, file, format), okButton);
            continue;
        }
        if (n >= maxTabs)
            return;

        copyIntoTab(dataCenter, n, records, file.getFileNameWithoutExtension());
        showFileTab(dataCenter, n, dataCenter.getFileName(n));
    }
}

bool ActionManager::executeTabFileBackup()
{
    juce::Logger::writeToLog("ActionManager::executeTabFileBackup()\n");
    bool result = false;
    try
    {
        FileContext context;
        auto* environment = getCurrentDeviceEnvironment();
        if (environment != nullptr && getFileContext((int) environment->getDeviceInfo().model, context)
            && fileTabView != nullptr && context.dataCenter->getFileCount() <= maxTabs)
        {
            auto& dataCenter = *context.dataCenter;
            const auto& format = *context.format;
            auto* preferences = PreferencesData::getInstance();
            const auto& keys = tabPreferenceKeys(context.model);
            const int flag = leadingTab(fileTabView);
            const int numTabs = fileTabView->getNumTabs();

            for (int k = 0; k < maxTabs; ++k)
                preferences->setValue(keys.dirty[k], dataCenter.getModifiedMask(k));
            preferences->setValue(keys.currentTab, fileTabView->getCurrentTabIndex() + 1 - flag);
            for (int k = 0; k < maxTabs; ++k)
                preferences->setValue(keys.fileName[k],
                                      k + flag < numTabs ? fileTabView->getTabTitle(k + flag) + format.getExtension() : juce::String());

            const auto folder = getTabBackupFolder();
            try
            {
                for (int k = maxTabs - 1; k >= 0; --k)
                {
                    if (k + flag >= numTabs)
                        continue;
                    const juce::ScopedLock lock(fileSaveLock);
                    // Written beside and moved over the old copy: a failed
                    // write keeps the previous backup whole.
                    if (ProgramFile::writeSafely(folder.getChildFile(backupFileName(k, format)), format.tabImageSize(),
                                                 [&](juce::FileOutputStream& out) {
                                                     return executeFileSaveSubStream(context.model, &out, k);
                                                 }))
                        result = true;
                }
            }
            catch (...)
            {
                juce::Logger::writeToLog("ActionManager::executeTabFileBackup() delete file fairure.");
            }

            preferences->save();
            juce::Logger::writeToLog("ActionManager::executeTabFileBackup() preferences.XML update.\n");
        }
    }
    catch (...)
    {
        juce::Logger::writeToLog("ActionManager::executeTabFileBackup() exception catched\n");
        result = false;
    }
    juce::Logger::writeToLog("ActionManager::executeTabFileBackup() exit\n");
    return result;
}
