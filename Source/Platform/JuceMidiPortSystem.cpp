#include "Platform/JuceMidiPortSystem.h"

#include "Platform/AlsaPortWatch.h"

#include "Platform/JuceMidiInputPort.h"
#include "Platform/JuceMidiOutputPort.h"

#include <juce_audio_devices/juce_audio_devices.h>

namespace
{
juce::StringArray namesOf(const juce::Array<juce::MidiDeviceInfo>& devices)
{
    juce::StringArray names;
    for (auto& device : devices)
        names.add(device.name);
    return names;
}
} // namespace

juce::StringArray JuceMidiPortSystem::getInputNames()
{
    return namesOf(juce::MidiInput::getAvailableDevices());
}

juce::StringArray JuceMidiPortSystem::getOutputNames()
{
    return namesOf(juce::MidiOutput::getAvailableDevices());
}

std::unique_ptr<MidiInputPort> JuceMidiPortSystem::openInput(int index, MidiInputPortCallback* callback)
{
    const auto devices = juce::MidiInput::getAvailableDevices();
    if (! juce::isPositiveAndBelow(index, devices.size()) || callback == nullptr)
        return nullptr;

    auto port = std::make_unique<JuceMidiInputPort>(devices.getReference(index).name, *callback);
    if (! port->open(devices.getReference(index).identifier))
        return nullptr;
    return port;
}

std::unique_ptr<MidiOutputPort> JuceMidiPortSystem::openOutput(int index)
{
    const auto devices = juce::MidiOutput::getAvailableDevices();
    if (! juce::isPositiveAndBelow(index, devices.size()))
        return nullptr;

    auto device = juce::MidiOutput::openDevice(devices.getReference(index).identifier);
    if (device == nullptr)
        return nullptr;
    return std::make_unique<JuceMidiOutputPort>(devices.getReference(index).name, std::move(device));
}

std::unique_ptr<MidiPortSystem::Watch> JuceMidiPortSystem::watchPorts(std::function<void()> onChange)
{
#if JUCE_LINUX
    auto watch = std::make_unique<AlsaPortWatch>(std::move(onChange));
    if (watch->isWatching())
        return watch;
#else
    juce::ignoreUnused(onChange);
#endif
    return nullptr;
}
