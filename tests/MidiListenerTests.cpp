#include "Action/MidiManager.h"
#include "support/MidiTestSupport.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using testing_support::RecordingMidiListener;

namespace
{
struct ListenerFixture : ::testing::Test
{
    void SetUp() override
    {
        deviceId = virtualPorts.ports.addInputDevice("Hesperine X");
        ASSERT_TRUE(midi.openMIDIInPort(0));
    }

    // Returns for how many open inputs the message was queued.
    int sendFromAmp(int value)
    {
        return virtualPorts.ports.sendFromDevice(deviceId, juce::MidiMessage::controllerEvent(1, 7, value));
    }

    testing_support::ScopedVirtualPorts virtualPorts;
    MidiManager midi;
    int deviceId = 0;
};

// Appends its name to a shared journal.
struct NamedListener : CRSMidiListener
{
    NamedListener(std::vector<juce::String>& j, juce::String n) : journal(j), name(std::move(n)) {}
    void OnRSMidiListenerRcvSysExMessage(MidiManager*, MidiInputPort*, const juce::MidiMessage&) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        journal.push_back(name);
    }
    static std::mutex mutex;
    std::vector<juce::String>& journal;
    juce::String name;
};
std::mutex NamedListener::mutex;
} // namespace

TEST_F(ListenerFixture, OrderDuplicatesAndSourceName)
{
    std::vector<juce::String> journal;
    NamedListener a(journal, "a"), b(journal, "b");
    RecordingMidiListener last;
    midi.AddListener(&a);
    midi.AddListener(&b);
    midi.AddListener(&a);
    midi.AddListener(&last);

    sendFromAmp(1);
    ASSERT_TRUE(last.waitFor(1));
    {
        std::lock_guard<std::mutex> lock(NamedListener::mutex);
        EXPECT_EQ(journal, (std::vector<juce::String> { "a", "b", "a" }));
    }
    EXPECT_EQ(last.sources[0], "Hesperine X");

    midi.ClearListeners();
    EXPECT_EQ(midi.getNumListeners(), 0);
    sendFromAmp(2);
    virtualPorts.ports.waitUntilDelivered();
    EXPECT_EQ(last.count(), 1u);
}

TEST_F(ListenerFixture, RemoveListenerWaitsForTheDispatchInProgress)
{
    juce::WaitableEvent inHandler, release(true);
    std::atomic<bool> handlerDone { false };
    RecordingMidiListener slow;
    slow.onMessage = [&](const juce::MidiMessage&) {
        inHandler.signal();
        release.wait(2000);
        handlerDone = true;
    };
    RecordingMidiListener other;
    midi.AddListener(&slow);
    midi.AddListener(&other);
    midi.AddListener(&slow);

    sendFromAmp(1);
    ASSERT_TRUE(inHandler.wait(2000));

    // Release the handler a little later from another thread.
    std::thread releaser([&] {
        juce::Thread::sleep(30);
        release.signal();
    });
    midi.RemoveListener(&slow);
    EXPECT_TRUE(handlerDone.load()) << "RemoveListener returned while the listener was still running";
    releaser.join();
    release.signal();

    EXPECT_EQ(midi.getNumListeners(), 1);
    sendFromAmp(2);
    ASSERT_TRUE(other.waitFor(2));
    virtualPorts.ports.waitUntilDelivered();
    EXPECT_EQ(slow.count(), 2u); // the dispatch in progress still reached its second registration
}

TEST_F(ListenerFixture, RemoveListenerFromInsideAHandler)
{
    RecordingMidiListener self;
    self.onMessage = [&](const juce::MidiMessage&) { midi.RemoveListener(&self); };
    midi.AddListener(&self);
    sendFromAmp(1);
    ASSERT_TRUE(self.waitFor(1));
    sendFromAmp(2);
    virtualPorts.ports.waitUntilDelivered();
    EXPECT_EQ(self.count(), 1u);
}

// A handler on the MIDI thread takes the message-thread lock (as the data
// centres do) while the message thread clears or removes listeners: neither
// side may wait for the other.
TEST_F(ListenerFixture, NoDeadlockWithAHandlerThatLocksTheMessageThread)
{
    std::atomic<int> handled { 0 };
    RecordingMidiListener locking;
    locking.onMessage = [&](const juce::MidiMessage&) {
        const juce::MessageManagerLock mml;
        juce::Thread::sleep(1);
        ++handled;
    };

    for (int round = 0; round < 20; ++round)
    {
        midi.AddListener(&locking);
        for (int i = 0; i < 5; ++i)
            sendFromAmp(i);
        juce::Thread::sleep(1);
        if (round % 2 == 0)
            midi.ClearListeners();
        else
            midi.RemoveListener(&locking);
    }
    virtualPorts.ports.waitUntilDelivered(1000); // must not hang
    testing_support::pumpFor(20);
    EXPECT_EQ(midi.getNumListeners(), 0);
    EXPECT_GT(handled.load(), 0);
}

TEST_F(ListenerFixture, ReopeningTheInputFromAHandlerDoesNotHang)
{
    // A message sent while the handler is still reopening the input finds no
    // open input and is lost, as on a real port: each one is sent once the
    // input is open again.
    std::atomic<int> reopened { 0 };
    RecordingMidiListener reopener;
    reopener.onMessage = [&](const juce::MidiMessage&) {
        midi.openMIDIInPort(0);
        ++reopened;
    };
    midi.AddListener(&reopener);
    // The listener goes before the test's locals do, whatever the handler is
    // still doing.
    const juce::ScopeGuard removeReopener { [this, &reopener] { midi.RemoveListener(&reopener); } };

    for (int n = 1; n <= 3; ++n)
    {
        ASSERT_EQ(sendFromAmp(n), 1) << "message " << n << " found no open input";
        ASSERT_TRUE(testing_support::pumpUntil([&] { return reopened.load() == n; })) << n;
    }
    EXPECT_EQ(reopener.count(), 3u);
    EXPECT_TRUE(midi.isMIDIInPortOpen());
    EXPECT_EQ(midi.getMIDIInPortIndex(), 0);
}
