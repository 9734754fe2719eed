// The whole DWQR synchronisation against a simulated amplifier, started by
// timer 8 after a real boot: the mode request, the eight user program
// requests with their bank and slot bytes and 1 ms pauses, the current
// program request, and every buffer equal to the amplifier's state at the
// end; then transmit-all paced by the write acknowledgements, and the
// transfer-stopped notice.

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "DataCenter/DataCenter.h"
#include "Core/MasterConnectionManager.h"
#include "Application/StateHolder.h"
#include "Common/DeviceEnvironment.h"
#include "DWQ/DWQDataCenter.h"
#include "GUI/MainComponent.h"
#include "support/MidiTestSupport.h"
#include "support/SettlingClock.h"
#include "support/SimulatedAmplifier.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using Bytes = SimulatedAmplifier::Bytes;
using testing_support::pumpFor;
using testing_support::pumpUntil;

namespace
{
std::vector<int> request(const juce::MidiMessage& m)
{
    const auto* d = m.getRawData();
    return std::vector<int>(d + 6, d + m.getRawDataSize() - 1);
}

std::vector<std::vector<int>> requestsOf(const SimulatedAmplifier& amp)
{
    std::vector<std::vector<int>> out;
    for (const auto& m : amp.getReceived())
        out.push_back(request(m));
    return out;
}

Bytes bytes(const unsigned char* p, int n)
{
    return p != nullptr ? Bytes(p, p + n) : Bytes();
}

struct DWQSyncFixture : ::testing::Test
{
    DWQSyncFixture() { MainComponent::m_TargetModelId = -1; }
    ~DWQSyncFixture() override
    {
        Host::destroyInstance();
        MainComponent::m_TargetModelId = -1;
    }

    DWQDataCenter* boot()
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
        return environment != nullptr ? dynamic_cast<DWQDataCenter*>(environment->getDataCenter()) : nullptr;
    }

    // Starts the synchronisation as the connection manager does (timer 8)
    // and waits until the current program has arrived.
    bool synchronise(SimulatedAmplifier& amp, DWQDataCenter& dc)
    {
        amp.clearRecords();
        chainClock = std::make_unique<RecordingClock>();
        auto* midi = host->getMidiManager();
        host->getActionManager()->setTimerEventReq(ActionManager::eREQID_DELAYED_SYNCRONIZE, 1, 0);
        // The chain has started once its mode request reached the amplifier (a
        // fast chain may end before the running flag is ever seen here).
        EXPECT_TRUE(pumpUntil([&amp] { return amp.getNumReceived() > 0; }, 2000));
        return pumpUntil([&] {
            return ! midi->isSyncRunning() && midi->isSynchronised() && amp.getNumReceived() == 10
                && bytes(dc.getEditBuf(), 30) == amp.getEditBuffer();
        }, 5000);
    }

    testing_support::ScopedVirtualPorts virtualPorts;
    VirtualMidiPortSystem& ports = virtualPorts.ports;
    SettlingClock clock { ports };
    std::unique_ptr<RecordingClock> chainClock;
    Host* host = nullptr;
};
} // namespace

TEST_F(DWQSyncFixture, ModeUserProgramsAndCurrentProgram)
{
    SimulatedAmplifier amp(ports, 0);
    amp.setMode(SimulatedAmplifier::modeUser, 5);
    auto* dc = boot();
    ASSERT_NE(dc, nullptr);
    ASSERT_EQ(host->getMidiManager()->getNumListeners(), 1);

    ASSERT_TRUE(synchronise(amp, *dc));
    pumpFor(30);
    std::vector<std::vector<int>> expected { { 0x12 } };
    for (int p = 0; p < 8; ++p)
        expected.push_back({ 0x1C, 0x00, p });
    expected.push_back({ 0x10 });
    EXPECT_EQ(requestsOf(amp), expected);
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

TEST_F(DWQSyncFixture, TransmitAllIsPacedByTheAcknowledgements)
{
    SimulatedAmplifier amp(ports, 0);
    auto* dc = boot();
    ASSERT_NE(dc, nullptr);
    auto* midi = host->getMidiManager();

    Bytes records[8];
    for (int i = 0; i < 8; ++i)
    {
        records[i] = Bytes(30, (juce::uint8) (0x20 + i));
        records[i][20] = (juce::uint8) (0x80 | i);
        dc->setRAMProgram(i, records[i].data());
    }
    amp.clearRecords();

    // As the transmit-all command starts it: from user program 0 (number 11).
    midi->setSequenceCounter(11);
    midi->setBulkTransmit(true);
    midi->sendProgDumpOut(11);
    ASSERT_TRUE(pumpUntil([midi] { return ! midi->isBulkTransmit(); }, 3000));
    pumpFor(30);

    ASSERT_EQ(amp.getNumReceived(), 8);
    for (int i = 0; i < 8; ++i)
    {
        EXPECT_EQ(request(amp.getReceived()[(size_t) i])[1], 0) << i;
        EXPECT_EQ(request(amp.getReceived()[(size_t) i])[2], i);
        EXPECT_EQ(amp.getUserProgram(i), records[i]) << i;
    }
    EXPECT_EQ(midi->getSequenceCounter(), 19);
    EXPECT_TRUE(host->getActionManager()->isTimerRunning(ActionManager::timerStatusRefresh));

    // An acknowledgement outside a transmit-all sends nothing.
    amp.clearRecords();
    amp.send(SimulatedAmplifier::makeFrame(0x32, 0x23, {}));
    pumpFor(50);
    EXPECT_EQ(amp.getNumReceived(), 0);

    // The transfer-stopped notice ends any chain.
    midi->setSyncRunning(true);
    midi->setBulkReceive(true);
    amp.sendTransferStopped();
    ASSERT_TRUE(pumpUntil([midi] { return ! midi->isBulkReceive(); }, 2000));
    EXPECT_FALSE(midi->isSyncRunning());
    EXPECT_EQ(midi->getSequenceCounter(), 0);
}
