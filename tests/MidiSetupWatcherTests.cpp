#include "Platform/MidiSetupWatcher.h"
#include "support/MidiTestSupport.h"
#include "support/SimulatedAmplifier.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

namespace
{
struct WatcherFixture : ::testing::Test
{
    void SetUp() override
    {
        watcher.setTarget({ [this] { calls.push_back("removed"); }, [this] { calls.push_back("added"); } });
    }

    testing_support::ScopedVirtualPorts virtualPorts;
    MidiSetupWatcher watcher;
    std::vector<juce::String> calls;
};
} // namespace

TEST_F(WatcherFixture, RemovedThenAddedPortsCallTheApplication)
{
    SimulatedAmplifier amp(virtualPorts.ports, 2);
    watcher.start(10000); // polled by hand below
    watcher.poll();
    EXPECT_TRUE(calls.empty());

    amp.unplug();
    watcher.poll();
    EXPECT_EQ(calls, std::vector<juce::String> { "removed" });
    EXPECT_EQ(watcher.getRemovedCount(), 0);

    amp.plugIn();
    watcher.poll();
    EXPECT_EQ(calls, (std::vector<juce::String> { "removed", "added" }));
    EXPECT_EQ(watcher.getAddedCount(), 0);

    // A rename is one removal and one addition within one set-up change:
    // the addition clears the removal count, so only "added" is called.
    calls.clear();
    virtualPorts.ports.renameDevice(virtualPorts.ports.addInputDevice("A"), "B");
    watcher.poll();
    EXPECT_EQ(calls, std::vector<juce::String> { "added" });
}

TEST_F(WatcherFixture, CountersFollowTheNotifications)
{
    watcher.handleNotification(MidiSetupWatcher::objectAdded);
    watcher.handleNotification(MidiSetupWatcher::objectAdded);
    EXPECT_EQ(watcher.getAddedCount(), 2);
    watcher.handleNotification(MidiSetupWatcher::objectRemoved);
    EXPECT_EQ(watcher.getAddedCount(), 0);
    EXPECT_EQ(watcher.getRemovedCount(), 1);
    watcher.handleNotification(7); // ignored
    watcher.handleNotification(MidiSetupWatcher::setupChanged);
    EXPECT_EQ(calls, std::vector<juce::String> { "removed" });
    EXPECT_EQ(watcher.getRemovedCount(), 0);
}

TEST_F(WatcherFixture, TimerPollsThePortLists)
{
    watcher.start(5);
    virtualPorts.ports.addOutputDevice("Hesperine X", [](const juce::MidiMessage&) {});
    EXPECT_TRUE(testing_support::pumpUntil([this] { return ! calls.empty(); }));
    EXPECT_EQ(calls, std::vector<juce::String> { "added" });
}

// The virtual ports tell of their changes, as the ALSA sequencer does: the
// watcher compares the lists once per change and does not poll in between.
TEST_F(WatcherFixture, ChangesAreToldWithoutPollingAndNothingRunsInBetween)
{
    watcher.start(60000); // a poll would come far too late for this test
    EXPECT_FALSE(watcher.isPolling());
    EXPECT_FALSE(watcher.isComparisonPending());

    // Both ports of one device, added one after the other, are one change.
    SimulatedAmplifier amp(virtualPorts.ports, 2);
    ASSERT_TRUE(testing_support::pumpUntil([this] { return ! calls.empty(); }));
    testing_support::pumpFor(3 * MidiSetupWatcher::settleMs);
    EXPECT_EQ(calls, std::vector<juce::String> { "added" });
    EXPECT_FALSE(watcher.isComparisonPending());

    amp.unplug();
    ASSERT_TRUE(testing_support::pumpUntil([this] { return calls.size() == 2; }));
    testing_support::pumpFor(3 * MidiSetupWatcher::settleMs);
    EXPECT_EQ(calls, (std::vector<juce::String> { "added", "removed" }));
    EXPECT_FALSE(watcher.isComparisonPending());

    // Stopped, it hears of nothing.
    watcher.stop();
    amp.plugIn();
    testing_support::pumpFor(3 * MidiSetupWatcher::settleMs);
    EXPECT_EQ(calls.size(), 2u);
}

// A port system that cannot tell of its changes is polled.
TEST(MidiSetupWatcherPolling, ASystemThatCannotTellIsPolled)
{
    struct SilentPorts : MidiPortSystem
    {
        juce::StringArray getInputNames() override { return inputs; }
        juce::StringArray getOutputNames() override { return {}; }
        std::unique_ptr<MidiInputPort> openInput(int, MidiInputPortCallback*) override { return nullptr; }
        std::unique_ptr<MidiOutputPort> openOutput(int) override { return nullptr; }
        juce::StringArray inputs;
    } ports;

    MidiPortSystem::setCurrent(&ports);
    int addedCalls = 0;
    {
        MidiSetupWatcher watcher;
        watcher.setTarget({ [] {}, [&] { ++addedCalls; } });
        watcher.start(5);
        EXPECT_TRUE(watcher.isPolling());
        ports.inputs.add("Hesperine X");
        EXPECT_TRUE(testing_support::pumpUntil([&] { return addedCalls == 1; }));
    }
    MidiPortSystem::setCurrent(nullptr);
}
