// The whole synchronisation of each model against a simulated amplifier,
// started by timer 8 after a real boot: the requests in order with their
// bank and slot bytes, the pauses asked of the clock (USB and Bluetooth),
// the buffers equal to the amplifier's state at the end and the completion
// notice; then transmit-all paced by the write acknowledgements.

#include "Application/StateHolder.h"
#include "Core/ConnectedDeviceInfoList.h"
#include "DWQ/DWQDataCenter.h"
#include "DataCenter/OrvaDataCenter.h"
#include "EQ/CAudioEQManager.h"
#include "HMQ/HMQDataCenter.h"
#include "OrvaKX/OKXDataCenter.h"
#include "OrvaPW/OPWDataCenter.h"
#include "support/BootedHostFixture.h"

#include <algorithm>
#include <atomic>
#include <cstdio>

using Bytes = SimulatedAmplifier::Bytes;
using testing_support::bytes;
using testing_support::pumpFor;
using testing_support::pumpUntil;
using testing_support::request;
using testing_support::requestsOf;

namespace
{
struct SyncFixture : testing_support::BootedHostFixture
{
    bool synchroniseOrva(SimulatedAmplifier& amp)
    {
        return synchronise(amp, [this] { return log.contains("ActionManager::handleMessage(17)"); });
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

    // Mode, the eight user programs (bank byte 0), then what each model adds.
    static std::vector<std::vector<int>> expectedRequests(std::vector<std::vector<int>> tail)
    {
        std::vector<std::vector<int>> out { { 0x12 } };
        for (int p = 0; p < 8; ++p)
            out.push_back({ 0x1C, 0x00, p });
        out.insert(out.end(), tail.begin(), tail.end());
        return out;
    }

    static std::vector<std::vector<int>> orvaRequests()
    {
        return expectedRequests(
            { { 0x0E }, { 0x10 }, { 0x19 }, { 0x1D, 0x00, 1 }, { 0x1D, 0x00, 2 }, { 0x1D, 0x00, 3 }, { 0x1D, 0x00, 4 } });
    }
};
} // namespace

TEST_F(SyncFixture, OrvaKXOverUSB)
{
    SimulatedAmplifier amp(ports, 2);
    amp.setMode(SimulatedAmplifier::modeUser, 5);
    auto* dc = boot<OKXDataCenter>();
    ASSERT_NE(dc, nullptr);
    ASSERT_EQ(host->getMidiManager()->getNumListeners(), 1);

    ASSERT_TRUE(synchroniseOrva(amp));
    EXPECT_EQ(requestsOf(amp), orvaRequests());
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

    // A disconnection clears the synchronised flag.
    dc->setConnected(false);
    EXPECT_FALSE(dc->isSynchronised());
}

TEST_F(SyncFixture, ASynchronisationCutOffInsideTheEQSlotsLeavesNothingToTheNext)
{
    SimulatedAmplifier amp(ports, 3);
    auto* dc = boot<OPWDataCenter>();
    ASSERT_NE(dc, nullptr);
    auto* midi = host->getMidiManager();

    for (int silentSlot = 1; silentSlot <= 4; ++silentSlot)
    {
        SCOPED_TRACE("silent at EQ slot " + std::to_string(silentSlot));
        // The amplifier falls silent when asked for this slot.
        amp.setIgnoredRequests([silentSlot](const Bytes& r) { return r.size() == 3 && r[0] == 0x1D && r[2] == silentSlot; });
        {
            const juce::ScopedLock sl(log.lock);
            log.lines.clear();
        }
        amp.clearRecords();
        host->getActionManager()->setTimerEventReq(ActionManager::eREQID_DELAYED_SYNCRONIZE, 1, 0);
        ASSERT_TRUE(pumpUntil(
            [&] {
                const auto requests = requestsOf(amp);
                return ! requests.empty() && requests.back() == std::vector<int> { 0x1D, 0x00, silentSlot };
            },
            3000));
        pumpFor(30);
        EXPECT_FALSE(log.contains("ActionManager::handleMessage(17)"));
        // The chain hangs in the slots: the connection manager's time-outs
        // are not what is tested here, so the running flag is taken down.
        midi->setSyncRunning(false);

        // The next synchronisation reads all four slots again.
        amp.setIgnoredRequests(nullptr);
        ASSERT_TRUE(synchroniseOrva(amp));
        EXPECT_EQ(requestsOf(amp), orvaRequests());
        expectSynchronisedWith(amp, *dc);
    }
}

TEST_F(SyncFixture, OrvaPWLynOverBluetoothPausesHundredMilliseconds)
{
    SimulatedAmplifier amp(ports, 5);
    auto* dc = boot<OPWDataCenter>();
    ASSERT_NE(dc, nullptr);
    ASSERT_EQ(host->getDeviceEnvironment()->getDeviceInfo().mediaType, kMediaTypeBluetooth);

    ASSERT_TRUE(synchroniseOrva(amp));
    EXPECT_EQ(requestsOf(amp), orvaRequests());
    // Every pause is 100 ms, and one more before the global request.
    EXPECT_EQ(chainClock->getPauses(), std::vector<int>(14, 100));
    expectSynchronisedWith(amp, *dc);
}

TEST_F(SyncFixture, OrvaModeOtherAsksForTheCurrentProgramAndReplaysIt)
{
    SimulatedAmplifier amp(ports, 3);
    amp.setMode(SimulatedAmplifier::modeOther, 0);
    auto* dc = boot<OrvaDataCenter>();
    ASSERT_NE(dc, nullptr);
    ASSERT_TRUE(synchroniseOrva(amp));
    auto requests = requestsOf(amp);
    // The mode reply and the replay at the chain's end each ask for the
    // current program (after 5 ms); the chain itself is unchanged.
    EXPECT_EQ(std::count(requests.begin(), requests.end(), std::vector<int> { 0x10 }), 3);
    EXPECT_EQ(host->getStateHolder()->mode, 2);
    expectSynchronisedWith(amp, *dc);
}

TEST_F(SyncFixture, HMQReadsModeUserProgramsCurrentProgramAndCustomSlots)
{
    SimulatedAmplifier amp(ports, 1);
    // Presets of its own, to tell them from the preload data.
    amp.fill(SimulatedAmplifier::Contents::pattern);
    amp.setMode(SimulatedAmplifier::modeUser, 5);
    auto* dc = boot<HMQDataCenter>();
    ASSERT_NE(dc, nullptr);
    ASSERT_EQ(host->getMidiManager()->getNumListeners(), 1);

    ASSERT_TRUE(synchronise(amp, [this] { return log.contains("ActionManager::handleMessage(11)"); }));
    EXPECT_EQ(requestsOf(amp),
              expectedRequests({ { 0x10 }, { 0x31, 0x00, 0 }, { 0x31, 0x00, 1 }, { 0x31, 0x00, 2 }, { 0x31, 0x00, 3 } }));
    // 1 ms between program requests, 10 ms before the first custom request,
    // 1 ms between the custom requests.
    EXPECT_EQ(chainClock->getPauses(), (std::vector<int> { 1, 1, 1, 1, 1, 1, 1, 10, 1, 1, 1 }));

    EXPECT_EQ(bytes(dc->getEditBuf(), 62), amp.getEditBuffer());
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(bytes(dc->getRAMProgPtr(i), 62), amp.getUserProgram(i)) << "user program " << i;
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(bytes(dc->getCustomBuf(s), 62), amp.getCustom(s)) << "custom slot " << s;
    // The presets come from the preload data, not from the amplifier.
    EXPECT_NE(bytes(dc->getROMProgPtr(0), 62), amp.getPreset(0));

    auto* midi = host->getMidiManager();
    EXPECT_TRUE(dc->isSynchronised());
    EXPECT_TRUE(midi->isSynchronised());
    EXPECT_FALSE(midi->isBulkReceive());
    EXPECT_FALSE(midi->isCustomBulkReceive());
    EXPECT_EQ(midi->getCustomCounter(), 0);
    EXPECT_EQ(midi->getSequenceCounter(), 0);
    // The amplifier's selection was replayed after the user programs.
    EXPECT_EQ(DataCenter::iCurProgNo, 65);
    EXPECT_EQ(host->getStateHolder()->mode, 1);
}

TEST_F(SyncFixture, HMQModeOtherAsksForTheCurrentProgram)
{
    SimulatedAmplifier amp(ports, 1);
    amp.setMode(SimulatedAmplifier::modeOther, 0);
    auto* dc = boot<HMQDataCenter>();
    ASSERT_NE(dc, nullptr);
    ASSERT_TRUE(synchronise(amp, [this] { return log.contains("ActionManager::handleMessage(11)"); }));
    const auto requests = requestsOf(amp);
    // The mode reply and the replay at the chain's end each ask (after 5 ms),
    // and the chain itself asks once more.
    EXPECT_EQ(std::count(requests.begin(), requests.end(), std::vector<int> { 0x10 }), 3);
    EXPECT_EQ(std::count(requests.begin(), requests.end(), std::vector<int> { 0x31, 0x00, 3 }), 1);
    EXPECT_EQ(host->getStateHolder()->mode, 2);
    EXPECT_EQ(bytes(dc->getEditBuf(), 62), amp.getEditBuffer());
}

TEST_F(SyncFixture, DWQReadsModeUserProgramsAndCurrentProgram)
{
    SimulatedAmplifier amp(ports, 0);
    amp.setMode(SimulatedAmplifier::modeUser, 5);
    auto* dc = boot<DWQDataCenter>();
    ASSERT_NE(dc, nullptr);
    ASSERT_EQ(host->getMidiManager()->getNumListeners(), 1);

    // No completion notice for this model: it has ended once the current
    // program has arrived.
    ASSERT_TRUE(synchronise(amp, [&] {
        return host->getMidiManager()->isSynchronised() && amp.getNumReceived() == 10
               && bytes(dc->getEditBuf(), 30) == amp.getEditBuffer();
    }));
    pumpFor(30);
    EXPECT_EQ(requestsOf(amp), expectedRequests({ { 0x10 } }));
    EXPECT_EQ(chainClock->getPauses(), std::vector<int>(7, 1));

    EXPECT_EQ(bytes(dc->getEditBuf(), 30), amp.getEditBuffer());
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(bytes(dc->getRAMProgPtr(i), 30), amp.getUserProgram(i)) << "user program " << i;
    EXPECT_TRUE(dc->isSynchronised());
    auto* midi = host->getMidiManager();
    EXPECT_FALSE(midi->isBulkReceive());
    EXPECT_EQ(midi->getSequenceCounter(), 0);
    // User program 5 of the mode reply is program 16.
    EXPECT_EQ(DataCenter::iCurProgNo, 16);
    EXPECT_EQ(host->getStateHolder()->mode, 1);
    // No global, EQ or custom requests for this model.
    EXPECT_EQ(dc->getGlobalBuf(), nullptr);
    EXPECT_EQ(dc->getAudioEQBuf(0), nullptr);
    EXPECT_EQ(dc->getCustomBuf(0), nullptr);
}

// Transmit-all of each model: eight user programs, each sent when the
// previous one is acknowledged, from the model's first user program number.
struct TransmitAllCase
{
    const char* name;
    int model, recordSize, firstNumber, acknowledgement;
};

struct TransmitAll : SyncFixture,
                     ::testing::WithParamInterface<TransmitAllCase>
{};

TEST_P(TransmitAll, IsPacedByTheAcknowledgements)
{
    const auto c = GetParam();
    SimulatedAmplifier amp(ports, c.model);
    auto* dc = boot<DataCenter>();
    ASSERT_NE(dc, nullptr);
    auto* midi = host->getMidiManager();

    Bytes records[8];
    for (int i = 0; i < 8; ++i)
    {
        records[i] = Bytes((size_t) c.recordSize, (juce::uint8)(0x20 + i));
        records[i][20] = (juce::uint8)(0x80 | i); // a byte that needs the eighth bit
        dc->setRAMProgram(i, records[i].data());
    }
    amp.clearRecords();

    // As the transmit-all command starts it.
    midi->setSequenceCounter(c.firstNumber);
    midi->setBulkTransmit(true);
    midi->sendProgDumpOut(c.firstNumber);
    ASSERT_TRUE(pumpUntil([midi] { return ! midi->isBulkTransmit(); }, testing_support::patienceMs));
    pumpFor(30);

    ASSERT_EQ(amp.getNumReceived(), 8);
    for (int i = 0; i < 8; ++i)
    {
        const auto r = request(amp.getReceived()[(size_t) i]);
        EXPECT_EQ(r[1], 0) << i; // the user bank
        EXPECT_EQ(r[2], i);
        EXPECT_EQ(amp.getUserProgram(i), records[i]) << i;
    }
    EXPECT_EQ(midi->getSequenceCounter(), c.firstNumber + 8);
    EXPECT_TRUE(host->getActionManager()->isTimerRunning(ActionManager::timerStatusRefresh));

    // An acknowledgement outside a transmit-all sends nothing.
    amp.clearRecords();
    amp.send(SimulatedAmplifier::makeFrame(c.acknowledgement, 0x23, {}));
    pumpFor(50);
    EXPECT_EQ(amp.getNumReceived(), 0);
    EXPECT_EQ(midi->getSequenceCounter(), c.firstNumber + 8);

    // The transfer-stopped notice ends any chain, a synchronisation included.
    midi->setSyncRunning(true);
    midi->setBulkReceive(true);
    amp.sendTransferStopped();
    ASSERT_TRUE(pumpUntil([midi] { return ! midi->isBulkReceive(); }));
    EXPECT_FALSE(midi->isSyncRunning());
    EXPECT_EQ(midi->getSequenceCounter(), 0);
}

INSTANTIATE_TEST_SUITE_P(EachModel, TransmitAll,
                         ::testing::Values(TransmitAllCase { "OrvaKX", 2, 62, 0, 0x41 },
                                           TransmitAllCase { "HMQ", 1, 62, 60, 0x34 },
                                           TransmitAllCase { "DWQ", 0, 30, 11, 0x32 }),
                         [](const auto& info) { return std::string(info.param.name); });
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
    // End to end, for every model: from the mode request to the completion
    // notice handled on the message thread (the DWQ has none: to its last
    // current-program dump), against the sum of the pauses the chain asked
    // for (real ones). Median and worst of the ratio over the runs.
    struct EndTimer : CRSMidiListener,
                      juce::Logger
    {
        void OnRSMidiListenerRcvSysExMessage(MidiManager*, MidiInputPort*, const juce::MidiMessage& m) override
        {
            if (dwq && m.isSysEx() && m.getSysExDataSize() > 5 && m.getSysExData()[5] == 0x40)
                end = juce::Time::getMillisecondCounterHiRes();
        }
        void logMessage(const juce::String& line) override
        {
            if (line == "ActionManager::handleMessage(11)" || line == "ActionManager::handleMessage(17)")
                end = juce::Time::getMillisecondCounterHiRes();
        }
        bool dwq = false;
        std::atomic<double> end { 0.0 };
    };

