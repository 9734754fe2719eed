#pragma once

#include "Core/ProductModel.h"

#include <juce_core/juce_core.h>

// One amplifier that was found, remembered or connected: its model, its MIDI
// ports, the versions and family code of its identity reply, and how it is
// attached. A plain value record.
class DeviceInfo
{
public:
    DeviceInfo() = default;
    DeviceInfo(eProductModelId model, bool connected, int inIndex, const juce::String& inName, int outIndex,
               const juce::String& outName, int version1, int version2, int family, eMediaType mediaType);
    DeviceInfo(const DeviceInfo&) = default;
    DeviceInfo& operator=(const DeviceInfo&) = default;
    virtual ~DeviceInfo() = default;

    void assign(const DeviceInfo& other) { *this = other; }

    bool isConnected() const noexcept { return isConnectedFlag; }
    void connected() noexcept { isConnectedFlag = true; }
    void disconnected() noexcept { isConnectedFlag = false; }

    // Decides the media type from the MIDI in name and the model's key
    // strings; true when it was set to USB or Bluetooth.
    bool scanMediaType();

    // Comparisons; none looks at versions, family, indexes or media type.
    bool isSameModel(const DeviceInfo& other) const noexcept;
    bool isSameModelExcludeOrva(const DeviceInfo& other) const noexcept;
    bool isSameConnection(const DeviceInfo& other) const noexcept;
    bool isSameDeviceInfo(const DeviceInfo& other) const noexcept;
    bool operator==(const DeviceInfo& other) const noexcept;
    bool operator!=(const DeviceInfo& other) const noexcept { return ! operator==(other); }
    bool operator<(const DeviceInfo& other) const noexcept;

    // The model class of a model id: the wired model for a wireless variant.
    static int modelClassOf(int modelId) noexcept;

    eProductModelId model = kProductModelNone;
    bool isConnectedFlag = false;
    int midiInIndex = 0;
    juce::String midiInName;
    int midiOutIndex = 0;
    juce::String midiOutName;
    int version1 = 0;
    int version2 = 0;
    int family = 0;
    eMediaType mediaType = kMediaTypeUnknown;

private:
    JUCE_LEAK_DETECTOR(DeviceInfo)
};
