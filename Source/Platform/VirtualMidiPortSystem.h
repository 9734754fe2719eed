#pragma once

#include "Platform/MidiPortSystem.h"

#include <deque>
#include <functional>
#include <map>
#include <vector>

class VirtualMidiInputPort;

// In-process MIDI devices that tests add, remove and rename at run time.
//
// An input device is a source: whatever is sent from it reaches every open
// and started input port on it, each port receiving its own copy, delivered
// on this system's MIDI input thread (one thread, as a real MIDI input
// thread). An output device is a destination: what an open output port sends
// is handed to the device's receiver on the sender's thread.
//
// The name lists are in the order the devices were added; removing a device
// shifts the indexes of the ones after it, as on a real system. A port opened
// on a device that is removed afterwards stays open but is dead.
class VirtualMidiPortSystem : public MidiPortSystem,
                              private juce::Thread
{
public:
    using Receiver = std::function<void(const juce::MidiMessage&)>;

    VirtualMidiPortSystem();
    ~VirtualMidiPortSystem() override;

    // Adds a device and returns its id (ids are never reused).
    int addInputDevice(const juce::String& name);
    int addOutputDevice(const juce::String& name, Receiver receiver);

    // Removes a device; waits for a receiver call on it to end (unless the
    // caller is that call). False when there is no such device.
    bool removeDevice(int deviceId);
    bool renameDevice(int deviceId, const juce::String& newName);
    bool isPresent(int deviceId) const;

    // Queues a copy of the message for every open, started input on the
    // input device; returns how many ports it was queued for.
    int sendFromDevice(int inputDeviceId, const juce::MidiMessage& message);

    // Blocks until every message queued so far has been delivered. The
    // message thread must not wait here while an input may be talking to a
    // data centre (its handler waits for the message thread): it pumps until
    // isDelivered() instead.
    void waitUntilDelivered(int timeoutMs = 2000);
    bool isDelivered() const noexcept { return undelivered.load() == 0; }

    // True on the thread that delivers to the inputs (a wait for delivery
    // there would wait for itself).
    bool isDeliveryThread() const noexcept { return getCurrentThreadId() == getThreadId(); }

    juce::StringArray getInputNames() override;
    juce::StringArray getOutputNames() override;
    std::unique_ptr<MidiInputPort> openInput(int index, MidiInputPortCallback* callback) override;
    std::unique_ptr<MidiOutputPort> openOutput(int index) override;

    // Calls onChange on the thread that adds, removes or renames a device.
    std::unique_ptr<Watch> watchPorts(std::function<void()> onChange) override;

    // Used by the ports.
    void setInputStarted(int portId, bool started);
    void closeInput(int portId);
    void deliverToDevice(int outputDeviceId, const juce::MidiMessage& message);

private:
    struct Device
    {
        int id = 0;
        juce::String name;
        bool isInput = true;
        std::atomic<bool> present { true };
        Receiver receiver;
        juce::CriticalSection receiverLock; // held while the receiver runs
        std::atomic<juce::Thread::ThreadID> receivingThread { nullptr };
    };

    struct OpenInput
    {
        VirtualMidiInputPort* port = nullptr;
        MidiInputPortCallback* callback = nullptr;
        int deviceId = 0;
        bool started = false;
    };

    struct Pending
    {
        int portId = 0;
        juce::MidiMessage message;
    };

    class DeviceWatch;

    void run() override;
    void devicesChanged();
    std::shared_ptr<Device> findDevice(int deviceId) const; // caller holds registryLock
    juce::StringArray namesOf(bool inputs) const;

    mutable juce::CriticalSection registryLock;
    std::vector<std::shared_ptr<Device>> devices; // in order of addition
    std::map<int, OpenInput> openInputs;
    int nextDeviceId = 1;
    int nextPortId = 1;

    juce::CriticalSection queueLock;
    std::deque<Pending> queue;
    juce::WaitableEvent wakeUp;
    std::atomic<int> undelivered { 0 };

    juce::CriticalSection deliveryLock; // held while an input callback runs

    juce::CriticalSection watchLock; // held while the watches are called
    std::vector<DeviceWatch*> watches;

    JUCE_DECLARE_NON_COPYABLE(VirtualMidiPortSystem)
};
