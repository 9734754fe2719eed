// The connection end to end against simulated amplifiers: the boot scan with
// the connection lock, connect and synchronisation through timers 5 and 8,
// a cable pulled (in the middle of a synchronisation) and the amplifier
// coming back, a silent amplifier's mode-request time-out, waking, devices
// added while connected, and the offline set-up.
#include "Application/Application.h"
#include "Application/StateHolder.h"
#include "Core/ConnectedDeviceInfoList.h"
#include "DWQ/DWQDataCenter.h"
#include "DataCenter/OrvaDataCenter.h"
#include "HMQ/HMQDataCenter.h"
#include "OrvaKX/OKXDataCenter.h"
#include "support/BootedHostFixture.h"
#include "support/SectionTestSupport.h"

#include <algorithm>
#include <cstring>
#include <thread>

using testing_support::pumpFor;
using testing_support::pumpUntil;
using Bytes = SimulatedAmplifier::Bytes;

namespace
{
// Whether another thread could take the lock now.
bool isFreeForOtherThreads(const juce::CriticalSection& lock)
{
    bool free = false;
    std::thread probe([&] {
        free = lock.tryEnter();
        if (free)
            lock.exit();
    });
    probe.join();
    return free;
}

struct ConnectionFixture : testing_support::BootedHostFixture
{
    // The boot scan of Host::run, without the main window.
    void boot()
    {
        host = Host::createInstance();
        connection = host->getMasterConnectionManager();
        midi = host->getMidiManager();
        actions = host->getActionManager();
        host->setBootFlag(true);
        connection->scanDevices(true);
        EXPECT_FALSE(isFreeForOtherThreads(connection->getConnectionLock()));
        EXPECT_TRUE(pumpUntil([this] { return ! host->isBooting(); }, testing_support::patienceMs));
        EXPECT_TRUE(isFreeForOtherThreads(connection->getConnectionLock()));
        pumpFor(30); // message 37 and what follows
    }

    OrvaDataCenter* dataCenter() const { return dynamic_cast<OrvaDataCenter*>(currentDataCenter()); }

    bool waitSynchronised(int timeoutMs = 5000)
    {
        return pumpUntil(
            [this] {
                auto* dc = dataCenter();
                return dc != nullptr && dc->isSynchronised() && ! midi->isSyncRunning();
            },
            timeoutMs);
    }

    bool waitScanEnded()
    {
        return pumpUntil([this] { return ! connection->isScanning(); }, testing_support::patienceMs);
    }

    void expectFlagsClear() const
    {
        EXPECT_FALSE(midi->isSyncRunning());
        EXPECT_FALSE(midi->isBulkReceive());
        EXPECT_FALSE(midi->isBulkTransmit());
        EXPECT_FALSE(midi->isAudioEQBulkReceive());
    }

    int modeRequestsReceived(const SimulatedAmplifier& amp) const
    {
        int n = 0;
        for (auto& m : amp.getReceived())
            n += (m.isSysEx() && m.getRawDataSize() >= 8 && m.getRawData()[6] == 0x12) ? 1 : 0;
        return n;
    }

    MasterConnectionManager* connection = nullptr;
    MidiManager* midi = nullptr;
    ActionManager* actions = nullptr;
};
} // namespace

TEST_F(ConnectionFixture, BootConnectsAndSynchronisesThroughTimersFiveAndEight)
{
    SimulatedAmplifier amp(ports, 2);
    boot();
    ASSERT_NE(dataCenter(), nullptr);
    EXPECT_TRUE(connection->isConnected());
    EXPECT_TRUE(dataCenter()->isConnected());
    EXPECT_EQ(midi->getNumListeners(), 1);
    EXPECT_TRUE(log.contains("Host::handleChangeDeviceEnvironmentMessage() .. call doSyncronize(300)"));

    ASSERT_TRUE(waitSynchronised());
    EXPECT_TRUE(log.contains("ActionManager::timerCallback(eREQID_DELAYED_SYNCRONIZE)"));
    EXPECT_TRUE(midi->isSynchronised());
    EXPECT_FALSE(actions->isTimerRunning(ActionManager::eREQID_MODEREQUEST_TIMEOUT));
    // Timer 5 ran its set-up before timer 8 (100 ms before 300 ms).
    EXPECT_TRUE(host->isResyncPending());
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Bytes(dataCenter()->getRAMProgPtr(i), dataCenter()->getRAMProgPtr(i) + 62), amp.getUserProgram(i));
    EXPECT_EQ(modeRequestsReceived(amp), 1);
}

