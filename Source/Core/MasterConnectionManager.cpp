#include "Core/MasterConnectionManager.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "Common/DeviceEnvironment.h"
#include "Connection/DeviceScanMidiPortManager.h"
#include "Connection/DeviceScanner.h"
#include "Core/ConnectedDeviceInfoList.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "Core/ProductModel.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Shell/MasterGuiController.h"

DeviceScanner* MasterConnectionManager::m_deviceScanner = nullptr;
DeviceScanMidiPortManager* MasterConnectionManager::m_deviceScanMidiPortManager = nullptr;

namespace
{
DeviceEnvironment* environment()
{
    return getCurrentDeviceEnvironment();
}

DataCenter* dataCenterOf(DeviceEnvironment* env)
{
    return env != nullptr ? env->getDataCenter() : nullptr;
}

bool isModel(int model) noexcept
{
    return isKnownModel(model);
}

// The first program of a model's receive chain.
int firstProgramOf(int model) noexcept
{
    return isOrvaModel(model) ? 0 : (model == kProductModelHMQ ? 60 : 11);
}
} // namespace

MasterConnectionManager::MasterConnectionManager(MidiManager* manager) : midiManager(manager)
{
    if (midiManager != nullptr)
    {
        midiManager->AddListener(this);
        m_deviceScanMidiPortManager = new DeviceScanMidiPortManager(midiManager);
        m_deviceScanner = new DeviceScanner(m_deviceScanMidiPortManager);
        scannerReady = true;
    }

    if (auto* bus = MessageEngine::instance())
        bus->addListener(this);
}

MasterConnectionManager::~MasterConnectionManager()
{
    if (auto* bus = MessageEngine::instance())
        bus->removeListener(this);

    // The scanner stops and leaves the MIDI manager before the scan ports
    // close; both go before the MIDI manager they deliver through.
    delete m_deviceScanner;
    m_deviceScanner = nullptr;
    if (m_deviceScanMidiPortManager != nullptr)
        m_deviceScanMidiPortManager->closeAllPorts();
    delete m_deviceScanMidiPortManager;
    m_deviceScanMidiPortManager = nullptr;

    // A boot scan that never ended still holds the connection lock.
    if (scanHoldsLock)
    {
        connectionLock.exit();
        scanHoldsLock = false;
    }

    if (midiManager != nullptr)
    {
        midiManager->RemoveListener(this);
        if (midiManager->getMIDIInPortIndex() >= 0)
            midiManager->closeMIDIInPort();
        if (midiManager->getMIDIOutPortIndex() >= 0)
            midiManager->closeMIDIOutPort();
    }
}

void MasterConnectionManager::SendMessageToGuiController(int id, int a, int b, int c, int d)
{
    auto* host = Host::getInstance();
    auto* controller = host != nullptr ? host->getMasterGuiController() : nullptr;
    if (controller != nullptr)
        postMessageTo(controller, MyMessage::create(id, a, b, c, d));
}

void MasterConnectionManager::markDataCenter(bool connected)
{
    if (auto* dataCenter = dataCenterOf(environment()))
    {
        dataCenter->FireOnConnectStatusChanged(connected);
        dataCenter->setConnected(connected);
    }
}

void MasterConnectionManager::attachDataCenter()
{
    auto* dataCenter = dataCenterOf(environment());
    if (dataCenter == nullptr)
        return;
    // Once only: a listener registered twice would decode every message twice.
    if (auto* listener = dynamic_cast<CRSMidiListener*>(dataCenter); listener != nullptr && midiManager != nullptr)
        midiManager->AddListenerOnce(listener);
    markDataCenter(true);
}

bool MasterConnectionManager::connect(const DeviceInfo& info)
{
    if (midiManager == nullptr)
    {
        disconnectCount = 1;
        return false;
    }

    const juce::ScopedLock sl(connectionLock);
    const int in = midiManager->getMIDIInPortFromName(info.midiInName);
    const int out = midiManager->getMIDIOutPortFromName(info.midiOutName);
    if (in < 0)
    {
        disconnectCount = 1;
        return false;
    }

    bool ok = midiManager->openMIDIInPort(in);
    if (ok && out >= 0)
        ok = midiManager->openMIDIOutPort(out);
    if (! ok)
    {
        disconnectCount = 1;
        return false;
    }

    disconnectCount = 0;
    if (auto* env = environment())
    {
        if (env->getDataCenter() != nullptr)
            markDataCenter(true);
    }
    else
    {
        SendMessageToGuiController(MessageId::ConnectionStatus, 1, 0, 0, 0);
    }
    return true;
}

