#include "Application/Host.h"

#include "Action/ActionManager.h"
#include "Action/MenuBarManager.h"
#include "Action/MidiManager.h"
#include "Application/PlatformInitializer.h"
#include "Application/StateHolder.h"
#include "Common/DeviceEnvironment.h"
#include "Common/DeviceEnvironmentBuilder.h"
#include "Core/ConnectedDeviceInfoList.h"
#include "Core/MasterConnectionManager.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "Core/ProductModel.h"
#include "Core/SupportedFileFormats.h"
#include "Core/SupportedModels.h"
#include "DWQ/DWQDataCenter.h"
#include "DataCenter/DataCenter.h"
#include "EQ/CAudioEQManager.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "GUI/Widgets/FontLibrary.h"
#include "GUI/Widgets/ImageResourceManager.h"
#include "Preferences/PreferencesData.h"
#include "Preferences/PreferencesDataChangeBroadcaster.h"
#include "UIForm/UIFormManager.h"
#include "ZEZEResource.h"

Host* Host::instance = nullptr;

Host* Host::createInstance()
{
    if (instance == nullptr)
        instance = new Host();
    return instance;
}

void Host::destroyInstance()
{
    delete instance;
    instance = nullptr;
}

DeviceEnvironment* getCurrentDeviceEnvironment()
{
    if (auto* host = Host::getInstance())
        return host->getDeviceEnvironment();
    return nullptr;
}

Host::Host()
{
    // Set early so that everything built below can reach the Host.
    instance = this;

    // 1-2: cleared fields (above), then the shared state record.
    stateHolder = new StateHolder();

    // 3: the command layer, the command registry and the GUI router.
    actionManager = new ActionManager();
    commandManager = new juce::ApplicationCommandManager();
    menuBarManager = new MenuBarManager(commandManager);
    changeBroadcaster = new juce::ChangeBroadcaster();
    guiController = new MasterGuiController();
    midiManager = new MidiManager();
    bootFlag = true;

    // 4: language and default fonts, before any window exists.
    initializePlatformSpecifics();

    // 5: resources and strings, the message bus, the preferences (loaded
    // here) and their change hub, the model registry, the found-device list
    // and the image cache.
    ZEZEResource::getInstance();
    ZEZESingleton<MessageEngine>::CreateInstance();
    preferences = PreferencesData::getInstance();
    preferencesBroadcaster = PreferencesDataChangeBroadcaster::getInstance();
    ZEZESingleton<SupportedModels>::CreateInstance();
    ZEZESingleton<ConnectedDeviceInfoList>::CreateInstance();
    ZEZESingleton<ImageResourceManager>::CreateInstance();

    // 6: the form tables and the named fonts.
    UIFormManager::Initialize();
    FontLibrary::getInstance()->initialize();

    // 7: the commands, and the menu model watching their registry.
    if (commandManager != nullptr && menuBarManager != nullptr)
    {
        commandManager->registerAllCommandsForTarget(actionManager);
        // The command layer is the first target whatever has the focus, so the
        // popup menu and the shortcuts find their commands even while no
        // window of ours is active.
        commandManager->setFirstCommandTarget(actionManager);
        menuBarManager->setApplicationCommandManagerToWatch(commandManager);
    }

    // 8: the connection manager over the MIDI manager (it makes the scan
    // objects and registers with the bus first), then the overlay page
    // manager (registers itself with the bus).
    connectionManager = new MasterConnectionManager(midiManager);
    masterGuiManager = new MasterGuiManager();

    // 9: Host listens last, so the connection manager and the overlay page
    // manager see each bus message before Host decides on it.
    if (auto* bus = MessageEngine::instance())
        bus->addListener(this);

    // 10: every file slot starts as the framework's "nonexistent" file.
    for (int i = 0; i < numFileSlots; ++i)
    {
        restoreFiles[(size_t) i] = juce::File();
        commandLineFiles[(size_t) i] = juce::File();
    }
}

