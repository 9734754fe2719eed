#include "Platform/VirtualMidiPortSystem.h"
#include "support/MidiTestSupport.h"

#include <gtest/gtest.h>

namespace
{
struct Collector : MidiInputPortCallback
{
    void handleIncomingMidiMessage(MidiInputPort* source, const juce::MidiMessage&) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        names.push_back(source->getName());
        threads.push_back(juce::Thread::getCurrentThreadId());
    }
    std::mutex mutex;
    std::vector<juce::String> names;
    std::vector<juce::Thread::ThreadID> threads;
};
} // namespace

TEST(VirtualMidiPorts, IndexesShiftAndEveryOpenInputGetsACopy)
{
    VirtualMidiPortSystem ports;
    const int a = ports.addInputDevice("A");
    const int b = ports.addInputDevice("B");
    ports.addInputDevice("C");
    EXPECT_EQ(ports.getInputNames(), juce::StringArray({ "A", "B", "C" }));
    ports.removeDevice(a);
    EXPECT_EQ(ports.getInputNames(), juce::StringArray({ "B", "C" }));
    ports.renameDevice(b, "B2");
    EXPECT_EQ(ports.getInputNames()[0], "B2");
    EXPECT_EQ(ports.openInput(2, nullptr), nullptr);

    Collector collector;
    auto first = ports.openInput(0, &collector);
    auto second = ports.openInput(0, &collector);
    auto notStarted = ports.openInput(0, &collector);
    ASSERT_NE(first, nullptr);
    first->start();
    second->start();
    EXPECT_EQ(ports.sendFromDevice(b, juce::MidiMessage::noteOn(1, 60, 0.5f)), 2);
    ports.waitUntilDelivered();
    {
        std::lock_guard<std::mutex> lock(collector.mutex);
        ASSERT_EQ(collector.names.size(), 2u);
        EXPECT_NE(collector.threads[0], juce::Thread::getCurrentThreadId());
    }

    // A closed port receives nothing more; a removed device's ports are dead.
    second.reset();
    ports.removeDevice(b);
    EXPECT_EQ(ports.sendFromDevice(b, juce::MidiMessage::noteOn(1, 60, 0.5f)), 0);
    EXPECT_EQ(ports.getOutputNames().size(), 0);
}

TEST(VirtualMidiPorts, OutputsReachTheDeviceReceiver)
{
    VirtualMidiPortSystem ports;
    std::vector<juce::MidiMessage> got;
    const int id = ports.addOutputDevice("Out", [&](const juce::MidiMessage& m) { got.push_back(m); });
    auto out = ports.openOutput(0);
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(out->getName(), "Out");
    out->sendMessageNow(juce::MidiMessage::programChange(1, 3));
    EXPECT_EQ(got.size(), 1u);
    ports.removeDevice(id);
    out->sendMessageNow(juce::MidiMessage::programChange(1, 4));
    EXPECT_EQ(got.size(), 1u);
}
