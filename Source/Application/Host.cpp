#include "Application/Host.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/PlatformInitializer.h"
#include "Application/StateHolder.h"
#include "Common/DeviceEnvironment.h"
#include "Common/DeviceEnvironmentBuilder.h"
#include "Connection/DeviceScanMidiPortManager.h"
#include "Connection/DeviceScanner.h"
#include "Core/ConnectedDeviceInfoList.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "Core/SupportedFileFormats.h"
#include "Core/SupportedModels.h"
#include "DataCenter/DataCenter.h"
#include "EQ/CAudioEQManager.h"
#include "GUI/FontLibrary.h"
#include "GUI/ImageResourceManager.h"
#include "GUI/MasterGuiController.h"
#include "GUI/MasterGuiManager.h"
#include "Preferences/PreferencesData.h"
#include "Preferences/PreferencesDataChangeBroadcaster.h"
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

    // 6: the named fonts.
    FontLibrary::getInstance()->initialize();

    // 8: the scan objects over the MIDI manager (the connection manager's
    // once it exists), then the overlay page manager (registers itself with
    // the bus).
    scanPortManager = new DeviceScanMidiPortManager(midiManager);
    deviceScanner = new DeviceScanner(scanPortManager);
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

    // The scanner stops and leaves the MIDI manager before the scan ports
    // close, and both go before the MIDI manager they deliver through.
    delete deviceScanner;
    deviceScanner = nullptr;
    delete scanPortManager;
    scanPortManager = nullptr;

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
    startDeviceScan(true);
}

void Host::startDeviceScan(bool boot)
{
    // The connection manager will own this and hold its lock for the boot
    // scan; until then the scanner is started here.
    if (scanPortManager == nullptr || deviceScanner == nullptr)
        return;
    scanPortManager->openAllPorts(deviceScanner);
    deviceScanner->execute(1500, boot ? DeviceScanner::kScanModeBoot : DeviceScanner::kScanModeReconnect);
}

void Host::closeScanPorts()
{
    if (scanPortManager != nullptr)
        scanPortManager->closeAllPorts();
}

bool Host::isDeviceConnected() const
{
    return midiManager != nullptr && midiManager->isMIDIOutPortOpen();
}

bool Host::connectDevice(const DeviceInfo& info)
{
    if (midiManager == nullptr || info.midiInName.isEmpty() || info.midiOutName.isEmpty())
        return false;
    if (! midiManager->openMIDIInPort(midiManager->getMIDIInPortFromName(info.midiInName)))
        return false;
    return midiManager->openMIDIOutPort(midiManager->getMIDIOutPortFromName(info.midiOutName));
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
            // The scan ports close as the scan's end is handled (the
            // connection manager's part, done here until it exists).
            closeScanPorts();
            handleDeviceScanFinishedMessage();
            break;

        case MessageId::DeviceSelectedToHost:
            handleChangeDeviceEnvironmentMessage(static_cast<DeviceInfo*>(record->ptr));
            record->ptr = nullptr; // deleted by the handler
            break;

        default:
            break;
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
        return;

    hideDeviceSelect(masterGuiManager);
    changeDeviceEnvironment(*info);
    afterChangingDeviceEnvironment(*info);

    const int model = info->model;
    const bool connected = connectDevice(*info);
    if (connected)
    {
        if (midiManager != nullptr)
            midiManager->setModel(model);
        if (model >= 2 && model <= 5)
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
                if (auto* listener = dynamic_cast<CRSMidiListener*>(dataCenter); listener != nullptr && midiManager != nullptr)
                    midiManager->AddListener(listener);
                dataCenter->setConnected(true);
            }
    }
    else if (deviceEnvironment != nullptr && midiManager != nullptr)
    {
        // Edited offline: the model is set, no synchronisation starts.
        midiManager->setModel(model);
        if (model >= 2 && model <= 5)
            audioEQManager = CAudioEQManager::getInstance();
    }

    // The post-connect timer (which also clears the resynchronise-pending
    // flag) and the synchronisation belong to the command layer and the
    // connection manager; they are started here once those exist.
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
    broadcastMessageId(MessageId::DeviceEnvironmentChanged);
}
