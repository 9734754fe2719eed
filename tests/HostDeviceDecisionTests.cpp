// Host's decisions after the boot scan and on the device-selected message,
// over virtual ports with simulated amplifiers.
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "Common/DeviceEnvironment.h"
#include "Core/ConnectedDeviceInfoList.h"
#include "Core/MasterConnectionManager.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "Core/SupportedModels.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Shell/MainComponent.h"
#include "support/MidiTestSupport.h"
#include "support/SettlingClock.h"
#include "support/SimulatedAmplifier.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

namespace
{
struct HostFixture : ::testing::Test
{
    HostFixture() { MainComponent::m_TargetModelId = -1; }
    ~HostFixture() override
    {
        Host::destroyInstance();
        MainComponent::m_TargetModelId = -1;
    }

    // Builds the Host, runs the boot scan and lets the decision settle.
    Host* boot(const juce::String& commandLineFile = {})
    {
        host = Host::createInstance();
        if (commandLineFile.isNotEmpty())
            host->commandLineFile(0) = juce::File::getSpecialLocation(juce::File::tempDirectory).getChildFile(commandLineFile);
        // The scan of run(), without the main window.
        host->setBootFlag(true);
        host->getMasterConnectionManager()->scanDevices(true);
        EXPECT_TRUE(testing_support::pumpUntil([this] { return ! host->isBooting(); }, testing_support::patienceMs));
        testing_support::pumpFor(50); // message 37 and what follows
        return host;
    }

    int modelOpen() const { return host->getCurrentModelId(); }

    testing_support::ScopedVirtualPorts virtualPorts;
    VirtualMidiPortSystem& ports = virtualPorts.ports;
    SettlingClock clock { ports };
    Host* host = nullptr;
};
} // namespace

TEST_F(HostFixture, OwnsTheRegistryAndTheDeviceList)
{
    boot();
    EXPECT_NE(SupportedModels::instance(), nullptr);
    EXPECT_NE(ConnectedDeviceInfoList::instance(), nullptr);
    Host::destroyInstance();
    EXPECT_EQ(SupportedModels::instance(), nullptr);
    EXPECT_EQ(ConnectedDeviceInfoList::instance(), nullptr);
}

TEST_F(HostFixture, NoAmplifierAndNoModelChosenOpensNothing)
{
    boot();
    EXPECT_EQ(ConnectedDeviceInfoList::instance()->getNumDevices(), 0u);
    EXPECT_EQ(host->getDeviceEnvironment(), nullptr);
    EXPECT_EQ(host->getStateHolder()->familyCode, -1);
}

TEST_F(HostFixture, NoAmplifierOpensTheChosenModelOffline)
{
    MainComponent::m_TargetModelId = 1;
    boot();
    ASSERT_NE(host->getDeviceEnvironment(), nullptr);
    EXPECT_EQ(modelOpen(), 1);
    EXPECT_FALSE(host->getDeviceEnvironment()->getDeviceInfo().isConnected());
    EXPECT_FALSE(host->getMidiManager()->isMIDIOutPortOpen());
    EXPECT_EQ(host->getMidiManager()->getSendModel(), 1);
    EXPECT_EQ(host->getStateHolder()->familyCode, -1);
}

TEST_F(HostFixture, OneAmplifierIsConnected)
{
    SimulatedAmplifier amp(ports, 2);
    boot();
    ASSERT_NE(host->getDeviceEnvironment(), nullptr);
    EXPECT_EQ(modelOpen(), 2);
    EXPECT_TRUE(host->getDeviceEnvironment()->getDeviceInfo().isConnected());
    EXPECT_EQ(host->getStateHolder()->familyCode, 0x141);
    EXPECT_EQ(host->getStateHolder()->memberCode, 0);
    EXPECT_TRUE(host->getMidiManager()->isMIDIOutPortOpen());
    EXPECT_EQ(host->getMidiManager()->getMIDIOutPortIndex(), ports.getOutputNames().indexOf(amp.getPortName()));
    EXPECT_EQ(host->getMidiManager()->getSendModel(), 2);
    // The scan ports were closed at the end of the scan; the only listener
    // left is the connected model's data centre.
    EXPECT_EQ(host->getMidiManager()->getNumListeners(), 1);
    auto* dataCenter = host->getDeviceEnvironment()->getDataCenter();
    ASSERT_NE(dataCenter, nullptr);
    EXPECT_TRUE(dataCenter->isConnected());
    EXPECT_NE(host->getAudioEQManager(), nullptr);
}

