// The one-shot timers and the steps they carry out: post-connect set-up,
// delayed synchronisation and its time-out, the blank-program check, the
// refreshes; the notices posted to the command layer and the quit rule.
#include "Action/ActionManager.h"
#include "Core/ProductModel.h"

#include "Action/MidiManager.h"
#include "Action/ProgressView.h"
#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "Common/DeviceEnvironment.h"
#include "Core/ConnectedDeviceInfoList.h"
#include "Core/MasterConnectionManager.h"
#include "Core/MyMessage.h"
#include "DWQ/DWQDataCenter.h"
#include "DataCenter/DataCenter.h"
#include "DataCenter/OrvaDataCenter.h"
#include "HMQ/HMQDataCenter.h"
#include "ParamTable/COrvaUserEditSectionBase.h"

#include <cstring>

namespace
{
// The ids that are ever requested; stopAllTimers stops each of them.
constexpr int allTimerIds[] = { ActionManager::timerStatusRefresh,        ActionManager::timerMainRefresh,
                                ActionManager::timerPresetRefresh,        ActionManager::eREQID_DISCONNECT_STARTUP,
                                ActionManager::eREQID_DELAYED_SYNCRONIZE, ActionManager::timerReceiveChainEnd,
                                ActionManager::eREQID_BLANKPROG_CHECK,    ActionManager::eREQID_MODEREQUEST_TIMEOUT,
                                ActionManager::timerAnotherInstance };
} // namespace

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
        case timerStatusRefresh: runStatusRefresh(); break;

        case timerMainRefresh: refreshMainComponent(); break;

        case timerPresetRefresh:
            // The DWQ and HMQ preset pages show the names just received; the
            // other models have no preset page.
            if (progressView != nullptr)
                progressView->renewPresetButtons();
            break;

        case eREQID_DISCONNECT_STARTUP: runPostConnectSetup(); break;

        case eREQID_DELAYED_SYNCRONIZE: runDelayedSynchronize(); break;

        case timerReceiveChainEnd: break;

        case eREQID_BLANKPROG_CHECK: runBlankProgramCheck(); break;

        case eREQID_MODEREQUEST_TIMEOUT: runModeRequestTimeout(); break;

        case timerAnotherInstance:
            if (auto* host = Host::getInstance())
                host->handleAnotherInstanceFinishedMessage();
            break;

        default: break;
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

namespace
{
// How often a waiting quit looks whether the amplifier still answers.
constexpr int quitWaitCheckMs = 500;
} // namespace

bool ActionManager::quitMustWait()
{
    auto* midi = midiManager();
    if (midi == nullptr || ! midi->isBulkTransmit())
        return false;
    const auto now = juce::Time::getMillisecondCounter();
    const int progress = midi->getSequenceCounter();
    if (! quitRequested || progress != quitWaitProgress)
    {
        quitWaitProgress = progress;
        quitWaitProgressAt = now;
    }
    return now - quitWaitProgressAt < (juce::uint32) quitWaitSilenceMs;
}

bool ActionManager::executeQuit(int model)
{
    juce::ignoreUnused(model);
    // Quitting in the middle of a transmit-all would leave the amplifier's
    // user programs half written: the quit waits for the end of the
    // transmission, whose status refresh (timer 1) asks to quit again, or
    // until the amplifier stops answering.
    if (quitMustWait())
    {
        if (! quitRequested)
            juce::Logger::writeToLog("ActionManager::executeQuit() deferred until the transmission ends");
        quitRequested = true;
        if (progressView != nullptr)
            progressView->showQuitWaiting(true);
        setTimerEventReq(timerStatusRefresh, quitWaitCheckMs, 0);
        return false;
    }
    if (quitRequested)
        if (auto* midi = midiManager(); midi != nullptr && midi->isBulkTransmit())
            juce::Logger::writeToLog("ActionManager::executeQuit() the amplifier stopped answering: the quit waits no longer");
    quitRequested = false;
    return true;
}

void ActionManager::refreshMainComponent()
{
    if (progressView != nullptr)
        progressView->refreshStatus();
}

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
    // transfer has ended or the amplifier has stopped answering it; until
    // then it is looked at again.
    if (quitRequested)
    {
        if (quitMustWait())
            setTimerEventReq(timerStatusRefresh, quitWaitCheckMs, 0);
        else if (auto* app = juce::JUCEApplicationBase::getInstance())
            app->systemRequestedQuit();
    }

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
    if (isOrvaModel(model))
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
    else if (model == kProductModelDWQ)
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
    else if (model == kProductModelHMQ)
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
    if (! isKnownModel(model))
        return;

    // The receive chain counts user programs from the model's first one.
    midi->setSequenceCounter(isOrvaModel(model) ? 0 : (model == kProductModelHMQ ? 60 : 11));
    midi->resetSubChains();
    midi->setSynchronised(false);
    if (auto* dataCenter = environment->getDataCenter())
    {
        dataCenter->setSynchronised(false);
        dataCenter->beginReceiveChain();
    }
    midi->setSyncRunning(true);
    midi->setBulkReceive(false);
    juce::Logger::writeToLog(isOrvaModel(model) ? "eREQID_DELAYED_SYNCRONIZE => eREQID_MODEREQUEST_TIMEOUT setting"
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
    if (dataCenter == nullptr || ! isOrvaModel(model))
        return;

    const juce::ScopedLock sl(viewLock);
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
