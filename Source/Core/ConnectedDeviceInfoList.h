#pragma once

#include "Core/DeviceInfo.h"
#include "ZEZESingleton.h"

#include <vector>

// The devices found by the last scan. Written by the scanner thread and the
// MIDI input thread, read on the message thread: every operation holds the
// list's lock for its whole run, and readers get copies.
class ConnectedDeviceInfoList : public ZEZESingleton<ConnectedDeviceInfoList>
{
public:
    ConnectedDeviceInfoList() = default;
    virtual ~ConnectedDeviceInfoList() = default;

    void clear();

    // Appends a copy when the supported-models registry knows its model.
    void add(const DeviceInfo& info);

    // By model id, then MIDI in name.
    void sort();

    unsigned int getNumDevices() const;

    // A copy of entry index; a default record (model -1) when out of range.
    DeviceInfo getDeviceInfo(unsigned int index) const;

    // True when an entry has the same model class and the same port names.
    bool find(const DeviceInfo& info) const;

    // True when an entry has the same model class; the first such entry's
    // position goes to index when it is not null.
    bool findByModel(const DeviceInfo& info, int* index) const;

    // The list's lock (recursive), for callers that must test and add as one
    // step.
    const juce::CriticalSection& getLock() const noexcept { return lock; }

private:
    juce::CriticalSection lock;
    std::vector<DeviceInfo> devices;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(ConnectedDeviceInfoList)
};
