#pragma once

#include <functional>

// The platform's Bluetooth MIDI pairing window. There is none on Linux, so
// the production pairing answers "not available"; tests install one that is.
class BluetoothMidiPairing
{
public:
    virtual ~BluetoothMidiPairing() = default;

    virtual bool isAvailable() const = 0;

    // Opens the window; onClosed gets the window's result when it closes.
    // Returns whether it opened.
    virtual bool open(std::function<void(int result)> onClosed) = 0;
    virtual void close() = 0;
    virtual bool isShowing() const = 0;

    // The pairing in use: the installed one, else the production one.
    static BluetoothMidiPairing& get();

    // Installs a pairing (not owned); null restores the production one.
    static void install(BluetoothMidiPairing* pairing);
};
