#pragma once

#include "Action/CRSMidiListener.h"
#include "Core/DeviceInfo.h"

#include <juce_events/juce_events.h>

class MidiManager;
class DeviceScanner;
class DeviceScanMidiPortManager;

// Connects the MIDI manager to the ports of one device record, takes the
// connection down when the cable goes, finds the device again after a
// reconnect scan, starts the device scans and starts the synchronisation.
// The GUI learns the connection state through the data centre's program
// section or, without a device environment, through message 5 posted to the
// GUI controller. Message thread only.
//
// Lock order where two are held: the connection lock, then the MIDI
// manager's port lock.
class MasterConnectionManager : public CRSMidiListener,
                                public juce::MessageListener
{
public:
    explicit MasterConnectionManager(MidiManager* midiManager);
    ~MasterConnectionManager() override;

    // Posts message {id, 0, a, b, c, d, null} to the Host's GUI controller.
    void SendMessageToGuiController(int id, int a, int b, int c, int d);

    // Opens the record's ports by name; a missing output still counts as
    // success. Registers no listener.
    bool connect(const DeviceInfo& info);
    void disconnect();
    void disconnectAndClearListeners();
    // Reopens the last ports by index.
    bool reconnect(bool force);
    // Finds the lost device in the freshly scanned list and connects it.
    bool reConnectMIDIport();
    void cableRemoved();
    void closeAllMIDIPorts();

    // Boot scan (ends with 24) and reconnect scan (ends with 31); with lock
    // the connection lock is held until the end message is handled.
    void scanDevices(bool lock);
    void scanDevicesforReconnect(bool lock);

    // delayMs 0: synchronise now; above 0: through timer 8; below 0: nothing.
    void doSyncronize(bool force, int delayMs);

    void handleMessage(const juce::Message& message) override;

    bool isConnected() const noexcept { return disconnectCount == 0; }
    int getDisconnectCount() const noexcept { return disconnectCount; }
    int getCableRemoved() const noexcept { return cableRemovedFlag; }
    void setCableRemoved(int value) noexcept { cableRemovedFlag = value; }
    bool isScanning() const noexcept { return scanning; }
    bool isScannerReady() const noexcept { return scannerReady; }
    const DeviceInfo& getLostDevice() const noexcept { return lostDevice; }
    const DeviceInfo& getConnectedDevice() const noexcept { return connectedDevice; }
    const juce::CriticalSection& getConnectionLock() const noexcept { return connectionLock; }

    static DeviceScanner* m_deviceScanner;
    static DeviceScanMidiPortManager* m_deviceScanMidiPortManager;

private:
    void startScan(bool lock, int mode);
    // After a scan's end: a scan asked for while it ran starts now.
    void startPendingRescan();
    // Registers the data centre of the current environment as a MIDI
    // listener (once) and marks it connected.
    void attachDataCenter();
    void markDataCenter(bool connected);

    MidiManager* midiManager = nullptr;
    juce::CriticalSection connectionLock;
    bool scannerReady = false;
    bool scanning = false;
    bool scanHoldsLock = false;
    bool rescanPending = false;
    int disconnectCount = 1;
    int cableRemovedFlag = 0;
    DeviceInfo lostDevice;
    DeviceInfo connectedDevice;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(MasterConnectionManager)
};
