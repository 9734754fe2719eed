// The whole Orva synchronisation against a simulated amplifier, started by
// timer 8 after a real boot: the requests in order with their bank and slot
// bytes, the pauses asked of the clock (USB and Bluetooth), the buffers
// equal to the amplifier's state at the end and the completion notice; then
// transmit-all paced by the write acknowledgements. A disabled benchmark
// measures a real-time synchronisation against the sum of its pauses.

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "DataCenter/DataCenter.h"
#include "Application/StateHolder.h"
#include "Common/DeviceEnvironment.h"
#include "Core/ConnectedDeviceInfoList.h"
#include "Core/MasterConnectionManager.h"
#include "DataCenter/OrvaDataCenter.h"
#include "EQ/CAudioEQManager.h"
#include "GUI/MainComponent.h"
#include "OrvaKX/OKXDataCenter.h"
#include "OrvaPW/OPWDataCenter.h"
#include "support/MidiTestSupport.h"
#include "support/SettlingClock.h"
#include "support/SimulatedAmplifier.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#include <atomic>

using Bytes = SimulatedAmplifier::Bytes;
using testing_support::pumpFor;
using testing_support::pumpUntil;

namespace
{
struct LogCapture : juce::Logger
{
    LogCapture() { juce::Logger::setCurrentLogger(this); }
    ~LogCapture() override { juce::Logger::setCurrentLogger(nullptr); }
    void logMessage(const juce::String& m) override
    {
        const juce::ScopedLock sl(lock);
        lines.add(m);
    }
    bool contains(const juce::String& text) const
    {
        const juce::ScopedLock sl(lock);
        return lines.contains(text);
    }
    juce::CriticalSection lock;
    juce::StringArray lines;
};

// Function byte and argument bytes of an editor SysEx message.
std::vector<int> request(const juce::MidiMessage& m)
{
    const auto* d = m.getRawData();
    return std::vector<int>(d + 6, d + m.getRawDataSize() - 1);
}

Bytes bytes(const unsigned char* p, int n)
{
    return p != nullptr ? Bytes(p, p + n) : Bytes();
}

struct SyncFixture : ::testing::Test
{
    SyncFixture() { MainComponent::m_TargetModelId = -1; }
    ~SyncFixture() override
    {
        Host::destroyInstance();
        MainComponent::m_TargetModelId = -1;
    }

    // Boots against the amplifier, which the Host connects on its own.
    OrvaDataCenter* boot()
    {
        host = Host::createInstance();
        host->setBootFlag(true);
        host->getMasterConnectionManager()->scanDevices(true);
        EXPECT_TRUE(pumpUntil([this] { return ! host->isBooting(); }, 5000));
        // The device chosen by the boot scan is connected (message 37 handled).
        EXPECT_TRUE(pumpUntil([this] {
            auto* environment = host->getDeviceEnvironment();
            return environment != nullptr && environment->getDataCenter() != nullptr
                   && environment->getDataCenter()->isConnected();
        }, 5000));
        pumpFor(50);
        // The tests start their own synchronisation: the one the connection
        // requested (timer 8) is cancelled, or awaited when it already runs.
        host->getActionManager()->stopTimer(ActionManager::eREQID_DELAYED_SYNCRONIZE);
        auto* midi = host->getMidiManager();
        EXPECT_TRUE(pumpUntil([midi] { return ! midi->isSyncRunning(); }, 5000));
        auto* environment = host->getDeviceEnvironment();
        return environment != nullptr ? dynamic_cast<OrvaDataCenter*>(environment->getDataCenter()) : nullptr;
    }

    // Starts the synchronisation as the connection manager does (timer 8)
    // and waits for its end.
    bool synchronise(SimulatedAmplifier& amp)
    {
        amp.clearRecords();
        // The chain pauses on the MIDI input thread itself: a clock that only
        // records (the settling clock would wait for that very thread).
        chainClock = std::make_unique<RecordingClock>();
        auto* midi = host->getMidiManager();
        host->getActionManager()->setTimerEventReq(ActionManager::eREQID_DELAYED_SYNCRONIZE, 1, 0);
        // The chain has started once its mode request reached the amplifier (a
        // fast chain may end before the running flag is ever seen here).
        EXPECT_TRUE(pumpUntil([&amp] { return amp.getNumReceived() > 0; }, 2000));
        return pumpUntil([&] { return ! midi->isSyncRunning() && log.contains("ActionManager::handleMessage(17)"); }, 5000);
    }

