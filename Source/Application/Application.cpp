#include "Application/Application.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "Core/MasterConnectionManager.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "DWQ/DWQ_PrefsDefine.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "Platform/MidiSetupWatcher.h"
#include "Platform/SecondLaunchHandover.h"
#include "Preferences/PreferencesData.h"
#include "ZEZEResource.h"

const char* const Application::instanceName = "Rig Smith";

Application::Application() = default;

Application::~Application() = default;

void Application::initialise(const juce::String& commandLine)
{
    startCommandLine = commandLine;

    if (Host::createInstance() == nullptr)
    {
        quit();
        return;
    }

    parseCommandLine(commandLine);

    // Resources and localised strings, before any window exists.
    ZEZEResource::getInstance();

    // Second launches hand their command line to this instance.
    handover =
        std::make_unique<SecondLaunchHandover>(instanceName, [this](const juce::String& line) { anotherInstanceStarted(line); });

    // MIDI devices coming and going reach midiDevRemoved/midiDevAdded.
    midiSetupWatcher = std::make_unique<MidiSetupWatcher>();
    midiSetupWatcher->start();

    if (auto* host = Host::getInstance())
        host->run();
}

juce::StringArray Application::tokenizeCommandLine(const juce::String& commandLine)
{
    juce::StringArray tokens;
    juce::String current;
    bool inQuotes = false;

    for (auto p = commandLine.getCharPointer(); ! p.isEmpty(); ++p)
    {
        const auto c = *p;
        if (! inQuotes)
        {
            if (c == '"')
            {
                inQuotes = true;
            }
            else if (c == ' ')
            {
                tokens.add(current);
                current.clear();
            }
            else
            {
                current += c;
            }
        }
        else
        {
            if (c == '"')
            {
                tokens.add(current);
                current.clear();
                inQuotes = false;
            }
            else
            {
                current += c;
            }
        }
    }

    if (current.isNotEmpty())
        tokens.add(current);

    return tokens;
}

juce::Array<juce::File> Application::selectCommandLineFiles(const juce::StringArray& tokens)
{
    juce::Array<juce::File> files;
    const int examined = juce::jmin(3, tokens.size());
    for (int i = 0; i < examined; ++i)
    {
        const auto& token = tokens[i];
        if (token.isEmpty() || token.length() < 9 || token.startsWithChar('-'))
            continue;
        // The token is the path as given; a relative one names a file in the
        // working folder.
        const auto file = juce::File::getCurrentWorkingDirectory().getChildFile(token);
        if (file.existsAsFile())
            files.add(file);
    }
    return files;
}

void Application::parseCommandLine(const juce::String& commandLine)
{
    auto* host = Host::getInstance();
    if (host == nullptr)
        return;

    const auto files = selectCommandLineFiles(tokenizeCommandLine(commandLine));
    for (int slot = 0; slot < files.size(); ++slot)
        host->commandLineFile(slot) = files.getReference(slot);
}

void Application::anotherInstanceStarted(const juce::String& commandLine)
{
    if (commandLine != startCommandLine)
        parseCommandLine(commandLine);

    auto* host = Host::getInstance();
    if (host != nullptr && host->getDeviceEnvironment() != nullptr)
    {
        juce::Logger::writeToLog("Application::anotherInstanceStarted() devEnv = (not null)");
        if (auto* actions = host->getActionManager())
            actions->fileShouldOpen_commandline(nullptr, true);
    }
    else
    {
        juce::Logger::writeToLog("Application::anotherInstanceStarted() devEnv = (null)");

        // Without a device environment the files open once the start-up
        // settles: a pending post-connect set-up gives way to the hand-over.
        if (auto* actions = host != nullptr ? host->getActionManager() : nullptr)
        {
            if (actions->isTimerRunning(ActionManager::eREQID_DISCONNECT_STARTUP))
            {
                actions->stopTimer(ActionManager::eREQID_DISCONNECT_STARTUP);
                juce::Logger::writeToLog("Application::anotherInstanceStarted() timer(eREQID_DISCONNECT_STARTUP) stopped");
            }
            actions->setTimerEventReq(ActionManager::timerAnotherInstance, 1500, 0);
        }
    }

    juce::Logger::writeToLog("Application::anotherInstanceStarted() exit\n");
}

