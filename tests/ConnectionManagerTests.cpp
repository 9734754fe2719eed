// The connection manager's own decisions over virtual ports: connecting by
// name, reopening, finding a lost device again, and when a synchronisation
// may start.
#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "Core/ConnectedDeviceInfoList.h"
#include "Core/MasterConnectionManager.h"
#include "support/MidiTestSupport.h"
#include "support/RecordingClock.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

namespace
{
struct ManagerFixture : ::testing::Test
{
    ManagerFixture()
    {
        host = Host::createInstance();
        connection = host->getMasterConnectionManager();
        midi = host->getMidiManager();
        list = ConnectedDeviceInfoList::instance();
    }
    ~ManagerFixture() override { Host::destroyInstance(); }

    ActionManager* actions() { return host->getActionManager(); }

    void addPorts(const juce::String& name, bool withOutput = true)
    {
        ports.addInputDevice(name);
        if (withOutput)
            ports.addOutputDevice(name, [](const juce::MidiMessage&) {});
    }

    static DeviceInfo device(int model, const juce::String& in, const juce::String& out)
    {
        return DeviceInfo((eProductModelId) model, true, 0, in, 0, out, 0, 0, 0x141, kMediaTypeUSB);
    }

    testing_support::ScopedVirtualPorts virtualPorts;
    VirtualMidiPortSystem& ports = virtualPorts.ports;
    RecordingClock clock;
    Host* host = nullptr;
    MasterConnectionManager* connection = nullptr;
    MidiManager* midi = nullptr;
    ConnectedDeviceInfoList* list = nullptr;
};
} // namespace

TEST_F(ManagerFixture, ConnectByNameAndReopen)
{
    EXPECT_EQ(connection->getDisconnectCount(), 1);
    EXPECT_TRUE(connection->isScannerReady());
    addPorts("Orva KX", false);

    // Without its output name in the system the input alone is a connection.
    EXPECT_TRUE(connection->connect(device(2, "Orva KX", "Orva KX")));
    EXPECT_TRUE(connection->isConnected());
    EXPECT_TRUE(midi->isMIDIInPortOpen());
    EXPECT_FALSE(midi->isMIDIOutPortOpen());

    // Already connected: reconnect(false) leaves everything alone.
    EXPECT_FALSE(connection->reconnect(false));

    // An unknown input fails and counts as disconnected.
    EXPECT_FALSE(connection->connect(device(2, "Gone", "Gone")));
    EXPECT_EQ(connection->getDisconnectCount(), 1);

    // Disconnects count up; reconnect reopens the remembered ports.
    addPorts("Orva PW");
    ASSERT_TRUE(connection->connect(device(3, "Orva PW", "Orva PW")));
    connection->disconnect();
    connection->disconnect();
    EXPECT_EQ(connection->getDisconnectCount(), 2);
    EXPECT_FALSE(midi->isMIDIInPortOpen());
    EXPECT_TRUE(connection->reconnect(false));
    EXPECT_TRUE(midi->isMIDIInPortOpen());
    EXPECT_TRUE(midi->isMIDIOutPortOpen());
    EXPECT_TRUE(connection->isConnected());

    // Forced, it reopens while connected; forgotten indexes cannot reopen.
    EXPECT_TRUE(connection->reconnect(true));
    midi->clearMIDIPortIndexes();
    EXPECT_FALSE(connection->reconnect(true));
    EXPECT_EQ(connection->getDisconnectCount(), 1);
}

TEST_F(ManagerFixture, LostDeviceIsFoundByNameThenByExactModel)
{
    addPorts("Orva KX A");
    addPorts("Orva KX B");
    addPorts("Orva KX Lyn");
    ASSERT_TRUE(connection->connect(device(2, "Orva KX A", "Orva KX A")));
    connection->cableRemoved(); // no environment: nothing is remembered
    EXPECT_EQ(connection->getLostDevice().model, kProductModelNone);
    EXPECT_FALSE(connection->reConnectMIDIport());

    // The lost record as a cable removal leaves it (through the environment).
    auto lose = [&](const DeviceInfo& lost) {
        list->clear();
        const_cast<DeviceInfo&>(connection->getLostDevice()) = lost;
    };

    // Same model, other port names: the first entry of that model id.
    lose(device(2, "Orva KX A", "Orva KX A"));
    list->add(device(4, "Orva KX Lyn", "Orva KX Lyn"));
    list->add(device(2, "Orva KX B", "Orva KX B"));
    ASSERT_TRUE(connection->reConnectMIDIport());
    EXPECT_EQ(connection->getConnectedDevice().midiInName, "Orva KX B");
    EXPECT_EQ(midi->getMIDIInPortIndex(), ports.getInputNames().indexOf("Orva KX B"));

    // A wireless variant of the same class is not taken for the wired model.
    lose(device(2, "Orva KX A", "Orva KX A"));
    list->add(device(4, "Orva KX Lyn", "Orva KX Lyn"));
    EXPECT_FALSE(connection->reConnectMIDIport());
}