    constexpr int runs = 9;
    for (int model = 0; model <= 5; ++model)
    {
        SimulatedAmplifier amp(ports, model);
        auto* dc = boot<DataCenter>();
        ASSERT_NE(dc, nullptr);
        auto* midi = host->getMidiManager();
        std::vector<double> ratios, durations;
        double floor = 0;
        for (int run = 0; run < runs; ++run)
        {
            RecordingClock realClock(true);
            EndTimer timer;
            timer.dwq = model == 0;
            midi->AddListener(&timer);
            juce::Logger::setCurrentLogger(&timer);
            amp.clearRecords();
            // The message loop waits for messages as the application's does
            // (blocked until one arrives), not in the 1 ms sleeps of the test
            // helpers, which would delay every message-manager lock the
            // decoder takes.
            const auto start = juce::Time::getMillisecondCounterHiRes();
            host->getMasterConnectionManager()->doSyncronize(true, 0);
            const auto deadline = start + 10000.0;
            while (juce::Time::getMillisecondCounterHiRes() < deadline)
            {
                juce::dispatchNextMessageOnSystemQueue(true);
                if (! midi->isSyncRunning() && timer.end.load() > 0)
                    break;
            }
            juce::Logger::setCurrentLogger(&log);
            midi->RemoveListener(&timer);
            host->getActionManager()->stopAllTimers();
            ASSERT_GT(timer.end.load(), 0.0) << model;
            floor = 0;
            for (int ms : realClock.getPauses())
                floor += ms;
            durations.push_back(timer.end.load() - start);
            ratios.push_back(durations.back() / floor);
            testing_support::pumpFor(20);
        }
        std::sort(ratios.begin(), ratios.end());
        std::sort(durations.begin(), durations.end());
        std::printf("model %d: pauses %6.1f ms; synchronisation median %6.1f ms, worst %6.1f ms; "
                    "ratio median %.3f, worst %.3f\n",
                    model, floor, durations[runs / 2], durations.back(), ratios[runs / 2], ratios.back());
        Host::destroyInstance();
        host = nullptr;
    }
}
