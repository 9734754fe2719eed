#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

// An open MIDI input of the current port system. It carries the device name
// under which it was opened, which the scanner and the connection records use.
// Deleting it stops it; once the destructor returns its callback is not
// running and is not called again.
class MidiInputPort
{
public:
    virtual ~MidiInputPort() = default;

    virtual juce::String getName() const = 0;
    virtual void start() = 0;
    virtual void stop() = 0;
};
