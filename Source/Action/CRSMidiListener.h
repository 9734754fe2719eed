#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

class MidiManager;
class MidiInputPort;

// Receives every incoming MIDI message from MidiManager, on the MIDI input
// thread. Listeners filter for themselves. A listener that is about to be
// deleted leaves with MidiManager::RemoveListener first.
class CRSMidiListener
{
public:
    virtual ~CRSMidiListener() = default;

    virtual void OnRSMidiListenerRcvSysExMessage(MidiManager*, MidiInputPort* /*source*/, const juce::MidiMessage&) {}
    virtual void OnRSMidiListenerRcvShortMessage() {}
};