TEST_F(HostFixture, TwoAmplifiersWaitForTheUsersChoice)
{
    SimulatedAmplifier okx(ports, 2);
    SimulatedAmplifier hmq(ports, 1);
    boot();
    EXPECT_EQ(ConnectedDeviceInfoList::instance()->getNumDevices(), 2u);
    EXPECT_EQ(host->getDeviceEnvironment(), nullptr);
    EXPECT_FALSE(host->getMidiManager()->isMIDIOutPortOpen());

    // The page's choice arrives as message 37; the same model again keeps
    // the environment.
    broadcastMessageId(kMessageDeviceSelectedToHost, 0, 0, 0, 0,
                       new DeviceInfo(ConnectedDeviceInfoList::instance()->getDeviceInfo(0)));
    testing_support::pumpFor(30);
    ASSERT_NE(host->getDeviceEnvironment(), nullptr);
    EXPECT_EQ(modelOpen(), 1);
    EXPECT_EQ(host->getStateHolder()->familyCode, 0x134);
    auto* env = host->getDeviceEnvironment();
    broadcastMessageId(kMessageDeviceSelectedToHost, 0, 0, 0, 0,
                       new DeviceInfo(ConnectedDeviceInfoList::instance()->getDeviceInfo(0)));
    testing_support::pumpFor(30);
    EXPECT_EQ(host->getDeviceEnvironment(), env);

    // Another model replaces it.
    broadcastMessageId(kMessageDeviceSelectedToHost, 0, 0, 0, 0,
                       new DeviceInfo(ConnectedDeviceInfoList::instance()->getDeviceInfo(1)));
    testing_support::pumpFor(30);
    EXPECT_EQ(modelOpen(), 2);
    EXPECT_EQ(host->getStateHolder()->familyCode, 0x141);
}

// A command-line file chooses the model among the amplifiers found.
TEST_F(HostFixture, CommandLineFileChoosesTheModel)
{
    struct Case
    {
        std::vector<int> amplifiers;
        const char* file;
        int model; // -1: nothing opens
    };
    const Case cases[] = {
        { { 1 }, "x.opwprog", -1 },   // absent while another is connected
        { {}, "x.dwqprog", 0 },       // no amplifier: its model offline
        { { 4, 1 }, "x.okxprog", 4 }, // the wireless variant
        { { 1 }, "notes.txt", 1 },    // no model: as without a file
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file);
        std::vector<std::unique_ptr<SimulatedAmplifier>> amps;
        for (int model : c.amplifiers)
            amps.push_back(std::make_unique<SimulatedAmplifier>(ports, model));
        boot(c.file);
        EXPECT_EQ(host->getDeviceEnvironment() != nullptr ? modelOpen() : -1, c.model);
        if (c.model == 4)
        {
            EXPECT_EQ(host->getStateHolder()->memberCode, 16);
        }
        Host::destroyInstance();
        host = nullptr;
        MainComponent::m_TargetModelId = -1;
    }
}

TEST_F(HostFixture, DelayedFileOpensOfflineOnlyWhenTheModelIsAbsent)
{
    SimulatedAmplifier okx(ports, 2);
    SimulatedAmplifier hmq(ports, 1);
    boot();
    host->commandLineFile(0) = juce::File("/tmp/a.okxprog");
    host->handleAnotherInstanceFinishedMessage();
    testing_support::pumpFor(30);
    EXPECT_EQ(host->getDeviceEnvironment(), nullptr);

    host->commandLineFile(0) = juce::File("/tmp/a.dwqprog");
    EXPECT_TRUE(host->onBootWithDelayedFile());
    testing_support::pumpFor(30);
    ASSERT_NE(host->getDeviceEnvironment(), nullptr);
    EXPECT_EQ(modelOpen(), 0);
    EXPECT_FALSE(host->getDeviceEnvironment()->getDeviceInfo().isConnected());

    host->commandLineFile(0) = juce::File("/tmp/a.txt");
    EXPECT_FALSE(host->onBootWithDelayedFile());
}

TEST_F(HostFixture, LaterScanWithoutEnvironmentOnlyAnnouncesTheChange)
{
    boot();
    host->setResyncPending(true);
    host->handleDeviceScanFinishedMessage(); // no environment: nothing to look up
    EXPECT_FALSE(host->isResyncPending());
    testing_support::pumpFor(20);
    EXPECT_EQ(host->getDeviceEnvironment(), nullptr);
}

TEST_F(HostFixture, ResyncAfterAReconnectScanReselectsTheModel)
{
    SimulatedAmplifier okx(ports, 2);
    boot();
    ASSERT_EQ(modelOpen(), 2);
    // The device disappears from MIDI's view; the environment is kept and the
    // reconnect scan lists it again.
    auto* env = host->getDeviceEnvironment();
    host->getMasterConnectionManager()->disconnect();
    ASSERT_FALSE(host->getMidiManager()->isMIDIOutPortOpen());
    host->setResyncPending(true);
    host->handleDeviceScanFinishedMessage();
    testing_support::pumpFor(30);
    EXPECT_EQ(host->getDeviceEnvironment(), env);
    EXPECT_TRUE(host->getMidiManager()->isMIDIOutPortOpen());
}

TEST_F(HostFixture, DeviceSelectedWithNoRecordIsIgnored)
{
    boot();
    broadcastMessageId(kMessageDeviceSelectedToHost);
    testing_support::pumpFor(20);
    EXPECT_EQ(host->getDeviceEnvironment(), nullptr);
}
