#include "Platform/BluetoothMidiPairing.h"

namespace
{
// JUCE's pairing dialogue does not exist on this platform.
struct UnavailablePairing final : BluetoothMidiPairing
{
    bool isAvailable() const override { return false; }
    bool open(std::function<void(int)>) override { return false; }
    void close() override {}
    bool isShowing() const override { return false; }
};

BluetoothMidiPairing* installedPairing = nullptr;
} // namespace

BluetoothMidiPairing& BluetoothMidiPairing::get()
{
    static UnavailablePairing production;
    return installedPairing != nullptr ? *installedPairing : production;
}

void BluetoothMidiPairing::install(BluetoothMidiPairing* pairing)
{
    installedPairing = pairing;
}