Host::~Host()
{
    // No timer may fire into a half-deleted Host.
    if (actionManager != nullptr)
        actionManager->stopAllTimers();

    // Leave the bus first: no bus message may reach a Host being torn down.
    if (auto* bus = MessageEngine::instance())
        bus->removeListener(this);

    // The connection manager stops the scanner, closes the scan ports and
    // the connection's ports; all of that goes before the MIDI manager they
    // deliver through.
    delete connectionManager;
    connectionManager = nullptr;

    // The device environment (and its data centre, a MIDI listener) leaves
    // the bus and the MIDI manager as it goes, so it goes before both.
    delete deviceEnvironment;
    deviceEnvironment = nullptr;

    // MIDI goes before the GUI router; its destructor closes both ports and
    // clears the listeners first.
    delete midiManager;
    midiManager = nullptr;

    // The GUI goes before the router that reaches into it.
    delete masterGuiManager;
    masterGuiManager = nullptr;

    delete guiController;
    guiController = nullptr;

    delete changeBroadcaster;
    changeBroadcaster = nullptr;

    // The preferences themselves stay: the framework deletes (and saves)
    // them at shutdown.
    delete preferencesBroadcaster;
    preferencesBroadcaster = nullptr;
    preferences = nullptr;

    delete actionManager;
    actionManager = nullptr;

    // The menu model stops watching the command manager as it goes.
    delete menuBarManager;
    menuBarManager = nullptr;

    delete commandManager;
    commandManager = nullptr;

    // The state record is read by everything above: it goes last of what
    // Host owns. The bus goes with Host: every listener has left it by now,
    // and nothing broadcasts after shutdown.
    delete stateHolder;
    stateHolder = nullptr;

    ZEZESingleton<ConnectedDeviceInfoList>::DestroyInstance();
    ZEZESingleton<SupportedModels>::DestroyInstance();
    ZEZESingleton<MessageEngine>::DestroyInstance();
    ZEZESingleton<ImageResourceManager>::DestroyInstance();
    UIFormManager::Uninitialize();

    if (instance == this)
        instance = nullptr;
}

namespace
{
// The device page is shown and hidden through the overlay page manager.
void showDeviceSelect(MasterGuiManager* manager)
{
    if (manager != nullptr)
        manager->showDeviceSelect();
}

void hideDeviceSelect(MasterGuiManager* manager)
{
    if (manager != nullptr && manager->isDeviceSelectShowing())
        manager->hideDeviceSelect();
}

// A record of a model without a device: nothing connected, no ports.
DeviceInfo* newOfflineRecord(int model)
{
    return new DeviceInfo((eProductModelId) model, false, 0, {}, 0, {}, 0, 0, 0, kMediaTypeUnknown);
}

void broadcastDeviceSelected(DeviceInfo* info)
{
    broadcastMessageId(kMessageDeviceSelectedToHost, 0, 0, 0, 0, info);
}
} // namespace

void Host::run()
{
    if (guiController != nullptr)
        guiController->showMainWindow();

    bootFlag = true;
    // The boot scan holds the connection lock until its end is handled.
    if (connectionManager != nullptr)
        connectionManager->scanDevices(true);
}

bool Host::isDeviceConnected() const
{
    return connectionManager != nullptr && connectionManager->isConnected();
}

int Host::getCurrentModelId() const
{
    return deviceEnvironment != nullptr ? (int) deviceEnvironment->getDeviceInfo().model : -1;
}

bool Host::hasCommandLineFile() const
{
    for (auto& file : commandLineFiles)
        if (file != juce::File())
            return true;
    return false;
}

void Host::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr || myMessage->getRecord() == nullptr)
        return;

    auto* record = myMessage->getRecord();
    switch (record->id)
    {
        case MessageId::ScanFinished:
        case MessageId::ReconnectScanFinished:
            // The connection manager (an earlier listener) has closed the
            // scan ports and released its lock by now.
            handleDeviceScanFinishedMessage();
            break;

        case MessageId::DeviceSelectedToHost:
            handleChangeDeviceEnvironmentMessage(static_cast<DeviceInfo*>(record->ptr));
            record->ptr = nullptr; // deleted by the handler
            break;

        default: break;
    }
}