void Application::systemRequestedQuit()
{
    auto* host = Host::getInstance();
    int modelId = -1;
    if (host != nullptr && host->getDeviceEnvironment() != nullptr)
    {
        modelId = host->getCurrentModelId();
        saveInstanceState();
    }

    auto* actions = host != nullptr ? host->getActionManager() : nullptr;
    if (actions == nullptr || actions->executeQuit(modelId))
        quit();
}

void Application::shutdown()
{
    if (auto* host = Host::getInstance())
    {
        // No transfer is running any more: a late reply must not restart one.
        if (auto* midi = host->getMidiManager())
        {
            midi->setSyncRunning(false);
            midi->setBulkReceive(false);
            midi->setBulkTransmit(false);
            midi->setAudioEQBulkReceive(false);
            if (auto* actions = host->getActionManager())
                actions->CloseProgressBarDialog();
        }

        // The edit, global and audio-EQ buffers are kept for the next start.
        if (auto* environment = host->getDeviceEnvironment())
        {
            if (auto* dataCenter = environment->getDataCenter())
            {
                dataCenter->BackupEditBuf();
                dataCenter->BackupGlobalBuf();
                dataCenter->BackupCurAudioEQBuf();
            }
        }
    }

    handover.reset();
    midiSetupWatcher.reset();
    savePreferences();
    Host::destroyInstance();
}

void Application::savePreferences()
{
    auto* host = Host::getInstance();
    if (host == nullptr)
        return;
    auto* controller = host->getMasterGuiController();
    auto* preferences = host->getPreferencesData();
    if (controller == nullptr || preferences == nullptr)
        return;
    auto* window = controller->getMainWindow();
    if (window == nullptr)
        return;

    // Store where the window manager's frame stands: a window placed at a
    // position gets its frame there, so storing the content's position
    // instead would move the window down by the title bar on every start.
    auto position = window->getPosition();
    if (auto* peer = window->getPeer())
        if (const auto frame = peer->getFrameSizeIfPresent())
            position -= juce::Point<int>((*frame).getLeft(), (*frame).getTop());
    preferences->setValue(DWQ::PreferencesLibrarianWindowX, position.x);
    preferences->setValue(DWQ::PreferencesLibrarianWindowY, position.y);
}

void Application::suspended()
{}

namespace
{
MasterConnectionManager* connectionManager()
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getMasterConnectionManager() : nullptr;
}

// Whether a USB-attached amplifier is resynchronised after a wake: the
// system's USB MIDI ports only survive sleep from macOS 10.12 on; on other
// systems they do.
bool usbPortsSurviveSleep()
{
#if JUCE_MAC
    return juce::SystemStats::getOperatingSystemType() >= juce::SystemStats::MacOSX_10_12;
#else
    return true;
#endif
}
} // namespace

void Application::resumed()
{
    auto* connection = connectionManager();
    if (connection == nullptr)
        return;

    bool fullReconnect = false;
    bool result = false;
    const auto& device = connection->getConnectedDevice();
    if (connection->isConnected() && (device.model == kProductModelNone || device.isConnected()))
    {
        result = connection->reconnect(false);
        fullReconnect = true;
    }
    else
    {
        result = connection->reConnectMIDIport();
    }

    // Without a device environment nothing was ever opened: there is no
    // device whose link could be judged and nothing to resynchronise.
    auto* environment = getCurrentDeviceEnvironment();
    if (environment == nullptr)
        return;

    if (environment->getDeviceInfo().mediaType == kMediaTypeUSB)
    {
        result = usbPortsSurviveSleep();
        if (! result)
            fullReconnect = false;
    }

    if (result || fullReconnect)
        connection->doSyncronize(false, 1000);
}

void Application::midiDevRemoved()
{
    auto* connection = connectionManager();
    if (connection == nullptr || ! connection->isConnected())
        return;

    // The connection comes down first and the scan follows, so that the
    // scan really probes the ports still present: when the device removed
    // was another one, the amplifier is found again and reconnected.
    connection->setCableRemoved(1);
    connection->cableRemoved();
    connection->scanDevicesforReconnect(false);
}

void Application::midiDevAdded()
{
    auto* connection = connectionManager();
    if (connection != nullptr && ! connection->isConnected())
        connection->scanDevicesforReconnect(false);
}

void Application::saveInstanceState()
{
    if (auto* host = Host::getInstance())
        if (auto* actions = host->getActionManager())
            actions->executeTabFileBackup();
}

bool Application::backButtonPressed()
{
    if (MessageEngine::instance() != nullptr)
        broadcastMessageId(MessageId::CloseOverlays);
    return true;
}