void MasterConnectionManager::disconnect()
{
    if (midiManager != nullptr)
    {
        if (midiManager->isMIDIInPortOpen() && midiManager->getMIDIInPortIndex() >= 0)
            midiManager->closeMIDIInPort();
        if (midiManager->isMIDIOutPortOpen() && midiManager->getMIDIOutPortIndex() >= 0)
            midiManager->closeMIDIOutPort();

        // A transfer cut off by the disconnect never completes: its flags
        // would otherwise block the next synchronisation for good.
        midiManager->setSyncRunning(false);
        midiManager->setBulkReceive(false);
        midiManager->setBulkTransmit(false);
        midiManager->setAudioEQBulkReceive(false);
        midiManager->setCustomBulkReceive(false);
        midiManager->setSequenceCounter(0);
        midiManager->setAudioEQCounter(0);
        midiManager->setCustomCounter(0);
    }

    // The progress dialog of a cut-off transfer closes, and a quit that
    // waited for that transfer is given up (a later status refresh would
    // otherwise quit out of the blue).
    if (auto* host = Host::getInstance())
        if (auto* actions = host->getActionManager())
        {
            actions->setQuitRequested(false);
            actions->CloseProgressBarDialog();
        }

    ++disconnectCount;

    if (environment() == nullptr)
        SendMessageToGuiController(MessageId::ConnectionStatus, 0, 0, 0, 0);
    else
        markDataCenter(false);
}

void MasterConnectionManager::disconnectAndClearListeners()
{
    // The ports close first and the listener list is cleared after, each
    // under its own lock: holding the listener lock while an input closes
    // would wait for a MIDI callback that itself waits for the listener lock.
    disconnect();
    if (midiManager != nullptr)
        midiManager->ClearListeners();
}

void MasterConnectionManager::cableRemoved()
{
    if (auto* env = environment())
        lostDevice = env->getDeviceInfo();

    disconnectAndClearListeners();
    if (midiManager != nullptr)
        midiManager->clearMIDIPortIndexes();
    closeAllMIDIPorts();

    if (environment() == nullptr)
        SendMessageToGuiController(MessageId::ConnectionStatus, 0, 0, 0, 0);
}

bool MasterConnectionManager::reconnect(bool force)
{
    if (! force && disconnectCount < 1)
        return false;
    if (midiManager == nullptr)
        return false;

    const int in = midiManager->getMIDIInPortIndex();
    const int out = midiManager->getMIDIOutPortIndex();

    const juce::ScopedLock sl(connectionLock);
    bool ok = false;
    if (in >= 0 && out >= 0)
    {
        if (force)
            ok = midiManager->openMIDIInPort(in) && midiManager->openMIDIOutPort(out);
        else
            ok = midiManager->reopenMIDIInPort(in) && midiManager->reopenMIDIOutPort(out);
    }

    disconnectCount = ok ? 0 : 1;
    if (ok)
    {
        auto* env = environment();
        if (env == nullptr)
            SendMessageToGuiController(MessageId::ConnectionStatus, 1, 0, 0, 0);
        else if (isModel(env->getDeviceInfo().model))
            attachDataCenter();
    }
    return ok;
}

bool MasterConnectionManager::reConnectMIDIport()
{
    auto* list = ConnectedDeviceInfoList::instance();
    if (list == nullptr)
        return false;

    const unsigned int count = list->getNumDevices();
    auto firstWhere = [&](auto predicate, DeviceInfo& chosen) {
        for (unsigned int i = 0; i < count; ++i)
        {
            const auto entry = list->getDeviceInfo(i);
            if (predicate(entry))
            {
                chosen = entry;
                return true;
            }
        }
        return false;
    };

    DeviceInfo chosen;
    bool lostDeviceListed = true;
    if (list->find(lostDevice))
    {
        if (! firstWhere([this](const DeviceInfo& e) { return e.isSameDeviceInfo(lostDevice); }, chosen))
            return false;
    }
    else if (list->findByModel(lostDevice, nullptr))
    {
        if (! firstWhere([this](const DeviceInfo& e) { return e.model == lostDevice.model; }, chosen))
            return false;
    }
    else
    {
        lostDeviceListed = false;
        auto* env = environment();
        if (env == nullptr)
        {
            SendMessageToGuiController(MessageId::ConnectionStatus, 1, 0, 0, 0);
            return false;
        }
        const int model = env->getDeviceInfo().model;
        if (model == kProductModelNone)
            return false;
        if (! firstWhere([model](const DeviceInfo& e) { return e.model == model; }, chosen))
            return false;
    }

    connectedDevice = chosen;
    const juce::ScopedLock sl(connectionLock);
    if (! connect(connectedDevice))
        return false;

    auto* env = environment();
    const int model = connectedDevice.model;
    if (lostDeviceListed)
    {
        if (env == nullptr)
            SendMessageToGuiController(MessageId::ConnectionStatus, 1, 0, 0, 0);
        else if (isModel(model))
            attachDataCenter();
    }
    else
    {
        if (midiManager != nullptr)
            midiManager->setModel(model);
        if (auto* host = Host::getInstance())
            if (auto* state = host->getStateHolder())
                state->familyCode = model == kProductModelDWQ ? 0x132 : (model == kProductModelHMQ ? 0x134 : 0x141);
        attachDataCenter();
    }
    return true;
}