void Host::handleDeviceScanFinishedMessage()
{
    if (bootFlag)
    {
        bootFlag = false;
        broadcastMessageId(MessageId::DeviceSelectShown);
        if (! hasCommandLineFile() || ! onBootWithFile())
            onBootWithoutFileAutoSetting();
        return;
    }

    if (resyncPending)
    {
        resyncPending = false;
        auto* list = ConnectedDeviceInfoList::instance();
        if (! isDeviceConnected() && deviceEnvironment != nullptr && list != nullptr)
        {
            int index = -1;
            if (list->findByModel(deviceEnvironment->getDeviceInfo(), &index))
                broadcastDeviceSelected(new DeviceInfo(list->getDeviceInfo((unsigned int) index)));
        }
    }

    broadcastMessageId(MessageId::MidiDevicesChanged);
}

void Host::onBootWithoutFileAutoSetting()
{
    auto* list = ConnectedDeviceInfoList::instance();
    const unsigned int count = list != nullptr ? list->getNumDevices() : 0;

    if (count == 0)
    {
        const int target = masterGuiManager != nullptr ? masterGuiManager->getCurrentTargetModel() : -1;
        if (target >= 0)
            broadcastDeviceSelected(newOfflineRecord(target));
        showDeviceSelect(masterGuiManager);
    }
    else if (count == 1)
    {
        hideDeviceSelect(masterGuiManager);
        broadcastDeviceSelected(new DeviceInfo(list->getDeviceInfo(0)));
    }
    else
    {
        showDeviceSelect(masterGuiManager);
    }
}

namespace
{
// The model named by a program file's extension, -1 when none.
int modelOfFile(const juce::File& file)
{
    auto* models = SupportedModels::instance();
    const auto extension = file.getFileExtension();
    if (models == nullptr || extension.isEmpty())
        return -1;
    std::unique_ptr<SupportedFileFormats> formats(models->getSupportedFileFormats());
    return formats->getModel(extension);
}
} // namespace

bool Host::onBootWithFile()
{
    const int model = modelOfFile(commandLineFiles[0]);
    if (model < 0)
        return false;

    auto* list = ConnectedDeviceInfoList::instance();
    const DeviceInfo wanted((eProductModelId) model, false, 0, {}, 0, {}, 0, 0, 0, kMediaTypeUnknown);
    int index = -1;
    if (list != nullptr && list->findByModel(wanted, &index))
        broadcastDeviceSelected(new DeviceInfo(list->getDeviceInfo((unsigned int) index)));
    else if (list == nullptr || list->getNumDevices() == 0)
        broadcastDeviceSelected(newOfflineRecord(model));
    return true;
}

bool Host::onBootWithDelayedFile()
{
    juce::Logger::writeToLog("Boot (with delayedfile:" + commandLineFiles[0].getFileName() + ")");
    const int model = modelOfFile(commandLineFiles[0]);
    if (model < 0)
        return false;

    auto* list = ConnectedDeviceInfoList::instance();
    const DeviceInfo wanted((eProductModelId) model, false, 0, {}, 0, {}, 0, 0, 0, kMediaTypeUnknown);
    if (list == nullptr || ! list->findByModel(wanted, nullptr))
    {
        juce::Logger::writeToLog("Host::onBootWithDelayedFile().... do broadcast kMessageDeviceSelectedToHost ");
        broadcastDeviceSelected(newOfflineRecord(model));
    }
    return true;
}

void Host::handleAnotherInstanceFinishedMessage()
{
    juce::Logger::writeToLog("Host::handleAnotherInstanceFinishedMessage()\n");
    hideDeviceSelect(masterGuiManager);
    if (hasCommandLineFile())
    {
        juce::Logger::writeToLog("Host::handleAnotherInstanceFinishedMessage() ---- command line file is assigned \n");
        onBootWithDelayedFile();
    }
    juce::Logger::writeToLog("Host::handleAnotherInstanceFinishedMessage() .. exit\n");
}

