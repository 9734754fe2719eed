#include "Platform/VirtualMidiInputPort.h"

#include "Platform/VirtualMidiPortSystem.h"

VirtualMidiInputPort::VirtualMidiInputPort(VirtualMidiPortSystem& s, int id, const juce::String& n)
    : system(s), portId(id), name(n)
{}

VirtualMidiInputPort::~VirtualMidiInputPort()
{
    system.closeInput(portId);
}

void VirtualMidiInputPort::start()
{
    system.setInputStarted(portId, true);
}

void VirtualMidiInputPort::stop()
{
    system.setInputStarted(portId, false);
}
