#include "Platform/VirtualMidiPortSystem.h"

#include "Platform/MessageThreadWait.h"
#include "Platform/VirtualMidiInputPort.h"
#include "Platform/VirtualMidiOutputPort.h"

#include <algorithm>

// A thread's name holds at most 15 characters on Linux (a longer one is not
// set at all): this one shows whole in a stack dump.
VirtualMidiPortSystem::VirtualMidiPortSystem() : juce::Thread("VirtualMidiIn")
{
    startThread();
}

VirtualMidiPortSystem::~VirtualMidiPortSystem()
{
    signalThreadShouldExit();
    wakeUp.signal();
    stopThread(2000);
}

class VirtualMidiPortSystem::DeviceWatch : public MidiPortSystem::Watch
{
public:
    DeviceWatch(VirtualMidiPortSystem& s, std::function<void()> callback) : system(s), onChange(std::move(callback))
    {
        const juce::ScopedLock sl(system.watchLock);
        system.watches.push_back(this);
    }

    ~DeviceWatch() override
    {
        const juce::ScopedLock sl(system.watchLock);
        system.watches.erase(std::find(system.watches.begin(), system.watches.end(), this));
    }

    VirtualMidiPortSystem& system;
    std::function<void()> onChange;
};

std::unique_ptr<MidiPortSystem::Watch> VirtualMidiPortSystem::watchPorts(std::function<void()> onChange)
{
    return std::make_unique<DeviceWatch>(*this, std::move(onChange));
}

void VirtualMidiPortSystem::devicesChanged()
{
    const juce::ScopedLock sl(watchLock);
    for (auto* watch : watches)
        if (watch->onChange)
            watch->onChange();
}

int VirtualMidiPortSystem::addInputDevice(const juce::String& name)
{
    int id = 0;
    {
        const juce::ScopedLock sl(registryLock);
        auto device = std::make_shared<Device>();
        device->id = id = nextDeviceId++;
        device->name = name;
        device->isInput = true;
        devices.push_back(device);
    }
    devicesChanged();
    return id;
}

int VirtualMidiPortSystem::addOutputDevice(const juce::String& name, Receiver receiver)
{
    int id = 0;
    {
        const juce::ScopedLock sl(registryLock);
        auto device = std::make_shared<Device>();
        device->id = id = nextDeviceId++;
        device->name = name;
        device->isInput = false;
        device->receiver = std::move(receiver);
        devices.push_back(device);
    }
    devicesChanged();
    return id;
}

std::shared_ptr<VirtualMidiPortSystem::Device> VirtualMidiPortSystem::findDevice(int deviceId) const
{
    for (auto& device : devices)
        if (device->id == deviceId)
            return device;
    return nullptr;
}

bool VirtualMidiPortSystem::removeDevice(int deviceId)
{
    std::shared_ptr<Device> device;
    {
        const juce::ScopedLock sl(registryLock);
        device = findDevice(deviceId);
        if (device == nullptr)
            return false;
        device->present = false;
        devices.erase(std::find(devices.begin(), devices.end(), device));
    }

    // A receiver call in progress ends before the owner of the receiver may go.
    if (device->receivingThread.load() != juce::Thread::getCurrentThreadId())
    {
        const juce::ScopedLock rl(device->receiverLock);
        device->receiver = nullptr;
    }
    devicesChanged();
    return true;
}

bool VirtualMidiPortSystem::renameDevice(int deviceId, const juce::String& newName)
{
    {
        const juce::ScopedLock sl(registryLock);
        auto device = findDevice(deviceId);
        if (device == nullptr)
            return false;
        device->name = newName;
    }
    devicesChanged();
    return true;
}

bool VirtualMidiPortSystem::isPresent(int deviceId) const
{
    const juce::ScopedLock sl(registryLock);
    return findDevice(deviceId) != nullptr;
}

int VirtualMidiPortSystem::sendFromDevice(int inputDeviceId, const juce::MidiMessage& message)
{
    int queued = 0;
    const juce::ScopedLock sl(registryLock);
    auto device = findDevice(inputDeviceId);
    if (device == nullptr || ! device->isInput)
        return 0;

    {
        const juce::ScopedLock ql(queueLock);
        for (auto& [portId, open] : openInputs)
        {
            if (open.deviceId != inputDeviceId || ! open.started)
                continue;
            queue.push_back({ portId, message });
            ++undelivered;
            ++queued;
        }
    }
    if (queued > 0)
        wakeUp.signal();
    return queued;
}