    void expectSynchronisedWith(const SimulatedAmplifier& amp, const OrvaDataCenter& dc)
    {
        EXPECT_EQ(bytes(dc.getEditBuf(), 62), amp.getEditBuffer());
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(bytes(dc.getRAMProgPtr(i), 62), amp.getUserProgram(i)) << "user program " << i;
        EXPECT_EQ(bytes(dc.getGlobalBuf(), 19), amp.getGlobal());
        EXPECT_EQ(bytes(dc.getCurAudioEQBuf(), 18), amp.getCurrentEQ());
        for (int s = 0; s < 4; ++s)
            EXPECT_EQ(bytes(dc.getAudioEQBuf(s), 18), amp.getEQSlot(s)) << "EQ slot " << s;
        EXPECT_TRUE(dc.isSynchronised());
        EXPECT_TRUE(host->getMidiManager()->isSynchronised());
        EXPECT_FALSE(host->getMidiManager()->isBulkReceive());
        EXPECT_FALSE(host->getMidiManager()->isAudioEQBulkReceive());
        EXPECT_EQ(host->getMidiManager()->getAudioEQCounter(), 0);
    }

    static std::vector<std::vector<int>> expectedRequests()
    {
        std::vector<std::vector<int>> out { { 0x12 } };
        for (int p = 0; p < 8; ++p)
            out.push_back({ 0x1C, 0x00, p });
        out.push_back({ 0x0E });
        out.push_back({ 0x10 });
        out.push_back({ 0x19 });
        for (int s = 1; s <= 4; ++s)
            out.push_back({ 0x1D, 0x00, s });
        return out;
    }

    LogCapture log;
    testing_support::ScopedVirtualPorts virtualPorts;
    VirtualMidiPortSystem& ports = virtualPorts.ports;
    SettlingClock clock { ports };
    std::unique_ptr<RecordingClock> chainClock;
    Host* host = nullptr;
};

std::vector<std::vector<int>> requestsOf(const SimulatedAmplifier& amp)
{
    std::vector<std::vector<int>> out;
    for (const auto& m : amp.getReceived())
        out.push_back(request(m));
    return out;
}
} // namespace

TEST_F(SyncFixture, OrvaKXOverUSB)
{
    SimulatedAmplifier amp(ports, 2);
    amp.setMode(SimulatedAmplifier::modeUser, 5);
    auto* dc = boot();
    ASSERT_NE(dynamic_cast<OKXDataCenter*>(dc), nullptr);
    ASSERT_EQ(host->getMidiManager()->getNumListeners(), 1);

    ASSERT_TRUE(synchronise(amp));
    EXPECT_EQ(requestsOf(amp), expectedRequests());
    // 1 ms between program requests, 10 ms between the settings requests,
    // 1 ms between the EQ slot requests.
    EXPECT_EQ(chainClock->getPauses(), (std::vector<int> { 1, 1, 1, 1, 1, 1, 1, 10, 10, 10, 1, 1, 1 }));
    expectSynchronisedWith(amp, *dc);
    // The amplifier's selection was replayed after the user programs.
    EXPECT_EQ(DataCenter::iCurProgNo, 5);

    // The coefficients of the current EQ reached the manager.
    auto* eq = host->getAudioEQManager();
    ASSERT_NE(eq, nullptr);
    const auto current = amp.getCurrentEQ();
    EXPECT_NEAR(eq->getTrim(), (juce::jlimit(0, 240, (int) current[0]) - 120) * 0.1, 1e-9);
}

TEST_F(SyncFixture, OrvaPWLynOverBluetoothPausesHundredMilliseconds)
{
    SimulatedAmplifier amp(ports, 5);
    auto* dc = boot();
    ASSERT_NE(dynamic_cast<OPWDataCenter*>(dc), nullptr);
    ASSERT_EQ(host->getDeviceEnvironment()->getDeviceInfo().mediaType, kMediaTypeBluetooth);

    ASSERT_TRUE(synchronise(amp));
    EXPECT_EQ(requestsOf(amp), expectedRequests());
    // Every pause is 100 ms, and one more before the global request.
    EXPECT_EQ(chainClock->getPauses(), std::vector<int>(14, 100));
    expectSynchronisedWith(amp, *dc);
}

TEST_F(SyncFixture, ModeOtherAsksForTheCurrentProgramAndReplaysIt)
{
    SimulatedAmplifier amp(ports, 3);
    amp.setMode(SimulatedAmplifier::modeOther, 0);
    auto* dc = boot();
    ASSERT_NE(dc, nullptr);
    ASSERT_TRUE(synchronise(amp));
    auto requests = requestsOf(amp);
    // The mode reply and the replay at the chain's end each ask for the
    // current program (after 5 ms); the chain itself is unchanged.
    EXPECT_EQ(std::count(requests.begin(), requests.end(), std::vector<int> { 0x10 }), 3);
    EXPECT_EQ(host->getStateHolder()->mode, 2);
    expectSynchronisedWith(amp, *dc);
}