TEST_F(ConnectionFixture, CablePulledMidSynchronisationThenTheAmplifierComesBack)
{
    testing_support::SectionEventRecorder events;
    Application app;
    SimulatedAmplifier amp(ports, 2);
    boot();
    ASSERT_TRUE(waitSynchronised());
    events.take();

    // The amplifier goes after a few replies of a new synchronisation.
    amp.unplugAfterReplies(3);
    actions->setTimerEventReq(ActionManager::eREQID_DELAYED_SYNCRONIZE, 1, 0);
    ASSERT_TRUE(pumpUntil([&] { return ! amp.isPluggedIn(); }));
    pumpFor(30);
    EXPECT_TRUE(midi->isSyncRunning()); // the chain was cut off

    app.midiDevRemoved(); // as the MIDI set-up watcher reports it
    EXPECT_FALSE(connection->isConnected());
    EXPECT_EQ(connection->getCableRemoved(), 1);
    EXPECT_EQ(connection->getLostDevice().model, kProductModelOKX);
    EXPECT_FALSE(midi->isMIDIInPortOpen());
    EXPECT_FALSE(midi->isMIDIOutPortOpen());
    EXPECT_EQ(midi->getMIDIInPortIndex(), -1);
    expectFlagsClear();
    EXPECT_FALSE(dataCenter()->isConnected());
    const auto disconnected = events.take();
    EXPECT_NE(std::find_if(disconnected.begin(), disconnected.end(), [](auto& e) { return e.kind == 5 && e.a == 0; }),
              disconnected.end());

    // The reconnect scan finds nothing while the amplifier is away.
    ASSERT_TRUE(waitScanEnded());
    EXPECT_FALSE(connection->isConnected());
    EXPECT_EQ(ConnectedDeviceInfoList::instance()->getNumDevices(), 0u);

    // Back again: an added device starts a scan, which reconnects and
    // resynchronises.
    amp.unplugAfterReplies(0);
    amp.plugIn();
    amp.clearRecords();
    app.midiDevAdded();
    ASSERT_TRUE(pumpUntil([&] { return connection->isConnected(); }, testing_support::patienceMs));
    ASSERT_TRUE(waitSynchronised());
    EXPECT_TRUE(dataCenter()->isConnected());
    EXPECT_EQ(midi->getNumListeners(), 1); // registered once
    EXPECT_EQ(modeRequestsReceived(amp), 1);
    const auto reconnected = events.take();
    EXPECT_NE(std::find_if(reconnected.begin(), reconnected.end(), [](auto& e) { return e.kind == 5 && e.a == 1; }),
              reconnected.end());
}

TEST_F(ConnectionFixture, AnotherDeviceRemovedKeepsTheAmplifierConnected)
{
    Application app;
    SimulatedAmplifier amp(ports, 2);
    const int keyboard = ports.addInputDevice("Keyboard");
    boot();
    ASSERT_TRUE(waitSynchronised());

    ports.removeDevice(keyboard);
    amp.clearRecords();
    app.midiDevRemoved();
    ASSERT_TRUE(waitScanEnded());
    EXPECT_TRUE(connection->isConnected());
    ASSERT_TRUE(waitSynchronised());
    EXPECT_EQ(midi->getNumListeners(), 1);
    EXPECT_EQ(modeRequestsReceived(amp), 1);
}

TEST_F(ConnectionFixture, SilentAmplifierIsTreatedAsUnpluggedAndFoundWhenItAnswers)
{
    Application app;
    SimulatedAmplifier amp(ports, 2);
    boot();
    ASSERT_TRUE(waitSynchronised());

    amp.setSilent(true);
    actions->setTimerEventReq(ActionManager::eREQID_DELAYED_SYNCRONIZE, 1, 0);
    ASSERT_TRUE(pumpUntil([&] { return actions->isTimerRunning(ActionManager::eREQID_MODEREQUEST_TIMEOUT); }));
    EXPECT_EQ(actions->getTimerInterval(ActionManager::eREQID_MODEREQUEST_TIMEOUT), 2000);
    // The two seconds pass at once.
    actions->setTimerEventReq(ActionManager::eREQID_MODEREQUEST_TIMEOUT, 1, 0);
    ASSERT_TRUE(pumpUntil([&] { return log.contains("ActionManager::timerCallback() eREQID_MODEREQUEST_TIMEOUT\n"); }));
    EXPECT_FALSE(connection->isConnected());
    expectFlagsClear();
    ASSERT_TRUE(waitScanEnded());
    EXPECT_FALSE(connection->isConnected());

    // Connected, an added device starts no scan; disconnected, it does.
    amp.setSilent(false);
    app.midiDevAdded();
    ASSERT_TRUE(pumpUntil([&] { return connection->isConnected(); }, testing_support::patienceMs));
    ASSERT_TRUE(waitSynchronised());
    ASSERT_TRUE(waitScanEnded());
    app.midiDevAdded();
    EXPECT_FALSE(connection->isScanning());

    // A time-out that fires once the connection is gone does nothing.
    connection->disconnect();
    actions->setTimerEventReq(ActionManager::eREQID_MODEREQUEST_TIMEOUT, 1, 0);
    pumpFor(30);
    EXPECT_FALSE(connection->isScanning());
}