void Host::handleChangeDeviceEnvironmentMessage(DeviceInfo* infoToDelete)
{
    // The record of message 37 is ours on every path.
    const std::unique_ptr<DeviceInfo> info(infoToDelete);
    if (info == nullptr)
    {
        // The device in use was chosen again: the connection stays.
        hideDeviceSelect(masterGuiManager);
        return;
    }

    hideDeviceSelect(masterGuiManager);
    changeDeviceEnvironment(*info);
    afterChangingDeviceEnvironment(*info);

    const int model = info->model;
    bool connected = false;
    {
        // The connection lock: a boot scan's hold on it is re-entered here on
        // the same thread; the MIDI manager's port lock is taken inside.
        std::unique_ptr<juce::ScopedLock> connectionLock;
        if (connectionManager != nullptr)
            connectionLock = std::make_unique<juce::ScopedLock>(connectionManager->getConnectionLock());

        connected = connectionManager != nullptr && connectionManager->connect(*info);
        if (connected)
        {
            if (midiManager != nullptr)
                midiManager->setModel(model);
            if (isOrvaModel(model))
                audioEQManager = CAudioEQManager::getInstance();
            int family = 0, member = 0;
            if (stateHolder != nullptr && StateHolder::codesForModel(model, family, member))
            {
                stateHolder->familyCode = family;
                stateHolder->memberCode = member;
            }
            if (deviceEnvironment != nullptr)
                if (auto* dataCenter = deviceEnvironment->getDataCenter())
                {
                    // Once: a second message 37 for the open model must not
                    // make the data centre decode every message twice.
                    if (auto* listener = dynamic_cast<CRSMidiListener*>(dataCenter);
                        listener != nullptr && midiManager != nullptr)
                        midiManager->AddListenerOnce(listener);
                    dataCenter->setConnected(true);
                }
        }
    }

    const juce::String syncLog = "Host::handleChangeDeviceEnvironmentMessage() .. call doSyncronize(" + juce::String(300) + ")";
    if (actionManager == nullptr)
    {
        if (connected && connectionManager != nullptr)
        {
            juce::Logger::writeToLog(syncLog);
            connectionManager->doSyncronize(false, 300);
        }
        return;
    }

    if (actionManager->isTimerRunning(ActionManager::eREQID_DISCONNECT_STARTUP))
        actionManager->stopTimer(ActionManager::eREQID_DISCONNECT_STARTUP);

    if (connected)
    {
        if (deviceEnvironment != nullptr)
        {
            // The DWQ zone switches and the rows they govern are redrawn.
            if (model == kProductModelDWQ)
                if (auto* dwq = dynamic_cast<DWQDataCenter*>(deviceEnvironment->getDataCenter()))
                    for (int id : { 0x401, 0x501, 0x502, (int) 0x80000011, (int) 0x80000012 })
                        dwq->getUserEditSection().FireOnSectionParamPropsChanged(id);
            resyncPending = false;
            actionManager->setTimerEventReq(ActionManager::eREQID_DISCONNECT_STARTUP, 100, 0);
        }
        juce::Logger::writeToLog(syncLog);
        if (connectionManager != nullptr)
            connectionManager->doSyncronize(false, 300);
    }
    else
    {
        // Edited offline: the scan ports close, the model is set and the
        // set-up still runs; no synchronisation starts.
        if (connectionManager != nullptr)
            connectionManager->closeAllMIDIPorts();
        if (deviceEnvironment != nullptr)
        {
            if (midiManager != nullptr)
                midiManager->setModel(model);
            if (isOrvaModel(model))
                audioEQManager = CAudioEQManager::getInstance();
            resyncPending = false;
            actionManager->setTimerEventReq(ActionManager::eREQID_DISCONNECT_STARTUP, 100, 0);
        }
    }
}

void Host::changeDeviceEnvironment(const DeviceInfo& info)
{
    if (deviceEnvironment != nullptr && deviceEnvironment->getDeviceInfo().isSameModel(info))
        return;

    delete deviceEnvironment;
    deviceEnvironment = DeviceEnvironmentBuilder::createDeviceEnvironment(info);
}

void Host::afterChangingDeviceEnvironment(const DeviceInfo& info)
{
    if (deviceEnvironment == nullptr)
        return;
    if (masterGuiManager != nullptr)
        masterGuiManager->changeTargetModel(info.model);
    if (actionManager != nullptr)
        actionManager->setMenuEnable(true);
    broadcastMessageId(MessageId::DeviceEnvironmentChanged);
}
