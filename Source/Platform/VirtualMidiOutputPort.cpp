#include "Platform/VirtualMidiOutputPort.h"

#include "Platform/VirtualMidiPortSystem.h"

VirtualMidiOutputPort::VirtualMidiOutputPort(VirtualMidiPortSystem& s, int id, const juce::String& n)
    : system(s), deviceId(id), name(n)
{}

void VirtualMidiOutputPort::sendMessageNow(const juce::MidiMessage& message)
{
    system.deliverToDevice(deviceId, message);
}