TEST_F(ConnectionFixture, AnAmplifierThatIgnoresOnlyTheModeRequestIsFoundAgainAfterTheTimeOut)
{
    // It still answers the identity request: the scan that follows the
    // time-out finds it, because the connection (and with it every port)
    // came down before the scan opened its own ports.
    Application app;
    SimulatedAmplifier amp(ports, 2);
    boot();
    ASSERT_TRUE(waitSynchronised());

    amp.setIgnoredRequests([](const Bytes& r) { return r.size() == 1 && r[0] == 0x12; });
    amp.clearRecords();
    actions->setTimerEventReq(ActionManager::eREQID_DELAYED_SYNCRONIZE, 1, 0);
    ASSERT_TRUE(pumpUntil([&] { return actions->isTimerRunning(ActionManager::eREQID_MODEREQUEST_TIMEOUT); }));
    actions->setTimerEventReq(ActionManager::eREQID_MODEREQUEST_TIMEOUT, 1, 0);
    ASSERT_TRUE(pumpUntil([&] { return log.contains("ActionManager::timerCallback() eREQID_MODEREQUEST_TIMEOUT\n"); }));
    EXPECT_FALSE(connection->isConnected());

    // Found again and asked for its mode once more.
    ASSERT_TRUE(
        pumpUntil([&] { return connection->isConnected() && modeRequestsReceived(amp) == 2; }, testing_support::patienceMs));
    actions->stopTimer(ActionManager::eREQID_MODEREQUEST_TIMEOUT);
    amp.setIgnoredRequests(nullptr);
    ASSERT_TRUE(waitScanEnded());
}

TEST_F(ConnectionFixture, WakeResynchronisesOnlyWithADeviceEnvironment)
{
    Application app;
    {
        SimulatedAmplifier okx(ports, 2);
        SimulatedAmplifier hmq(ports, 1);
        boot(); // two amplifiers: the device page waits, no environment
        ASSERT_EQ(host->getDeviceEnvironment(), nullptr);
        app.resumed();
        pumpFor(20);
        EXPECT_FALSE(actions->isTimerRunning(ActionManager::eREQID_DELAYED_SYNCRONIZE));
        EXPECT_FALSE(connection->isConnected());
        Host::destroyInstance();
    }

    SimulatedAmplifier amp(ports, 2);
    boot();
    ASSERT_TRUE(waitSynchronised());
    const int input = midi->getMIDIInPortIndex();
    app.resumed();
    EXPECT_EQ(actions->getTimerInterval(ActionManager::eREQID_DELAYED_SYNCRONIZE), 1000);
    // The open ports and the one registration stay as they were.
    EXPECT_EQ(midi->getMIDIInPortIndex(), input);
    EXPECT_EQ(midi->getNumListeners(), 1);
    amp.clearRecords();
    ASSERT_TRUE(pumpUntil([&] { return modeRequestsReceived(amp) == 1; }, testing_support::patienceMs));
    ASSERT_TRUE(waitSynchronised());

    // Woken after the cable went while asleep: the device is found again.
    connection->cableRemoved();
    ASSERT_EQ(ConnectedDeviceInfoList::instance()->getNumDevices(), 1u);
    app.resumed();
    EXPECT_TRUE(connection->isConnected());
    EXPECT_EQ(midi->getNumListeners(), 1);
    EXPECT_TRUE(actions->isTimerRunning(ActionManager::eREQID_DELAYED_SYNCRONIZE));
}

TEST_F(ConnectionFixture, OfflineModelStillRunsThePostConnectSetUp)
{
    std::memset(OKXDataCenter::m_sBkEditBuf.bytes, 0, 62);
    std::memcpy(OKXDataCenter::m_sBkEditBuf.bytes, "Last Session    ", 16);
    DataCenter::iCurProgNo = 3;
    MainComponent::m_TargetModelId = 2;
    boot();
    ASSERT_NE(dataCenter(), nullptr);
    EXPECT_FALSE(connection->isConnected());
    EXPECT_FALSE(dataCenter()->isConnected());
    EXPECT_EQ(midi->getSendModel(), 2);

    ASSERT_TRUE(pumpUntil([&] { return host->isResyncPending(); }));
    EXPECT_FALSE(host->isBooting());
    EXPECT_EQ(std::memcmp(dataCenter()->getEditBuf(), "Last Session    ", 16), 0);
    EXPECT_EQ(DataCenter::iUserDestProg, 3);
    EXPECT_FALSE(actions->isTimerRunning(ActionManager::eREQID_DELAYED_SYNCRONIZE));
    EXPECT_FALSE(midi->isSyncRunning());
}

