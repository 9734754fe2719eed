#pragma once

#include "Action/CRSMidiListener.h"

#include <juce_core/juce_core.h>

#include <atomic>

class DeviceScanMidiPortManager;
class MidiOutputPort;

// The scan worker: sends the Universal Identity Request to every opened
// output whose name marks it as one of the supported amplifiers, collects
// the Identity Replies (parsed on the MIDI input thread) into the found-
// device list, sorts it and announces the end of the scan on the bus.
// Every pause goes through the current clock.
class DeviceScanner : public CRSMidiListener,
                      public juce::Thread
{
public:
    enum eScanMode
    {
        kScanModeBoot = 0,
        kScanModeReconnect = 1
    };

    // Output names that are probed, tested in this order.
    static const char* const probeKeyStrings[4];

    explicit DeviceScanner(DeviceScanMidiPortManager* portManager);
    ~DeviceScanner() override;

    // Stores the final wait and the mode and starts the scan; while a scan
    // runs only the stored values change. A run that has sent its end
    // message is waited for, so that a scan asked for from that message is
    // never lost.
    void execute(int waitMs, eScanMode mode);

    void run() override;

    void sendDevInqRequest(MidiOutputPort* output);

    void OnRSMidiListenerRcvSysExMessage(MidiManager*, MidiInputPort* source, const juce::MidiMessage& message) override;

    int getFoundCount() const noexcept { return foundCount; }
    int getProbedOutput() const noexcept { return probedOutput; }

private:
    // Tells the command layer that a device answered.
    void notifyDeviceFound();

    DeviceScanMidiPortManager* portManager;
    int inputCount = 0;
    int outputCount = 0;
    std::atomic<int> foundCount { 0 };
    std::atomic<int> waitTime { 1500 };
    std::atomic<int> mode { kScanModeBoot };
    std::atomic<int> probedOutput { -1 };
    // Set by a run before its end message (and before it leaves early).
    std::atomic<bool> runEnded { true };
    juce::CriticalSection startLock;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(DeviceScanner)
};
