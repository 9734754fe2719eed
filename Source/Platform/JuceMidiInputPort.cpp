#include "Platform/JuceMidiInputPort.h"

JuceMidiInputPort::JuceMidiInputPort(const juce::String& n, MidiInputPortCallback& callback) : name(n), target(callback)
{}

JuceMidiInputPort::~JuceMidiInputPort()
{
    stop();
    input.reset();
}

bool JuceMidiInputPort::open(const juce::String& identifier)
{
    input = juce::MidiInput::openDevice(identifier, this);
    return input != nullptr;
}

void JuceMidiInputPort::start()
{
    if (input != nullptr)
        input->start();
}

void JuceMidiInputPort::stop()
{
    if (input != nullptr)
        input->stop();
}

void JuceMidiInputPort::handleIncomingMidiMessage(juce::MidiInput*, const juce::MidiMessage& message)
{
    target.handleIncomingMidiMessage(this, message);
}