TEST_F(ConnectionFixture, HostGoneDuringItsBootScanLeavesNothingBehind)
{
    SimulatedAmplifier amp(ports, 2);
    host = Host::createInstance();
    host->getMasterConnectionManager()->scanDevices(true);
    Host::destroyInstance();
    pumpFor(50);
    EXPECT_EQ(Host::getInstance(), nullptr);
}

TEST_F(ConnectionFixture, UserModeModelsSetUpTheirUserProgramAndReplayTheLastEditRecord)
{
    // DWQ: a current program below the user programs becomes the first user
    // program; the zone switches and the rows they govern are redrawn.
    {
        testing_support::SectionEventRecorder events;
        std::memset(DWQDataCenter::m_sBkEditBuf.bytes, 0x20, 16);
        std::memcpy(DWQDataCenter::m_sBkEditBuf.bytes, "Last DWQ Session", 16);
        DataCenter::iCurProgNo = 4;
        SimulatedAmplifier amp(ports, 0);
        boot();
        ASSERT_NE(host->getDeviceEnvironment(), nullptr);
        actions->stopTimer(ActionManager::eREQID_DELAYED_SYNCRONIZE);
        auto* dwq = dynamic_cast<DWQDataCenter*>(host->getDeviceEnvironment()->getDataCenter());
        ASSERT_NE(dwq, nullptr);
        ASSERT_TRUE(pumpUntil([&] { return host->isResyncPending(); }));
        EXPECT_EQ(dwq->GetMode(), 1);
        EXPECT_EQ(DataCenter::iUserDestProg, 11);
        EXPECT_EQ(host->getStateHolder()->currentProgram, 11);

        std::vector<int> propsChanged;
        for (const auto& e : events.take())
            if (e.kind == 2)
                propsChanged.push_back(e.a);
        for (int id : { 0x401, 0x501, 0x502, (int) 0x80000011, (int) 0x80000012 })
            EXPECT_NE(std::find(propsChanged.begin(), propsChanged.end(), id), propsChanged.end()) << std::hex << id;
        Host::destroyInstance();
        host = nullptr;
    }

    // HMQ: a current user program stays the destination; the last session's
    // edit record shows until the amplifier's arrives.
    {
        std::memcpy(HMQDataCenter::m_sBkEditBuf.bytes, "Last HMQ Session", 16);
        DataCenter::iCurProgNo = 63;
        SimulatedAmplifier amp(ports, 1);
        boot();
        ASSERT_NE(host->getDeviceEnvironment(), nullptr);
        // No synchronisation replaces the replayed record.
        actions->stopTimer(ActionManager::eREQID_DELAYED_SYNCRONIZE);
        auto* hmq = dynamic_cast<HMQDataCenter*>(host->getDeviceEnvironment()->getDataCenter());
        ASSERT_NE(hmq, nullptr);
        ASSERT_TRUE(pumpUntil([&] { return host->isResyncPending(); }));
        EXPECT_EQ(hmq->GetMode(), 1);
        EXPECT_EQ(DataCenter::iUserDestProg, 63);
        EXPECT_EQ(std::memcmp(hmq->getEditBuf(), "Last HMQ Session", 16), 0);
    }
}

TEST_F(ConnectionFixture, AnImmediateSynchronisationArmsTheModeRequestTimeOut)
{
    SimulatedAmplifier amp(ports, 2);
    boot();
    ASSERT_TRUE(waitSynchronised());
    actions->stopAllTimers();

    // A slow amplifier: the time-out is armed before its mode reply arrives,
    // and the reply stops it again.
    amp.setReplyDelayMs(300);
    connection->doSyncronize(false, 0);
    EXPECT_TRUE(midi->isSyncRunning());
    EXPECT_TRUE(actions->isTimerRunning(ActionManager::eREQID_MODEREQUEST_TIMEOUT));
    amp.setReplyDelayMs(0);
    EXPECT_TRUE(waitSynchronised());
    EXPECT_FALSE(actions->isTimerRunning(ActionManager::eREQID_MODEREQUEST_TIMEOUT));
}