TEST_F(ManagerFixture, SynchronisationWaitsForTransfersAndNeedsAFoundDevice)
{
    auto* actions = host->getActionManager();
    connection->doSyncronize(false, 1000);
    EXPECT_FALSE(actions->isTimerRunning(ActionManager::eREQID_DELAYED_SYNCRONIZE));

    list->add(device(2, "Orva KX", "Orva KX"));
    midi->setBulkReceive(true);
    connection->doSyncronize(false, 1000);
    EXPECT_FALSE(actions->isTimerRunning(ActionManager::eREQID_DELAYED_SYNCRONIZE));
    connection->doSyncronize(true, 1000);
    EXPECT_EQ(actions->getTimerInterval(ActionManager::eREQID_DELAYED_SYNCRONIZE), 1000);
    actions->stopAllTimers();

    // Without a device environment an immediate synchronisation does nothing;
    // a negative delay never does anything.
    connection->doSyncronize(true, 0);
    EXPECT_FALSE(midi->isSyncRunning());
    connection->doSyncronize(true, -1);
    EXPECT_FALSE(actions->isTimerRunning(ActionManager::eREQID_DELAYED_SYNCRONIZE));
}

TEST_F(ManagerFixture, ALostDeviceNoLongerListedGivesWayToTheEnvironmentsModel)
{
    // Neither the lost device nor its model is listed: the first entry of the
    // environment's model is connected, and the MIDI manager and the header
    // of every editor message follow that model.
    struct Case
    {
        int model;
        int familyCode;
    };
    for (const auto c : { Case { 0, 0x132 }, Case { 1, 0x134 }, Case { 2, 0x141 }, Case { 3, 0x141 } })
    {
        SCOPED_TRACE(c.model);
        const auto port = "Amp " + juce::String(c.model);
        addPorts(port);
        host->changeDeviceEnvironment(device(c.model, "Before", "Before"));
        list->clear();
        list->add(device(5, "Other", "Other"));
        list->add(device(c.model, port, port));
        const_cast<DeviceInfo&>(connection->getLostDevice()) = device(c.model == 0 ? 1 : 0, "Gone", "Gone");
        midi->setModel(-1);
        host->getStateHolder()->familyCode = -1;

        ASSERT_TRUE(connection->reConnectMIDIport());
        EXPECT_EQ(connection->getConnectedDevice().midiInName, port);
        EXPECT_EQ(midi->getTargetModel(), c.model);
        EXPECT_EQ(midi->getSendModel(), c.model);
        EXPECT_EQ(host->getStateHolder()->familyCode, c.familyCode);
        connection->disconnect();
        actions()->stopAllTimers();
    }
}

TEST_F(ManagerFixture, AnImmediateSynchronisationCountsFromTheModelsFirstUserProgram)
{
    // The DWQ's user programs follow its 11 presets, the HMQ's its 60; the
    // Orva models have no presets.
    for (const auto& [model, first] : { std::pair { 0, 11 }, std::pair { 1, 60 }, std::pair { 2, 0 }, std::pair { 5, 0 } })
    {
        SCOPED_TRACE(model);
        host->changeDeviceEnvironment(device(model, "Amp", "Amp"));
        list->clear();
        list->add(device(model, "Amp", "Amp"));
        midi->setSequenceCounter(-7);
        midi->setSyncRunning(false);
        connection->doSyncronize(true, 0);
        EXPECT_TRUE(midi->isSyncRunning());
        EXPECT_EQ(midi->getSequenceCounter(), first);
        actions()->stopAllTimers();
        midi->setSyncRunning(false);
    }
}
