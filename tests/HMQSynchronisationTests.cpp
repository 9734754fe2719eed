// The whole HMQ synchronisation against a simulated amplifier, started by
// timer 8 after a real boot: the requests in order with their bank and slot
// bytes, the pauses asked of the clock, every buffer equal to the
// amplifier's state at the end and the completion notice 11; then
// transmit-all paced by the write acknowledgements.

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "DataCenter/DataCenter.h"
#include "Core/MasterConnectionManager.h"
#include "Application/StateHolder.h"
#include "Common/DeviceEnvironment.h"
#include "GUI/MainComponent.h"
#include "HMQ/HMQDataCenter.h"
#include "support/MidiTestSupport.h"
#include "support/RecordingClock.h"
#include "support/SettlingClock.h"
#include "support/SimulatedAmplifier.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

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

std::vector<int> request(const juce::MidiMessage& m)
{
    const auto* d = m.getRawData();
    return std::vector<int>(d + 6, d + m.getRawDataSize() - 1);
}

Bytes bytes(const unsigned char* p, int n)
{
    return p != nullptr ? Bytes(p, p + n) : Bytes();
}

struct HMQSyncFixture : ::testing::Test
{
    HMQSyncFixture() { MainComponent::m_TargetModelId = -1; }
    ~HMQSyncFixture() override
    {
        Host::destroyInstance();
        MainComponent::m_TargetModelId = -1;
    }

    HMQDataCenter* boot()
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
        return environment != nullptr ? dynamic_cast<HMQDataCenter*>(environment->getDataCenter()) : nullptr;
    }

    bool synchronise(SimulatedAmplifier& amp)
    {
        amp.clearRecords();
        // The chain pauses on the MIDI input thread itself: a clock that only records.
        chainClock = std::make_unique<RecordingClock>();
        auto* midi = host->getMidiManager();
        host->getActionManager()->setTimerEventReq(ActionManager::eREQID_DELAYED_SYNCRONIZE, 1, 0);
        // The chain has started once its mode request reached the amplifier (a
        // fast chain may end before the running flag is ever seen here).
        EXPECT_TRUE(pumpUntil([&amp] { return amp.getNumReceived() > 0; }, 2000));
        return pumpUntil([&] { return ! midi->isSyncRunning() && log.contains("ActionManager::handleMessage(11)"); }, 5000);
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

TEST_F(HMQSyncFixture, ReadsModeUserProgramsCurrentProgramAndCustomSlots)
{
    SimulatedAmplifier amp(ports, 1);
    amp.setMode(SimulatedAmplifier::modeUser, 5);
    auto* dc = boot();
    ASSERT_NE(dc, nullptr);
    ASSERT_EQ(host->getMidiManager()->getNumListeners(), 1);

    ASSERT_TRUE(synchronise(amp));

    // Mode, the eight user programs (bank byte 0), the current program, the four custom slots.
    std::vector<std::vector<int>> expected { { 0x12 } };
    for (int p = 0; p < 8; ++p)
        expected.push_back({ 0x1C, 0x00, p });
    expected.push_back({ 0x10 });
    for (int s = 0; s < 4; ++s)
        expected.push_back({ 0x31, 0x00, s });
    EXPECT_EQ(requestsOf(amp), expected);
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

TEST_F(HMQSyncFixture, ModeOtherAsksForTheCurrentProgram)
{
    SimulatedAmplifier amp(ports, 1);
    amp.setMode(SimulatedAmplifier::modeOther, 0);
    auto* dc = boot();
    ASSERT_NE(dc, nullptr);
    ASSERT_TRUE(synchronise(amp));
    const auto requests = requestsOf(amp);
    // The mode reply and the replay at the chain's end each ask (after 5 ms),
    // and the chain itself asks once more.
    EXPECT_EQ(std::count(requests.begin(), requests.end(), std::vector<int> { 0x10 }), 3);
    EXPECT_EQ(std::count(requests.begin(), requests.end(), std::vector<int> { 0x31, 0x00, 3 }), 1);
    EXPECT_EQ(host->getStateHolder()->mode, 2);
    EXPECT_EQ(bytes(dc->getEditBuf(), 62), amp.getEditBuffer());
}

TEST_F(HMQSyncFixture, TransmitAllIsPacedByTheAcknowledgements)
{
    SimulatedAmplifier amp(ports, 1);
    auto* dc = boot();
    ASSERT_NE(dc, nullptr);
    auto* midi = host->getMidiManager();

    Bytes records[8];
    for (int i = 0; i < 8; ++i)
    {
        records[i] = Bytes(62, (juce::uint8) (0x30 + i));
        records[i][40] = (juce::uint8) (0x80 | i); // a byte that needs the eighth bit
        dc->setRAMProgram(i, records[i].data());
    }
    amp.clearRecords();

    // As the transmit-all command starts it: from user program 0 (number 60).
    midi->setSequenceCounter(60);
    midi->setBulkTransmit(true);
    midi->sendProgDumpOut(60);
    ASSERT_TRUE(pumpUntil([midi] { return ! midi->isBulkTransmit(); }, 3000));
    pumpFor(30);

    ASSERT_EQ(amp.getNumReceived(), 8);
    for (int i = 0; i < 8; ++i)
    {
        const auto r = request(amp.getReceived()[(size_t) i]);
        EXPECT_EQ(r[1], 0) << i; // the user bank
        EXPECT_EQ(r[2], i);
        EXPECT_EQ(amp.getUserProgram(i), records[i]) << i;
    }
    EXPECT_EQ(midi->getSequenceCounter(), 68);
    EXPECT_TRUE(host->getActionManager()->isTimerRunning(ActionManager::timerStatusRefresh));

    // An acknowledgement outside a transmit-all sends nothing.
    amp.clearRecords();
    amp.send(SimulatedAmplifier::makeFrame(0x34, 0x23, {}));
    pumpFor(50);
    EXPECT_EQ(amp.getNumReceived(), 0);
}
