#include "Platform/JuceMidiOutputPort.h"

JuceMidiOutputPort::JuceMidiOutputPort(const juce::String& n, std::unique_ptr<juce::MidiOutput> o) : name(n), output(std::move(o))
{}

void JuceMidiOutputPort::sendMessageNow(const juce::MidiMessage& message)
{
    if (output != nullptr)
        output->sendMessageNow(message);
}
