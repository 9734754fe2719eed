#include "Application/Host.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/PlatformInitializer.h"
#include "Application/StateHolder.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "GUI/FontLibrary.h"
#include "GUI/MasterGuiController.h"
#include "GUI/MasterGuiManager.h"

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

    // 5: the message bus.
    ZEZESingleton<MessageEngine>::CreateInstance();

    // 6: the named fonts.
    FontLibrary::getInstance()->initialize();

    // 8: the overlay page manager (registers itself with the bus).
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

    delete actionManager;
    actionManager = nullptr;

    delete commandManager;
    commandManager = nullptr;

    // The state record is read by everything above: it goes last of what
    // Host owns. The bus goes with Host: every listener has left it by now,
    // and nothing broadcasts after shutdown.
    delete stateHolder;
    stateHolder = nullptr;

    ZEZESingleton<MessageEngine>::DestroyInstance();

    if (instance == this)
        instance = nullptr;
}

void Host::run()
{
    if (guiController != nullptr)
        guiController->showMainWindow();

    bootFlag = true;
}

int Host::getCurrentModelId() const
{
    return -1;
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
        resyncPending = false;

    broadcastMessageId(MessageId::MidiDevicesChanged);
}

void Host::onBootWithoutFileAutoSetting()
{
}

bool Host::onBootWithFile()
{
    return false;
}

bool Host::onBootWithDelayedFile()
{
    return false;
}

void Host::handleAnotherInstanceFinishedMessage()
{
    juce::Logger::writeToLog("Host::handleAnotherInstanceFinishedMessage()\n");
    if (hasCommandLineFile())
    {
        juce::Logger::writeToLog("Host::handleAnotherInstanceFinishedMessage() ---- command line file is assigned \n");
        onBootWithDelayedFile();
    }
    juce::Logger::writeToLog("Host::handleAnotherInstanceFinishedMessage() .. exit\n");
}

void Host::handleChangeDeviceEnvironmentMessage(DeviceInfo* info)
{
    juce::ignoreUnused(info);
}
