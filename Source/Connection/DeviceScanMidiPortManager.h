#pragma once

#include "Platform/MidiInputPort.h"
#include "Platform/MidiOutputPort.h"

#include <juce_core/juce_core.h>

#include <memory>
#include <vector>

class CRSMidiListener;
class MidiManager;

// Holds every MIDI input and output of the system, opened at once for the
// duration of a device scan. Inputs deliver through the MIDI manager, which
// hands each message to its listeners. Opening and closing run on the
// caller's (message) thread; the scanner thread and the MIDI input thread
// read the outputs under the port lock, so a close during a scan never
// leaves them a deleted port.
class DeviceScanMidiPortManager
{
public:
    explicit DeviceScanMidiPortManager(MidiManager* midiManager);
    virtual ~DeviceScanMidiPortManager();

    // Closes what an earlier scan left open, then opens every input (each
    // registering listener with the MIDI manager once) and every output.
    // Opens nothing when the system lacks inputs or outputs. Always true.
    bool openAllPorts(CRSMidiListener* listener);

    // Closes the opened inputs and outputs, each kind on its own.
    void closeAllPorts();

    // Valid only while the caller holds getLock(): closeAllPorts deletes the
    // ports under that lock.
    MidiOutputPort* getMidiOut(int index) const;
    juce::String getMidiOutDeviceName(int index) const;

    // The index in the current system input list of the port's name; -1
    // when none.
    int getMidiInIndex(MidiInputPort* input) const;

    int getNumOpenedInputs() const;
    int getNumOpenedOutputs() const;
    juce::StringArray getOpenedInputNames() const;

    MidiManager* getMidiManager() const noexcept { return midiManager; }
    const juce::CriticalSection& getLock() const noexcept { return lock; }

private:
    MidiManager* midiManager;

    juce::CriticalSection lock;
    std::vector<std::unique_ptr<MidiInputPort>> inputs;
    std::vector<std::unique_ptr<MidiOutputPort>> outputs;
    juce::StringArray inputNames;
    juce::StringArray outputNames;
    int numInputs = 0;
    int numOutputs = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(DeviceScanMidiPortManager)
};