TEST_F(SyncFixture, TransmitAllIsPacedByTheAcknowledgements)
{
    SimulatedAmplifier amp(ports, 2);
    auto* dc = boot();
    ASSERT_NE(dc, nullptr);
    auto* midi = host->getMidiManager();

    Bytes records[8];
    for (int i = 0; i < 8; ++i)
    {
        records[i] = Bytes(62, (juce::uint8) (0x20 + i));
        records[i][20] = (juce::uint8) (0x80 | i); // a byte that needs the eighth bit
        dc->setRAMProgram(i, records[i].data());
    }
    amp.clearRecords();

    // As the transmit-all command starts it.
    midi->setSequenceCounter(0);
    midi->setBulkTransmit(true);
    midi->sendProgDumpOut(0);
    ASSERT_TRUE(pumpUntil([midi] { return ! midi->isBulkTransmit(); }, 3000));
    pumpFor(30);

    ASSERT_EQ(amp.getNumReceived(), 8);
    for (int i = 0; i < 8; ++i)
    {
        EXPECT_EQ(request(amp.getReceived()[(size_t) i])[2], i);
        EXPECT_EQ(amp.getUserProgram(i), records[i]) << i;
    }
    EXPECT_EQ(midi->getSequenceCounter(), 8);
    EXPECT_TRUE(host->getActionManager()->isTimerRunning(ActionManager::timerStatusRefresh));

    // An acknowledgement outside a transmit-all sends nothing.
    amp.clearRecords();
    amp.send(SimulatedAmplifier::makeFrame(0x41, 0x23, {}));
    pumpFor(50);
    EXPECT_EQ(amp.getNumReceived(), 0);
    EXPECT_EQ(midi->getSequenceCounter(), 8);
}

TEST_F(SyncFixture, DisconnectClearsTheSynchronisedFlag)
{
    SimulatedAmplifier amp(ports, 2);
    auto* dc = boot();
    ASSERT_NE(dc, nullptr);
    ASSERT_TRUE(synchronise(amp));
    ASSERT_TRUE(dc->isSynchronised());
    dc->setConnected(false);
    EXPECT_FALSE(dc->isSynchronised());
}

// Not a timed test: run with --gtest_also_run_disabled_tests to see the
// figures. Real pauses; the ratio of the whole chain to the sum of its
// pauses shows the decoder's own overhead.
namespace juce
{
// The framework's own step of its message loop: dispatches one message,
// waiting for one unless told to return at once.
bool dispatchNextMessageOnSystemQueue(bool returnIfNoPendingMessages);
} // namespace juce

TEST_F(SyncFixture, DISABLED_BenchmarkSynchronisationAgainstItsPauses)
{
    // Times the chain itself, on the MIDI input thread: from the mode reply
    // (the first answer after the mode request) to the last audio-EQ slot
    // reply. The pauses between them are the floor; timer and message-loop
    // latencies before the chain starts are not part of it.
    struct ChainTimer : CRSMidiListener
    {
        void OnRSMidiListenerRcvSysExMessage(MidiManager*, MidiInputPort*, const juce::MidiMessage& m) override
        {
            if (! m.isSysEx() || m.getSysExDataSize() < 6)
                return;
            const auto now = juce::Time::getMillisecondCounterHiRes();
            const auto function = m.getSysExData()[5];
            if (function == 0x42 && first.load() == 0.0)
                first = now;
            if (function == 0x4D)
                last = now;
        }
        std::atomic<double> first { 0.0 }, last { 0.0 };
    };

    for (int model : { 2, 4 })
    {
        SimulatedAmplifier amp(ports, model);
        auto* dc = boot();
        ASSERT_NE(dc, nullptr);
        double total = 0, floor = 0;
        constexpr int runs = 5;
        for (int run = 0; run < runs; ++run)
        {
            RecordingClock realClock(true);
            auto* midi = host->getMidiManager();
            ChainTimer timer;
            midi->AddListener(&timer);
            amp.clearRecords();
            host->getActionManager()->setTimerEventReq(ActionManager::eREQID_DELAYED_SYNCRONIZE, 1, 0);
            // The message loop waits for messages as the application's does
            // (blocked until one arrives), not in the 1 ms sleeps of the test
            // helpers, which would delay every message-manager lock the
            // decoder takes.
            bool started = false;
            const auto deadline = juce::Time::getMillisecondCounterHiRes() + 10000.0;
            while (juce::Time::getMillisecondCounterHiRes() < deadline)
            {
                juce::dispatchNextMessageOnSystemQueue(true);
                started = started || midi->isSyncRunning();
                if (started && ! midi->isSyncRunning())
                    break;
                if (started)
                    juce::dispatchNextMessageOnSystemQueue(false);
            }
            midi->RemoveListener(&timer);
            ASSERT_TRUE(started && ! midi->isSyncRunning());
            total += timer.last.load() - timer.first.load();
            for (int ms : realClock.getPauses())
                floor += ms;
        }
        std::printf("model %d: synchronisation %.1f ms, pauses %.1f ms, ratio %.3f\n", model, total / runs,
                    floor / runs, total / floor);
        Host::destroyInstance();
        host = nullptr;
    }
}