void VirtualMidiPortSystem::waitUntilDelivered(int timeoutMs)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    while (undelivered.load() > 0 && juce::Time::getMillisecondCounter() < end)
        juce::Thread::sleep(1);
}

void VirtualMidiPortSystem::run()
{
    while (! threadShouldExit())
    {
        wakeUp.wait(50);

        for (;;)
        {
            Pending pending;
            {
                const juce::ScopedLock ql(queueLock);
                if (queue.empty() || threadShouldExit())
                    break;
                pending = std::move(queue.front());
                queue.pop_front();
            }

            {
                const juce::ScopedLock dl(deliveryLock);
                VirtualMidiInputPort* port = nullptr;
                MidiInputPortCallback* callback = nullptr;
                {
                    const juce::ScopedLock sl(registryLock);
                    auto it = openInputs.find(pending.portId);
                    // A message still queued when its device went away is lost,
                    // as on a cable pulled in the middle of a transfer.
                    if (it != openInputs.end() && it->second.started && findDevice(it->second.deviceId) != nullptr)
                    {
                        port = it->second.port;
                        callback = it->second.callback;
                    }
                }
                if (callback != nullptr)
                    callback->handleIncomingMidiMessage(port, pending.message);
            }
            --undelivered;
        }
    }
}

juce::StringArray VirtualMidiPortSystem::namesOf(bool inputs) const
{
    juce::StringArray names;
    const juce::ScopedLock sl(registryLock);
    for (auto& device : devices)
        if (device->isInput == inputs)
            names.add(device->name);
    return names;
}

juce::StringArray VirtualMidiPortSystem::getInputNames()
{
    return namesOf(true);
}

juce::StringArray VirtualMidiPortSystem::getOutputNames()
{
    return namesOf(false);
}

std::unique_ptr<MidiInputPort> VirtualMidiPortSystem::openInput(int index, MidiInputPortCallback* callback)
{
    if (callback == nullptr)
        return nullptr;

    const juce::ScopedLock sl(registryLock);
    int position = 0;
    for (auto& device : devices)
    {
        if (! device->isInput)
            continue;
        if (position++ != index)
            continue;

        const int portId = nextPortId++;
        auto port = std::make_unique<VirtualMidiInputPort>(*this, portId, device->name);
        openInputs[portId] = { port.get(), callback, device->id, false };
        return port;
    }
    return nullptr;
}

std::unique_ptr<MidiOutputPort> VirtualMidiPortSystem::openOutput(int index)
{
    const juce::ScopedLock sl(registryLock);
    int position = 0;
    for (auto& device : devices)
    {
        if (device->isInput)
            continue;
        if (position++ == index)
            return std::make_unique<VirtualMidiOutputPort>(*this, device->id, device->name);
    }
    return nullptr;
}

void VirtualMidiPortSystem::setInputStarted(int portId, bool started)
{
    const juce::ScopedLock sl(registryLock);
    auto it = openInputs.find(portId);
    if (it != openInputs.end())
        it->second.started = started;
}

void VirtualMidiPortSystem::closeInput(int portId)
{
    {
        const juce::ScopedLock sl(registryLock);
        openInputs.erase(portId);
    }

    // Like a real input, a closed port's callback is not running once the
    // port is gone (unless the port is closed from inside that callback).
    if (getCurrentThreadId() != getThreadId())
        waitUntilLockIsFree(deliveryLock);
}

void VirtualMidiPortSystem::deliverToDevice(int outputDeviceId, const juce::MidiMessage& message)
{
    std::shared_ptr<Device> device;
    {
        const juce::ScopedLock sl(registryLock);
        device = findDevice(outputDeviceId);
    }
    if (device == nullptr || device->isInput)
        return;

    const juce::ScopedLock rl(device->receiverLock);
    if (! device->present || device->receiver == nullptr)
        return;
    auto* previous = device->receivingThread.exchange(juce::Thread::getCurrentThreadId());
    device->receiver(message);
    device->receivingThread.store(previous);
}