void MasterConnectionManager::closeAllMIDIPorts()
{
    if (m_deviceScanMidiPortManager != nullptr)
        m_deviceScanMidiPortManager->closeAllPorts();
}

void MasterConnectionManager::scanDevices(bool lock)
{
    startScan(lock, DeviceScanner::kScanModeBoot);
}

void MasterConnectionManager::scanDevicesforReconnect(bool lock)
{
    startScan(lock, DeviceScanner::kScanModeReconnect);
}

void MasterConnectionManager::startScan(bool lock, int mode)
{
    if (scanning && scannerReady)
    {
        // The running scan may be past its probes already: asking its
        // thread again would change nothing. The new scan starts when the
        // running one has ended.
        rescanPending = true;
        return;
    }

    scanning = true;
    if (m_deviceScanner == nullptr || m_deviceScanMidiPortManager == nullptr)
        return;

    m_deviceScanMidiPortManager->openAllPorts(m_deviceScanner);
    scanHoldsLock = lock;
    if (lock)
        connectionLock.enter();
    m_deviceScanner->execute(1500, (DeviceScanner::eScanMode) mode);
}

void MasterConnectionManager::startPendingRescan()
{
    if (! rescanPending || scanning)
        return;
    rescanPending = false;
    scanDevicesforReconnect(false);
}

void MasterConnectionManager::doSyncronize(bool force, int delayMs)
{
    if (midiManager == nullptr)
        return;
    if (! force && (midiManager->isBulkReceive() || midiManager->isAudioEQBulkReceive()))
        return;

    auto* list = ConnectedDeviceInfoList::instance();
    if (list == nullptr || list->getNumDevices() == 0)
        return;

    if (delayMs == 0)
    {
        auto* env = environment();
        if (env == nullptr)
            return;
        midiManager->setSequenceCounter(firstProgramOf(env->getDeviceInfo().model));
        midiManager->resetSubChains();
        midiManager->setSynchronised(false);
        if (auto* dataCenter = env->getDataCenter())
            dataCenter->setSynchronised(false);
        midiManager->setSyncRunning(true);

        // As for a delayed synchronisation: an amplifier that does not answer
        // the mode request within 2 seconds is treated as unplugged, instead
        // of leaving the synchronisation marked as running for good.
        auto* host = Host::getInstance();
        if (auto* actions = host != nullptr ? host->getActionManager() : nullptr)
            actions->setTimerEventReq(ActionManager::eREQID_MODEREQUEST_TIMEOUT, 2000, 0);

        midiManager->sendModeRequest();
    }
    else if (delayMs > 0)
    {
        auto* host = Host::getInstance();
        if (auto* actions = host != nullptr ? host->getActionManager() : nullptr)
            actions->setTimerEventReq(ActionManager::eREQID_DELAYED_SYNCRONIZE, delayMs, 0);
    }
}

void MasterConnectionManager::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr)
        return;

    switch (myMessage->getId())
    {
        case MessageId::ScanFinished:
            closeAllMIDIPorts();
            if (scanHoldsLock)
                connectionLock.exit();
            scanning = false;
            scanHoldsLock = false;
            startPendingRescan();
            break;

        case MessageId::ReconnectScanFinished:
            closeAllMIDIPorts();
            if (scanHoldsLock)
            {
                connectionLock.exit();
                scanHoldsLock = false;
            }
            scanning = false;
            if (reConnectMIDIport())
                doSyncronize(false, 0);
            startPendingRescan();
            break;

        default: break;
    }
}
